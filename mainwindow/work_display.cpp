#include "mainwindow/work_display.h"

#include "conversion/code_page.h"
#include "mainwindow/field_box.h"
#include "mainwindow/form1.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <tuple>

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

    // Long clipboard texts are shown by their ends.
    constexpr qsizetype kToolTipHead = 300;
    constexpr qsizetype kToolTipTail = 100;

    QColor Blend(const QColor &a, const QColor &b, qreal share)
    {
        return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
    }

    // WCAG's relative luminance and contrast ratio.
    qreal Luminance(const QColor &color)
    {
        const auto channel = [](qreal c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
            + 0.0722 * channel(color.blueF());
    }

    qreal Contrast(const QColor &a, const QColor &b)
    {
        const qreal la = Luminance(a);
        const qreal lb = Luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

    // The background of every second byte: the field's base tinted towards the highlight just
    // enough to stand apart from the base (1.2:1) in light and dark palettes alike; towards the
    // text colour where the highlight is too close to the base to get there.
    QColor StripeColor(const QPalette &palette)
    {
        const QColor base = palette.color(QPalette::Base);
        for (const QPalette::ColorRole towards : {QPalette::Highlight, QPalette::Text}) {
            for (qreal share = 0.14; share <= 0.6; share += 0.02) {
                const QColor stripe = Blend(base, palette.color(towards), share);
                if (Contrast(stripe, base) >= 1.2)
                    return stripe;
            }
        }
        return Blend(base, palette.color(QPalette::Text), 0.3);
    }

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

WorkDisplay::WorkDisplay(Form1 &owner) : QObject(&owner), form(owner)
{
    setObjectName(QStringLiteral("workDisplay"));
    const std::tuple<QPlainTextEdit *, QLabel *, Kind, QString> roles[] = {
        {form.Text1, form.Label1, Kind::DottedDecimal, tr("Decimal in Bytes")},
        {form.Text2, form.Label2, Kind::Hexadecimal, tr("Hexadecimal")},
        {form.Text3, form.Label3, Kind::Binary, tr("Binary")},
        {form.Text5, form.Label5, Kind::TextLine, tr("Text Line")},
    };
    for (std::size_t i = 0; i < fields.size(); ++i)
        std::tie(fields[i].box, fields[i].caption, fields[i].kind, fields[i].name) = roles[i];
    for (auto &field : fields) {
        field.captionToolTip = field.caption->toolTip();
        field.captionDescription = field.caption->accessibleDescription();
        field.boxDescription = field.box->accessibleDescription();
        field.box->viewport()->setMouseTracking(true);
        field.box->viewport()->installEventFilter(this);
        connect(field.box, &QPlainTextEdit::cursorPositionChanged, this, &WorkDisplay::updateLinks);
        connect(field.box->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, &field] { updateFormats(field); });
    }
    connect(qApp, &QApplication::focusChanged, this, &WorkDisplay::updateLinks);
    form.installEventFilter(this);
    text6ToolTip = form.Text6->toolTip();
    text6Description = form.Text6->accessibleDescription();
    refresh();
}

WorkDisplay::~WorkDisplay()
{
    clearAll();
}

void WorkDisplay::clearAll()
{
    for (auto &field : fields) {
        field.box->viewport()->setMouseTracking(false);
        field.box->setExtraSelections({});
        field.shown.clear();
        if (field.stale)
            showCaption(field, false, field.captionToolTip);
    }
    form.Text6->setToolTip(text6ToolTip);
    form.Text6->setAccessibleDescription(text6Description);
}

void WorkDisplay::fieldChanged(const QWidget *box)
{
    if (Field *field = fieldOf(box))
        field->dirty = true;
}

void WorkDisplay::refresh()
{
    bool any = false;
    for (auto &field : fields) {
        if (field.dirty) {
            readField(field);
            any = true;
        }
    }
    if (!any)
        return;
    compareFields();
    showStaleCaptions();
    for (auto &field : fields)
        field.linked.reset();
    hoveredByte.reset();
    updateLinks();
    for (auto &field : fields)
        updateFormats(field);
}

void WorkDisplay::readField(Field &field)
{
    field.dirty = false;
    std::u16string text = form.displayedText(field.box);
    if (text == field.text && field.serial != 0)
        return;
    field.text = std::move(text);
    field.serial = ++changes;
    switch (field.kind) {
    case Kind::DottedDecimal:
        field.bytes = DottedDecimalBytes(field.text);
        break;
    case Kind::Hexadecimal:
        field.bytes = HexBytes(field.text);
        break;
    case Kind::Binary:
        field.bytes = BinaryBytes(field.text);
        break;
    case Kind::TextLine:
        field.bytes = TextLineBytes(field.text);
        break;
    }
    field.structure = {};
    if (field.text.size() <= kStructureLimit) {
        switch (field.kind) {
        case Kind::DottedDecimal:
            field.structure = DottedDecimalStructure(field.text);
            break;
        case Kind::Hexadecimal:
            field.structure = HexStructure(field.text);
            break;
        case Kind::Binary:
            field.structure = BinaryStructure(field.text);
            break;
        case Kind::TextLine:
            field.structure = TextLineStructure(field.text);
            break;
        }
    }
}

void WorkDisplay::compareFields()
{
    for (auto &row : offsets)
        row.fill(std::nullopt);
    for (std::size_t a = 0; a < fields.size(); ++a) {
        for (std::size_t b = a + 1; b < fields.size(); ++b) {
            const Field &first = fields[a];
            const Field &second = fields[b];
            if (first.text.empty() || second.text.empty())
                continue;
            Offset offset;
            if (second.kind == Kind::TextLine) {
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
}

void WorkDisplay::showStaleCaptions()
{
    // The field changed last is the one the user is looking at; the others are measured on it.
    const Field *reference = nullptr;
    std::size_t referenceIndex = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].text.empty() && (!reference || fields[i].serial > reference->serial)) {
            reference = &fields[i];
            referenceIndex = i;
        }
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Field &field = fields[i];
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

void WorkDisplay::showCaption(Field &field, bool stale, const QString &toolTip)
{
    // Dimmed and slanted: the cue reads without colour as well.
    field.stale = stale;
    field.caption->setForegroundRole(stale ? QPalette::PlaceholderText : QPalette::WindowText);
    QFont font = field.caption->font();
    font.setItalic(stale);
    field.caption->setFont(font);
    field.caption->setToolTip(toolTip);
    field.caption->setAccessibleDescription(stale ? toolTip : field.captionDescription);
    // The box takes the focus, so a screen reader hears the warning there as well.
    field.box->setAccessibleDescription(
        stale ? toolTip + QStringLiteral(" ") + field.boxDescription : field.boxDescription);
}

void WorkDisplay::updateLinks()
{
    for (const auto &field : fields)
        if (field.dirty)
            return; // a push is under way; the refresh after it links again
    const Field *source = nullptr;
    std::optional<std::size_t> byte;
    if (hovered && hoveredByte) {
        source = hovered;
        byte = hoveredByte;
    } else {
        for (const auto &field : fields) {
            if (field.box->window()->focusWidget() == field.box) {
                source = &field;
                byte = byteAtDocument(field, field.box->textCursor().position(), true);
            }
        }
    }
    for (std::size_t j = 0; j < fields.size(); ++j) {
        Field &field = fields[j];
        std::optional<std::size_t> linked;
        if (source && byte && source != &field) {
            const auto i = static_cast<std::size_t>(source - fields.data());
            if (const Offset offset = offsets[i][j]) {
                const auto k = static_cast<std::ptrdiff_t>(*byte) + *offset;
                if (k >= 0 && static_cast<std::size_t>(k) < field.structure.bytes.size())
                    linked = static_cast<std::size_t>(k);
            }
        }
        if (linked != field.linked) {
            field.linked = linked;
            updateFormats(field);
        }
    }
}

void WorkDisplay::updateFormats(Field &field)
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
    const QPalette palette = form.palette();
    QTextCharFormat format;
    const bool linked = cues & kLinked;
    if (linked) {
        format.setBackground(palette.highlight());
        format.setForeground(palette.highlightedText());
        format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    } else if (cues & kAlternate) {
        format.setBackground(StripeColor(palette));
    }
    if ((cues & (kSkipped | kIgnored)) && !linked)
        format.setForeground(palette.color(QPalette::PlaceholderText));
    if (cues & kSkipped)
        format.setUnderlineStyle(QTextCharFormat::DotLine);
    if (cues & kIgnored)
        format.setFontStrikeOut(true);
    if (cues & kWave) {
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(
            palette.color(linked ? QPalette::HighlightedText : QPalette::Link));
    }
    formats.insert(cues, format);
    return format;
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
    form.Text6->setToolTip(QStringLiteral("<p style='white-space:pre'>%1<br>%2</p>")
                               .arg(heading.toHtmlEscaped(), marked));
    // Plain text for a screen reader; without it, it would read the tool tip's markup.
    form.Text6->setAccessibleDescription(heading + u'\n' + plain);
}

bool WorkDisplay::isStale(const QPlainTextEdit *box) const
{
    for (const auto &field : fields)
        if (field.box == box)
            return field.stale;
    return false;
}

std::optional<std::size_t> WorkDisplay::linkedByte(const QPlainTextEdit *box) const
{
    for (const auto &field : fields)
        if (field.box == box)
            return field.linked;
    return std::nullopt;
}

WorkDisplay::Field *WorkDisplay::fieldOf(const QObject *object)
{
    for (auto &field : fields)
        if (field.box == object || field.box->viewport() == object)
            return &field;
    return nullptr;
}

std::size_t WorkDisplay::documentToModel(const Field &field, int position) const
{
    return std::min(static_cast<const FieldBox *>(field.box)->toField(std::max(position, 0)),
        field.text.size());
}

int WorkDisplay::modelToDocument(const Field &field, std::size_t position) const
{
    return static_cast<const FieldBox *>(field.box)->toDocument(position);
}

std::optional<std::size_t> WorkDisplay::byteAtDocument(
    const Field &field, int position, bool caret) const
{
    const auto &spans = field.structure.bytes;
    const std::size_t at = documentToModel(field, position);
    const auto span = std::partition_point(
        spans.begin(), spans.end(), [at](const TextSpan &s) { return s.end <= at; });
    if (span != spans.end() && span->begin <= at && span->begin < span->end)
        return static_cast<std::size_t>(span - spans.begin());
    // A caret right after a byte is on it.
    if (caret && span != spans.begin() && (span - 1)->end == at && (span - 1)->begin < at)
        return static_cast<std::size_t>(span - 1 - spans.begin());
    return std::nullopt;
}

std::optional<int> WorkDisplay::characterAt(const Field &field, const QPoint &point) const
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

QString WorkDisplay::byteToolTip(const Field &field, int position) const
{
    const std::size_t at = documentToModel(field, position);
    if (at >= field.text.size())
        return {};
    if (field.kind == Kind::TextLine) {
        const char16_t ch = field.text[at];
        QString shown = Visible(ch);
        if (QChar::isHighSurrogate(ch) && at + 1 < field.text.size()
            && QChar::isLowSurrogate(field.text[at + 1]))
            shown = QString::fromStdU16String(field.text.substr(at, 2));
        else if (QChar::isLowSurrogate(ch) && at > 0 && QChar::isHighSurrogate(field.text[at - 1]))
            shown = QString::fromStdU16String(field.text.substr(at - 1, 2));
        if (!IsInCodePage(ch))
            return tr("windows-1252 has no code for %1: it converts to ? = %2")
                .arg(shown, ByteFigures(kUnmappableCode));
        return QStringLiteral("windows-1252: %1 = %2").arg(shown, ByteFigures(CharToCode(ch)));
    }
    QString note;
    const auto &marks = field.structure.marks;
    const auto mark = std::partition_point(
        marks.begin(), marks.end(), [at](const Mark &m) { return m.span.end <= at; });
    if (mark != marks.end() && mark->span.begin <= at) {
        const auto written = QString::fromStdU16String(
            field.text.substr(mark->span.begin, mark->span.end - mark->span.begin));
        switch (mark->kind) {
        case MarkKind::LoneDigit:
            note = tr("The lone digit %1 is read as 0%1.").arg(written);
            break;
        case MarkKind::SkippedSeparator:
            note = tr("Skipped: not a hexadecimal digit.");
            break;
        case MarkKind::NotABit:
            note = tr("Characters other than 0 and 1 count as 0.");
            break;
        case MarkKind::IgnoredRemainder:
            note = tr("Ignored: fewer than eight characters remain.");
            break;
        case MarkKind::AboveByte:
            note =
                tr("%1 is above 255: it counts modulo 256 and has no binary group.").arg(written);
            break;
        case MarkKind::NotInCodePage:
            break;
        }
    }
    const auto byte = byteAtDocument(field, position, false);
    if (!byte)
        return note;
    const QString figures = tr("Byte %1 of %2: %3")
                                .arg(*byte + 1)
                                .arg(field.bytes.size())
                                .arg(ByteFigures(field.bytes[*byte]));
    return note.isEmpty() ? figures : figures + u'\n' + note;
}

bool WorkDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &form) {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
            formats.clear();
            for (auto &field : fields) {
                field.shown.clear();
                updateFormats(field);
            }
        }
        return false;
    }
    Field *field = fieldOf(watched);
    if (!field)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto point = static_cast<QMouseEvent *>(event)->position().toPoint();
        const auto at = characterAt(*field, point);
        const auto byte = at ? byteAtDocument(*field, *at, false) : std::nullopt;
        if (hovered != field || hoveredByte != byte) {
            hovered = field;
            hoveredByte = byte;
            updateLinks();
        }
        break;
    }
    case QEvent::Leave:
        if (hovered == field) {
            hovered = nullptr;
            hoveredByte.reset();
            updateLinks();
        }
        break;
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        const auto at = characterAt(*field, help->pos());
        const QString tip = at ? byteToolTip(*field, *at) : QString();
        if (tip.isEmpty())
            return false; // the field's own tool tip
        QTextCursor cursor(field->box->document());
        cursor.setPosition(*at);
        QToolTip::showText(help->globalPos(), tip, field->box->viewport(),
            field->box->cursorRect(cursor).adjusted(-8, 0, 8, 0));
        return true;
    }
    case QEvent::Resize:
    case QEvent::Show:
        field->shown.clear();
        updateFormats(*field);
        break;
    default:
        break;
    }
    return false;
}

} // namespace numo
