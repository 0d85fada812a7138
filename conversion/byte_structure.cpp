#include "conversion/byte_structure.h"

#include "conversion/binary.h"
#include "conversion/code_page.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"

#include <algorithm>

namespace numo {

namespace {

    bool IsDecimalDigit(char16_t ch)
    {
        return ch >= u'0' && ch <= u'9';
    }

    bool IsHexDigit(char16_t ch)
    {
        return IsDecimalDigit(ch) || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
    }

    // What people put between hexadecimal pairs on purpose; anything else that the conversion
    // skips ("0x", "h", "g") is worth pointing at.
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

    // Adds a mark, joining it to the previous one when they touch and are of one kind.
    void AddMark(std::vector<Mark> &marks, std::size_t begin, std::size_t end, MarkKind kind)
    {
        if (!marks.empty() && marks.back().kind == kind && marks.back().span.end == begin) {
            marks.back().span.end = end;
            return;
        }
        marks.push_back({{begin, end}, kind});
    }

    // The bit-pattern table is only needed for the binary line, which these callers ignore.
    const ByteBitPatternTable kNoPatterns{};

} // namespace

ByteStructure DottedDecimalStructure(std::u16string_view text)
{
    constexpr auto kNone = std::u16string_view::npos;
    ByteStructure result;
    std::size_t start = kNone; // the current value's first digit; a value's digits are one run
    std::size_t digitsEnd = 0;
    unsigned low = 0;
    bool above = false;
    bool blank = false; // inside a run of separators other than "."
    const auto closeValue = [&](std::size_t at) {
        const TextSpan span = start == kNone ? TextSpan{at, at} : TextSpan{start, digitsEnd};
        result.bytes.push_back(span);
        if (above)
            AddMark(result.marks, span.begin, span.end, MarkKind::AboveByte);
        start = kNone;
        low = 0;
        above = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        if (IsDecimalDigit(ch)) {
            blank = false;
            if (start == kNone)
                start = i;
            digitsEnd = i + 1;
            const unsigned next = low * 10 + static_cast<unsigned>(ch - u'0');
            above = above || next > 255;
            low = next % 256;
        } else if (ch == u'.' || !blank) {
            blank = ch != u'.';
            closeValue(i);
        }
    }
    closeValue(text.size());
    return result;
}

ByteStructure HexStructure(std::u16string_view text)
{
    ByteStructure result;
    std::size_t pending = text.size(); // the position of an open first digit, or none
    std::size_t skipped = text.size(); // the start of a run of unusual separators, or none
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const bool digit = !end && IsHexDigit(text[i]);
        if (skipped != text.size() && (end || digit || IsUsualSeparator(text[i]))) {
            AddMark(result.marks, skipped, i, MarkKind::SkippedSeparator);
            skipped = text.size();
        }
        if (!digit) {
            if (pending != text.size()) {
                result.bytes.push_back({pending, pending + 1});
                AddMark(result.marks, pending, pending + 1, MarkKind::LoneDigit);
                pending = text.size();
            }
            if (!end && !IsUsualSeparator(text[i]) && skipped == text.size())
                skipped = i;
        } else if (pending == text.size()) {
            pending = i;
        } else {
            result.bytes.push_back({pending, i + 1});
            pending = text.size();
        }
    }
    return result;
}

ByteStructure BinaryStructure(std::u16string_view text)
{
    ByteStructure result;
    std::size_t at = 0;
    while (text.size() - at >= 8) {
        if (text[at] == u'-' || text[at] == u' ') {
            ++at;
            continue;
        }
        result.bytes.push_back({at, at + 8});
        for (std::size_t i = at; i < at + 8; ++i)
            if (text[i] != u'0' && text[i] != u'1')
                AddMark(result.marks, i, i + 1, MarkKind::NotABit);
        at += 8;
    }
    // A remainder of joining characters only ("-" after the last group) loses nothing.
    const auto rest = text.substr(at);
    if (rest.find_first_not_of(u"- \t\r\n") != std::u16string_view::npos)
        AddMark(result.marks, at, text.size(), MarkKind::IgnoredRemainder);
    return result;
}

ByteStructure TextLineStructure(std::u16string_view text)
{
    ByteStructure result;
    result.bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result.bytes.push_back({i, i + 1});
        if (!IsInCodePage(text[i]))
            AddMark(result.marks, i, i + 1, MarkKind::NotInCodePage);
    }
    return result;
}

std::vector<std::uint8_t> DottedDecimalBytes(std::u16string_view text)
{
    const auto values = ConvertDottedDecimal(text, kNoPatterns).values;
    std::vector<std::uint8_t> bytes(values.size());
    std::transform(values.begin(), values.end(), bytes.begin(),
        [](const DottedValue &value) { return value.lowByte; });
    return bytes;
}

std::vector<std::uint8_t> HexBytes(std::u16string_view text)
{
    return ConvertHexToDec(text).bytes;
}

std::vector<std::uint8_t> BinaryBytes(std::u16string_view text)
{
    return TextLineBytes(ConvertBinaryToAscii(text).textLine);
}

std::vector<std::uint8_t> TextLineBytes(std::u16string_view text)
{
    std::vector<std::uint8_t> bytes(text.size());
    std::transform(text.begin(), text.end(), bytes.begin(), CharToCode);
    return bytes;
}

std::optional<std::size_t> TextLineOffset(
    const std::vector<std::uint8_t> &textLine, const std::vector<std::uint8_t> &bytes)
{
    if (textLine == bytes)
        return 0;
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](auto b) { return b != 32; });
    auto last = bytes.end();
    while (last != first && *(last - 1) == 32)
        --last;
    if (std::equal(textLine.begin(), textLine.end(), first, last))
        return static_cast<std::size_t>(first - bytes.begin());
    return std::nullopt;
}

} // namespace numo
