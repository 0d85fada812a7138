#include "conversion/binary.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "u16.h"

#include <gtest/gtest.h>

namespace numo {
namespace {

    using test::U16;
    using Spans = std::vector<TextSpan>;
    using Marks = std::vector<Mark>;

    template <auto Reader> ByteStructure Where(std::u16string_view text)
    {
        ByteStructure where;
        static_cast<void>(Reader(text, &where));
        return where;
    }
    constexpr auto HexStructure = Where<ReadHex>;
    constexpr auto BinaryStructure = Where<ReadBinary>;
    constexpr auto DottedDecimalStructure = Where<ReadDottedDecimal>;
    constexpr auto TextLineStructure = Where<ReadTextLine>;

    struct StructureCase
    {
        const char *name;
        ByteStructure (*scan)(std::u16string_view);
        const char *text;
        Spans bytes;
        Marks marks;
    };

    class Structure : public testing::TestWithParam<StructureCase>
    {
    };

    TEST_P(Structure, SpansAndMarks)
    {
        const ByteStructure result = GetParam().scan(U16(GetParam().text));
        EXPECT_EQ(result.bytes, GetParam().bytes);
        EXPECT_EQ(result.marks, GetParam().marks);
    }

    constexpr auto kLone = MarkKind::LoneDigit;
    constexpr auto kSkipped = MarkKind::SkippedSeparator;
    constexpr auto kNotABit = MarkKind::NotABit;
    constexpr auto kIgnored = MarkKind::IgnoredRemainder;
    constexpr auto kAbove = MarkKind::AboveByte;

    INSTANTIATE_TEST_SUITE_P(Cases, Structure,
        testing::Values(
            StructureCase{"HexOddRun", HexStructure, "abc", {{0, 2}, {2, 3}}, {{{2, 3}, kLone}}},
            StructureCase{"HexPrefix", HexStructure, "0x1F", {{0, 1}, {2, 4}},
                {{{0, 1}, kLone}, {{1, 2}, kSkipped}}},
            StructureCase{"HexUsualSeparators", HexStructure, "c0-a8:01 02,\r\n03",
                {{0, 2}, {3, 5}, {6, 8}, {9, 11}, {14, 16}}, {}},
            StructureCase{"HexSkippedRun", HexStructure, "zz  41h", {{4, 6}},
                {{{0, 2}, kSkipped}, {{6, 7}, kSkipped}}},
            StructureCase{"HexLoneAtBothSides", HexStructure, "4\u00e91", {{0, 1}, {2, 3}},
                {{{0, 1}, kLone}, {{1, 2}, kSkipped}, {{2, 3}, kLone}}},
            StructureCase{"HexEmpty", HexStructure, "", {}, {}},
            StructureCase{"BinaryBlankInGroup", BinaryStructure, "0110 0001", {{0, 8}},
                {{{4, 5}, kNotABit}, {{8, 9}, kIgnored}}},
            StructureCase{
                "BinaryJoined", BinaryStructure, "01000001-01000010-", {{0, 8}, {9, 17}}, {}},
            StructureCase{"BinaryDroppedDashThenShort", BinaryStructure, "-0100000", {},
                {{{1, 8}, kIgnored}}},
            StructureCase{
                "BinaryLetter", BinaryStructure, "0100000a", {{0, 8}}, {{{7, 8}, kNotABit}}},
            StructureCase{"BinaryLineBreakShiftsGroups", BinaryStructure, "00000001\r\n00000010",
                {{0, 8}, {8, 16}}, {{{8, 10}, kNotABit}, {{16, 18}, kIgnored}}},
            StructureCase{"DottedAbove255", DottedDecimalStructure, "1.300", {{0, 1}, {2, 5}},
                {{{2, 5}, kAbove}}},
            StructureCase{
                "DottedBlanks", DottedDecimalStructure, "10 0  1", {{0, 2}, {3, 4}, {6, 7}}, {}},
            StructureCase{
                "DottedLeadingSeparator", DottedDecimalStructure, " 1", {{0, 0}, {1, 2}}, {}},
            StructureCase{
                "DottedEmptyValues", DottedDecimalStructure, "1..2", {{0, 1}, {2, 2}, {3, 4}}, {}},
            StructureCase{"DottedEmpty", DottedDecimalStructure, "", {{0, 0}}, {}},
            StructureCase{"TextLine", TextLineStructure, "a\u00e9\u2603\u2603",
                {{0, 1}, {1, 2}, {2, 3}, {3, 4}}, {{{2, 4}, MarkKind::NotInCodePage}}}),
        [](const auto &row) { return row.param.name; });

    TEST(FieldBytes, ReadWithEachFieldsConversion)
    {
        using Bytes = std::vector<std::uint8_t>;
        EXPECT_EQ(ReadHex(u"abc"), (Bytes{0xab, 0x0c}));
        EXPECT_EQ(ReadBinary(u"0110 0001"), (Bytes{0x60}));
        EXPECT_EQ(ReadTextLine(U16("A\u00e9\u2603")), (Bytes{65, 233, 63}));
    }

    TEST(TextLineOffset, ExactOrWithBlanksDroppedAtTheEnds)
    {
        using Bytes = std::vector<std::uint8_t>;
        EXPECT_EQ(TextLineOffset({65, 66}, {65, 66}), 0u);
        EXPECT_EQ(TextLineOffset({32, 65}, {32, 65}), 0u);
        EXPECT_EQ(TextLineOffset({65}, {32, 32, 65, 32}), 2u);
        EXPECT_EQ(TextLineOffset({65, 32, 66}, {65, 32, 66, 32}), 0u);
        EXPECT_EQ(TextLineOffset({65}, {66}), std::nullopt);
        EXPECT_EQ(TextLineOffset({65}, {65, 65}), std::nullopt);
        EXPECT_EQ(TextLineOffset(Bytes{}, Bytes{65}), std::nullopt);
    }

} // namespace
} // namespace numo
