#include "help/mark_occurrences.h"
#include "u16.h"

#include <gtest/gtest.h>

namespace numo {
namespace {

    using test::Show;
    using test::U16;

    struct MarkCase
    {
        const char *name;
        const char *text;
        const char *search;
        const char *markedText;
        bool found;
        std::size_t caret;
    };

    class Marks : public testing::TestWithParam<MarkCase>
    {
    };

    TEST_P(Marks, MarksEveryOccurrence)
    {
        const SearchMarks marks = MarkOccurrences(U16(GetParam().text), U16(GetParam().search));
        EXPECT_EQ(Show(marks.markedText), Show(U16(GetParam().markedText)));
        EXPECT_EQ(marks.found, GetParam().found);
        if (GetParam().found) {
            EXPECT_EQ(marks.caret, GetParam().caret);
        }
    }

    INSTANTIATE_TEST_SUITE_P(Cases, Marks,
        testing::Values(
            MarkCase{"AnyCase", "Binary: 1 binary", "BINARY", "<<binary>>: 1 <<binary>>", true, 7},
            MarkCase{
                "HeadingShownLowerCase", "  Binary:\r\n", "binary", "  <<binary>>:\r\n", true, 9},
            MarkCase{"OverlapOdd", "aaa", "aa", "<<aa>>a", true, 3},
            MarkCase{"OverlapEven", "aaaa", "aa", "<<aa>><<aa>>", true, 3},
            // The skipped overlapping occurrence still lowers its characters.
            MarkCase{"OverlapLowersRest", "AAA", "aa", "<<aa>>a", true, 3},
            MarkCase{"NotFound", "Hexadecimal", "xyz", "Hexadecimal", false, 0},
            MarkCase{"OtherCharactersKeepTheirCase", "ABC abc", "b", "A<<b>>C a<<b>>c", true, 3},
            MarkCase{"EmptySearch", "Numo", "", "Numo", true, 1},
            MarkCase{"EmptyText", "", "a", "", false, 0},
            MarkCase{"BothEmpty", "", "", "", false, 0},
            MarkCase{"CodePageLetters", "\u00C9t\u00E9 \u0160", "\u00E9",
                "<<\u00E9>>t<<\u00E9>> \u0160", true, 2},
            MarkCase{"SearchLongerThanText", "ab", "abc", "ab", false, 0}),
        [](const auto &row) { return row.param.name; });

    TEST(Marks, CodePageLowerFollowsTheLetters)
    {
        EXPECT_EQ(CodePageLower(u'A'), u'a');
        EXPECT_EQ(CodePageLower(u'Z'), u'z');
        EXPECT_EQ(CodePageLower(u'['), u'[');
        EXPECT_EQ(CodePageLower(0x00C0), 0x00E0);
        EXPECT_EQ(CodePageLower(0x00D7), 0x00D7); // the multiplication sign has no lower case
        EXPECT_EQ(CodePageLower(0x00DE), 0x00FE);
        EXPECT_EQ(CodePageLower(0x00DF), 0x00DF);
        EXPECT_EQ(CodePageLower(0x0160), 0x0161);
        EXPECT_EQ(CodePageLower(0x0152), 0x0153);
        EXPECT_EQ(CodePageLower(0x017D), 0x017E);
        EXPECT_EQ(CodePageLower(0x0178), 0x00FF);
        EXPECT_EQ(CodePageLower(0x0100), 0x0100); // outside the code page
    }

} // namespace
} // namespace numo
