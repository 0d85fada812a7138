#include "conversion/binary.h"

#include "conversion/code_page.h"

namespace numo {

namespace {

    // The reading: hands each byte to `take`, and records where it sits when `where` is given.
    template <typename Take> void Read(std::u16string_view text, ByteStructure *where, Take take)
    {
        std::size_t at = 0;
        // The length test comes before the separator test: a "-" or " " is dropped only while a
        // whole group still follows it.
        while (text.size() - at >= 8) {
            if (text[at] == u'-' || text[at] == u' ') {
                ++at;
                continue;
            }
            unsigned value = 0;
            for (std::size_t bit = 0; bit < 8; ++bit)
                value = (value << 1) | (text[at + bit] == u'1' ? 1u : 0u);
            take(static_cast<std::uint8_t>(value));
            if (where) {
                where->bytes.push_back({at, at + 8});
                for (std::size_t i = at; i < at + 8; ++i)
                    if (text[i] != u'0' && text[i] != u'1')
                        where->addMark(i, i + 1, MarkKind::NotABit);
            }
            at += 8;
        }
        // A remainder of joining characters only ("-" after the last group) loses nothing.
        if (where && text.substr(at).find_first_not_of(u"- \t\r\n") != std::u16string_view::npos)
            where->addMark(at, text.size(), MarkKind::IgnoredRemainder);
    }

} // namespace

std::vector<std::uint8_t> ReadBinary(std::u16string_view text, ByteStructure *where)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 8);
    Read(text, where, [&bytes](std::uint8_t byte) { bytes.push_back(byte); });
    return bytes;
}

BinaryConversion ConvertBinaryToAscii(std::u16string_view text)
{
    BinaryConversion result;
    result.textLine.reserve(text.size() / 8);
    Read(text, nullptr, [&result](std::uint8_t byte) { result.textLine += CodeToChar(byte); });
    result.byteCount = result.textLine.size();
    return result;
}

} // namespace numo
