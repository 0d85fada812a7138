// Byte structure: each reader gives one span per byte, in order and inside the text, each span
// read alone gives its byte again, and marks are sorted without overlap.
#include "conversion/binary.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "fuzz/fuzz_input.h"

using namespace numo;

namespace {

void RequireOrdered(const ByteStructure &structure, std::size_t size)
{
    std::size_t previous = 0;
    for (const TextSpan &span : structure.bytes) {
        fuzz::Require(previous <= span.begin && span.begin <= span.end && span.end <= size);
        previous = span.end;
    }
    previous = 0;
    for (const Mark &mark : structure.marks) {
        fuzz::Require(previous <= mark.span.begin && mark.span.begin < mark.span.end
            && mark.span.end <= size);
        previous = mark.span.end;
    }
}

std::u16string_view Within(std::u16string_view text, TextSpan span)
{
    return text.substr(span.begin, span.end - span.begin);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzz::TextOf(data, size);

    ByteStructure hex;
    const auto hexBytes = ReadHex(text, &hex);
    RequireOrdered(hex, text.size());
    fuzz::Require(hex.bytes.size() == hexBytes.size() && hexBytes == ReadHex(text));
    for (std::size_t k = 0; k < hexBytes.size(); ++k)
        fuzz::Require(ReadHex(Within(text, hex.bytes[k])) == std::vector{hexBytes[k]});

    ByteStructure binary;
    const auto binaryBytes = ReadBinary(text, &binary);
    RequireOrdered(binary, text.size());
    fuzz::Require(binary.bytes.size() == binaryBytes.size());
    for (std::size_t k = 0; k < binaryBytes.size(); ++k)
        fuzz::Require(ReadBinary(Within(text, binary.bytes[k])) == std::vector{binaryBytes[k]});

    ByteStructure dotted;
    const auto values = ReadDottedDecimal(text, &dotted);
    RequireOrdered(dotted, text.size());
    fuzz::Require(dotted.bytes.size() == values.size());
    for (std::size_t k = 0; k < values.size(); ++k)
        fuzz::Require(ReadDottedDecimal(Within(text, dotted.bytes[k])) == std::vector{values[k]});

    ByteStructure line;
    const auto lineBytes = ReadTextLine(text, &line);
    RequireOrdered(line, text.size());
    fuzz::Require(lineBytes.size() == line.bytes.size());
    return 0;
}
