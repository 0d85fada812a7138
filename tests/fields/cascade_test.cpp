// The conversion cascade as one table: a handler run on a field set and a starting depth gives
// the fields it changes and the depth it leaves; every other field must stay as it was.
#include "fields/cascade.h"

#include <charconv>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace numo {
namespace {

    using namespace std::string_literals;

    enum class Handler { Command1, Command2, Command4, Command5, Command6, TextLine, SingleKey };

    using Texts = std::vector<std::pair<Field, std::u16string>>;

    constexpr Field D = Field::DottedDecimal, H = Field::Hexadecimal, B = Field::Binary,
                    L = Field::LargeDecimal, T = Field::TextLine, S = Field::NamingScheme,
                    V = Field::NamingValue;

    struct Row
    {
        const char *name;
        Handler handler;
        std::int16_t depth;
        Texts start; // over a prefix "a", a suffix ".gif", a chosen value "v", all else empty
        Texts changed;
        std::int16_t endDepth;
        std::u16string_view choice = u"Hex Value"; // the List1 selection, for the text line
        std::size_t count = 0;                     // the binary caption's byte count before
        std::size_t endCount = 0;                  // ... and after
        bool converted = true;                     // what Command2 answers
    };

    void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.name;
    }

    // Plain ASCII decimal numbers only; enough to tell a number from anything else.
    std::optional<double> ReadAscii(std::u16string_view text)
    {
        const std::string narrow(text.begin(), text.end());
        double number = 0;
        const auto [end, error] =
            std::from_chars(narrow.data(), narrow.data() + narrow.size(), number);
        if (error != std::errc() || end != narrow.data() + narrow.size())
            return std::nullopt;
        return number;
    }

    const Row kRows[] = {
        // Dotted decimal: six runs alternating with five hexadecimal ones normalise every field.
        {"dotted_ip_address", Handler::Command1, 0, {{D, u"140.0.255.255"}},
            {{D, u"140 0 255 255"}, {H, u"8C-00-FF-FF"},
                {B, u"10001100-00000000-11111111-11111111"}, {T, u"\u0152\0\u00FF\u00FF"s}},
            0},
        {"dotted_at_bound_runs_alone", Handler::Command1, 5, {{D, u"1.2"}},
            {{H, u"01-02"}, {B, u"00000001-00000010"}}, 5},
        {"dotted_one_below_bound", Handler::Command1, 4, {{D, u"1.2"}},
            {{D, u"1 2"}, {H, u"01-02"}, {B, u"00000001-00000010"}, {T, u"\x01\x02"}}, 0},
        {"dotted_above_255_has_no_binary_group", Handler::Command1, 5, {{D, u"256 7"}},
            {{H, u"00-07"}, {B, u"-00000111"}}, 5},
        {"dotted_negative_depth_still_ends_at_0", Handler::Command1, -3, {{D, u"65"}},
            {{H, u"41"}, {B, u"01000001"}, {T, u"A"}}, 0},
        {"dotted_max_depth_runs_alone", Handler::Command1, 32767, {{D, u"9"}},
            {{H, u"09"}, {B, u"00001001"}}, 32767},
        // Hexadecimal: always reruns the dotted conversion, then the depth is 0.
        {"hex_joined_pairs", Handler::Command4, 0, {{H, u"c0a80001"}},
            {{D, u"192 168 0 1"}, {H, u"C0-A8-00-01"}, {B, u"11000000-10101000-00000000-00000001"},
                {T, u"\u00C0\u00A8\0\x01"s}},
            0},
        {"hex_lone_last_digit", Handler::Command4, 0, {{H, u"F"}},
            {{D, u"15"}, {H, u"0F"}, {B, u"00001111"}, {T, u"\x0F"}}, 0},
        {"hex_lone_digit_then_pair_upper_lower", Handler::Command4, 0, {{H, u"a fF"}},
            {{D, u"10 255"}, {H, u"0A-FF"}, {B, u"00001010-11111111"}, {T, u"\n\u00FF"}}, 0},
        {"hex_blanks_stripped_from_text_line", Handler::Command4, 0, {{H, u"20 41 20"}},
            {{D, u"32 65 32"}, {H, u"20-41-20"}, {B, u"00100000-01000001-00100000"}, {T, u"A"}}, 0},
        {"hex_empty_becomes_zero", Handler::Command4, 0, {},
            {{D, u"0"}, {H, u"00"}, {B, u"00000000"}, {T, u"\0"s}}, 0},
        {"hex_above_bound_resets_depth", Handler::Command4, 7, {{H, u"64"}},
            {{D, u"100"}, {T, u"d"}, {B, u"01100100"}}, 0},
        // Large decimal.
        {"large_empty_is_65535", Handler::Command2, 0, {},
            {{L, u"65535"}, {D, u"0 0 0 0 0 255 255"}, {H, u"00-00-00-00-00-FF-FF"},
                {B, u"00000000-00000000-00000000-00000000-00000000-11111111-11111111"},
                {T, u"\0\0\0\0\0\u00FF\u00FF"s}},
            0},
        {"large_at_bound_writes_dotted_only", Handler::Command2, 5, {{L, u"256"}},
            {{D, u" 0 0 0 0 1 0"}}, 5},
        {"large_not_a_number_converts_nothing", Handler::Command2, 2, {{L, u"x1"}}, {}, 2, u"", 0,
            0, false},
        // Binary: outside the cascade; the count is kept when nothing was decoded.
        {"binary_groups_and_count", Handler::Command6, 3, {{B, u"01000001-01000010"}}, {{T, u"AB"}},
            3, u"", 0, 2},
        {"binary_too_short_keeps_count", Handler::Command6, 0, {{B, u"0100"}, {T, u"x"}},
            {{T, u""}}, 0, u"", 7, 7},
        // Clear All and single key.
        {"clear_all_keeps_settings_and_count", Handler::Command5, 0,
            {{D, u"1"}, {H, u"2"}, {B, u"3"}, {L, u"4"}, {T, u"5"}, {S, u"6"}},
            {{D, u""}, {H, u""}, {B, u""}, {L, u""}, {T, u""}, {S, u""}}, 0, u"", 4, 4},
        {"single_key_press_clears_number_fields", Handler::SingleKey, 0,
            {{D, u"1"}, {H, u"2"}, {B, u"3"}, {L, u"4"}, {T, u"5"}, {S, u"6"}},
            {{D, u""}, {H, u""}, {B, u""}, {L, u""}, {T, u""}}, 0},
        // The text line and the naming scheme, for each List1 choice.
        {"text_line_hex_value", Handler::TextLine, 0, {{T, u"AB"}},
            {{D, u"65 66"}, {H, u"41-42"}, {B, u"01000001-01000010"}, {V, u"41-42"},
                {S, u"a41-42.gif"}},
            0},
        {"text_line_ascii_value", Handler::TextLine, 0, {{T, u"d"}},
            {{D, u"100"}, {H, u"64"}, {B, u"01100100"}, {V, u"100"}, {S, u"a100.gif"}}, 0,
            u"ASCII Value"},
        {"text_line_binary_value", Handler::TextLine, 0, {{T, u"\u20AC"}},
            {{D, u"128"}, {H, u"80"}, {B, u"10000000"}, {V, u"10000000"}, {S, u"a10000000.gif"}}, 0,
            u"Binary Value"},
        {"text_line_no_choice_keeps_value", Handler::TextLine, 0, {{T, u"A"}},
            {{D, u"65"}, {H, u"41"}, {B, u"01000001"}, {S, u"a.gif"}}, 0, u""},
        {"text_line_choice_compared_exactly", Handler::TextLine, 0, {{T, u"A"}},
            {{D, u"65"}, {H, u"41"}, {B, u"01000001"}, {S, u"a.gif"}}, 0, u"hex value"},
        {"text_line_at_bound_codes_only", Handler::TextLine, 5, {{T, u"AB"}},
            {{D, u"65  66"}, {V, u"65  66"}, {S, u"a65  66.gif"}}, 5, u"ASCII Value"},
        {"text_line_rewritten_without_end_blanks", Handler::TextLine, 0, {{T, u" A"}},
            {{D, u"32 65"}, {H, u"20-41"}, {B, u"00100000-01000001"}, {T, u"A"}, {V, u"20-41"},
                {S, u"a20-41.gif"}},
            0},
    };

    class Cascade : public ::testing::TestWithParam<Row>
    {
    };

    TEST_P(Cascade, changes_only_the_listed_fields)
    {
        const Row &row = GetParam();
        FieldSet fields;
        fields[Field::Prefix] = u"a";
        fields[Field::Suffix] = u".gif";
        fields[V] = u"v";
        fields.binaryByteCount = row.count;
        for (const auto &[field, text] : row.start)
            fields[field] = text;
        FieldSet expected = fields;
        for (const auto &[field, text] : row.changed)
            expected[field] = text;
        expected.binaryByteCount = row.endCount;

        const BitPatternTables tables = BuildBitPatternTables();
        std::int16_t depth = row.depth;
        const cascade::State state{tables.ByteBitTable, depth};
        bool converted = true;
        switch (row.handler) {
        case Handler::Command1:
            cascade::Command1(fields, state);
            break;
        case Handler::Command2:
            converted = cascade::Command2(fields, state, ReadAscii);
            break;
        case Handler::Command4:
            cascade::Command4(fields, state);
            break;
        case Handler::Command5:
            cascade::Command5(fields);
            break;
        case Handler::Command6:
            cascade::Command6(fields);
            break;
        case Handler::TextLine:
            cascade::ConvertTextLine(fields, state, row.choice);
            break;
        case Handler::SingleKey:
            cascade::ClearForSingleKey(fields);
            break;
        }
        for (std::size_t i = 0; i < kFieldCount; ++i)
            EXPECT_EQ(fields.texts[i], expected.texts[i]) << "Text" << i + 1;
        EXPECT_EQ(fields.binaryByteCount, expected.binaryByteCount);
        EXPECT_EQ(depth, row.endDepth);
        EXPECT_EQ(converted, row.converted);
    }

    INSTANTIATE_TEST_SUITE_P(Rows, Cascade, ::testing::ValuesIn(kRows),
        [](const ::testing::TestParamInfo<Row> &row) { return std::string(row.param.name); });

} // namespace
} // namespace numo
