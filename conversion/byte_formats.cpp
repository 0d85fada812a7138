#include "conversion/byte_formats.h"

#include <algorithm>

namespace numo {

namespace {

    constexpr char kHexDigits[] = "0123456789ABCDEF";

    // Each byte as two hex digits after `before`, with `between` between bytes.
    std::string JoinHex(
        std::span<const std::uint8_t> bytes, std::string_view before, std::string_view between)
    {
        std::string out;
        if (bytes.empty())
            return out;
        out.reserve(bytes.size() * (before.size() + 2 + between.size()));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (i > 0)
                out += between;
            out += before;
            out += kHexDigits[bytes[i] >> 4];
            out += kHexDigits[bytes[i] & 0x0F];
        }
        return out;
    }

} // namespace

const char *ByteFormatName(ByteFormat format)
{
    switch (format) {
    case ByteFormat::Hex:
        return "Hex";
    case ByteFormat::HexSpaces:
        return "Hex with spaces";
    case ByteFormat::HexColons:
        return "Hex with colons";
    case ByteFormat::ZeroXList:
        return "0x list";
    case ByteFormat::CArray:
        return "C array";
    case ByteFormat::EscapedString:
        return "Escaped string";
    case ByteFormat::DottedDecimal:
        return "Decimal, dotted";
    case ByteFormat::Base64:
        return "Base64";
    }
    return "";
}

std::string ToHex(std::span<const std::uint8_t> bytes)
{
    return JoinHex(bytes, "", "");
}

std::string ToHexWithSpaces(std::span<const std::uint8_t> bytes)
{
    return JoinHex(bytes, "", " ");
}

std::string ToHexWithColons(std::span<const std::uint8_t> bytes)
{
    return JoinHex(bytes, "", ":");
}

std::string ToZeroXList(std::span<const std::uint8_t> bytes)
{
    return JoinHex(bytes, "0x", ", ");
}

std::string ToCArray(std::span<const std::uint8_t> bytes)
{
    return bytes.empty() ? "{ }" : "{ " + ToZeroXList(bytes) + " }";
}

std::string ToEscapedString(std::span<const std::uint8_t> bytes)
{
    return JoinHex(bytes, "\\x", "");
}

std::string ToDottedDecimal(std::span<const std::uint8_t> bytes)
{
    std::string out;
    out.reserve(bytes.size() * 4);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += '.';
        out += std::to_string(bytes[i]);
    }
    return out;
}

std::string ToBase64(std::span<const std::uint8_t> bytes)
{
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned group =
            (unsigned{bytes[i]} << 16) | (unsigned{bytes[i + 1]} << 8) | unsigned{bytes[i + 2]};
        out += kAlphabet[(group >> 18) & 63];
        out += kAlphabet[(group >> 12) & 63];
        out += kAlphabet[(group >> 6) & 63];
        out += kAlphabet[group & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        const unsigned group =
            (unsigned{bytes[i]} << 16) | (rest == 2 ? unsigned{bytes[i + 1]} << 8 : 0U);
        out += kAlphabet[(group >> 18) & 63];
        out += kAlphabet[(group >> 12) & 63];
        out += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::vector<std::uint8_t> BytesTouched(
    std::span<const TextSpan> spans, std::span<const std::uint8_t> bytes, TextSpan selection)
{
    if (selection.begin >= selection.end)
        return {bytes.begin(), bytes.end()};
    const auto read = spans.first(std::min(spans.size(), bytes.size()));
    // Spans are sorted, so the touched ones form one run: from the first that ends after the
    // selection begins (or, when empty, stands at or after it) to the last that begins before
    // the selection ends.
    const auto first = std::partition_point(read.begin(), read.end(), [&](const TextSpan &span) {
        return span.begin == span.end ? span.begin < selection.begin : span.end <= selection.begin;
    });
    const auto last = std::partition_point(
        first, read.end(), [&](const TextSpan &span) { return span.begin < selection.end; });
    const auto from = static_cast<std::size_t>(first - read.begin());
    const auto to = static_cast<std::size_t>(last - read.begin());
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
        bytes.begin() + static_cast<std::ptrdiff_t>(to)};
}

std::string FormatBytes(ByteFormat format, std::span<const std::uint8_t> bytes)
{
    switch (format) {
    case ByteFormat::Hex:
        return ToHex(bytes);
    case ByteFormat::HexSpaces:
        return ToHexWithSpaces(bytes);
    case ByteFormat::HexColons:
        return ToHexWithColons(bytes);
    case ByteFormat::ZeroXList:
        return ToZeroXList(bytes);
    case ByteFormat::CArray:
        return ToCArray(bytes);
    case ByteFormat::EscapedString:
        return ToEscapedString(bytes);
    case ByteFormat::DottedDecimal:
        return ToDottedDecimal(bytes);
    case ByteFormat::Base64:
        return ToBase64(bytes);
    }
    return {};
}

} // namespace numo
