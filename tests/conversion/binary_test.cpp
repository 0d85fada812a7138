#include "conversion/binary.h"
#include "u16.h"

#include <gtest/gtest.h>

namespace numo {
namespace {

    using test::U16;

    struct BinaryCase
    {
        const char *name;
        const char *text;
        std::u16string textLine;
        std::size_t byteCount;
    };

    class Binary : public testing::TestWithParam<BinaryCase>
    {
    };

    TEST_P(Binary, DecodesWholeGroups)
    {
        const BinaryConversion result = ConvertBinaryToAscii(U16(GetParam().text));
        EXPECT_EQ(result.textLine, GetParam().textLine);
        EXPECT_EQ(result.byteCount, GetParam().byteCount);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, Binary,
        testing::Values(BinaryCase{"Jammed", "0110000101100010", u"ab", 2},
            BinaryCase{"Dashes", "01100001-01100010", u"ab", 2},
            BinaryCase{"LeadingSeparators", " -01100001", u"a", 1},
            BinaryCase{"SevenDigits", "1100001", u"", 0},
            BinaryCase{"NinthIgnored", "011000010", u"a", 1},
            BinaryCase{"BlankInsideGroup", "0110 0001", {char16_t{96}}, 1},
            BinaryCase{"DotShifts", "01100001.01100010", u"a1", 2},
            BinaryCase{"OnlyOnesCount", "0120000a", u"@", 1},
            BinaryCase{"Space", "00100000", u" ", 1},
            BinaryCase{"LineBreakShifts", "01100001\r\n01100010", {u'a', char16_t{24}}, 2},
            BinaryCase{"DashAndSeven", "-0110000", u"", 0},
            BinaryCase{"Zero", "00000000", {char16_t{0}}, 1},
            BinaryCase{"HighCode", "10000000", {char16_t{0x20AC}}, 1},
            BinaryCase{"Empty", "", u"", 0}),
        [](const auto &row) { return row.param.name; });

} // namespace
} // namespace numo
