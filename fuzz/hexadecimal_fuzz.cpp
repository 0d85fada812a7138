// Hexadecimal: the decimal line holds one number per byte and the text line one character.
#include "conversion/hexadecimal.h"
#include "fuzz/fuzz_input.h"

using namespace numo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const HexConversion hex = ConvertHexToDec(fuzz::TextOf(data, size));
    std::size_t blanks = 0;
    for (const char16_t ch : hex.decimalLine)
        blanks += ch == u' ';
    fuzz::Require(hex.bytes.empty() ? hex.decimalLine.empty() : blanks + 1 == hex.bytes.size());
    fuzz::Require(hex.textLine.size() <= hex.bytes.size());
    fuzz::Require(
        hex.textLine.empty() || (hex.textLine.front() != u' ' && hex.textLine.back() != u' '));
    return 0;
}
