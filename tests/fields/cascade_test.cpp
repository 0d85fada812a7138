// The conversion cascade as one table: a handler run on a field set and a starting depth gives
// the fields it changes and the depth it leaves; every other field must stay as it was.
#include "fields/cascade.h"

#include <charconv>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace numo {
namespace {

    using namespace std::string_view_literals;

    enum Handler { Command1, Command2, Command4, Command5, Command6, TextLine, SingleKey };

    // Fields as "D=text|H=text": D, H, B, L, T, S, V for Text1 to Text6 and Text9.
    struct Row
    {
        const char *name;
        Handler handler;
        std::int16_t depth;
        std::u16string_view
            start; // over a prefix "a", a suffix ".gif", a value "v", all else empty
        std::u16string_view changed;
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

    void Apply(FieldSet &fields, std::u16string_view texts)
    {
        constexpr std::u16string_view kLetters = u"DHBLTS__V";
        while (!texts.empty()) {
            const auto end = std::min(texts.find(u'|'), texts.size());
            fields.texts[kLetters.find(texts[0])] = texts.substr(2, end - 2);
            texts.remove_prefix(std::min(end + 1, texts.size()));
        }
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

    using State = cascade::State;
    bool (*const kHandlers[])(FieldSet &, State, std::u16string_view) = {
        [](FieldSet &f, State s, auto) { return cascade::Command1(f, s), true; },
        [](FieldSet &f, State s, auto) { return cascade::Command2(f, s, ReadAscii); },
        [](FieldSet &f, State s, auto) { return cascade::Command4(f, s), true; },
        [](FieldSet &f, State, auto) { return cascade::Command5(f), true; },
        [](FieldSet &f, State, auto) { return cascade::Command6(f), true; },
        [](FieldSet &f, State s, auto choice) {
            return cascade::ConvertTextLine(f, s, choice), true;
        },
        [](FieldSet &f, State, auto) { return cascade::ClearForSingleKey(f), true; },
    };

    const Row kRows[] = {
        // Dotted decimal: six runs alternating with five hexadecimal ones normalise every field.
        {"dotted_ip_address", Command1, 0, u"D=140.0.255.255",
            u"D=140 0 255 255|H=8C-00-FF-FF|B=10001100-00000000-11111111-11111111|T=\u0152\0\u00FF\u00FF"sv,
            0},
        {"dotted_at_bound_runs_alone", Command1, 5, u"D=1.2", u"H=01-02|B=00000001-00000010", 5},
        {"dotted_one_below_bound", Command1, 4, u"D=1.2",
            u"D=1 2|H=01-02|B=00000001-00000010|T=\x01\x02", 0},
        {"dotted_negative_depth_ends_at_0", Command1, -3, u"D=65", u"H=41|B=01000001|T=A", 0},
        {"dotted_max_depth_runs_alone", Command1, 32767, u"D=9", u"H=09|B=00001001", 32767},
        // Hexadecimal: always reruns the dotted conversion, then the depth is 0.
        {"hex_joined_pairs", Command4, 0, u"H=c0a80001",
            u"D=192 168 0 1|H=C0-A8-00-01|B=11000000-10101000-00000000-00000001|T=\u00C0\u00A8\0\x01"sv,
            0},
        {"hex_lone_digit_then_pair", Command4, 0, u"H=a fF",
            u"D=10 255|H=0A-FF|B=00001010-11111111|T=\n\u00FF", 0},
        {"hex_blanks_stripped_from_text_line", Command4, 0, u"H=20 41 20",
            u"D=32 65 32|H=20-41-20|B=00100000-01000001-00100000|T=A", 0},
        {"hex_empty_becomes_zero", Command4, 0, u"", u"D=0|H=00|B=00000000|T=\0"sv, 0},
        {"hex_above_bound_resets_depth", Command4, 7, u"H=64", u"D=100|T=d|B=01100100", 0},
        // Large decimal.
        {"large_empty_is_65535", Command2, 0, u"",
            u"L=65535|D=0 0 0 0 0 255 255|H=00-00-00-00-00-FF-FF|B=00000000-00000000-00000000-"
            u"00000000-00000000-11111111-11111111|T=\0\0\0\0\0\u00FF\u00FF"sv,
            0},
        {"large_at_bound_writes_dotted_only", Command2, 5, u"L=256", u"D= 0 0 0 0 1 0", 5},
        {"large_not_a_number_converts_nothing", Command2, 2, u"L=x1", u"", 2, u"", 0, 0, false},
        // Binary: outside the cascade; the count is kept when nothing was decoded.
        {"binary_groups_and_count", Command6, 3, u"B=01000001-01000010", u"T=AB", 3, u"", 0, 2},
        {"binary_one_group_counts_one", Command6, 0, u"B=01000001", u"T=A", 0, u"", 7, 1},
        {"binary_too_short_keeps_count", Command6, 0, u"B=0100|T=x", u"T=", 0, u"", 7, 7},
        // Clear All and single key.
        {"clear_all_keeps_settings_and_count", Command5, 0, u"D=1|H=2|B=3|L=4|T=5|S=6",
            u"D=|H=|B=|L=|T=|S=", 0, u"", 4, 4},
        {"single_key_press_clears_number_fields", SingleKey, 0, u"D=1|H=2|B=3|L=4|T=5|S=6",
            u"D=|H=|B=|L=|T=", 0},
        // The text line and the naming scheme, for each List1 choice.
        {"text_line_hex_value", TextLine, 0, u"T=AB",
            u"D=65 66|H=41-42|B=01000001-01000010|V=41-42|S=a41-42.gif", 0},
        {"text_line_ascii_value", TextLine, 0, u"T=d", u"D=100|H=64|B=01100100|V=100|S=a100.gif", 0,
            u"ASCII Value"},
        {"text_line_binary_value", TextLine, 0, u"T=\u20AC",
            u"D=128|H=80|B=10000000|V=10000000|S=a10000000.gif", 0, u"Binary Value"},
        {"text_line_no_choice_keeps_value", TextLine, 0, u"T=A", u"D=65|H=41|B=01000001|S=a.gif", 0,
            u""},
        {"text_line_choice_compared_exactly", TextLine, 0, u"T=A", u"D=65|H=41|B=01000001|S=a.gif",
            0, u"hex value"},
        {"text_line_at_bound_codes_only", TextLine, 5, u"T=AB", u"D=65  66|V=65  66|S=a65  66.gif",
            5, u"ASCII Value"},
        {"text_line_rewritten_without_end_blanks", TextLine, 0, u"T= A",
            u"D=32 65|H=20-41|B=00100000-01000001|T=A|V=20-41|S=a20-41.gif", 0},
    };

    class Cascade : public ::testing::TestWithParam<Row>
    {
    };

    TEST_P(Cascade, changes_only_the_listed_fields)
    {
        const Row &row = GetParam();
        FieldSet fields;
        Apply(fields, u"V=v");
        fields[Field::Prefix] = u"a";
        fields[Field::Suffix] = u".gif";
        fields.binaryByteCount = row.count;
        Apply(fields, row.start);
        FieldSet expected = fields;
        Apply(expected, row.changed);
        expected.binaryByteCount = row.endCount;

        const BitPatternTables tables = BuildBitPatternTables();
        std::int16_t depth = row.depth;
        const cascade::State state{tables.ByteBitTable, depth};
        const bool converted = kHandlers[row.handler](fields, state, row.choice);
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
