#include "conversion/large_decimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace numo {

namespace {

    void AppendNumber(std::u16string &text, double group, bool fixedDigits)
    {
        if (group == 0) { // also negative zero
            text += u'0';
            return;
        }
        // Enough for every finite double in fixed notation (about 310 digits before the point).
        std::array<char, 400> buffer{};
        const auto [end, error] = fixedDigits
            ? std::to_chars(
                buffer.data(), buffer.data() + buffer.size(), group, std::chars_format::fixed, 0)
            : std::to_chars(
                buffer.data(), buffer.data() + buffer.size(), group, std::chars_format::fixed);
        if (error != std::errc())
            return;
        for (const char *c = buffer.data(); c != end; ++c)
            text += static_cast<char16_t>(*c);
    }

} // namespace

std::u16string LargeDecimalToBytes(double number)
{
    if (!std::isfinite(number))
        return {};
    // Place values are powers of two, so the divisions and subtractions below are exact.
    constexpr std::array<double, 6> kPlace = {
        1.0, 256.0, 65536.0, 16777216.0, 4294967296.0, 1099511627776.0};
    std::array<double, 6> groups{};
    double rest = number;
    for (std::size_t k = 5; k >= 1; --k) {
        if (rest >= kPlace[k]) {
            groups[k] = std::floor(rest / kPlace[k]);
            rest -= groups[k] * kPlace[k];
        }
    }
    groups[0] = rest;

    std::u16string text;
    for (std::size_t k = 6; k-- > 0;) {
        text += u' ';
        AppendNumber(text, groups[k], k > 0 || std::floor(groups[0]) == groups[0]);
    }
    return text;
}

} // namespace numo
