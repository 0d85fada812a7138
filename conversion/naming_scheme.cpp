#include "conversion/naming_scheme.h"

namespace numo {

std::u16string NamingScheme(
    std::u16string_view prefix, std::u16string_view value, std::u16string_view suffix)
{
    std::u16string line;
    line.reserve(prefix.size() + value.size() + suffix.size());
    line.append(prefix).append(value).append(suffix);
    return line;
}

} // namespace numo
