#include "conversion/byte_readings.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace numo {
namespace {

    using Bytes = std::vector<std::uint8_t>;

    // "8C00FFFF" as its bytes.
    Bytes FromHex(std::string_view hex)
    {
        Bytes bytes;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            bytes.push_back(
                static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        return bytes;
    }

    // The reading labelled `label`, or a "no such row" reading.
    ByteReading Read(const Bytes &bytes, std::string_view label)
    {
        for (ByteReading &reading : ReadingsOf(bytes)) {
            if (reading.label == label)
                return std::move(reading);
        }
        return {"", "no such row", std::nullopt};
    }

    // One reading of some bytes; without `little` the row must have one text only.
    struct Row
    {
        const char *name;
        const char *hex;
        const char *label;
        const char *big;
        const char *little = nullptr;
    };

    void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.name;
    }

    using ByteReadings = testing::TestWithParam<Row>;

    TEST_P(ByteReadings, GivesTheRowsTexts)
    {
        const Row &row = GetParam();
        const ByteReading reading = Read(FromHex(row.hex), row.label);
        EXPECT_EQ(reading.bigEndian, row.big);
        EXPECT_EQ(reading.littleEndian,
            row.little ? std::optional<std::string>(row.little) : std::nullopt);
    }

    // clang-format off
    INSTANTIATE_TEST_SUITE_P(Rows, ByteReadings, testing::Values(
        Row{"U8", "FF", "Unsigned 8-bit", "255"},
        Row{"S8", "FF", "Signed 8-bit", "-1"},
        Row{"S16", "FFFF", "Signed 16-bit", "-1", "-1"},
        Row{"U16FromFirstTwo", "010203", "Unsigned 16-bit", "258", "513"},
        Row{"U32", "8C00FFFF", "Unsigned 32-bit", "2348875775", "4294901900"},
        Row{"S32", "8C00FFFF", "Signed 32-bit", "-1946091521", "-65396"},
        Row{"U64", "0102030405060708", "Unsigned 64-bit", "72623859790382856",
            "578437695752307201"},
        Row{"S64Min", "8000000000000000", "Signed 64-bit", "-9223372036854775808", "128"},
        Row{"U8NeedsOne", "", "Unsigned 8-bit", "needs 1 byte"},
        Row{"U32NeedsFour", "010203", "Unsigned 32-bit", "needs 4 bytes"},
        Row{"F64NeedsEight", "01020304", "Float 64-bit", "needs 8 bytes"},
        Row{"Ipv4", "8C00FFFF", "IPv4 address", "140.0.255.255"},
        Row{"V4Needs4", "0102030405", "IPv4 address", "needs exactly 4 bytes"},
        Row{"Mac", "001A2B3C4D5E", "MAC address", "00:1A:2B:3C:4D:5E"},
        Row{"V6OneRun", "20010DB8000000000000000000000001", "IPv6 address", "2001:db8::1"},
        Row{"V6TieFirst", "20010DB8000000000001000000000001", "IPv6 address", "2001:db8::1:0:0:1"},
        Row{"V6LongerLater", "20010000000000010000000000000001", "IPv6 address", "2001:0:0:1::1"},
        Row{"V6Single0", "20010DB8000000010001000100010001", "IPv6 address",
            "2001:db8:0:1:1:1:1:1"},
        Row{"V6Zero", "00000000000000000000000000000000", "IPv6 address", "::"},
        Row{"V6NotMapped", "00000000000000000000FFFEC0000201", "IPv6 address", "::fffe:c000:201"},
        Row{"V6Mapped", "00000000000000000000FFFFC0000201", "IPv6 address", "::ffff:192.0.2.1"},
        Row{"V6First16", "20010DB8000000000000000000000001AB", "IPv6 address", "2001:db8::1"},
        Row{"V6Short", "000000000000000000000000000000", "IPv6 address", "needs exactly 16 bytes"},
        Row{"Utf8TwoBytes", "C3A9", "Text (UTF-8)", "\xC3\xA9"},
        Row{"Utf8FourBytes", "F09F9880", "Text (UTF-8)", "\xF0\x9F\x98\x80"},
        // Not UTF-8, so one Windows-1252 character per byte, written here in UTF-8.
        Row{"BadContinuation", "C328", "Text (code page)", "\xC3\x83("},
        Row{"LoneContinuation", "80", "Text (code page)", "\xE2\x82\xAC"},
        Row{"Overlong", "C0AF", "Text (code page)", "\xC3\x80\xC2\xAF"},
        Row{"Overlong3", "E080AF", "Text (code page)", "\xC3\xA0\xE2\x82\xAC\xC2\xAF"},
        Row{"Overlong4", "F08FBFBF", "Text (code page)", "\xC3\xB0\xC2\x8F\xC2\xBF\xC2\xBF"},
        Row{"Surrogate", "EDA080", "Text (code page)", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        Row{"Above10FFFF", "F4908080", "Text (code page)",
            "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        Row{"CutShort", "E282", "Text (code page)", "\xC3\xA2\xE2\x80\x9A"},
        Row{"TextNeedsOne", "", "Text (UTF-8)", "needs 1 byte"}),
        [](const auto &row) { return std::string(row.param.name); });
    // clang-format on

    // IEEE 754 bit patterns, most significant byte first, and their text; the same text must come
    // from the reversed bytes read little-endian.
    TEST(FloatReadings, GivesTheShortestTextInBothOrders)
    {
        const std::pair<const char *, const char *> rows[] = {{"3F800000", "1"},
            {"C0490FDB", "-3.1415927"}, {"7F800000", "Infinity"}, {"FF800000", "-Infinity"},
            {"00000001", "1e-45 (subnormal)"}, {"00800000", "1.1754944e-38"}, {"80000000", "-0"},
            {"7FC00000", "NaN (payload 0x400000)"}, {"7F800001", "NaN (payload 0x1)"},
            {"FFC00001", "-NaN (payload 0x400001)"}, {"3FF0000000000000", "1"},
            {"FFF0000000000000", "-Infinity"}, {"0000000000000001", "5e-324 (subnormal)"},
            {"7FF8000000000000", "NaN (payload 0x8000000000000)"}};
        for (const auto &[hex, text] : rows) {
            SCOPED_TRACE(hex);
            const Bytes bytes = FromHex(hex);
            const char *label = bytes.size() == 4 ? "Float 32-bit" : "Float 64-bit";
            EXPECT_EQ(Read(bytes, label).bigEndian, text);
            EXPECT_EQ(Read(Bytes(bytes.rbegin(), bytes.rend()), label).littleEndian,
                std::optional<std::string>(text));
        }
    }

} // namespace
} // namespace numo
