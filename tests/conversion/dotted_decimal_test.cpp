#include "conversion/binary.h"
#include "conversion/code_page.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "u16.h"

#include <gtest/gtest.h>

namespace numo {
namespace {

    using test::Show;
    using test::U16;

    const ByteBitPatternTable &ByteBits()
    {
        static const BitPatternTables tables = BuildBitPatternTables();
        return tables.ByteBitTable;
    }

    struct DottedCase
    {
        const char *name;
        const char *text;
        const char *hexLine;
        const char *binaryLine;
    };

    class Dotted : public testing::TestWithParam<DottedCase>
    {
    };

    TEST_P(Dotted, RendersPairsAndGroups)
    {
        const DottedConversion result = ConvertDottedDecimal(U16(GetParam().text), ByteBits());
        EXPECT_EQ(Show(result.hexLine), GetParam().hexLine);
        EXPECT_EQ(Show(result.binaryLine), GetParam().binaryLine);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, Dotted,
        testing::Values(DottedCase{"Address", "140.0.255.255", "8C-00-FF-FF",
                            "10001100-00000000-11111111-11111111"},
            DottedCase{
                "Private", "192.168.0.1", "C0-A8-00-01", "11000000-10101000-00000000-00000001"},
            DottedCase{"Empty", "", "00", "00000000"},
            DottedCase{"DoubleDot", "1..2", "01-00-02", "00000001-00000000-00000010"},
            DottedCase{"DotThenBlank", "1. 2", "01-00-02", "00000001-00000000-00000010"},
            DottedCase{"BlankThenDot", "1 .2", "01-00-02", "00000001-00000000-00000010"},
            DottedCase{"BlankRun", "10  11", "0A-0B", "00001010-00001011"},
            DottedCase{"LeadingBlank", " 5", "00-05", "00000000-00000101"},
            DottedCase{"TrailingDot", "255.", "FF-00", "11111111-00000000"},
            DottedCase{"LeadingZeros", "007", "07", "00000111"},
            DottedCase{"AboveByte", "300", "2C", ""},
            DottedCase{"AboveByteKeepsSeparator", "1.300", "01-2C", "00000001-"},
            DottedCase{"LastSlot", "10000", "10", ""},
            DottedCase{"Huge", "123456789012345678901234567890", "D2", ""},
            DottedCase{"Commas", "10,0,0,1", "0A-00-00-01", "00001010-00000000-00000000-00000001"},
            DottedCase{"MixedSeparatorRun", "1,\t\r\n2", "01-02", "00000001-00000010"},
            DottedCase{"Letters", "1a2", "01-02", "00000001-00000010"},
            DottedCase{"Signs", "-5", "00-05", "00000000-00000101"},
            DottedCase{"LargeDecimalOutput", " 0 0 59 154 201 255", "00-00-00-3B-9A-C9-FF",
                "00000000-00000000-00000000-00111011-10011010-11001001-11111111"}),
        [](const auto &row) { return row.param.name; });

    TEST(Dotted, ValuesAreOneMoreThanSeparators)
    {
        EXPECT_EQ(ConvertDottedDecimal(u"", ByteBits()).values.size(), 1u);
        EXPECT_EQ(ConvertDottedDecimal(u"1.2 3", ByteBits()).values.size(), 3u);
        EXPECT_EQ(ConvertDottedDecimal(u" 1  2 ", ByteBits()).values.size(), 4u);
        EXPECT_EQ(
            ConvertDottedDecimal(std::u16string(5000, u'.'), ByteBits()).values.size(), 5001u);
        const auto values = ConvertDottedDecimal(u"256 7", ByteBits()).values;
        EXPECT_EQ(values, (std::vector<DottedValue>{{0, true}, {7, false}}));
    }

    // The hexadecimal line read back gives the same bytes, and the binary line the same
    // characters: the cascade relies on both.
    TEST(Dotted, RenderingsRoundTrip)
    {
        std::u16string text;
        for (int v = 0; v < 256; ++v)
            text += U16(std::to_string(v) + (v % 3 ? "." : " "));
        const DottedConversion dotted = ConvertDottedDecimal(text, ByteBits());
        const HexConversion hex = ConvertHexToDec(dotted.hexLine);
        ASSERT_EQ(hex.bytes.size(), dotted.values.size());
        std::u16string characters;
        for (std::size_t i = 0; i < dotted.values.size(); ++i) {
            EXPECT_EQ(hex.bytes[i], dotted.values[i].lowByte) << i;
            characters += CodeToChar(dotted.values[i].lowByte);
        }
        EXPECT_EQ(ConvertBinaryToAscii(dotted.binaryLine).textLine, characters);
    }

} // namespace
} // namespace numo
