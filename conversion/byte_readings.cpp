#include "conversion/byte_readings.h"

#include "conversion/byte_formats.h"
#include "conversion/code_page.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <utility>

namespace numo {

namespace {

    using Bytes = std::span<const std::uint8_t>;

    template <typename Number> std::string Decimal(Number value)
    {
        char buffer[32]; // the longest shortest binary64, "-2.2250738585072014e-308", is 24
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, result.ptr);
    }

    std::string Needs(std::size_t count, bool exactly)
    {
        std::string text = exactly ? "needs exactly " : "needs ";
        text += Decimal(count);
        text += count == 1 ? " byte" : " bytes";
        return text;
    }

    // Hex digits of `value` without leading zeros ("0" for zero).
    void AppendHex(std::string &text, std::uint64_t value, const char *digits)
    {
        int shift = 60;
        while (shift > 0 && (value >> shift) == 0)
            shift -= 4;
        for (; shift >= 0; shift -= 4)
            text += digits[(value >> shift) & 0xF];
    }

    // The first `count` bytes as one unsigned number, the first byte most significant when
    // `bigEndian`, least significant otherwise.
    std::uint64_t Load(Bytes bytes, std::size_t count, bool bigEndian)
    {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count; ++i)
            value = (value << 8) | bytes[bigEndian ? i : count - 1 - i];
        return value;
    }

    std::string IntegerText(std::uint64_t value, std::size_t count, bool isSigned)
    {
        if (!isSigned)
            return Decimal(value);
        // Move the sign bit to bit 63 and shift back, which copies it into the upper bits.
        const auto shift = static_cast<int>(64 - 8 * count);
        return Decimal(static_cast<std::int64_t>(value << shift) >> shift);
    }

    // An IEEE 754 number from its bit pattern; the class comes from the exponent field, so a
    // NaN's payload and sign survive whatever the platform does with NaNs.
    template <typename Float, typename Bits, int kFractionBits> std::string FloatText(Bits bits)
    {
        constexpr int kWidth = static_cast<int>(sizeof(Bits) * 8);
        constexpr Bits kExponentMask = (Bits{1} << (kWidth - 1 - kFractionBits)) - 1;
        const Bits fraction = bits & ((Bits{1} << kFractionBits) - 1);
        const Bits exponent = (bits >> kFractionBits) & kExponentMask;
        const bool negative = (bits >> (kWidth - 1)) != 0;
        if (exponent == kExponentMask) {
            if (fraction == 0)
                return negative ? "-Infinity" : "Infinity";
            std::string text = negative ? "-NaN (payload 0x" : "NaN (payload 0x";
            AppendHex(text, fraction, "0123456789ABCDEF");
            return text += ')';
        }
        std::string text = Decimal(std::bit_cast<Float>(bits));
        if (exponent == 0 && fraction != 0)
            text += " (subnormal)";
        return text;
    }

    std::string FloatText(std::uint64_t bits, std::size_t count)
    {
        if (count == 4)
            return FloatText<float, std::uint32_t, 23>(static_cast<std::uint32_t>(bits));
        return FloatText<double, std::uint64_t, 52>(bits);
    }

    // RFC 5952: lower-case groups without leading zeros, the longest run of at least two zero
    // groups (the first of equal runs) as "::", and IPv4-mapped addresses with a dotted quad.
    std::string Ipv6Text(Bytes bytes)
    {
        std::array<std::uint16_t, 8> groups{};
        for (std::size_t i = 0; i < groups.size(); ++i)
            groups[i] = static_cast<std::uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
        if (groups[0] == 0 && groups[1] == 0 && groups[2] == 0 && groups[3] == 0 && groups[4] == 0
            && groups[5] == 0xFFFF)
            return "::ffff:" + FormatBytes(ByteFormat::DottedDecimal, bytes.subspan(12));
        std::size_t runStart = groups.size();
        std::size_t runLength = 1; // a run must beat this to be compressed
        for (std::size_t i = 0; i < groups.size();) {
            std::size_t end = i;
            while (end < groups.size() && groups[end] == 0)
                ++end;
            if (end - i > runLength) {
                runStart = i;
                runLength = end - i;
            }
            i = end == i ? i + 1 : end;
        }
        std::string text;
        for (std::size_t i = 0; i < groups.size();) {
            if (i == runStart) {
                text += "::";
                i += runLength;
                continue;
            }
            if (!text.empty() && text.back() != ':')
                text += ':';
            AppendHex(text, groups[i++], "0123456789abcdef");
        }
        return text;
    }

    // Well-formed UTF-8 as the Unicode standard's table of byte sequences defines it: the
    // second byte's narrower ranges after E0, ED, F0 and F4 exclude overlong forms, surrogates
    // and code points above U+10FFFF; C0, C1 and F5..FF never start a sequence.
    bool IsUtf8(Bytes bytes)
    {
        for (std::size_t i = 0; i < bytes.size();) {
            const std::uint8_t lead = bytes[i];
            if (lead < 0x80) {
                ++i;
                continue;
            }
            std::size_t length = 4;
            std::uint8_t low = 0x80;
            std::uint8_t high = 0xBF;
            if (lead >= 0xC2 && lead <= 0xDF)
                length = 2;
            else if (lead >= 0xE0 && lead <= 0xEF)
                length = 3;
            else if (lead < 0xF0 || lead > 0xF4)
                return false;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
            else if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
            if (bytes.size() - i < length || bytes[i + 1] < low || bytes[i + 1] > high)
                return false;
            for (std::size_t k = 2; k < length; ++k) {
                if ((bytes[i + k] & 0xC0) != 0x80)
                    return false;
            }
            i += length;
        }
        return true;
    }

    // A code page character is never a surrogate, so it takes one to three UTF-8 bytes.
    void AppendUtf8(std::string &text, char16_t ch)
    {
        if (ch < 0x80) {
            text += static_cast<char>(ch);
        } else if (ch < 0x800) {
            text += static_cast<char>(0xC0 | ch >> 6);
            text += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | ch >> 12);
            text += static_cast<char>(0x80 | (ch >> 6 & 0x3F));
            text += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }

    ByteReading TextReading(Bytes bytes)
    {
        if (bytes.empty())
            return {"Text (UTF-8)", Needs(1, false), std::nullopt};
        std::string text;
        if (IsUtf8(bytes)) {
            text.reserve(bytes.size());
            for (const std::uint8_t byte : bytes)
                text += static_cast<char>(byte);
            return {"Text (UTF-8)", std::move(text), std::nullopt};
        }
        text.reserve(3 * bytes.size());
        for (const std::uint8_t byte : bytes)
            AppendUtf8(text, CodeToChar(byte));
        return {"Text (code page)", std::move(text), std::nullopt};
    }

    struct NumberRow
    {
        const char *label;
        std::size_t count;
        bool isSigned;
        bool isFloat;
    };

    constexpr NumberRow kNumberRows[] = {
        {"Unsigned 8-bit", 1, false, false},
        {"Signed 8-bit", 1, true, false},
        {"Unsigned 16-bit", 2, false, false},
        {"Signed 16-bit", 2, true, false},
        {"Unsigned 32-bit", 4, false, false},
        {"Signed 32-bit", 4, true, false},
        {"Unsigned 64-bit", 8, false, false},
        {"Signed 64-bit", 8, true, false},
        {"Float 32-bit", 4, true, true},
        {"Float 64-bit", 8, true, true},
    };

    ByteReading NumberReading(const NumberRow &row, Bytes bytes)
    {
        if (bytes.size() < row.count)
            return {row.label, Needs(row.count, false), std::nullopt};
        auto text = [&](bool bigEndian) {
            const std::uint64_t value = Load(bytes, row.count, bigEndian);
            return row.isFloat ? FloatText(value, row.count)
                               : IntegerText(value, row.count, row.isSigned);
        };
        if (row.count == 1)
            return {row.label, text(true), std::nullopt};
        return {row.label, text(true), text(false)};
    }

    std::string Dotted(Bytes bytes)
    {
        return FormatBytes(ByteFormat::DottedDecimal, bytes);
    }

    std::string WithColons(Bytes bytes)
    {
        return FormatBytes(ByteFormat::HexColons, bytes);
    }

    ByteReading AddressReading(
        const char *label, std::size_t count, Bytes bytes, std::string (*write)(Bytes))
    {
        if (bytes.size() != count)
            return {label, Needs(count, true), std::nullopt};
        return {label, write(bytes), std::nullopt};
    }

} // namespace

std::vector<ByteReading> ReadingsOf(std::span<const std::uint8_t> bytes)
{
    bytes = bytes.first(std::min(bytes.size(), kMaxInspectedBytes));
    std::vector<ByteReading> readings;
    readings.reserve(kByteReadingCount);
    for (const NumberRow &row : kNumberRows)
        readings.push_back(NumberReading(row, bytes));
    readings.push_back(AddressReading("IPv4 address", 4, bytes, Dotted));
    readings.push_back(AddressReading("MAC address", 6, bytes, WithColons));
    readings.push_back(AddressReading("IPv6 address", 16, bytes, Ipv6Text));
    readings.push_back(TextReading(bytes));
    return readings;
}

} // namespace numo
