// Eight-character binary groups to characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numo {

struct BinaryConversion
{
    std::u16string textLine;   // one code-page character a group; nothing stripped
    std::size_t byteCount = 0; // the number of groups decoded
};

// While at least eight characters remain, a leading "-" or " " is dropped, otherwise the next
// eight characters are a group: each "1" sets its bit (128 first), any other character counts
// as 0. A remainder of fewer than eight characters is ignored.
[[nodiscard]] BinaryConversion ConvertBinaryToAscii(std::u16string_view text);

} // namespace numo
