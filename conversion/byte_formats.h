// Bytes written out in the formats that code and configuration files take, for "Copy as".
#pragma once

#include "conversion/byte_structure.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace numo {

// Every format below, in menu order.
enum class ByteFormat {
    Hex,           // 8C00FFFF
    HexSpaces,     // 8C 00 FF FF
    HexColons,     // 8C:00:FF:FF
    ZeroXList,     // 0x8C, 0x00, 0xFF, 0xFF
    CArray,        // { 0x8C, 0x00, 0xFF, 0xFF }
    EscapedString, // \x8C\x00\xFF\xFF
    DottedDecimal, // 140.0.255.255
    Base64,        // jAD//w==  (RFC 4648, padded, no line breaks)
};
inline constexpr ByteFormat kByteFormats[] = {ByteFormat::Hex, ByteFormat::HexSpaces,
    ByteFormat::HexColons, ByteFormat::ZeroXList, ByteFormat::CArray, ByteFormat::EscapedString,
    ByteFormat::DottedDecimal, ByteFormat::Base64};

// The menu entry's name, such as "Hex with colons".
[[nodiscard]] const char *ByteFormatName(ByteFormat format);

// One function per format; hexadecimal digits are upper case, and no bytes give the empty text
// (the C array gives "{ }"). Each is linear in the number of bytes.
[[nodiscard]] std::string ToHex(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string ToHexWithSpaces(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string ToHexWithColons(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string ToZeroXList(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string ToCArray(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string ToEscapedString(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string ToDottedDecimal(std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string ToBase64(std::span<const std::uint8_t> bytes);

// The bytes whose characters a selection touches, in order; `spans` holds the span of each of
// `bytes`, sorted, as a field's reading gives them. A byte with an empty span (a dotted value
// without digits) is touched when the selection covers the place where it stands. An empty
// selection touches every byte.
[[nodiscard]] std::vector<std::uint8_t> BytesTouched(
    std::span<const TextSpan> spans, std::span<const std::uint8_t> bytes, TextSpan selection);

// The function of a format.
[[nodiscard]] std::string FormatBytes(ByteFormat format, std::span<const std::uint8_t> bytes);

} // namespace numo
