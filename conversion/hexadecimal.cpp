#include "conversion/hexadecimal.h"

#include "conversion/code_page.h"

#include <array>

namespace numo {

namespace {

    // The value of a hexadecimal digit of either case, or -1 for a separator.
    int DigitValue(char16_t ch)
    {
        if (ch >= u'0' && ch <= u'9')
            return ch - u'0';
        if (ch >= u'a' && ch <= u'f')
            return ch - u'a' + 10;
        if (ch >= u'A' && ch <= u'F')
            return ch - u'A' + 10;
        return -1;
    }

    void AppendDecimal(std::u16string &line, std::uint8_t value)
    {
        if (value >= 100)
            line += static_cast<char16_t>(u'0' + value / 100);
        if (value >= 10)
            line += static_cast<char16_t>(u'0' + value / 10 % 10);
        line += static_cast<char16_t>(u'0' + value % 10);
    }

    std::u16string_view StripBlanks(std::u16string_view text)
    {
        const auto first = text.find_first_not_of(u' ');
        if (first == std::u16string_view::npos)
            return {};
        return text.substr(first, text.find_last_not_of(u' ') - first + 1);
    }

} // namespace

HexConversion ConvertHexToDec(std::u16string_view text)
{
    HexConversion result;
    result.bytes.reserve(text.size() / 2 + 1);
    int pending = -1; // the first digit of a group that is still open
    for (const char16_t ch : text) {
        const int digit = DigitValue(ch);
        if (digit < 0) {
            if (pending >= 0) // a lone digit is a byte of its own: "c" is 0c
                result.bytes.push_back(static_cast<std::uint8_t>(pending));
            pending = -1;
        } else if (pending < 0) {
            pending = digit;
        } else {
            result.bytes.push_back(static_cast<std::uint8_t>(pending * 16 + digit));
            pending = -1;
        }
    }
    if (pending >= 0)
        result.bytes.push_back(static_cast<std::uint8_t>(pending));

    std::u16string decimal;
    decimal.reserve(result.bytes.size() * 4);
    std::u16string characters;
    characters.reserve(result.bytes.size());
    for (std::size_t i = 0; i < result.bytes.size(); ++i) {
        if (i > 0)
            decimal += u' ';
        AppendDecimal(decimal, result.bytes[i]);
        characters += CodeToChar(result.bytes[i]);
    }
    result.decimalLine = std::move(decimal);
    const std::u16string_view stripped = StripBlanks(characters);
    if (stripped.size() == characters.size())
        result.textLine = std::move(characters);
    else
        result.textLine = std::u16string(stripped);
    return result;
}

} // namespace numo
