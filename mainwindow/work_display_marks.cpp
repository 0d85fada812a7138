// The work display's formats: every second byte shaded, the linked byte highlighted, marks
// underlined or struck out, and the mapping between the text and the document's positions.
#include "mainwindow/mark_colours.h"
#include "mainwindow/work_display.h"
#include "widgets/field_box.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

namespace numo {

namespace {

    // The cues a character can carry; a run of characters with the same cues is one format.
    constexpr std::uint8_t kAlternate = 1; // every second byte
    constexpr std::uint8_t kLinked = 2;    // the byte under the caret or pointer elsewhere
    constexpr std::uint8_t kWave = 4;      // read differently than it is written
    constexpr std::uint8_t kSkipped = 8;   // not read at all: a separator nobody expects
    constexpr std::uint8_t kIgnored = 16;  // not read at all: too short for a group

    // The cue of a mark; a mark never relies on colour alone.
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
        return kWave;
    }

} // namespace

void WorkDisplay::updateFormats(View &field)
{
    std::vector<Run> runs;
    QPlainTextEdit *box = field.box;
    const auto &spans = field.structure.bytes;
    if (!spans.empty() && box->isVisible()) {
        // Only what the viewport shows is formatted: a huge field costs no more than a small one.
        const QRect view = box->viewport()->rect();
        const int firstShown = box->cursorForPosition(view.topLeft()).position();
        const int lastShown = box->cursorForPosition(view.bottomRight()).position();
        const std::size_t begin = documentToModel(field, firstShown);
        const std::size_t end = std::min(field.text.size(), documentToModel(field, lastShown) + 1);
        std::vector<std::uint8_t> cues(end > begin ? end - begin : 0, 0);
        const auto paint = [&](std::size_t from, std::size_t to, std::uint8_t cue) {
            for (std::size_t i = std::max(from, begin); i < std::min(to, end); ++i)
                cues[i - begin] |= cue;
        };
        auto span = std::partition_point(
            spans.begin(), spans.end(), [begin](const TextSpan &s) { return s.end <= begin; });
        for (; span != spans.end() && span->begin < end; ++span) {
            const auto k = static_cast<std::size_t>(span - spans.begin());
            paint(span->begin, span->end,
                static_cast<std::uint8_t>(
                    (k % 2 ? kAlternate : 0) | (field.linked == k ? kLinked : 0)));
        }
        const auto &marks = field.structure.marks;
        auto mark = std::partition_point(
            marks.begin(), marks.end(), [begin](const Mark &m) { return m.span.end <= begin; });
        for (; mark != marks.end() && mark->span.begin < end; ++mark)
            paint(mark->span.begin, mark->span.end, CueOf(mark->kind));

        int next = modelToDocument(field, begin);
        for (std::size_t i = begin; i < end; ++i) {
            // The LF of a CR LF pair shares the document's one break with its CR.
            const int position = next;
            next = modelToDocument(field, i + 1);
            if (next == position)
                continue;
            const std::uint8_t cue = cues[i - begin];
            if (cue != 0) {
                if (!runs.empty() && runs.back().end == position && runs.back().cues == cue)
                    ++runs.back().end;
                else
                    runs.push_back({position, position + 1, cue});
            }
        }
    }
    if (runs == field.shown)
        return;
    field.shown = runs;
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(static_cast<qsizetype>(runs.size()));
    const int last = box->document()->characterCount() - 1;
    for (const Run &run : runs) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(box->document());
        selection.cursor.setPosition(std::min(run.begin, last));
        selection.cursor.setPosition(std::min(run.end, last), QTextCursor::KeepAnchor);
        selection.format = formatFor(run.cues);
        selections.push_back(selection);
    }
    box->setExtraSelections(selections);
}

QTextCharFormat WorkDisplay::formatFor(std::uint8_t cues)
{
    if (const auto known = formats.constFind(cues); known != formats.constEnd())
        return *known;
    const MarkColours colours = MarkColoursFor(window.palette());
    QTextCharFormat format;
    const bool linked = cues & kLinked;
    if (linked) {
        format.setBackground(colours.linked);
        format.setForeground(colours.linkedText);
        format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    } else if (cues & kAlternate) {
        format.setBackground(colours.stripe);
    }
    if ((cues & (kSkipped | kIgnored)) && !linked)
        format.setForeground(colours.faded);
    if (cues & kSkipped)
        format.setUnderlineStyle(QTextCharFormat::DotLine);
    if (cues & kIgnored)
        format.setFontStrikeOut(true);
    if (cues & kWave) {
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(linked ? colours.linkedText : colours.wave);
    }
    formats.insert(cues, format);
    return format;
}

std::size_t WorkDisplay::documentToModel(const View &field, int position) const
{
    return std::min(static_cast<const FieldBox *>(field.box)->toField(std::max(position, 0)),
        field.text.size());
}

int WorkDisplay::modelToDocument(const View &field, std::size_t position) const
{
    return static_cast<const FieldBox *>(field.box)->toDocument(position);
}

std::optional<std::size_t> WorkDisplay::byteAtDocument(
    const View &field, int position, bool caret) const
{
    const auto &spans = field.structure.bytes;
    const std::size_t at = documentToModel(field, position);
    const auto span = std::partition_point(
        spans.begin(), spans.end(), [at](const TextSpan &s) { return s.end <= at; });
    if (span != spans.end() && span->begin <= at)
        return static_cast<std::size_t>(span - spans.begin());
    // A caret right after a byte is on it.
    if (caret && span != spans.begin() && (span - 1)->end == at && (span - 1)->begin < at)
        return static_cast<std::size_t>(span - 1 - spans.begin());
    return std::nullopt;
}

std::optional<int> WorkDisplay::characterAt(const View &field, const QPoint &point) const
{
    const QPlainTextEdit *box = field.box;
    QTextCursor cursor = box->cursorForPosition(point);
    if (point.x() < box->cursorRect(cursor).left()) {
        if (cursor.position() == 0)
            return std::nullopt;
        cursor.setPosition(cursor.position() - 1);
    }
    if (cursor.atBlockEnd())
        return std::nullopt; // past the end of a line
    const QRect left = box->cursorRect(cursor);
    QTextCursor next = cursor;
    next.setPosition(cursor.position() + 1);
    const QRect right = box->cursorRect(next);
    if (point.y() < left.top() || point.y() > left.bottom() || point.x() < left.left())
        return std::nullopt;
    if (right.top() == left.top() && point.x() >= right.left())
        return std::nullopt;
    return cursor.position();
}

} // namespace numo
