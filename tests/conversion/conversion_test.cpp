// The plain conversions, each row worked out by hand: text in, text out, through every
// notation's reader and rendering, and the help search's marks; the large-decimal split; the
// code page; the bit tables.
#include "conversion/binary.h"
#include "conversion/code_page.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "conversion/large_decimal.h"
#include "conversion/naming_scheme.h"
#include "conversion/text_codes.h"
#include "help/mark_occurrences.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace numo {
namespace {

    using namespace std::string_view_literals;
    using Conversion = std::u16string (*)(std::u16string_view);

    std::u16string DottedHex(std::u16string_view text)
    {
        return ConvertDottedDecimal(text, BuildBitPatternTables().ByteBitTable).hexLine;
    }
    std::u16string DottedBinary(std::u16string_view text)
    {
        return ConvertDottedDecimal(text, BuildBitPatternTables().ByteBitTable).binaryLine;
    }
    std::u16string HexDecimal(std::u16string_view text)
    {
        return ConvertHexToDec(text).decimalLine;
    }
    std::u16string HexText(std::u16string_view text)
    {
        return ConvertHexToDec(text).textLine;
    }
    // The decoded characters, "|" and the number of groups decoded.
    std::u16string BinaryText(std::u16string_view text)
    {
        const auto result = ConvertBinaryToAscii(text);
        return result.textLine + u'|' + static_cast<char16_t>(u'0' + result.byteCount);
    }

    // The search is the text after the first "|": the marked text, "|" and the caret, or "-"
    // when not found.
    std::u16string Marked(std::u16string_view text)
    {
        const auto bar = text.find(u'|');
        const auto marks = MarkOccurrences(text.substr(0, bar), text.substr(bar + 1));
        return marks.markedText + u'|'
            + (marks.found ? static_cast<char16_t>(u'0' + marks.caret) : u'-');
    }
    std::u16string Lower(std::u16string_view text)
    {
        std::u16string lower(text);
        for (auto &ch : lower)
            ch = CodePageLower(ch);
        return lower;
    }

    struct Row
    {
        const char *name;
        Conversion convert;
        std::u16string_view text;
        std::u16string_view expected;
    };

    void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.name;
    }

    const Row kRows[] = {
        {"dotted_empty_is_zero", DottedBinary, u"", u"00000000"},
        {"dotted_double_dot", DottedHex, u"1..2", u"01-00-02"},
        {"dotted_dot_then_blank", DottedHex, u"1. 2", u"01-00-02"},
        {"dotted_blank_then_dot", DottedHex, u"1 .2", u"01-00-02"},
        {"dotted_mixed_separator_run", DottedHex, u"10,\t\r\n11", u"0A-0B"},
        {"dotted_leading_blank", DottedHex, u" 5", u"00-05"},
        {"dotted_trailing_dot", DottedHex, u"255.", u"FF-00"},
        {"dotted_above_byte_wraps", DottedHex, u"1.300.10000", u"01-2C-10"},
        {"dotted_above_byte_no_group", DottedBinary, u"1.300.256", u"00000001--"},
        {"dotted_huge", DottedHex, u"123456789012345678901234567890", u"D2"},
        {"dotted_letters_and_signs", DottedHex, u"1a-2", u"01-02"},
        {"hex_jammed_lower", HexDecimal, u"c0a8ff0f", u"192 168 255 15"},
        {"hex_odd_run", HexDecimal, u"abcde", u"171 205 14"},
        {"hex_lone_digits", HexDecimal, u"a b c", u"10 11 12"},
        {"hex_prefix_and_suffix", HexDecimal, u"0x1Fh", u"0 31"},
        {"hex_digit_bounds", HexDecimal, u"09 AF af g G", u"9 175 175"},
        {"hex_non_ascii_separators", HexDecimal, u"4\u00E91\u20AC", u"4 1"},
        {"hex_no_digits", HexDecimal, u"zz--", u""},
        {"hex_text_strips_blanks_only", HexText, u"20 09 41 20 42 00 20", u"\tA B\0"sv},
        {"hex_text_all_blanks", HexText, u"20 20", u""},
        {"hex_text_code_page", HexText, u"80 9d ff", u"\u20AC\u009D\u00FF"},
        {"binary_jammed", BinaryText, u"0110000101100010", u"ab|2"},
        {"binary_leading_separators", BinaryText, u" -01100001", u"a|1"},
        {"binary_seven_digits", BinaryText, u"1100001", u"|0"},
        {"binary_dash_then_seven", BinaryText, u"-0110000", u"|0"},
        {"binary_ninth_ignored", BinaryText, u"011000010", u"a|1"},
        {"binary_blank_inside_group", BinaryText, u"0110 0001", u"`|1"},
        {"binary_dot_shifts", BinaryText, u"01100001.01100010", u"a1|2"},
        {"binary_only_ones_count", BinaryText, u"0120000a", u"@|1"},
        {"binary_code_page", BinaryText, u"10000000 00000000", u"\u20AC\0|2"sv},
        {"codes_digit_bounds", TextToCodes, u"\t\nc d\u00FF", u"9  10  99  32  100  255"},
        {"codes_code_page", TextToCodes, u"\u20AC\u4E2D\0"sv, u"128  63  0"},
        {"codes_empty", TextToCodes, u"", u""},
        {"marks_any_case", Marked, u"Binary: 1 binary|BINARY", u"<<binary>>: 1 <<binary>>|7"},
        {"marks_heading_lower", Marked, u"  Binary:\r\n|binary", u"  <<binary>>:\r\n|9"},
        {"marks_overlap_odd", Marked, u"AAA|aa", u"<<aa>>a|3"},
        {"marks_overlap_even", Marked, u"aaaa|aa", u"<<aa>><<aa>>|3"},
        {"marks_others_keep_case", Marked, u"ABC abc|b", u"A<<b>>C a<<b>>c|3"},
        {"marks_not_found", Marked, u"Hexadecimal|xyz", u"Hexadecimal|-"},
        {"marks_empty_search", Marked, u"Numo|", u"Numo|1"},
        {"marks_empty_text", Marked, u"|a", u"|-"},
        {"marks_both_empty", Marked, u"|", u"|-"},
        {"marks_longer_search", Marked, u"ab|abc", u"ab|-"},
        {"marks_after_a_partial_match", Marked, u"aaab|aab", u"a<<aab>>|5"},
        {"marks_code_page", Marked, u"\u00C9t\u00E9 \u0160|\u00E9",
            u"<<\u00E9>>t<<\u00E9>> \u0160|2"},
        {"lower_code_page", Lower, u"AZ[\u00C0\u00D7\u00DE\u00DF\u0160\u0152\u017D\u0178\u0100",
            u"az[\u00E0\u00D7\u00FE\u00DF\u0161\u0153\u017E\u00FF\u0100"},
    };

    class Conversions : public ::testing::TestWithParam<Row>
    {
    };

    TEST_P(Conversions, give_the_expected_text)
    {
        EXPECT_EQ(GetParam().convert(GetParam().text), GetParam().expected);
    }

    INSTANTIATE_TEST_SUITE_P(Rows, Conversions, ::testing::ValuesIn(kRows),
        [](const ::testing::TestParamInfo<Row> &row) { return std::string(row.param.name); });

    TEST(LargeDecimal, splits_into_six_groups)
    {
        const std::pair<double, std::u16string_view> rows[] = {{999999999, u" 0 0 59 154 201 255"},
            {255, u" 0 0 0 0 0 255"}, {256, u" 0 0 0 0 1 0"}, {1099511627776.0, u" 1 0 0 0 0 0"},
            {281474976710656.0, u" 256 0 0 0 0 0"}, {-0.0, u" 0 0 0 0 0 0"},
            {-5.25, u" 0 0 0 0 0 -5.25"}, {300.5, u" 0 0 0 0 1 44.5"},
            {1e30, u" 909494701772928256 0 0 0 0 0"},
            {std::numeric_limits<double>::infinity(), u""},
            {std::numeric_limits<double>::quiet_NaN(), u""}};
        for (const auto &[number, text] : rows)
            EXPECT_EQ(LargeDecimalToBytes(number), text) << number;
    }

    TEST(CodePage, every_code_maps_there_and_back)
    {
        for (int code = 0; code < 256; ++code) {
            const char16_t ch = CodeToChar(static_cast<std::uint8_t>(code));
            EXPECT_EQ(CharToCode(ch), code);
            EXPECT_TRUE(IsInCodePage(ch)) << code;
        }
        const std::pair<std::uint8_t, char16_t> spots[] = {{0x80, 0x20AC}, {0x81, 0x0081},
            {0x8A, 0x0160}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xFF, 0x00FF}};
        for (const auto &[code, ch] : spots)
            EXPECT_EQ(CodeToChar(code), ch) << int{code};
        for (const char16_t ch : {char16_t{0x0080}, char16_t{0x009F}, char16_t{0x0100},
                 char16_t{0x20AD}, char16_t{0xFFFF}}) {
            EXPECT_EQ(CharToCode(ch), kUnmappableCode) << int{ch};
            EXPECT_FALSE(IsInCodePage(ch)) << int{ch};
        }
        EXPECT_EQ(BytesToText("a\x80\xFF"), u"a\u20AC\u00FF");
        EXPECT_EQ(TextToBytes(u"a\u20AC\u4E2D"), "a\x80?");
    }

    TEST(BitPatternTables, slots_hold_their_patterns_and_nothing_else)
    {
        const BitPatternTables tables = BuildBitPatternTables();
        EXPECT_EQ(tables.NibbleTable[10], u"1010");
        EXPECT_EQ(tables.NibbleTable[16], u"");
        EXPECT_EQ(tables.ByteBitTable[1], u"00000001");
        EXPECT_EQ(tables.ByteBitTable[171], u"10101011");
        EXPECT_EQ(tables.ByteBitTable[255], u"11111111");
        for (const std::int64_t outside : {std::int64_t{256}, kLastSlot, std::int64_t{-1}})
            EXPECT_EQ(tables.ByteBitTable[outside], u"") << outside;
    }

    TEST(NamingScheme, joins_without_trimming)
    {
        EXPECT_EQ(NamingScheme(u" a", u"41 ", u".gif "), u" a41 .gif ");
    }

} // namespace
} // namespace numo
