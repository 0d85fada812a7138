#include "conversion/byte_formats.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace numo {
namespace {

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

    // Runs a shell command with `input` on its standard input and returns what it printed.
    std::string Pipe(const std::string &command, const std::string &input)
    {
        std::string name = (std::filesystem::temp_directory_path() / "numo-base64-XXXXXX").string();
        char *path = name.data();
        const int fd = mkstemp(path);
        if (fd < 0)
            return "mkstemp failed";
        FILE *file = fdopen(fd, "wb");
        fwrite(input.data(), 1, input.size(), file);
        fclose(file);
        std::string out;
        if (FILE *pipe = popen((command + " < " + path).c_str(), "r")) {
            char buffer[4096];
            for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                out.append(buffer, n);
            pclose(pipe);
        }
        std::remove(path);
        return out;
    }

    // Every byte value, at every position of a three-byte group, and every length of the last
    // group, against coreutils' encoder and decoder.
    TEST(Base64, AgreesWithCoreutilsOnEveryByteValue)
    {
        for (std::size_t length : {256u, 257u, 258u}) {
            Bytes bytes(length);
            std::iota(bytes.begin(), bytes.end(), std::uint8_t{1}); // no zero byte last
            const std::string raw(bytes.begin(), bytes.end());
            const std::string ours = FormatBytes(ByteFormat::Base64, bytes);
            EXPECT_EQ(ours, Pipe("base64 -w 0", raw)) << length << " bytes";
            EXPECT_EQ(Pipe("base64 -d", ours), raw) << length << " bytes";
        }
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
