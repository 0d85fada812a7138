// The help search as an operation on texts: every occurrence of the search text, whatever its
// case, is shown in lower case between "<<" and ">>".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numo {

struct SearchMarks
{
    std::u16string markedText;
    bool found = false;
    std::size_t caret = 0; // counted from 0 in markedText: just before the end of the first mark
};

// The lower-case form of a character as the code page knows its letters: ASCII, the Latin-1
// letters, and Š Œ Ž Ÿ. Every other character is its own lower-case form.
[[nodiscard]] char16_t CodePageLower(char16_t ch);

// Occurrences are compared case-insensitively and marked from left to right without overlap.
// An empty search marks nothing and is found at the first character of a non-empty text; an
// empty text contains nothing.
[[nodiscard]] SearchMarks MarkOccurrences(std::u16string_view text, std::u16string_view search);

} // namespace numo
