// Hexadecimal digits in pairs or alone, separated by anything, to bytes, decimal and text.
#pragma once

#include "conversion/byte_structure.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace numo {

struct HexConversion
{
    std::vector<std::uint8_t> bytes; // in input order; empty when the text holds no digit
    std::u16string decimalLine;      // "192 168 0 1": one blank between values, none at the ends
    std::u16string textLine; // the bytes as code-page characters, blanks stripped at the ends
};

// The hexadecimal reading rule. Digits 0-9, a-f and A-F are cut into pairs from the left end of
// each run; a run of odd length ends in a lone digit that is a byte of its own ("c" is 0c).
// Every other character is a separator, and a run of separators adds no byte. No limit on the
// number of bytes. With `where`, each byte's span is its digits, a lone digit is marked, and so
// is a run of separators other than the usual ones (blank, tab, line break, "-", ":", "." and
// ",") such as "0x" or "h".
[[nodiscard]] std::vector<std::uint8_t> ReadHex(
    std::u16string_view text, ByteStructure *where = nullptr);

// Renders the bytes that ReadHex reads.
[[nodiscard]] HexConversion ConvertHexToDec(std::u16string_view text);

} // namespace numo
