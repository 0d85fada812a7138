// The naming-scheme line: prefix, chosen value and suffix.
#pragma once

#include <string>
#include <string_view>

namespace numo {

// The three texts joined in order, with nothing added or trimmed.
[[nodiscard]] std::u16string NamingScheme(
    std::u16string_view prefix, std::u16string_view value, std::u16string_view suffix);

} // namespace numo
