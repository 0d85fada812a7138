#include "conversion/large_decimal.h"
#include "u16.h"

#include <gtest/gtest.h>
#include <limits>

namespace numo {
namespace {

    using test::Show;

    struct LargeCase
    {
        const char *name;
        double number;
        const char *text;
    };

    class LargeDecimal : public testing::TestWithParam<LargeCase>
    {
    };

    TEST_P(LargeDecimal, SplitsIntoSixGroups)
    {
        EXPECT_EQ(Show(LargeDecimalToBytes(GetParam().number)), GetParam().text);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, LargeDecimal,
        testing::Values(LargeCase{"HelpExample", 999999999, " 0 0 59 154 201 255"},
            LargeCase{"Default", 65535, " 0 0 0 0 255 255"},
            LargeCase{"Byte", 255, " 0 0 0 0 0 255"}, LargeCase{"TwoBytes", 256, " 0 0 0 0 1 0"},
            LargeCase{"FourBytes", 4294967295.0, " 0 0 255 255 255 255"},
            LargeCase{"TopPlace", 1099511627776.0, " 1 0 0 0 0 0"},
            LargeCase{"TopGroupAboveByte", 281474976710656.0, " 256 0 0 0 0 0"},
            LargeCase{"ReadAsNearestDouble", 9007199254740993.0, " 8192 0 0 0 0 0"},
            LargeCase{"Zero", 0, " 0 0 0 0 0 0"}, LargeCase{"NegativeZero", -0.0, " 0 0 0 0 0 0"},
            LargeCase{"Negative", -5, " 0 0 0 0 0 -5"},
            LargeCase{"NegativeFraction", -5.25, " 0 0 0 0 0 -5.25"},
            LargeCase{"Fraction", 300.5, " 0 0 0 0 1 44.5"},
            LargeCase{"ExactDigitsNoExponent", 1e30, " 909494701772928256 0 0 0 0 0"},
            LargeCase{"NotFinite", std::numeric_limits<double>::infinity(), ""},
            LargeCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), ""}),
        [](const auto &row) { return row.param.name; });

    TEST(LargeDecimal, LargestDoubleIsWrittenInFull)
    {
        const std::u16string text = LargeDecimalToBytes(std::numeric_limits<double>::max());
        EXPECT_EQ(text.find(u'e'), std::u16string::npos);
        EXPECT_GT(text.size(), 290u);
    }

} // namespace
} // namespace numo
