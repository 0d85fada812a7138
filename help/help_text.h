// The help text that Numo writes to its help file at every start: fixed, pure ASCII, the same
// on every run and whatever the settings hold.
#pragma once

#include <cstddef>
#include <string>

namespace numo {

inline constexpr std::size_t kHelpLineCount = 122;

// Line `number` (1 to kHelpLineCount) without its line end; the empty text for any other number.
[[nodiscard]] std::string HelpLine(std::size_t number);

// The whole file: every line followed by CR LF. The last line is empty, so the text ends with
// CR LF CR LF.
[[nodiscard]] std::string HelpText();

} // namespace numo
