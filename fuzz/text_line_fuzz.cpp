// Text line: the codes read back through the code page, and the large-decimal groups of any
// double taken from the input.
#include "conversion/code_page.h"
#include "conversion/large_decimal.h"
#include "conversion/text_codes.h"
#include "fuzz/fuzz_input.h"

#include <cstring>

using namespace numo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzz::TextOf(data, size);
    const std::u16string codes = TextToCodes(text);
    std::size_t at = 0;
    for (const char16_t ch : text) {
        unsigned code = 0;
        while (at < codes.size() && codes[at] == u' ')
            ++at;
        while (at < codes.size() && codes[at] != u' ')
            code = code * 10 + static_cast<unsigned>(codes[at++] - u'0');
        fuzz::Require(code == CharToCode(ch));
    }
    fuzz::Require(at == codes.size());

    if (size >= sizeof(double)) {
        double number = 0;
        std::memcpy(&number, data, sizeof number);
        const std::u16string groups = LargeDecimalToBytes(number);
        std::size_t blanks = 0;
        for (const char16_t ch : groups)
            blanks += ch == u' ';
        fuzz::Require(groups.empty() || (blanks == 6 && groups.front() == u' '));
    }
    return 0;
}
