// The work display's formats: every second byte shaded, the linked byte highlighted, marks
// underlined or struck out, and the mapping between the text and the document's positions.
#include "mainwindow/mark_colours.h"
#include "mainwindow/work_display.h"
#include "widgets/field_box.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

namespace numo {

using work::kAlternate;
using work::kIgnored;
using work::kLinked;
using work::kSkipped;
using work::kWave;

void WorkDisplay::updateFormats(View &field)
{
    std::vector<Run> runs;
    QPlainTextEdit *box = field.box;
    const work::Reading &reading = readings[field.index];
    if (!reading.structure.bytes.empty() && box->isVisible()) {
        // Only what the viewport shows is formatted: a huge field costs no more than a small one.
        const QRect view = box->viewport()->rect();
        const int firstShown = box->cursorForPosition(view.topLeft()).position();
        const int lastShown = box->cursorForPosition(view.bottomRight()).position();
        const std::size_t begin = documentToModel(field, firstShown);
        const std::size_t end =
            std::min(reading.text.size(), documentToModel(field, lastShown) + 1);
        const std::vector<std::uint8_t> cues = work::Cues(reading, field.linked, begin, end);
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
        readings[field.index].text.size());
}

int WorkDisplay::modelToDocument(const View &field, std::size_t position) const
{
    return static_cast<const FieldBox *>(field.box)->toDocument(position);
}

std::optional<std::size_t> WorkDisplay::byteAtDocument(
    const View &field, int position, bool caret) const
{
    return work::ByteAt(readings[field.index].structure, documentToModel(field, position), caret);
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
