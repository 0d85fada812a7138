#include "mainwindow/work_display.h"

#include "mainwindow/description_parts.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace numo {

namespace {

    Field FieldOf(Notation notation)
    {
        switch (notation) {
        case Notation::DottedDecimal:
            return Field::DottedDecimal;
        case Notation::Hexadecimal:
            return Field::Hexadecimal;
        case Notation::Binary:
            return Field::Binary;
        case Notation::TextLine:
            break;
        }
        return Field::TextLine;
    }

} // namespace

WorkDisplay::WorkDisplay(
    QWidget &windowWidget, const std::array<Entry, 4> &entries, QWidget *clipboardField)
    : QObject(&windowWidget), window(windowWidget), clipboardBox(clipboardField)
{
    setObjectName(QStringLiteral("workDisplay"));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        View &field = fields[i];
        field.box = entries[i].box;
        field.caption = entries[i].caption;
        field.index = i;
        readings[i].notation = entries[i].notation;
        field.captionToolTip = field.caption->toolTip();
        field.captionDescription = field.caption->accessibleDescription();
        field.box->viewport()->setMouseTracking(true);
        field.box->viewport()->installEventFilter(this);
        connect(field.box, &QPlainTextEdit::cursorPositionChanged, this, [this] {
            linksDue = true;
            schedule();
        });
        // Scrolled, by the scroll bar or by the caret moving out of sight: other lines show.
        connect(
            field.box, &QPlainTextEdit::updateRequest, this, [this, &field](const QRect &, int dy) {
                if (dy != 0) {
                    field.formatsDue = true;
                    schedule();
                }
            });
    }
    connect(qApp, &QApplication::focusChanged, this, [this] {
        linksDue = true;
        schedule();
    });
    window.installEventFilter(this);
    clipboardBoxToolTip = clipboardBox->toolTip();
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
        if (field.stale)
            showCaption(field, false, field.captionToolTip);
        SetDescriptionPart(field.box, DescriptionPart::Mark, {});
    }
    clipboardBox->setToolTip(clipboardBoxToolTip);
    SetDescriptionPart(clipboardBox, DescriptionPart::Note, {});
}

void WorkDisplay::schedule()
{
    // After the window's own read of the edits, which may make this update unneeded.
    later.request(*this);
}

bool WorkDisplay::event(QEvent *event)
{
    if (!PostedUpdate::Is(*event))
        return QObject::event(event);
    later.done();
    update();
    return true;
}

void WorkDisplay::update()
{
    if (std::exchange(captionsDue, false))
        for (auto &field : fields)
            paintCaption(field);
    if (std::exchange(linksDue, false)) {
        updateLinks();
        describeCaret();
    }
    for (auto &field : fields)
        if (std::exchange(field.formatsDue, false))
            updateFormats(field);
}

void WorkDisplay::show(const FieldSet &texts, std::bitset<kFieldCount> changed)
{
    bool any = false;
    for (auto &reading : readings) {
        const numo::Field which = FieldOf(reading.notation);
        if (changed[static_cast<std::size_t>(which)]) {
            work::Read(reading, texts[which], ++changes);
            any = true;
        }
    }
    if (!any)
        return;
    offsets = work::LinkOffsets(readings);
    showStaleCaptions();
    for (auto &field : fields)
        field.linked.reset();
    hoveredByte.reset();
    for (auto &field : fields)
        field.formatsDue = true;
    linksDue = true;
    update();
}

void WorkDisplay::updateLinks()
{
    const View *source = nullptr;
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
    for (auto &field : fields) {
        const auto linked = source && byte
            ? work::LinkedByte(readings, offsets, source->index, *byte, field.index)
            : std::nullopt;
        if (linked != field.linked) {
            field.linked = linked;
            field.formatsDue = true;
        }
    }
}

std::optional<std::size_t> WorkDisplay::linkedByte(const QPlainTextEdit *box) const
{
    for (const auto &field : fields)
        if (field.box == box)
            return field.linked;
    return std::nullopt;
}

WorkDisplay::View *WorkDisplay::viewOf(const QObject *object)
{
    for (auto &field : fields)
        if (field.box == object || field.box->viewport() == object)
            return &field;
    return nullptr;
}

bool WorkDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window) {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
            formats.clear();
            captionsDue = true;
            for (auto &field : fields) {
                field.shown.clear();
                field.formatsDue = true;
            }
            schedule();
        }
        return false;
    }
    View *field = viewOf(watched);
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
            linksDue = true;
            schedule();
        }
        break;
    }
    case QEvent::Leave:
        if (hovered == field) {
            hovered = nullptr;
            hoveredByte.reset();
            linksDue = true;
            schedule();
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
    case QEvent::Resize: // may come from inside an edit, as a scroll bar shows
    case QEvent::Show:
        field->shown.clear();
        field->formatsDue = true;
        schedule();
        break;
    default:
        break;
    }
    return false;
}

} // namespace numo
