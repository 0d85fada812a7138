// Binary: one character a decoded group, never more groups than the text has room for.
#include "conversion/binary.h"
#include "fuzz/fuzz_input.h"

using namespace numo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzz::TextOf(data, size);
    const BinaryConversion binary = ConvertBinaryToAscii(text);
    fuzz::Require(binary.textLine.size() == binary.byteCount);
    fuzz::Require(binary.byteCount * 8 <= text.size());
    return 0;
}
