// A line of text to the decimal codes of its characters.
#pragma once

#include <string>
#include <string_view>

namespace numo {

// The code-page code of every character, in decimal, two blanks between codes and none at the
// ends: "AB" gives "65  66", the empty text the empty text. A character outside the code page
// has the code 63.
[[nodiscard]] std::u16string TextToCodes(std::u16string_view text);

} // namespace numo
