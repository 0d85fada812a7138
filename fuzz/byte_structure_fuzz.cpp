// Byte structure: one span per byte each conversion reads, in order and inside the text, the
// bytes read back from the spans equal the conversion's, and marks sorted without overlap.
#include "conversion/byte_structure.h"
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

int HexValue(char16_t ch)
{
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    return (ch | 0x20) - u'a' + 10;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzz::TextOf(data, size);

    const ByteStructure hex = HexStructure(text);
    const auto hexBytes = HexBytes(text);
    RequireOrdered(hex, text.size());
    fuzz::Require(hex.bytes.size() == hexBytes.size());
    for (std::size_t k = 0; k < hexBytes.size(); ++k) {
        int value = 0;
        for (std::size_t i = hex.bytes[k].begin; i < hex.bytes[k].end; ++i)
            value = value * 16 + HexValue(text[i]);
        fuzz::Require(value == hexBytes[k]);
    }

    const ByteStructure binary = BinaryStructure(text);
    const auto binaryBytes = BinaryBytes(text);
    RequireOrdered(binary, text.size());
    fuzz::Require(binary.bytes.size() == binaryBytes.size());
    for (std::size_t k = 0; k < binaryBytes.size(); ++k) {
        fuzz::Require(binary.bytes[k].end - binary.bytes[k].begin == 8);
        unsigned value = 0;
        for (std::size_t i = binary.bytes[k].begin; i < binary.bytes[k].end; ++i)
            value = (value << 1) | (text[i] == u'1' ? 1u : 0u);
        fuzz::Require(value == binaryBytes[k]);
    }

    const ByteStructure dotted = DottedDecimalStructure(text);
    const auto dottedBytes = DottedDecimalBytes(text);
    RequireOrdered(dotted, text.size());
    fuzz::Require(dotted.bytes.size() == dottedBytes.size());
    for (std::size_t k = 0; k < dottedBytes.size(); ++k) {
        unsigned value = 0;
        for (std::size_t i = dotted.bytes[k].begin; i < dotted.bytes[k].end; ++i)
            value = (value * 10 + static_cast<unsigned>(text[i] - u'0')) % 256;
        fuzz::Require(value == dottedBytes[k]);
    }

    const ByteStructure line = TextLineStructure(text);
    RequireOrdered(line, text.size());
    fuzz::Require(line.bytes.size() == TextLineBytes(text).size());
    return 0;
}
