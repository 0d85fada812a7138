// Help search: markers never nest and the caret lies within the marked text. The first byte
// splits the input into the search text and the help text.
#include "fuzz/fuzz_input.h"
#include "help/mark_occurrences.h"

using namespace numo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t searchBytes = std::min<std::size_t>(data[0] % 16 * 2, size - 1);
    const std::u16string search = fuzz::TextOf(data + 1, searchBytes);
    const std::u16string text = fuzz::TextOf(data + 1 + searchBytes, size - 1 - searchBytes);
    const SearchMarks marks = MarkOccurrences(text, search);

    fuzz::Require(marks.caret <= marks.markedText.size());
    fuzz::Require(marks.found || marks.markedText == text);
    if (!search.empty() && search.find(u'<') == std::u16string::npos
        && search.find(u'>') == std::u16string::npos && text.find(u'<') == std::u16string::npos
        && text.find(u'>') == std::u16string::npos) {
        // Outside a marker, the characters "<<" and ">>" appear only as the marks' ends.
        int depth = 0;
        for (std::size_t i = 0; i + 1 < marks.markedText.size(); ++i) {
            if (marks.markedText.compare(i, 2, u"<<") == 0) {
                fuzz::Require(depth == 0);
                depth = 1;
                ++i;
            } else if (marks.markedText.compare(i, 2, u">>") == 0) {
                fuzz::Require(depth == 1);
                depth = 0;
                ++i;
            }
        }
        fuzz::Require(depth == 0);
    }
    return 0;
}
