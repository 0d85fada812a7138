#include "conversion/naming_scheme.h"
#include "conversion/text_codes.h"
#include "u16.h"

#include <gtest/gtest.h>

namespace numo {
namespace {

    using test::Show;
    using test::U16;

    struct CodesCase
    {
        const char *name;
        std::u16string text;
        const char *codes;
    };

    class TextCodes : public testing::TestWithParam<CodesCase>
    {
    };

    TEST_P(TextCodes, TwoBlanksBetweenCodes)
    {
        EXPECT_EQ(Show(TextToCodes(GetParam().text)), GetParam().codes);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, TextCodes,
        testing::Values(CodesCase{"Empty", u"", ""}, CodesCase{"One", u"B", "66"},
            CodesCase{"Two", u"AB", "65  66"}, CodesCase{"BlanksAtEnds", u" B ", "32  66  32"},
            CodesCase{"ControlCharacters", {u'\0', u'\t', u'\r'}, "0  9  13"},
            CodesCase{"CodePage", {0x00E9, 0x20AC, 0x00FF}, "233  128  255"},
            CodesCase{"OutsideCodePage", {u'a', 0x4E2D, u'b'}, "97  63  98"}),
        [](const auto &row) { return row.param.name; });

    TEST(TextCodes, NoLimitOnTheLength)
    {
        const std::u16string codes = TextToCodes(std::u16string(5000, u'z'));
        EXPECT_EQ(codes.size(), 5000u * 5 - 2);
    }

    TEST(NamingScheme, JoinsWithoutTrimming)
    {
        EXPECT_EQ(NamingScheme(u"a", u"66", u".gif"), u"a66.gif");
        EXPECT_EQ(NamingScheme(u" a ", u"65 66", u" .gif "), u" a 65 66 .gif ");
        EXPECT_EQ(NamingScheme(u"", u"42", u""), u"42");
        EXPECT_EQ(NamingScheme(u"a", u"", u".gif"), u"a.gif");
    }

} // namespace
} // namespace numo
