// The work display's words: dimmed captions with the reason in their tool tips, a byte's
// figures and marks under the pointer, and the text last put on the clipboard.
#include "mainwindow/description_parts.h"
#include "mainwindow/mark_colours.h"
#include "mainwindow/work_display.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace numo {

namespace {

    // Long clipboard texts are shown by their ends.
    constexpr qsizetype kToolTipHead = 300;
    constexpr qsizetype kToolTipTail = 100;

    QString Visible(char16_t ch)
    {
        return QString::fromStdU16String(work::Visible(ch));
    }

    bool IsControl(char16_t ch)
    {
        return ch < 0x20 || (ch >= 0x7F && ch < 0xA0);
    }

    // One character of a tool tip in rich text: marks in bold, so they read without colour.
    QString MarkedHtml(char16_t ch, bool endBlank)
    {
        if (endBlank)
            return QStringLiteral("<b>\u2423</b>");
        if (IsControl(ch))
            return QStringLiteral("<b>%1</b>").arg(Visible(ch).toHtmlEscaped());
        return QString(QChar(ch)).toHtmlEscaped();
    }

    QString CountOf(qsizetype count, const char *one, const char *many)
    {
        return count == 1 ? WorkDisplay::tr(one) : WorkDisplay::tr(many).arg(count);
    }

} // namespace

void WorkDisplay::showStaleCaptions()
{
    const auto steps = work::OutOfStep(readings, offsets);
    for (auto &field : fields) {
        const work::Step step = steps[field.index];
        const QString tip = step.stale ? QString::fromStdU16String(work::OutOfStepNote(
                                readings[field.index], readings[step.reference]))
                                       : field.captionToolTip;
        if (step.stale != field.stale || field.caption->toolTip() != tip)
            showCaption(field, step.stale, tip);
    }
}

void WorkDisplay::showCaption(View &field, bool stale, const QString &toolTip)
{
    // Dimmed and slanted: the cue reads without colour as well.
    field.stale = stale;
    field.caption->setForegroundRole(stale ? QPalette::PlaceholderText : QPalette::WindowText);
    paintCaption(field);
    QFont font = field.caption->font();
    font.setItalic(stale);
    field.caption->setFont(font);
    field.caption->setToolTip(toolTip);
    field.caption->setAccessibleDescription(stale ? toolTip : field.captionDescription);
    // The box takes the focus, so a screen reader hears the warning there as well.
    SetDescriptionPart(field.box, DescriptionPart::Note, stale ? toolTip : QString());
}

void WorkDisplay::paintCaption(View &field)
{
    // Its own placeholder colour, from the window's palette as it is now; none when not dimmed.
    QPalette palette;
    if (field.stale)
        palette.setColor(QPalette::PlaceholderText, MarkColoursFor(window.palette()).dimCaption);
    field.caption->setPalette(palette);
}

void WorkDisplay::clipboardWritten(const QString &text, const QString &format)
{
    const auto units = text.size();
    qsizetype lead = 0;
    while (lead < units && text.at(lead) == u' ')
        ++lead;
    qsizetype trail = units;
    while (trail > lead && text.at(trail - 1) == u' ')
        --trail;
    QString marked;
    QString plain; // the same for a screen reader: its own words for blanks and controls
    const auto add = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            marked += MarkedHtml(text.at(i).unicode(), i < lead || i >= trail);
            plain += Visible(text.at(i).unicode());
        }
    };
    if (units <= kToolTipHead + kToolTipTail) {
        add(0, units);
    } else {
        add(0, kToolTipHead);
        const QString skipped =
            tr("\u2026 %1 more \u2026").arg(units - kToolTipHead - kToolTipTail);
        marked += QStringLiteral("<b>%1</b>").arg(skipped);
        plain += skipped;
        add(units - kToolTipTail, units);
    }
    const QString as = format.isEmpty() ? QString() : tr(" as %1").arg(format);
    const QString heading = units == 0
        ? tr("Put on the clipboard%1: nothing (0 characters)").arg(as)
        : tr("Put on the clipboard%1, %2:").arg(as, CountOf(units, "1 character", "%1 characters"));
    clipboardBox->setToolTip(QStringLiteral("<p style='white-space:pre'>%1<br>%2</p>")
                                 .arg(heading.toHtmlEscaped(), marked));
    // Plain text for a screen reader; without it, it would read the tool tip's markup.
    SetDescriptionPart(clipboardBox, DescriptionPart::Note, heading + u'\n' + plain);
}

void WorkDisplay::describeCaret()
{
    for (auto &field : fields) {
        QString note;
        if (field.box->window()->focusWidget() == field.box) {
            // The character after the caret, or the one before it at the end of a mark.
            const int caret = field.box->textCursor().position();
            const work::Reading &reading = readings[field.index];
            note =
                QString::fromStdU16String(work::MarkNote(reading, documentToModel(field, caret)));
            if (note.isEmpty() && caret > 0)
                note = QString::fromStdU16String(
                    work::MarkNote(reading, documentToModel(field, caret - 1)));
        }
        SetDescriptionPart(field.box, DescriptionPart::Mark, note);
    }
}

QString WorkDisplay::byteToolTip(const View &field, int position) const
{
    return QString::fromStdU16String(
        work::ByteNote(readings[field.index], documentToModel(field, position)));
}

} // namespace numo
