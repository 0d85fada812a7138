#include "conversion/byte_formats.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace numo {
namespace {

    using namespace std::string_view_literals;
    using Bytes = std::vector<std::uint8_t>;

    // Each format of no byte, of one and of four.
    struct FormatCase
    {
        ByteFormat format;
        const char *none;
        const char *one;  // 0x0A
        const char *four; // 140 0 255 255
    };

    void PrintTo(const FormatCase &row, std::ostream *out)
    {
        *out << ByteFormatName(row.format);
    }

    class Format : public testing::TestWithParam<FormatCase>
    {
    };

    TEST_P(Format, WritesTheBytes)
    {
        EXPECT_EQ(FormatBytes(GetParam().format, {}), GetParam().none);
        EXPECT_EQ(FormatBytes(GetParam().format, Bytes{0x0A}), GetParam().one);
        EXPECT_EQ(FormatBytes(GetParam().format, Bytes{140, 0, 255, 255}), GetParam().four);
    }

    // clang-format off
    INSTANTIATE_TEST_SUITE_P(Rows, Format, testing::Values(
        FormatCase{ByteFormat::Hex, "", "0A", "8C00FFFF"},
        FormatCase{ByteFormat::HexSpaces, "", "0A", "8C 00 FF FF"},
        FormatCase{ByteFormat::HexColons, "", "0A", "8C:00:FF:FF"},
        FormatCase{ByteFormat::ZeroXList, "", "0x0A", "0x8C, 0x00, 0xFF, 0xFF"},
        FormatCase{ByteFormat::CArray, "{ }", "{ 0x0A }", "{ 0x8C, 0x00, 0xFF, 0xFF }"},
        FormatCase{ByteFormat::EscapedString, "", "\\x0A", "\\x8C\\x00\\xFF\\xFF"},
        FormatCase{ByteFormat::DottedDecimal, "", "10", "140.0.255.255"},
        FormatCase{ByteFormat::Base64, "", "Cg==", "jAD//w=="}));
    // clang-format on

    // RFC 4648's vectors for each length of the last group, and every character of the alphabet.
    TEST(Base64, EncodesEachLastGroupAndTheWholeAlphabet)
    {
        const auto encode = [](std::string_view raw) {
            return FormatBytes(ByteFormat::Base64, Bytes(raw.begin(), raw.end()));
        };
        EXPECT_EQ(encode("fo"), "Zm8=");
        EXPECT_EQ(encode("foo"), "Zm9v");
        EXPECT_EQ(encode("fooba"), "Zm9vYmE=");
        EXPECT_EQ(encode("\x00\x10\x83\x10\x51\x87\x20\x92\x8B\x30\xD3\x8F\x41\x14\x93\x51\x55\x97"
                         "\x61\x96\x9B\x71\xD7\x9F\x82\x18\xA3\x92\x59\xA7\xA2\x9A\xAB\xB2\xDB\xAF"
                         "\xC3\x1C\xB3\xD3\x5D\xB7\xE3\x9E\xBB\xF3\xDF\xBF"sv),
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    }

    // "8C-00-FF-FF" as the hexadecimal reading gives it, and "1..3" as the dotted one does:
    // an empty span stands for the value between the two dots.
    struct SelectionCase
    {
        const char *name;
        std::vector<TextSpan> spans;
        TextSpan selection;
        Bytes expected;
    };

    void PrintTo(const SelectionCase &row, std::ostream *out)
    {
        *out << row.name;
    }

    class Selection : public testing::TestWithParam<SelectionCase>
    {
    };

    TEST_P(Selection, TakesTheBytesItTouches)
    {
        const Bytes bytes{1, 2, 3, 4};
        const auto &row = GetParam();
        EXPECT_EQ(BytesTouched(row.spans,
                      Bytes(bytes.begin(), bytes.begin() + static_cast<long>(row.spans.size())),
                      row.selection),
            row.expected);
    }

    const std::vector<TextSpan> kHexSpans{{0, 2}, {3, 5}, {6, 8}, {9, 11}};
    const std::vector<TextSpan> kDottedSpans{{0, 1}, {2, 2}, {3, 4}};

    // clang-format off
    INSTANTIATE_TEST_SUITE_P(Rows, Selection, testing::Values(
        SelectionCase{"no selection takes all", kHexSpans, {5, 5}, {1, 2, 3, 4}},
        SelectionCase{"inside one byte", kHexSpans, {3, 4}, {2}},
        SelectionCase{"a separator only", kHexSpans, {2, 3}, {}},
        SelectionCase{"last character of one to first of the next", kHexSpans, {4, 7}, {2, 3}},
        SelectionCase{"to the end", kHexSpans, {10, 11}, {4}},
        SelectionCase{"everything", kHexSpans, {0, 11}, {1, 2, 3, 4}},
        SelectionCase{"across an empty value", kDottedSpans, {1, 3}, {2}},
        SelectionCase{"from an empty value", kDottedSpans, {2, 4}, {2, 3}},
        SelectionCase{"up to an empty value", kDottedSpans, {0, 2}, {1}}));
    // clang-format on

} // namespace
} // namespace numo
