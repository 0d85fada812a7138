#include "conversion/code_page.h"

#include <array>

namespace numo {

namespace {

    // Codes 0x80 to 0x9F; the rest of the page is Latin-1. The five codes the page leaves
    // undefined keep their Latin-1 control character so that every code has one.
    constexpr std::array<char16_t, 32> kHighControls = {
        0x20AC,
        0x0081,
        0x201A,
        0x0192,
        0x201E,
        0x2026,
        0x2020,
        0x2021,
        0x02C6,
        0x2030,
        0x0160,
        0x2039,
        0x0152,
        0x008D,
        0x017D,
        0x008F,
        0x0090,
        0x2018,
        0x2019,
        0x201C,
        0x201D,
        0x2022,
        0x2013,
        0x2014,
        0x02DC,
        0x2122,
        0x0161,
        0x203A,
        0x0153,
        0x009D,
        0x017E,
        0x0178,
    };

    // The code of a character outside 0x80..0x9F and the Latin-1 range, or -1.
    int CodeOfSpecial(char16_t ch)
    {
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == ch)
                return static_cast<int>(0x80 + i);
        }
        return -1;
    }

    // The inverse mapping for the whole 16-bit range would cost 64 K; the characters above 0xFF
    // that the page holds are only 27, so they are searched.
    int Code(char16_t ch)
    {
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
            return ch;
        return CodeOfSpecial(ch);
    }

} // namespace

char16_t CodeToChar(std::uint8_t code)
{
    if (code >= 0x80 && code < 0xA0)
        return kHighControls[code - 0x80u];
    return code;
}

std::uint8_t CharToCode(char16_t ch)
{
    const int code = Code(ch);
    return code < 0 ? kUnmappableCode : static_cast<std::uint8_t>(code);
}

bool IsInCodePage(char16_t ch)
{
    return Code(ch) >= 0;
}

std::u16string BytesToText(std::string_view bytes)
{
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = CodeToChar(static_cast<std::uint8_t>(bytes[i]));
    return text;
}

std::string TextToBytes(std::u16string_view text)
{
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[i] = static_cast<char>(CharToCode(text[i]));
    return bytes;
}

} // namespace numo
