#include "conversion/text_codes.h"

#include "conversion/code_page.h"

namespace numo {

std::u16string TextToCodes(std::u16string_view text)
{
    std::u16string codes;
    codes.reserve(text.size() * 5);
    for (const char16_t ch : text) {
        const unsigned code = CharToCode(ch);
        if (!codes.empty())
            codes += u"  ";
        if (code >= 100)
            codes += static_cast<char16_t>(u'0' + code / 100);
        if (code >= 10)
            codes += static_cast<char16_t>(u'0' + code / 10 % 10);
        codes += static_cast<char16_t>(u'0' + code % 10);
    }
    return codes;
}

} // namespace numo
