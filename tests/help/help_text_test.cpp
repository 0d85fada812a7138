// The help text byte for byte where it is fixed, and the shape of the lines whose words are free.

#include "help/help_text.h"
#include "help/maker.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace numo {
namespace {

    // The file split at CR LF; a CR or LF on its own stays inside its line, where the tests see it.
    std::vector<std::string> SplitLines(const std::string &text)
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end = text.find("\r\n"); end != std::string::npos;
             end = text.find("\r\n", start)) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        if (start < text.size())
            lines.push_back(text.substr(start)); // an unterminated tail counts as a line
        return lines;
    }

    std::size_t LeadingSpaces(std::string_view line)
    {
        const std::size_t first = line.find_first_not_of(' ');
        return first == std::string_view::npos ? line.size() : first;
    }

    std::size_t TrailingSpaces(std::string_view line)
    {
        const std::size_t last = line.find_last_not_of(' ');
        return last == std::string_view::npos ? line.size() : line.size() - 1 - last;
    }

    const std::vector<std::string> &FileLines()
    {
        static const std::vector<std::string> lines = SplitLines(HelpText());
        return lines;
    }

    // --- The file as a whole ---

    TEST(HelpFile, HasExactly122LinesEachEndedByCrLf)
    {
        const std::string text = HelpText();
        EXPECT_EQ(FileLines().size(), 122u);
        std::size_t crlf = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') {
                ASSERT_LT(i + 1, text.size()) << "CR at the very end";
                ASSERT_EQ(text[i + 1], '\n') << "lone CR at byte " << i;
                ++crlf;
            } else if (text[i] == '\n') {
                ASSERT_GT(i, 0u);
                ASSERT_EQ(text[i - 1], '\r') << "lone LF at byte " << i;
            }
        }
        EXPECT_EQ(crlf, 122u);
    }

    TEST(HelpFile, IsPrintableAsciiWithoutTabs)
    {
        for (const std::string &line : FileLines()) {
            for (const char ch : line) {
                ASSERT_GE(ch, ' ') << "in: " << line;
                ASSERT_LE(ch, '~') << "in: " << line;
            }
        }
    }

    TEST(HelpFile, HelpLineGivesEachLineAndNothingOutsideOneTo122)
    {
        for (std::size_t number = 1; number <= 122; ++number)
            EXPECT_EQ(HelpLine(number), FileLines()[number - 1]) << "line " << number;
        EXPECT_EQ(HelpLine(0), "");
        EXPECT_EQ(HelpLine(123), "");
        EXPECT_EQ(HelpLine(static_cast<std::size_t>(-1)), "");
    }

    // --- Lines fixed word for word ---

    struct QuotedLine
    {
        std::size_t number;
        std::string_view text; // indent and trailing spaces included
    };

    void PrintTo(const QuotedLine &row, std::ostream *out)
    {
        *out << "line " << row.number;
    }

    constexpr QuotedLine kQuotedLines[] = {
        {5, "        Features"},
        {7, "            Single key entry to produce an entire line of text based on your setup."},
        {8,
            "            Convert any text (such as abc) into decimal, hexadecimal, and binary in a "
            "single click."},
        {9,
            "            Convert any decimal into text, hexadecimal, and binary in a single "
            "click."},
        {10,
            "            Convert any hexadecimal into text, decimal, and binary in a single "
            "click."},
        {11,
            "            Convert any binary into text, decimal, and hexadecimal in a single "
            "click."},
        {12,
            "            Convert extremely large numbers into octets, decimal, hexadecimal, or "
            "binary."},
        {13,
            "            Create text that assembled based on ASCII Value, Hex Value, or Binary "
            "Value and any "
            "prefix and suffix that you configured."},
        {14, "            Automatically copy results into clipboard."},
        {21,
            "    The first time you run Numo, it will create a c:\\plim folder if it does not "
            "already exists."},
        {25, "    Value to Use in Naming Scheme list"},
        {29, "        You must double click to select a new value."},
        {31, "    Single Key or String."},
        {35,
            "        Setting this to String will allow you to type a complete line of text before "
            "converting it."},
        {37, "        You must double click to select a new value."},
        {45, "    Results Copied to Clipboard text box."},
        {47, "        You do not type anything here. This is where Numo puts the result."},
        {51, "    Text Line to Convert to ASCII text box."},
        {55, "    Large Decimal (over 255) text box."},
        {57, "        Type in your number then hit the Convert to Bytes button."},
        {61, "            Decimal in Bytes:"},
        {62, "                0 0 0 59 154 201 255"},
        {64, "            Hexadecimal:"},
        {65, "                00-00-00-3B-9A-C9-FF"},
        {67, "            Binary:"},
        {68, "                00000000-00000000-00000000-00111011-10011010-11001001-11111111"},
        {70, "    Decimal in Bytes (such as IP addresses) text box."},
        {72, "        Type in your data and then hit Convert to Hex and Bin button."},
        {76, "            If we type in 140.0.255.255 you will see the following results:"},
        {78, "                Hexadecimal:"},
        {79, "                    8C-00-FF-FF"},
        {81, "                Binary:"},
        {82, "                    10001100-00000000-11111111-11111111"},
        {84, "    Hexadecimal (such as a MAC address) text box."},
        {86, "        Type in your data, then hit the Convert Hex to Dec and Bin button."},
        {90, "    Binary (such as sniffer captures)    "},
        {92,
            "        Type in your data and then hit Convert Binary to ASCII, Hex, and Dec button."},
        {101, "        Click here to download Numo"},
        {103, "    Requirements:"},
        {104, "    Windows 95, Windows 98, Windows ME, Windows NT, Windows 2000."},
        {105, "    32 Megs of RAM"},
        {109, "  "},
        {111, "  "},
        {122, ""},
    };

    class QuotedLines : public testing::TestWithParam<QuotedLine>
    {
    };

    TEST_P(QuotedLines, AreWrittenExactly)
    {
        const QuotedLine &row = GetParam();
        ASSERT_LE(row.number, FileLines().size());
        EXPECT_EQ(FileLines()[row.number - 1], row.text);
    }

    INSTANTIATE_TEST_SUITE_P(HelpFile, QuotedLines, testing::ValuesIn(kQuotedLines),
        [](const testing::TestParamInfo<QuotedLine> &row) {
            return "line" + std::to_string(row.param.number);
        });

    // --- Separator lines ---

    TEST(HelpFile, SeparatorsAreSingleSpacesAtTheirPositions)
    {
        const std::vector<std::size_t> spaceLines = {4, 15, 16, 17, 18, 20, 22, 24, 26, 28, 30, 32,
            34, 36, 38, 40, 42, 44, 46, 48, 50, 52, 54, 56, 58, 60, 63, 66, 69, 71, 73, 75, 77, 80,
            83, 85, 87, 89, 91, 93, 96, 98, 99, 102, 106, 119, 120};
        std::vector<std::size_t> found;
        for (std::size_t number = 1; number <= FileLines().size(); ++number) {
            if (FileLines()[number - 1] == " ")
                found.push_back(number);
        }
        EXPECT_EQ(found, spaceLines);
    }

    // --- Lines whose words are free: indent, trailing spaces and some words are fixed ---

    struct FreeLine
    {
        std::size_t number;
        std::size_t indent;
        std::size_t trailingSpaces;
    };

    void PrintTo(const FreeLine &row, std::ostream *out)
    {
        *out << "line " << row.number;
    }

    constexpr FreeLine kFreeLines[] = {
        {3, 4, 0},
        {6, 12, 0},
        {19, 4, 0},
        {23, 8, 0},
        {27, 8, 0},
        {33, 8, 0},
        {39, 4, 0},
        {41, 4, 0},
        {43, 4, 0},
        {49, 8, 0},
        {53, 8, 0},
        {59, 8, 0},
        {74, 8, 0},
        {88, 8, 0},
        {94, 8, 0},
        {95, 8, 0},
        {97, 4, 0},
        {100, 4, 1},
        // Ordering: one trailing space each, two on the mailing line
        {107, 0, 1},
        {108, 4, 1},
        {110, 8, 1},
        {112, 4, 1},
        {113, 4, 1},
        {114, 8, 1},
        {115, 4, 2},
        {116, 7, 1},
        {117, 8, 1},
        {118, 9, 1},
        {121, 0, 0},
    };

    class FreeLines : public testing::TestWithParam<FreeLine>
    {
    };

    TEST_P(FreeLines, KeepTheirIndentAndTrailingSpaces)
    {
        const FreeLine &row = GetParam();
        ASSERT_LE(row.number, FileLines().size());
        const std::string &line = FileLines()[row.number - 1];
        EXPECT_EQ(LeadingSpaces(line), row.indent) << line;
        EXPECT_EQ(TrailingSpaces(line), row.trailingSpaces) << line;
        EXPECT_GT(line.size(), row.indent + row.trailingSpaces + 3)
            << "a line with words: " << line;
    }

    INSTANTIATE_TEST_SUITE_P(HelpFile, FreeLines, testing::ValuesIn(kFreeLines),
        [](const testing::TestParamInfo<FreeLine> &row) {
            return "line" + std::to_string(row.param.number);
        });

    // --- Lines put together from pieces ---

    TEST(HelpFile, TitleLineIsMakerThen80SpacesThenDate)
    {
        EXPECT_EQ(FileLines()[0], std::string(maker::kName) + std::string(80, ' ') + "21 Sep 01");
    }

    TEST(HelpFile, SecondLineNamesNumoAndItsMaker)
    {
        EXPECT_EQ(FileLines()[1], std::string("  Numo  (by ") + maker::kName + ") ");
    }

    TEST(HelpFile, PrefixLineUsesTheExampleA)
    {
        const std::string_view tail =
            "In our example we used the letter a. This means that any text derived "
            "from the main naming scheme will start with an a or anything else you "
            "put in this field.";
        const std::string &line = FileLines()[38];
        ASSERT_GT(line.size(), tail.size());
        EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
    }

    TEST(HelpFile, SuffixLineUsesTheExampleGif)
    {
        const std::string_view tail =
            "In our example we used .gif. This means that all other text will have "
            ".gif or anything else that you want at the end of all derived text.";
        const std::string &line = FileLines()[40];
        ASSERT_GT(line.size(), tail.size());
        EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
    }

    TEST(HelpFile, MakerLinesCarryTheMakersData)
    {
        EXPECT_NE(FileLines()[96].find(maker::kEmail), std::string::npos) << "contact line 97";
        EXPECT_EQ(FileLines()[113], std::string(8, ' ') + maker::kName + " ");
        EXPECT_EQ(FileLines()[115], std::string(7, ' ') + maker::kName + " ");
        EXPECT_EQ(FileLines()[116], std::string(8, ' ') + maker::kPostBox + " ");
        EXPECT_EQ(FileLines()[117], std::string(9, ' ') + maker::kPostBoxCity + " ");
        const std::string &closing = FileLines()[120];
        for (const std::string_view part :
            {maker::kEmail, maker::kPhone, maker::kFax, maker::kStreet, maker::kCity})
            EXPECT_NE(closing.find(part), std::string::npos) << part;
    }

    TEST(HelpFile, MakerAddressesAreFictional)
    {
        for (const std::string &line : FileLines()) {
            for (std::size_t at = line.find('@'); at != std::string::npos;
                 at = line.find('@', at + 1)) {
                const std::size_t end = line.find_first_of(" ,;", at);
                const std::string address =
                    line.substr(at, end == std::string::npos ? std::string::npos : end - at);
                EXPECT_TRUE(address.ends_with(".example") || address.ends_with(".example."))
                    << address;
            }
        }
    }

} // namespace
} // namespace numo
