// The work display's words: dimmed captions with the reason in their tool tips, a byte's
// figures and marks under the pointer, and the text last put on the clipboard.
#include "conversion/code_page.h"
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

    // A visible stand-in for a control character (U+2400 block), or the character itself.
    QString Visible(char16_t ch)
    {
        if (ch < 0x20)
            return QString(QChar(static_cast<char16_t>(0x2400 + ch)));
        if (ch == 0x7F)
            return QString(QChar(static_cast<char16_t>(0x2421)));
        if (ch >= 0x80 && ch < 0xA0)
            return QStringLiteral("U+%1")
                .arg(static_cast<unsigned>(ch), 4, 16, QLatin1Char('0'))
                .toUpper();
        return QString(QChar(ch));
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

    QString ByteFigures(std::uint8_t code)
    {
        return QStringLiteral("%1 = %2 = %3")
            .arg(code)
            .arg(code, 2, 16, QLatin1Char('0'))
            .arg(code, 8, 2, QLatin1Char('0'))
            .toUpper();
    }

} // namespace

void WorkDisplay::showStaleCaptions()
{
    // The field changed last is the one the user is looking at; the others are measured on it.
    const View *reference = nullptr;
    std::size_t referenceIndex = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].text.empty() && (!reference || fields[i].serial > reference->serial)) {
            reference = &fields[i];
            referenceIndex = i;
        }
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        View &field = fields[i];
        const bool stale =
            reference && &field != reference && !field.text.empty() && !offsets[i][referenceIndex];
        QString tip = field.captionToolTip;
        if (stale) {
            const auto here = static_cast<qsizetype>(field.bytes.size());
            const auto there = static_cast<qsizetype>(reference->bytes.size());
            tip = tr("Not the same bytes as the %1 field: %2 here, %3 there.")
                      .arg(reference->name, CountOf(here, "1 byte", "%1 bytes"),
                          CountOf(there, "1 byte", "%1 bytes"));
        }
        if (stale != field.stale || field.caption->toolTip() != tip)
            showCaption(field, stale, tip);
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

QString WorkDisplay::markNote(const View &field, std::size_t at) const
{
    const auto &marks = field.structure.marks;
    const auto mark = std::partition_point(
        marks.begin(), marks.end(), [at](const Mark &m) { return m.span.end <= at; });
    if (mark == marks.end() || mark->span.begin > at)
        return {};
    const auto written =
        QStringView(field.text.substr(mark->span.begin, mark->span.end - mark->span.begin))
            .toString();
    switch (mark->kind) {
    case MarkKind::LoneDigit:
        return tr("The lone digit %1 is read as 0%1.").arg(written);
    case MarkKind::SkippedSeparator:
        return tr("Skipped: not a hexadecimal digit.");
    case MarkKind::NotABit:
        return tr("Characters other than 0 and 1 count as 0.");
    case MarkKind::IgnoredRemainder:
        return tr("Ignored: fewer than eight characters remain.");
    case MarkKind::AboveByte:
        return tr("%1 is above 255: it counts modulo 256 and has no binary group.").arg(written);
    case MarkKind::NotInCodePage:
        break;
    }
    return tr("windows-1252 has no code for %1: it converts to ? = %2")
        .arg(written.size() == 1 ? Visible(written.front().unicode()) : written,
            ByteFigures(kUnmappableCode));
}

void WorkDisplay::describeCaret()
{
    for (auto &field : fields) {
        QString note;
        if (field.box->window()->focusWidget() == field.box) {
            // The character after the caret, or the one before it at the end of a mark.
            const int caret = field.box->textCursor().position();
            note = markNote(field, documentToModel(field, caret));
            if (note.isEmpty() && caret > 0)
                note = markNote(field, documentToModel(field, caret - 1));
        }
        SetDescriptionPart(field.box, DescriptionPart::Mark, note);
    }
}

QString WorkDisplay::byteToolTip(const View &field, int position) const
{
    const std::size_t at = documentToModel(field, position);
    if (at >= field.text.size())
        return {};
    if (field.notation == Notation::TextLine) {
        const char16_t ch = field.text[at];
        QString shown = Visible(ch);
        if (QChar::isHighSurrogate(ch) && at + 1 < field.text.size()
            && QChar::isLowSurrogate(field.text[at + 1]))
            shown = QStringView(field.text.substr(at, 2)).toString();
        else if (QChar::isLowSurrogate(ch) && at > 0 && QChar::isHighSurrogate(field.text[at - 1]))
            shown = QStringView(field.text.substr(at - 1, 2)).toString();
        if (!IsInCodePage(ch))
            return tr("windows-1252 has no code for %1: it converts to ? = %2")
                .arg(shown, ByteFigures(kUnmappableCode));
        return QStringLiteral("windows-1252: %1 = %2").arg(shown, ByteFigures(CharToCode(ch)));
    }
    const QString note = markNote(field, at);
    const auto byte = byteAtDocument(field, position, false);
    if (!byte)
        return note;
    const QString figures = tr("Byte %1 of %2: %3")
                                .arg(*byte + 1)
                                .arg(field.bytes.size())
                                .arg(ByteFigures(field.bytes[*byte]));
    return note.isEmpty() ? figures : figures + u'\n' + note;
}

} // namespace numo
