// Where each reader says the bytes sit, and the marks it sets; and how a text line is matched
// against the bytes of another field.
#include "conversion/binary.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace numo {
namespace {

    template <auto Reader> ByteStructure Where(std::u16string_view text)
    {
        ByteStructure where;
        static_cast<void>(Reader(text, &where));
        return where;
    }

    struct Row
    {
        const char *name;
        ByteStructure (*read)(std::u16string_view);
        std::u16string_view text;
        std::vector<TextSpan> bytes;
        std::vector<Mark> marks;
    };

    void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.name;
    }

    constexpr auto Hex = Where<ReadHex>;
    constexpr auto Binary = Where<ReadBinary>;
    constexpr auto Dotted = Where<ReadDottedDecimal>;
    constexpr auto Line = Where<ReadTextLine>;
    constexpr auto kLone = MarkKind::LoneDigit;
    constexpr auto kSkipped = MarkKind::SkippedSeparator;
    constexpr auto kNotABit = MarkKind::NotABit;
    constexpr auto kIgnored = MarkKind::IgnoredRemainder;

    const Row kRows[] = {
        {"hex_odd_run", Hex, u"abc", {{0, 2}, {2, 3}}, {{{2, 3}, kLone}}},
        {"hex_prefix", Hex, u"0x1F", {{0, 1}, {2, 4}}, {{{0, 1}, kLone}, {{1, 2}, kSkipped}}},
        {"hex_skipped_until_a_zero", Hex, u"1x0F", {{0, 1}, {2, 4}},
            {{{0, 1}, kLone}, {{1, 2}, kSkipped}}},
        {"hex_usual_separators", Hex, u"c0-a8:01 02,\r\n03.\t4f",
            {{0, 2}, {3, 5}, {6, 8}, {9, 11}, {14, 16}, {18, 20}}, {}},
        {"hex_skipped_runs", Hex, u"zz  41h", {{4, 6}}, {{{0, 2}, kSkipped}, {{6, 7}, kSkipped}}},
        {"hex_lone_at_both_sides", Hex, u"4\u00e9f", {{0, 1}, {2, 3}},
            {{{0, 1}, kLone}, {{1, 2}, kSkipped}, {{2, 3}, kLone}}},
        {"binary_blank_in_group", Binary, u"0110 0001", {{0, 8}},
            {{{4, 5}, kNotABit}, {{8, 9}, kIgnored}}},
        {"binary_joined", Binary, u"01000001-01000010- \r\n", {{0, 8}, {9, 17}}, {}},
        {"binary_dropped_dash_then_short", Binary, u"-0100000", {}, {{{1, 8}, kIgnored}}},
        {"binary_letters", Binary, u"a100000b", {{0, 8}}, {{{0, 1}, kNotABit}, {{7, 8}, kNotABit}}},
        {"dotted_above_255", Dotted, u"1.300", {{0, 1}, {2, 5}}, {{{2, 5}, MarkKind::AboveByte}}},
        {"dotted_blanks", Dotted, u"10 0  1", {{0, 2}, {3, 4}, {6, 7}}, {}},
        {"dotted_empty_values", Dotted, u" 1..2", {{0, 0}, {1, 2}, {3, 3}, {4, 5}}, {}},
        {"dotted_empty", Dotted, u"", {{0, 0}}, {}},
        {"text_line", Line, u"a\u00e9\u2603\u2603", {{0, 1}, {1, 2}, {2, 3}, {3, 4}},
            {{{2, 4}, MarkKind::NotInCodePage}}},
    };

    class Reading : public ::testing::TestWithParam<Row>
    {
    };

    TEST_P(Reading, spans_and_marks)
    {
        const ByteStructure where = GetParam().read(GetParam().text);
        EXPECT_EQ(where.bytes, GetParam().bytes);
        EXPECT_EQ(where.marks, GetParam().marks);
    }

    INSTANTIATE_TEST_SUITE_P(Rows, Reading, ::testing::ValuesIn(kRows),
        [](const ::testing::TestParamInfo<Row> &row) { return std::string(row.param.name); });

    TEST(TextLineOffset, exact_or_with_blanks_dropped_at_the_ends)
    {
        using Bytes = std::vector<std::uint8_t>;
        EXPECT_EQ(TextLineOffset({32, 65}, {32, 65}), 0u);
        EXPECT_EQ(TextLineOffset({65}, {32, 32, 65, 32}), 2u);
        EXPECT_EQ(TextLineOffset({65, 32, 66}, {65, 32, 66, 32}), 0u);
        EXPECT_EQ(TextLineOffset({65}, {66}), std::nullopt);
        EXPECT_EQ(TextLineOffset({65}, {65, 65}), std::nullopt);
        EXPECT_EQ(TextLineOffset(Bytes{}, Bytes{65}), std::nullopt);
    }

} // namespace
} // namespace numo
