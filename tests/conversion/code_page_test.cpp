#include "conversion/bit_tables.h"
#include "conversion/code_page.h"

#include <gtest/gtest.h>

namespace numo {
namespace {

    TEST(CodePage, EveryCodeRoundTrips)
    {
        for (int code = 0; code < 256; ++code) {
            const auto byte = static_cast<std::uint8_t>(code);
            const char16_t ch = CodeToChar(byte);
            EXPECT_EQ(CharToCode(ch), byte) << "code " << code;
            EXPECT_TRUE(IsInCodePage(ch)) << "code " << code;
        }
    }

    struct Mapping
    {
        std::uint8_t code;
        char16_t ch;
    };

    class CodePageMapping : public testing::TestWithParam<Mapping>
    {
    };

    TEST_P(CodePageMapping, MapsBothWays)
    {
        EXPECT_EQ(CodeToChar(GetParam().code), GetParam().ch);
        EXPECT_EQ(CharToCode(GetParam().ch), GetParam().code);
    }

    INSTANTIATE_TEST_SUITE_P(Windows1252, CodePageMapping,
        testing::Values(Mapping{0x00, 0x0000}, Mapping{0x41, u'A'}, Mapping{0x80, 0x20AC},
            Mapping{0x81, 0x0081}, Mapping{0x8A, 0x0160}, Mapping{0x8D, 0x008D},
            Mapping{0x8F, 0x008F}, Mapping{0x90, 0x0090}, Mapping{0x99, 0x2122},
            Mapping{0x9D, 0x009D}, Mapping{0x9F, 0x0178}, Mapping{0xA0, 0x00A0},
            Mapping{0xE9, 0x00E9}, Mapping{0xFF, 0x00FF}));

    TEST(CodePage, CharactersOutsideThePageBecomeQuestionMarks)
    {
        for (const char16_t ch : {char16_t{0x0080}, char16_t{0x009F}, char16_t{0x0100},
                 char16_t{0x20AD}, char16_t{0x4E2D}, char16_t{0xD83D}, char16_t{0xFFFF}}) {
            EXPECT_EQ(CharToCode(ch), kUnmappableCode) << std::hex << unsigned{ch};
            EXPECT_FALSE(IsInCodePage(ch)) << std::hex << unsigned{ch};
        }
    }

    TEST(CodePage, WholeTextsOneUnitPerByte)
    {
        const std::string bytes = {'a', '\x80', '\0', '\xFF'};
        EXPECT_EQ(BytesToText(bytes), (std::u16string{u'a', 0x20AC, 0, 0xFF}));
        EXPECT_EQ(TextToBytes(u"a\u20AC\u4E2D"), (std::string{'a', '\x80', '?'}));
    }

    TEST(BitPatternTables, SlotsHoldTheirPatternsAndNothingElse)
    {
        const BitPatternTables tables = BuildBitPatternTables();
        EXPECT_EQ(tables.NibbleTable[0], u"0000");
        EXPECT_EQ(tables.NibbleTable[10], u"1010");
        EXPECT_EQ(tables.NibbleTable[15], u"1111");
        EXPECT_EQ(tables.NibbleTable[16], u"");
        EXPECT_EQ(tables.ByteBitTable[0], u"00000000");
        EXPECT_EQ(tables.ByteBitTable[1], u"00000001");
        EXPECT_EQ(tables.ByteBitTable[16], u"00010000");
        EXPECT_EQ(tables.ByteBitTable[171], u"10101011");
        EXPECT_EQ(tables.ByteBitTable[255], u"11111111");
        for (const std::int64_t outside :
            {std::int64_t{256}, kLastSlot, kLastSlot + 1, std::int64_t{-1}})
            EXPECT_EQ(tables.ByteBitTable[outside], u"") << outside;
    }

} // namespace
} // namespace numo
