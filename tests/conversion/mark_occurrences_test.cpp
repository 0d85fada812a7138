#include "help/mark_occurrences.h"

#include <gtest/gtest.h>
#include <ostream>

namespace numo {
namespace {

    struct MarkCase
    {
        const char *name;
        std::u16string_view text;
        std::u16string_view search;
        std::u16string_view markedText;
        bool found;
        std::size_t caret;
    };

    void PrintTo(const MarkCase &row, std::ostream *out)
    {
        *out << row.name;
    }

    class Marks : public testing::TestWithParam<MarkCase>
    {
    };

    TEST_P(Marks, MarksEveryOccurrence)
    {
        const SearchMarks marks = MarkOccurrences(GetParam().text, GetParam().search);
        EXPECT_EQ(marks.markedText, GetParam().markedText);
        EXPECT_EQ(marks.found, GetParam().found);
        if (GetParam().found) {
            EXPECT_EQ(marks.caret, GetParam().caret);
        }
    }

    INSTANTIATE_TEST_SUITE_P(Cases, Marks,
        testing::Values(MarkCase{"AnyCase", u"Binary: 1 binary", u"BINARY",
                            u"<<binary>>: 1 <<binary>>", true, 7},
            MarkCase{"HeadingShownLowerCase", u"  Binary:\r\n", u"binary", u"  <<binary>>:\r\n",
                true, 9},
            MarkCase{"OverlapOdd", u"aaa", u"aa", u"<<aa>>a", true, 3},
            MarkCase{"OverlapEven", u"aaaa", u"aa", u"<<aa>><<aa>>", true, 3},
            // The skipped overlapping occurrence still lowers its characters.
            MarkCase{"OverlapLowersRest", u"AAA", u"aa", u"<<aa>>a", true, 3},
            MarkCase{"NotFound", u"Hexadecimal", u"xyz", u"Hexadecimal", false, 0},
            MarkCase{"OtherCharactersKeepTheirCase", u"ABC abc", u"b", u"A<<b>>C a<<b>>c", true, 3},
            MarkCase{"EmptySearch", u"Numo", u"", u"Numo", true, 1},
            MarkCase{"EmptyText", u"", u"a", u"", false, 0},
            MarkCase{"BothEmpty", u"", u"", u"", false, 0},
            MarkCase{"CodePageLetters", u"\u00C9t\u00E9 \u0160", u"\u00E9",
                u"<<\u00E9>>t<<\u00E9>> \u0160", true, 2},
            MarkCase{"SearchLongerThanText", u"ab", u"abc", u"ab", false, 0}),
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
