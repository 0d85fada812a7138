#include "conversion/hexadecimal.h"
#include "u16.h"

#include <gtest/gtest.h>

namespace numo {
namespace {

    using test::Show;
    using test::U16;

    struct HexCase
    {
        const char *name;
        const char *text;
        std::vector<std::uint8_t> bytes;
        const char *decimalLine;
    };

    class Hex : public testing::TestWithParam<HexCase>
    {
    };

    TEST_P(Hex, GroupsDigitsIntoBytes)
    {
        const HexConversion result = ConvertHexToDec(U16(GetParam().text));
        EXPECT_EQ(result.bytes, GetParam().bytes);
        EXPECT_EQ(Show(result.decimalLine), GetParam().decimalLine);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, Hex,
        testing::Values(HexCase{"Dashes", "C0-A8-00-01", {192, 168, 0, 1}, "192 168 0 1"},
            HexCase{"Jammed", "c0a80001", {192, 168, 0, 1}, "192 168 0 1"},
            HexCase{"Blanks", "c0 a8 00 01", {192, 168, 0, 1}, "192 168 0 1"},
            HexCase{"Colons", "C0:a8:00:01", {192, 168, 0, 1}, "192 168 0 1"},
            HexCase{"OddRun", "abc", {171, 12}, "171 12"},
            HexCase{"OddRunFive", "abcde", {171, 205, 14}, "171 205 14"},
            HexCase{"LoneDigits", "a b c", {10, 11, 12}, "10 11 12"},
            HexCase{"SeparatorRun", "a--b", {10, 11}, "10 11"},
            HexCase{"Prefix0x", "0x1F", {0, 31}, "0 31"},
            HexCase{"LineBreaks", "41\r\n42\t43", {65, 66, 67}, "65 66 67"},
            HexCase{"NoDigits", "zz--", {}, ""}, HexCase{"Empty", "", {}, ""},
            HexCase{"NonAsciiSeparators", "4\u00E91\u20AC", {4, 1}, "4 1"}),
        [](const auto &row) { return row.param.name; });

    TEST(Hex, TextLineStripsOnlyBlanksAtItsEnds)
    {
        EXPECT_EQ(ConvertHexToDec(u"41:42:43").textLine, u"ABC");
        EXPECT_EQ(ConvertHexToDec(u"20 41 20").textLine, u"A");
        EXPECT_EQ(ConvertHexToDec(u"20 20").textLine, u"");
        EXPECT_EQ(ConvertHexToDec(u"41 20 42").textLine, u"A B");
        EXPECT_EQ(ConvertHexToDec(u"09 41 00").textLine, (std::u16string{u'\t', u'A', u'\0'}));
        EXPECT_EQ(ConvertHexToDec(u"80 9d").textLine, (std::u16string{0x20AC, 0x009D}));
    }

    TEST(Hex, NoLimitOnTheNumberOfBytes)
    {
        std::u16string text;
        for (int i = 0; i < 30000; ++i)
            text += u"ff";
        const HexConversion result = ConvertHexToDec(text);
        EXPECT_EQ(result.bytes.size(), 30000u);
        EXPECT_EQ(result.decimalLine.size(), 30000u * 4 - 1);
    }

} // namespace
} // namespace numo
