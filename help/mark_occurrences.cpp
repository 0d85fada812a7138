#include "help/mark_occurrences.h"

#include <algorithm>
#include <vector>

namespace numo {

char16_t CodePageLower(char16_t ch)
{
    if ((ch >= u'A' && ch <= u'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7))
        return static_cast<char16_t>(ch + 0x20);
    switch (ch) {
    case 0x0160:
        return 0x0161; // Š
    case 0x0152:
        return 0x0153; // Œ
    case 0x017D:
        return 0x017E; // Ž
    case 0x0178:
        return 0x00FF; // Ÿ
    default:
        return ch;
    }
}

namespace {

    // The start of every occurrence of `pattern` in `text`, overlapping ones included, in
    // linear time (Knuth-Morris-Pratt); `pattern` is not empty.
    std::vector<std::size_t> FindAll(std::u16string_view text, std::u16string_view pattern)
    {
        std::vector<std::size_t> border(pattern.size(), 0);
        for (std::size_t i = 1, k = 0; i < pattern.size(); ++i) {
            while (k > 0 && pattern[i] != pattern[k])
                k = border[k - 1];
            if (pattern[i] == pattern[k])
                ++k;
            border[i] = k;
        }
        std::vector<std::size_t> starts;
        for (std::size_t i = 0, k = 0; i < text.size(); ++i) {
            while (k > 0 && text[i] != pattern[k])
                k = border[k - 1];
            if (text[i] == pattern[k])
                ++k;
            if (k == pattern.size()) {
                starts.push_back(i + 1 - k);
                k = border[k - 1];
            }
        }
        return starts;
    }

} // namespace

SearchMarks MarkOccurrences(std::u16string_view text, std::u16string_view search)
{
    SearchMarks marks;
    const std::size_t n = search.size();
    if (n == 0) {
        marks.markedText = std::u16string(text);
        marks.found = !text.empty();
        marks.caret = marks.found ? 1 : 0;
        return marks;
    }

    std::u16string lowered(text);
    for (char16_t &ch : lowered)
        ch = CodePageLower(ch);
    std::u16string s(search);
    for (char16_t &ch : s)
        ch = CodePageLower(ch);
    const std::vector<std::size_t> starts = FindAll(lowered, s);

    // Every character inside an occurrence, overlapping ones too, is shown in lower case.
    std::u16string shown(text);
    std::size_t loweredUntil = 0;
    for (const std::size_t start : starts) {
        for (std::size_t i = std::max(start, loweredUntil); i < start + n; ++i)
            shown[i] = lowered[i];
        loweredUntil = start + n;
    }

    // The marks go around the occurrences taken from the left without overlap.
    std::u16string &out = marks.markedText;
    out.reserve(text.size() + starts.size() * 4);
    std::size_t copied = 0;
    for (const std::size_t start : starts) {
        if (start < copied)
            continue;
        out.append(shown, copied, start - copied);
        out.append(u"<<").append(s).append(u">>");
        copied = start + n;
    }
    out.append(shown, copied);

    if (!starts.empty()) {
        marks.found = true;
        marks.caret = starts.front() + 1 + n;
    }
    return marks;
}

} // namespace numo
