// What up to 16 bytes mean read as numbers, addresses and text, for the byte inspector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace numo {

// Only this many leading bytes are read; the rest are ignored.
inline constexpr std::size_t kMaxInspectedBytes = 16;

// One row of the inspector. `bigEndian` holds the reading in network order, `littleEndian` the
// same bytes read the other way round. A reading whose text does not depend on byte order (one
// byte, the addresses, the text, and a "needs ..." note) has its only text in `bigEndian` and no
// `littleEndian`. All texts are UTF-8.
struct ByteReading
{
    const char *label;
    std::string bigEndian;
    std::optional<std::string> littleEndian;
};

// Number of rows ReadingsOf always gives, whatever the byte count.
inline constexpr std::size_t kByteReadingCount = 14;

// The readings of the first kMaxInspectedBytes of `bytes`, always in this order and with these
// labels:
//   "Unsigned 8-bit", "Signed 8-bit", "Unsigned 16-bit", "Signed 16-bit", "Unsigned 32-bit",
//   "Signed 32-bit", "Unsigned 64-bit", "Signed 64-bit": decimal, from the first 1, 2, 4 or 8
//     bytes; signed is two's complement.
//   "Float 32-bit", "Float 64-bit": IEEE 754 binary32 / binary64 from the first 4 or 8 bytes, as
//     the shortest decimal that reads back to the same value ("1", "-3.1415927", "-0",
//     "1e-45 (subnormal)", "Infinity", "-Infinity", "NaN (payload 0x400000)" with the fraction
//     bits in upper-case hex and a leading "-" when the sign bit is set).
//   "IPv4 address": 4 bytes, dotted decimal ("140.0.255.255").
//   "MAC address": 6 bytes, upper-case hex with colons ("00:1A:2B:3C:4D:5E").
//   "IPv6 address": 16 bytes, in the canonical text of RFC 5952 (lower case, "::" for the longest
//     run of two or more zero groups, "::ffff:192.0.2.1" for an IPv4-mapped address).
//   "Text (UTF-8)" when the bytes are well-formed UTF-8 (no overlong form, surrogate or code
//     point above U+10FFFF, no sequence cut short), else "Text (code page)" with one code page
//     character per byte. Control characters are kept as they are.
// A number that needs more bytes than there are reads "needs 4 bytes" ("needs 1 byte"), an address
// for any other count "needs exactly 6 bytes", and the text of no bytes "needs 1 byte"; these
// notes have no `littleEndian`.
[[nodiscard]] std::vector<ByteReading> ReadingsOf(std::span<const std::uint8_t> bytes);

} // namespace numo
