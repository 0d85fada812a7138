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

    // What people put between hexadecimal pairs on purpose; anything else that the reading skips
    // ("0x", "h", "g") is worth pointing at.
    bool IsUsualSeparator(char16_t ch)
    {
        switch (ch) {
        case u' ':
        case u'\t':
        case u'\r':
        case u'\n':
        case u'-':
        case u':':
        case u'.':
        case u',':
            return true;
        default:
            return false;
        }
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

    // The reading, compiled once with and once without recording where the bytes sit.
    template <bool kRecord>
    void Read(std::u16string_view text, std::vector<std::uint8_t> &bytes, ByteStructure *where)
    {
        constexpr auto kNone = std::u16string_view::npos;
        int pending = -1; // the first digit of a group that is still open
        std::size_t pendingAt = 0;
        std::size_t skipped = kNone; // the start of a run of unusual separators
        const auto closeLone = [&] {
            bytes.push_back(static_cast<std::uint8_t>(pending));
            if (kRecord) {
                where->bytes.push_back({pendingAt, pendingAt + 1});
                where->addMark(pendingAt, pendingAt + 1, MarkKind::LoneDigit);
            }
            pending = -1;
        };
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t ch = text[i];
            const int digit = DigitValue(ch);
            if (kRecord && skipped != kNone && (digit >= 0 || IsUsualSeparator(ch))) {
                where->addMark(skipped, i, MarkKind::SkippedSeparator);
                skipped = kNone;
            }
            if (digit < 0) {
                if (pending >= 0)
                    closeLone();
                if (kRecord && skipped == kNone && !IsUsualSeparator(ch))
                    skipped = i;
            } else if (pending < 0) {
                pending = digit;
                pendingAt = i;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(pending * 16 + digit));
                if (kRecord)
                    where->bytes.push_back({pendingAt, i + 1});
                pending = -1;
            }
        }
        if (kRecord && skipped != kNone)
            where->addMark(skipped, text.size(), MarkKind::SkippedSeparator);
        if (pending >= 0)
            closeLone();
    }

} // namespace

std::vector<std::uint8_t> ReadHex(std::u16string_view text, ByteStructure *where)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2 + 1);
    if (where)
        Read<true>(text, bytes, where);
    else
        Read<false>(text, bytes, where);
    return bytes;
}

HexConversion ConvertHexToDec(std::u16string_view text)
{
    HexConversion result;
    result.bytes = ReadHex(text);

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
