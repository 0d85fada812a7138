#include "fields/work_view.h"

#include "conversion/code_page.h"

#include <algorithm>
#include <string_view>

namespace numo::work {

namespace {

    std::u16string Ascii(std::string_view text)
    {
        return {text.begin(), text.end()};
    }

    std::u16string Number(std::size_t value)
    {
        return Ascii(std::to_string(value));
    }

    std::u16string Digits(unsigned value, unsigned base, std::size_t width)
    {
        std::u16string out(width, u'0');
        for (std::size_t i = width; i-- > 0; value /= base)
            out[i] = u"0123456789ABCDEF"[value % base];
        return out;
    }

    // "140 = 8C = 10001100"
    std::u16string ByteFigures(std::uint8_t code)
    {
        return Number(code) + u" = " + Digits(code, 16, 2) + u" = " + Digits(code, 2, 8);
    }

    std::u16string CountOf(std::size_t count, std::u16string_view what)
    {
        return Number(count) + u' ' + std::u16string(what) + (count == 1 ? u"" : u"s");
    }

    std::uint8_t CueOf(MarkKind kind)
    {
        switch (kind) {
        case MarkKind::SkippedSeparator:
            return kSkipped;
        case MarkKind::IgnoredRemainder:
            return kIgnored;
        case MarkKind::LoneDigit:
        case MarkKind::NotABit:
        case MarkKind::AboveByte:
        case MarkKind::NotInCodePage:
            break;
        }
        return kWave; // a mark never relies on colour alone
    }

    // The character at `at` of a text line, a surrogate pair whole.
    std::u16string CharacterAt(const std::u16string &text, std::size_t at)
    {
        const auto high = [](char16_t ch) { return ch >= 0xD800 && ch < 0xDC00; };
        const auto low = [](char16_t ch) { return ch >= 0xDC00 && ch < 0xE000; };
        if (high(text[at]) && at + 1 < text.size() && low(text[at + 1]))
            return text.substr(at, 2);
        if (low(text[at]) && at > 0 && high(text[at - 1]))
            return text.substr(at - 1, 2);
        return Visible(text[at]);
    }

} // namespace

void Read(Reading &reading, std::u16string text, std::uint64_t serial)
{
    reading.text = std::move(text);
    reading.serial = serial;
    reading.structure = {};
    reading.bytes = ReadBytes(reading.notation, reading.text,
        reading.text.size() <= kStructureLimit ? &reading.structure : nullptr);
}

Offsets LinkOffsets(const Readings &readings)
{
    Offsets offsets;
    for (std::size_t a = 0; a < readings.size(); ++a) {
        for (std::size_t b = a + 1; b < readings.size(); ++b) {
            const Reading &first = readings[a];
            const Reading &second = readings[b];
            if (first.text.empty() || second.text.empty())
                continue;
            std::optional<std::ptrdiff_t> offset;
            if (second.notation == Notation::TextLine) {
                if (const auto at = TextLineOffset(second.bytes, first.bytes))
                    offset = -static_cast<std::ptrdiff_t>(*at);
            } else if (first.bytes == second.bytes) {
                offset = 0;
            }
            offsets[a][b] = offset;
            if (offset)
                offsets[b][a] = -*offset;
        }
    }
    return offsets;
}

std::optional<std::size_t> LinkedByte(const Readings &readings, const Offsets &offsets,
    std::size_t from, std::size_t byte, std::size_t to)
{
    const auto offset = offsets[from][to];
    if (from == to || !offset)
        return std::nullopt;
    const auto k = static_cast<std::ptrdiff_t>(byte) + *offset;
    if (k < 0 || static_cast<std::size_t>(k) >= readings[to].structure.bytes.size())
        return std::nullopt;
    return static_cast<std::size_t>(k);
}

std::array<Step, 4> OutOfStep(const Readings &readings, const Offsets &offsets)
{
    // The field changed last is the one the user is looking at; the others are measured on it.
    std::optional<std::size_t> reference;
    for (std::size_t i = 0; i < readings.size(); ++i)
        if (!readings[i].text.empty()
            && (!reference || readings[i].serial > readings[*reference].serial))
            reference = i;
    std::array<Step, 4> steps;
    for (std::size_t i = 0; reference && i < readings.size(); ++i)
        steps[i] = {
            i != *reference && !readings[i].text.empty() && !offsets[i][*reference], *reference};
    return steps;
}

std::optional<std::size_t> ByteAt(const ByteStructure &structure, std::size_t at, bool caret)
{
    const auto &spans = structure.bytes;
    const auto span = std::partition_point(
        spans.begin(), spans.end(), [at](const TextSpan &s) { return s.end <= at; });
    if (span != spans.end() && span->begin <= at)
        return static_cast<std::size_t>(span - spans.begin());
    if (caret && span != spans.begin() && (span - 1)->end == at && (span - 1)->begin < at)
        return static_cast<std::size_t>(span - 1 - spans.begin());
    return std::nullopt;
}

std::vector<std::uint8_t> Cues(
    const Reading &reading, std::optional<std::size_t> linked, std::size_t begin, std::size_t end)
{
    end = std::min(end, reading.text.size());
    std::vector<std::uint8_t> cues(end > begin ? end - begin : 0, 0);
    const auto paint = [&](std::size_t from, std::size_t to, std::uint8_t cue) {
        for (std::size_t i = std::max(from, begin); i < std::min(to, end); ++i)
            cues[i - begin] |= cue;
    };
    const auto &spans = reading.structure.bytes;
    auto span = std::partition_point(
        spans.begin(), spans.end(), [begin](const TextSpan &s) { return s.end <= begin; });
    for (; span != spans.end() && span->begin < end; ++span) {
        const auto k = static_cast<std::size_t>(span - spans.begin());
        paint(span->begin, span->end,
            static_cast<std::uint8_t>((k % 2 ? kAlternate : 0) | (linked == k ? kLinked : 0)));
    }
    const auto &marks = reading.structure.marks;
    auto mark = std::partition_point(
        marks.begin(), marks.end(), [begin](const Mark &m) { return m.span.end <= begin; });
    for (; mark != marks.end() && mark->span.begin < end; ++mark)
        paint(mark->span.begin, mark->span.end, CueOf(mark->kind));
    return cues;
}

std::u16string NameOf(Notation notation)
{
    switch (notation) {
    case Notation::DottedDecimal:
        return u"Decimal in Bytes";
    case Notation::Hexadecimal:
        return u"Hexadecimal";
    case Notation::Binary:
        return u"Binary";
    case Notation::TextLine:
        break;
    }
    return u"Text Line";
}

std::u16string Visible(char16_t ch)
{
    if (ch < 0x20)
        return {static_cast<char16_t>(0x2400 + ch)};
    if (ch == 0x7F)
        return {u'\u2421'};
    if (ch >= 0x80 && ch < 0xA0)
        return u"U+" + Digits(ch, 16, 4);
    return {ch};
}

std::u16string OutOfStepNote(const Reading &here, const Reading &reference)
{
    return u"Not the same bytes as the " + NameOf(reference.notation) + u" field: "
        + CountOf(here.bytes.size(), u"byte") + u" here, "
        + CountOf(reference.bytes.size(), u"byte") + u" there.";
}

std::u16string MarkNote(const Reading &reading, std::size_t at)
{
    const auto &marks = reading.structure.marks;
    const auto mark = std::partition_point(
        marks.begin(), marks.end(), [at](const Mark &m) { return m.span.end <= at; });
    if (mark == marks.end() || mark->span.begin > at)
        return {};
    const std::u16string written =
        reading.text.substr(mark->span.begin, mark->span.end - mark->span.begin);
    switch (mark->kind) {
    case MarkKind::LoneDigit:
        return u"The lone digit " + written + u" is read as 0" + written + u'.';
    case MarkKind::SkippedSeparator:
        return u"Skipped: not a hexadecimal digit.";
    case MarkKind::NotABit:
        return u"Characters other than 0 and 1 count as 0.";
    case MarkKind::IgnoredRemainder:
        return u"Ignored: fewer than eight characters remain.";
    case MarkKind::AboveByte:
        return written + u" is above 255: it counts modulo 256 and has no binary group.";
    case MarkKind::NotInCodePage:
        break;
    }
    return u"windows-1252 has no code for " + (written.size() == 1 ? Visible(written[0]) : written)
        + u": it converts to ? = " + ByteFigures(kUnmappableCode);
}

std::u16string ByteNote(const Reading &reading, std::size_t at)
{
    if (at >= reading.text.size())
        return {};
    if (reading.notation == Notation::TextLine) {
        const char16_t ch = reading.text[at];
        if (!IsInCodePage(ch))
            return u"windows-1252 has no code for " + CharacterAt(reading.text, at)
                + u": it converts to ? = " + ByteFigures(kUnmappableCode);
        return u"windows-1252: " + CharacterAt(reading.text, at) + u" = "
            + ByteFigures(CharToCode(ch));
    }
    const std::u16string note = MarkNote(reading, at);
    const auto byte = ByteAt(reading.structure, at, false);
    if (!byte)
        return note;
    const std::u16string figures = u"Byte " + Number(*byte + 1) + u" of "
        + Number(reading.bytes.size()) + u": " + ByteFigures(reading.bytes[*byte]);
    return note.empty() ? figures : figures + u'\n' + note;
}

} // namespace numo::work
