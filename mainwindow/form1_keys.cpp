// Every key the main window gives a meaning of its own, decided in one place: F1 opens Help as
// the Help button does and Ctrl+Q closes the window; in a field Ctrl+Enter presses the field's
// conversion button (in the text line only while "String" is the entry mode: in single-key mode
// every key already converts), and in the four byte fields Shift+F10 opens the context menu as
// the Menu key does and Ctrl+I opens the byte inspector; in the text line every character key
// and its release go to the single-key handlers; Enter in a list chooses its item. Plain Enter
// still breaks a field's line, and every other key reaches the controls as before.
#include "mainwindow/caption_button.h"
#include "mainwindow/description_parts.h"
#include "mainwindow/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>

namespace numo {

namespace {

    bool IsEnter(const QKeyEvent &key)
    {
        return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    }

    bool Only(const QKeyEvent &key, Qt::KeyboardModifiers modifiers)
    {
        return (key.modifiers() & ~Qt::KeypadModifier) == modifiers;
    }

} // namespace

void Form1::setUpKeys()
{
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, Command8,
        &QAbstractButton::click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
        &QWidget::close);
    SetDescriptionPart(Command8, DescriptionPart::Key,
        QKeySequence(QKeySequence::HelpContents).toString(QKeySequence::NativeText));
    for (const FieldControls &each : fieldControls()) {
        if (!each.button)
            continue;
        each.box->installEventFilter(this);
        SetDescriptionPart(each.box, DescriptionPart::Key,
            tr("Ctrl+Enter: %1").arg(each.button->text().simplified()));
        SetDescriptionPart(each.button, DescriptionPart::Key,
            tr("Ctrl+Enter in %1").arg(QLatin1String(each.where)));
    }
    List1->installEventFilter(this);
    List2->installEventFilter(this);
}

bool Form1::fieldKey(const FieldControls &field, const QKeyEvent &key)
{
    // In single-key mode the text line takes Ctrl+Enter as it takes any other key.
    if (IsEnter(key) && Only(key, Qt::ControlModifier)
        && (field.field != Field::TextLine || selectedText(List2) == kString)) {
        field.button->click();
        return true;
    }
    if (field.notation && key.key() == Qt::Key_F10 && Only(key, Qt::ShiftModifier)) {
        auto *box = static_cast<FieldBox *>(field.box);
        const QPoint at = box->cursorRect().center();
        QContextMenuEvent request(
            QContextMenuEvent::Keyboard, at, box->viewport()->mapToGlobal(at));
        QApplication::sendEvent(box, &request);
        return true;
    }
    if (field.notation && key.key() == Qt::Key_I && Only(key, Qt::ControlModifier)) {
        openInspector();
        return true; // the text line's single-key mode never sees it
    }
    if (field.field == Field::TextLine && !key.text().isEmpty() && key.key() != Qt::Key_Tab
        && key.key() != Qt::Key_Backtab) { // Tab moves the focus and delivers no character
        auto keyAscii = static_cast<std::int16_t>(key.text().at(0).unicode());
        Text5_KeyPress(keyAscii);
    }
    return false;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page && event->type() == QEvent::Paint) {
        // Drawn on the page, over its background, so that it scrolls with the controls.
        QPainter(page).drawPixmap(0, 0, logo);
    } else if (watched == Text5 && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat()) // a held key converts once, at its real release
            Text5_KeyUp(key->key(), key->modifiers());
    } else if (event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        for (const FieldControls &each : fieldControls())
            if (watched == each.box)
                return fieldKey(each, key);
        auto *list = qobject_cast<QListWidget *>(watched);
        if ((list == List1 || list == List2) && IsEnter(key) && !list->selectedItems().isEmpty()) {
            list == List1 ? List1_DblClick() : List2_DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace numo
