// Bytes written out in the formats that code and configuration files take, for "Copy as".
#pragma once

#include "conversion/byte_structure.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace numo {

// Every format, in menu order; byte_formats.cpp has each one's name, writer and an example.
enum class ByteFormat {
    Hex,
    HexSpaces,
    HexColons,
    ZeroXList,
    CArray,
    EscapedString,
    DottedDecimal,
    Base64, // RFC 4648, padded, no line breaks
};
inline constexpr ByteFormat kByteFormats[] = {ByteFormat::Hex, ByteFormat::HexSpaces,
    ByteFormat::HexColons, ByteFormat::ZeroXList, ByteFormat::CArray, ByteFormat::EscapedString,
    ByteFormat::DottedDecimal, ByteFormat::Base64};

// The menu entry's name, such as "Hex with colons"; empty for a value outside the enum.
[[nodiscard]] const char *ByteFormatName(ByteFormat format);

// Bytes [begin, end) of a field.
struct ByteRange
{
    std::size_t begin = 0;
    std::size_t end = 0;

    friend bool operator==(const ByteRange &, const ByteRange &) = default;
};

// The bytes whose characters a selection touches, in order; `spans` holds the span of each of
// `bytes`, sorted, as a field's reading gives them. A byte with an empty span (a dotted value
// without digits) is touched when the selection covers the place where it stands. An empty
// selection touches every byte.
[[nodiscard]] std::vector<std::uint8_t> BytesTouched(
    std::span<const TextSpan> spans, std::span<const std::uint8_t> bytes, TextSpan selection);
// The same as indices into the `byteCount` bytes, found in logarithmic time.
[[nodiscard]] ByteRange TouchedRange(
    std::span<const TextSpan> spans, std::size_t byteCount, TextSpan selection);

// The bytes written in `format`: hexadecimal digits are upper case, and no bytes give the empty
// text (the C array gives "{ }"); linear in the number of bytes. Empty for a value outside the
// enum.
[[nodiscard]] std::string FormatBytes(ByteFormat format, std::span<const std::uint8_t> bytes);

} // namespace numo
