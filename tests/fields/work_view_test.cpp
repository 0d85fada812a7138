// What the work display decides, as two tables: one field's cues and tool tip at a position,
// and four fields' links and steps out of step. Expected values are worked by hand.
#include "fields/work_view.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace numo::work {
namespace {

    // Each character's cues: "-" for none, else a for alternate, l linked, w wave, s skipped,
    // i ignored; "|" between characters.
    std::string CuesText(const std::vector<std::uint8_t> &cues)
    {
        std::string out;
        for (const std::uint8_t cue : cues) {
            if (!out.empty())
                out += '|';
            const char *letters = "alwsi";
            for (int bit = 0; bit < 5; ++bit)
                if (cue & (1 << bit))
                    out += letters[bit];
            if (cue == 0)
                out += '-';
        }
        return out;
    }

    Reading ReadingOf(Notation notation, std::u16string_view text, std::uint64_t serial)
    {
        Reading reading;
        reading.notation = notation;
        Read(reading, std::u16string(text), serial);
        return reading;
    }

    struct FieldRow
    {
        const char *name;
        Notation notation;
        std::u16string_view text;
        std::optional<std::size_t> linked;
        const char *cues;
        std::size_t at; // where the tool tip is asked for
        std::u16string_view note;
    };

    void PrintTo(const FieldRow &row, std::ostream *out)
    {
        *out << row.name;
    }

    class OneField : public ::testing::TestWithParam<FieldRow>
    {
    };

    TEST_P(OneField, CuesAndToolTip)
    {
        const FieldRow &row = GetParam();
        const Reading reading = ReadingOf(row.notation, row.text, 1);
        EXPECT_EQ(CuesText(Cues(reading, row.linked, 0, row.text.size())), row.cues);
        EXPECT_EQ(ByteNote(reading, row.at), row.note);
    }

    constexpr auto H = Notation::Hexadecimal;
    INSTANTIATE_TEST_SUITE_P(Rows, OneField,
        ::testing::Values(FieldRow{"hex_skipped_x", H, u"8Cx00", {}, "-|-|s|a|a", 2,
                              u"Skipped: not a hexadecimal digit."},
            FieldRow{"hex_lone_digit", H, u"8C1", {}, "-|-|aw", 2,
                u"Byte 2 of 2: 1 = 01 = 00000001\nThe lone digit 1 is read as 01."},
            FieldRow{"hex_linked_third", H, u"8C-00-FF", 2, "-|-|-|a|a|-|l|l", 7,
                u"Byte 3 of 3: 255 = FF = 11111111"},
            FieldRow{"hex_past_the_end", H, u"8C", {}, "-|-", 2, u""},
            FieldRow{"binary_remainder", Notation::Binary, u"01000001011", 0,
                "l|l|l|l|l|l|l|l|i|i|i", 9, u"Ignored: fewer than eight characters remain."},
            FieldRow{"binary_not_a_bit", Notation::Binary, u"0100000x", {}, "-|-|-|-|-|-|-|w", 7,
                u"Byte 1 of 1: 64 = 40 = 01000000\nCharacters other than 0 and 1 count as 0."},
            FieldRow{"dotted_above_255", Notation::DottedDecimal, u"1 300", {}, "-|-|aw|aw|aw", 3,
                u"Byte 2 of 2: 44 = 2C = 00101100\n300 is above 255: it counts modulo 256 and has "
                u"no binary group."},
            FieldRow{"text_code_page", Notation::TextLine, u"A\u00E9", {}, "-|a", 1,
                u"windows-1252: \u00E9 = 233 = E9 = 11101001"},
            FieldRow{"text_control", Notation::TextLine, u"\u0001", {}, "-", 0,
                u"windows-1252: \u2401 = 1 = 01 = 00000001"},
            FieldRow{"text_outside_pair", Notation::TextLine, u"\U0001F600", {}, "w|aw", 1,
                u"windows-1252 has no code for \U0001F600: it converts to ? = 63 = 3F = "
                u"00111111"}));

    // Four fields, dotted decimal, hexadecimal, binary and text line, read in that order unless
    // `newest` says which was read last.
    struct FourRow
    {
        const char *name;
        std::u16string_view texts[4];
        std::size_t newest;
        const char *stale;                 // per field: "s" out of step, "-" not
        std::size_t from, byte, to;        // a link asked for ...
        std::optional<std::size_t> linked; // ... and its answer
        std::u16string_view note;          // why the first field out of step is
    };

    void PrintTo(const FourRow &row, std::ostream *out)
    {
        *out << row.name;
    }

    class FourFields : public ::testing::TestWithParam<FourRow>
    {
    };

    TEST_P(FourFields, LinksAndSteps)
    {
        const FourRow &row = GetParam();
        constexpr Notation kNotations[] = {
            Notation::DottedDecimal, Notation::Hexadecimal, Notation::Binary, Notation::TextLine};
        Readings readings;
        for (std::size_t i = 0; i < 4; ++i)
            readings[i] = ReadingOf(kNotations[i], row.texts[i], i == row.newest ? 9 : i + 1);
        const Offsets offsets = LinkOffsets(readings);
        const auto steps = OutOfStep(readings, offsets);
        std::string stale;
        std::u16string note;
        for (std::size_t i = 0; i < 4; ++i) {
            stale += steps[i].stale ? 's' : '-';
            if (steps[i].stale && note.empty())
                note = OutOfStepNote(readings[i], readings[steps[i].reference]);
        }
        EXPECT_EQ(stale, row.stale);
        EXPECT_EQ(note, row.note);
        EXPECT_EQ(LinkedByte(readings, offsets, row.from, row.byte, row.to), row.linked);
    }

    INSTANTIATE_TEST_SUITE_P(Rows, FourFields,
        ::testing::Values(FourRow{"all_agree",
                              {u"140 1 255 255", u"8C-01-FF-FF", u"", u"\u0152\u0001\u00FF\u00FF"},
                              1, "----", 0, 2, 1, 2, u""},
            FourRow{"dotted_out_of_step", {u"1 2", u"8C 00", u"", u""}, 1, "s---", 1, 1, 0, {},
                u"Not the same bytes as the Hexadecimal field: 2 bytes here, 2 bytes there."},
            FourRow{"one_byte_against_two", {u"", u"41 42", u"01000001", u""}, 1, "--s-", 1, 0, 2,
                {}, u"Not the same bytes as the Hexadecimal field: 1 byte here, 2 bytes there."},
            FourRow{"text_line_without_blanks", {u"", u"20 41 42", u"", u"AB"}, 3, "----", 1, 1, 3,
                0, u""},
            FourRow{"blank_byte_has_no_text", {u"", u"20 41 42", u"", u"AB"}, 3, "----", 1, 0, 3,
                {}, u""},
            FourRow{"three_against_two", {u"1 2 3", u"01 02", u"", u""}, 1, "s---", 0, 2, 1, {},
                u"Not the same bytes as the Hexadecimal field: 3 bytes here, 2 bytes there."},
            FourRow{
                "empty_fields_never_stale", {u"", u"", u"", u"x"}, 3, "----", 3, 0, 1, {}, u""}));

    TEST(ByteAt, CaretRightAfterAByteIsOnIt)
    {
        const Reading reading = ReadingOf(Notation::Hexadecimal, u"8C-00", 1);
        EXPECT_EQ(ByteAt(reading.structure, 2, true), 0U);
        EXPECT_EQ(ByteAt(reading.structure, 2, false), std::nullopt);
        EXPECT_EQ(ByteAt(reading.structure, 3, false), 1U);
        EXPECT_EQ(ByteAt(reading.structure, 0, true), 0U);
    }

} // namespace
} // namespace numo::work
