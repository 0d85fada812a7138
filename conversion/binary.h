// Eight-character binary groups to characters.
#pragma once

#include "conversion/byte_structure.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace numo {

struct BinaryConversion
{
    std::u16string textLine;   // one code-page character a group; nothing stripped
    std::size_t byteCount = 0; // the number of groups decoded
};

// The binary reading rule. While at least eight characters remain, a leading "-" or " " is
// dropped, otherwise the next eight characters are a group: each "1" sets its bit (128 first),
// any other character counts as 0. A remainder of fewer than eight characters is ignored. With
// `where`, each group is its byte's span, a character other than "0" or "1" in a group is
// marked, and so is an ignored remainder that holds more than blanks, "-" and line breaks.
[[nodiscard]] std::vector<std::uint8_t> ReadBinary(
    std::u16string_view text, ByteStructure *where = nullptr);

// The bytes that ReadBinary reads, as code-page characters.
[[nodiscard]] BinaryConversion ConvertBinaryToAscii(std::u16string_view text);

} // namespace numo
