#include "conversion/binary.h"

#include "conversion/code_page.h"

namespace numo {

BinaryConversion ConvertBinaryToAscii(std::u16string_view text)
{
    BinaryConversion result;
    result.textLine.reserve(text.size() / 8);
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
        ++result.byteCount;
        result.textLine += CodeToChar(static_cast<std::uint8_t>(value));
        at += 8;
    }
    return result;
}

} // namespace numo
