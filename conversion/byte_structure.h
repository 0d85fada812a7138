// Where each byte of a field sits in the field's text, and the steps a reading takes without
// saying so: padded digits, skipped characters, ignored remainders, values wrapped modulo 256,
// characters outside the code page. The readers of the notations fill it (ReadDottedDecimal,
// ReadHex, ReadBinary, ReadTextLine); the conversions render from the same readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace numo {

// Characters [begin, end) of a field's text.
struct TextSpan
{
    std::size_t begin = 0;
    std::size_t end = 0;

    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

enum class MarkKind : std::uint8_t {
    LoneDigit,        // hexadecimal: a digit without a partner, read as 0 and the digit
    SkippedSeparator, // hexadecimal: characters that are neither digits nor usual separators
    NotABit,          // binary: a character inside a group other than "0" or "1", read as 0
    IgnoredRemainder, // binary: trailing characters too few for a group
    AboveByte,        // dotted decimal: a value above 255, taken modulo 256
    NotInCodePage,    // text line: a character the code page cannot hold, converted to "?"
};

struct Mark
{
    TextSpan span;
    MarkKind kind = MarkKind::LoneDigit;

    friend bool operator==(const Mark &, const Mark &) = default;
};

// The spans hold one entry per byte read, in order (a dotted value without digits has an empty
// span where it stands). Marks are sorted and do not overlap.
struct ByteStructure
{
    std::vector<TextSpan> bytes;
    std::vector<Mark> marks;

    // Adds a mark, joining it to the previous one when they touch and are of one kind.
    void addMark(std::size_t begin, std::size_t end, MarkKind kind);
};

// The text line: one byte per 16-bit unit, its code-page code.
[[nodiscard]] std::vector<std::uint8_t> ReadTextLine(
    std::u16string_view text, ByteStructure *where = nullptr);

// Whether a text line describes `bytes`: either byte for byte, or as the hexadecimal
// conversion writes it, with blanks (code 32) dropped at both ends. The answer is the index in
// `bytes` of the text line's first byte; nothing when they differ.
[[nodiscard]] std::optional<std::size_t> TextLineOffset(
    const std::vector<std::uint8_t> &textLine, const std::vector<std::uint8_t> &bytes);

} // namespace numo
