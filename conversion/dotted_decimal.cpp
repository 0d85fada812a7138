#include "conversion/dotted_decimal.h"

namespace numo {

namespace {

    constexpr char16_t kUpperHex[] = u"0123456789ABCDEF";

    bool IsDigit(char16_t ch)
    {
        return ch >= u'0' && ch <= u'9';
    }

    // The reading, compiled once with and once without recording where the values sit.
    template <bool kRecord>
    void Read(std::u16string_view text, std::vector<DottedValue> &values, ByteStructure *where)
    {
        constexpr auto kNone = std::u16string_view::npos;
        // A value is kept as its remainder modulo 256 and a flag for "above 255", so a value of any
        // number of digits is read without overflow.
        unsigned low = 0;
        bool above = false;
        std::size_t first = kNone; // the value's first digit; a value's digits are one run
        std::size_t digitsEnd = 0;
        const auto close = [&](std::size_t at) {
            values.push_back({static_cast<std::uint8_t>(low), above});
            if (kRecord) {
                const TextSpan span =
                    first == kNone ? TextSpan{at, at} : TextSpan{first, digitsEnd};
                where->bytes.push_back(span);
                if (above)
                    where->addMark(span.begin, span.end, MarkKind::AboveByte);
            }
            low = 0;
            above = false;
            first = kNone;
        };
        bool blank = false; // inside a run of separators other than "."
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t ch = text[i];
            if (IsDigit(ch)) {
                blank = false;
                if (first == kNone)
                    first = i;
                digitsEnd = i + 1;
                const unsigned next = low * 10 + static_cast<unsigned>(ch - u'0');
                above = above || next > 255;
                low = next % 256;
            } else if (ch == u'.' || !blank) {
                blank = ch != u'.';
                close(i);
            }
        }
        close(text.size());
    }

} // namespace

std::vector<DottedValue> ReadDottedDecimal(std::u16string_view text, ByteStructure *where)
{
    std::vector<DottedValue> values;
    values.reserve(text.size() / 4 + 1);
    if (where)
        Read<true>(text, values, where);
    else
        Read<false>(text, values, where);
    return values;
}

DottedConversion ConvertDottedDecimal(
    std::u16string_view text, const ByteBitPatternTable &byteBitTable)
{
    DottedConversion result;
    result.values = ReadDottedDecimal(text);
    const std::size_t count = result.values.size();
    result.hexLine.reserve(count * 3);
    result.binaryLine.reserve(count * 9);
    for (std::size_t j = 0; j < count; ++j) {
        const DottedValue v = result.values[j];
        if (j > 0) {
            result.hexLine += u'-';
            result.binaryLine += u'-';
        }
        result.hexLine += kUpperHex[v.lowByte >> 4];
        result.hexLine += kUpperHex[v.lowByte & 15];
        if (!v.aboveByte)
            result.binaryLine += byteBitTable[v.lowByte];
    }
    return result;
}

} // namespace numo
