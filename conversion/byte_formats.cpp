#include "conversion/byte_formats.h"

#include <algorithm>
#include <iterator>

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

    using Formatter = std::string (*)(std::span<const std::uint8_t>);

    struct FormatEntry
    {
        ByteFormat format;
        const char *name; // in the menu
        Formatter write;
    };

    // Each format's name and writer, in menu order, with what it makes of 140 0 255 255.
    constexpr FormatEntry kFormatTable[] = {
        {ByteFormat::Hex, "Hex", // 8C00FFFF
            [](std::span<const std::uint8_t> bytes) { return JoinHex(bytes, "", ""); }},
        {ByteFormat::HexSpaces, "Hex with spaces", // 8C 00 FF FF
            [](std::span<const std::uint8_t> bytes) { return JoinHex(bytes, "", " "); }},
        {ByteFormat::HexColons, "Hex with colons", // 8C:00:FF:FF
            [](std::span<const std::uint8_t> bytes) { return JoinHex(bytes, "", ":"); }},
        {ByteFormat::ZeroXList, "0x list", // 0x8C, 0x00, 0xFF, 0xFF
            [](std::span<const std::uint8_t> bytes) { return JoinHex(bytes, "0x", ", "); }},
        {ByteFormat::CArray, "C array", // { 0x8C, 0x00, 0xFF, 0xFF }
            [](std::span<const std::uint8_t> bytes) {
                return bytes.empty() ? std::string("{ }")
                                     : "{ " + JoinHex(bytes, "0x", ", ") + " }";
            }},
        {ByteFormat::EscapedString, "Escaped string", // \x8C\x00\xFF\xFF
            [](std::span<const std::uint8_t> bytes) { return JoinHex(bytes, "\\x", ""); }},
        {ByteFormat::DottedDecimal, "Decimal, dotted", ToDottedDecimal}, // 140.0.255.255
        {ByteFormat::Base64, "Base64", ToBase64},                        // jAD//w==
    };

    constexpr bool InMenuOrder()
    {
        if (std::size(kFormatTable) != std::size(kByteFormats))
            return false;
        for (std::size_t i = 0; i < std::size(kFormatTable); ++i)
            if (kFormatTable[i].format != kByteFormats[i]
                || static_cast<std::size_t>(kFormatTable[i].format) != i)
                return false;
        return true;
    }
    static_assert(InMenuOrder(), "the table holds each format once, at its enum value");

    const FormatEntry *Entry(ByteFormat format)
    {
        const auto at = static_cast<std::size_t>(format);
        return at < std::size(kFormatTable) ? &kFormatTable[at] : nullptr;
    }

} // namespace

const char *ByteFormatName(ByteFormat format)
{
    const FormatEntry *entry = Entry(format);
    return entry ? entry->name : "";
}

ByteRange TouchedRange(std::span<const TextSpan> spans, std::size_t byteCount, TextSpan selection)
{
    if (selection.begin >= selection.end)
        return {0, byteCount};
    const auto read = spans.first(std::min(spans.size(), byteCount));
    // Spans are sorted, so the touched ones form one run: from the first that ends after the
    // selection begins (or, when empty, stands at or after it) to the last that begins before
    // the selection ends.
    const auto first = std::partition_point(read.begin(), read.end(), [&](const TextSpan &span) {
        return span.begin == span.end ? span.begin < selection.begin : span.end <= selection.begin;
    });
    const auto last = std::partition_point(
        first, read.end(), [&](const TextSpan &span) { return span.begin < selection.end; });
    return {static_cast<std::size_t>(first - read.begin()),
        static_cast<std::size_t>(last - read.begin())};
}

std::vector<std::uint8_t> BytesTouched(
    std::span<const TextSpan> spans, std::span<const std::uint8_t> bytes, TextSpan selection)
{
    const ByteRange range = TouchedRange(spans, bytes.size(), selection);
    return {bytes.begin() + static_cast<std::ptrdiff_t>(range.begin),
        bytes.begin() + static_cast<std::ptrdiff_t>(range.end)};
}

std::string FormatBytes(ByteFormat format, std::span<const std::uint8_t> bytes)
{
    const FormatEntry *entry = Entry(format);
    return entry ? entry->write(bytes) : std::string();
}

} // namespace numo
