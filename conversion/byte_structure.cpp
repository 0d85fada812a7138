#include "conversion/byte_structure.h"

#include "conversion/code_page.h"

#include <algorithm>

namespace numo {

void ByteStructure::addMark(std::size_t begin, std::size_t end, MarkKind kind)
{
    if (!marks.empty() && marks.back().kind == kind && marks.back().span.end == begin) {
        marks.back().span.end = end;
        return;
    }
    marks.push_back({{begin, end}, kind});
}

std::vector<std::uint8_t> ReadTextLine(std::u16string_view text, ByteStructure *where)
{
    std::vector<std::uint8_t> bytes(text.size());
    std::transform(text.begin(), text.end(), bytes.begin(), CharToCode);
    if (where) {
        where->bytes.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            where->bytes.push_back({i, i + 1});
            if (!IsInCodePage(text[i]))
                where->addMark(i, i + 1, MarkKind::NotInCodePage);
        }
    }
    return bytes;
}

std::optional<std::size_t> TextLineOffset(
    const std::vector<std::uint8_t> &textLine, const std::vector<std::uint8_t> &bytes)
{
    if (textLine == bytes)
        return 0;
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](auto b) { return b != 32; });
    auto last = bytes.end();
    while (last != first && *(last - 1) == 32)
        --last;
    if (std::equal(textLine.begin(), textLine.end(), first, last))
        return static_cast<std::size_t>(first - bytes.begin());
    return std::nullopt;
}

} // namespace numo
