// Test helpers: UTF-8 literals as the 16-bit texts of the conversion layer, and back for messages.
#pragma once

#include <string>
#include <string_view>

namespace numo::test {

// Decodes UTF-8 (the test sources' encoding) into 16-bit units; only the BMP is used here.
inline std::u16string U16(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned code = c;
        std::size_t len = 1;
        if (c >= 0xE0) {
            code = c & 0x0Fu;
            len = 3;
        } else if (c >= 0xC0) {
            code = c & 0x1Fu;
            len = 2;
        }
        for (std::size_t k = 1; k < len; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        out += static_cast<char16_t>(code);
        i += len;
    }
    return out;
}

// Printable form for failure messages: ASCII as is, everything else as \uXXXX.
inline std::string Show(std::u16string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char16_t ch : text) {
        if (ch >= 0x20 && ch < 0x7F) {
            out += static_cast<char>(ch);
        } else {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(ch >> shift) & 0xF];
        }
    }
    return out;
}

} // namespace numo::test
