// Dotted decimal: the value count, the line lengths and both round trips hold for any text.
#include "conversion/binary.h"
#include "conversion/code_page.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "fuzz/fuzz_input.h"

using namespace numo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const BitPatternTables tables = BuildBitPatternTables();
    const std::u16string text = fuzz::TextOf(data, size);
    const DottedConversion dotted = ConvertDottedDecimal(text, tables.ByteBitTable);

    std::size_t separators = 0;
    bool inRun = false;
    for (const char16_t ch : text) {
        const bool digit = ch >= u'0' && ch <= u'9';
        if (ch == u'.') {
            ++separators;
            inRun = false;
        } else if (!digit && !inRun) {
            ++separators;
            inRun = true;
        } else if (digit) {
            inRun = false;
        }
    }
    const std::size_t n = dotted.values.size();
    fuzz::Require(n == separators + 1);
    fuzz::Require(dotted.hexLine.size() == 3 * n - 1);

    const HexConversion hex = ConvertHexToDec(dotted.hexLine);
    fuzz::Require(hex.bytes.size() == n);
    std::u16string characters;
    bool allBytes = true;
    for (std::size_t i = 0; i < n; ++i) {
        fuzz::Require(hex.bytes[i] == dotted.values[i].lowByte);
        allBytes = allBytes && !dotted.values[i].aboveByte;
        characters += CodeToChar(dotted.values[i].lowByte);
    }
    if (allBytes)
        fuzz::Require(ConvertBinaryToAscii(dotted.binaryLine).textLine == characters);
    return 0;
}
