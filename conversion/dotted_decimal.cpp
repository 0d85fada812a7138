#include "conversion/dotted_decimal.h"

namespace numo {

namespace {

    constexpr char16_t kUpperHex[] = u"0123456789ABCDEF";

    bool IsDigit(char16_t ch)
    {
        return ch >= u'0' && ch <= u'9';
    }

    // A value is kept as its remainder modulo 256 and a flag for "above 255", so a value of any
    // number of digits is handled without overflow.
    struct Accumulator
    {
        unsigned low = 0;
        bool above = false;

        void addDigit(unsigned digit)
        {
            const unsigned next = low * 10 + digit;
            above = above || next > 255;
            low = next % 256;
        }
        [[nodiscard]] DottedValue value() const { return {static_cast<std::uint8_t>(low), above}; }
    };

} // namespace

DottedConversion ConvertDottedDecimal(
    std::u16string_view text, const ByteBitPatternTable &byteBitTable)
{
    DottedConversion result;
    Accumulator current;
    bool blank = false; // inside a run of separators other than "."
    for (const char16_t ch : text) {
        if (IsDigit(ch)) {
            blank = false;
            current.addDigit(static_cast<unsigned>(ch - u'0'));
        } else if (ch == u'.') {
            blank = false;
            result.values.push_back(current.value());
            current = {};
        } else if (!blank) {
            blank = true;
            result.values.push_back(current.value());
            current = {};
        }
    }
    result.values.push_back(current.value());

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
