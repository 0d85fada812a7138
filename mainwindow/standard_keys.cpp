#include "mainwindow/standard_keys.h"

#include "fields/field_set.h"
#include "mainwindow/description_parts.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QListWidget>
#include <QShortcut>

namespace numo {

namespace {

    // Each field whose Ctrl+Enter presses a button.
    struct FieldButton
    {
        const char *field;
        const char *button;
        const char *where; // the field, as the button's hint names it
    };
    constexpr FieldButton kFieldButtons[] = {
        {"Text1", "Command1", "the decimal field"},
        {"Text2", "Command4", "the hexadecimal field"},
        {"Text3", "Command6", "the binary field"},
        {"Text4", "Command2", "the large decimal field"},
        {"Text5", "Command3", "the text line, in String mode"},
    };

    bool IsCtrlEnter(const QKeyEvent &key)
    {
        return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
            && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    }

} // namespace

StandardKeys::StandardKeys(QWidget &mainWindow) : QObject(&mainWindow), window(mainWindow)
{
    auto *help = window.findChild<QAbstractButton *>(QStringLiteral("Command8"));
    connect(new QShortcut(QKeySequence::HelpContents, &window), &QShortcut::activated, help,
        &QAbstractButton::click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &window), &QShortcut::activated,
        &window, &QWidget::close);
    SetDescriptionPart(help, DescriptionPart::Key,
        QKeySequence(QKeySequence::HelpContents).toString(QKeySequence::NativeText));

    for (const auto &[fieldName, buttonName, where] : kFieldButtons) {
        auto *field = window.findChild<QWidget *>(QString::fromLatin1(fieldName));
        auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(buttonName));
        field->installEventFilter(this);
        SetDescriptionPart(
            field, DescriptionPart::Key, tr("Ctrl+Enter: %1").arg(button->text().simplified()));
        SetDescriptionPart(
            button, DescriptionPart::Key, tr("Ctrl+Enter in %1").arg(QLatin1String(where)));
    }
}

bool StandardKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !IsCtrlEnter(*static_cast<QKeyEvent *>(event)))
        return QObject::eventFilter(watched, event);
    for (const auto &[fieldName, buttonName, where] : kFieldButtons) {
        if (watched->objectName() != QLatin1String(fieldName))
            continue;
        if (watched->objectName() == u"Text5") {
            const auto *mode = window.findChild<QListWidget *>(QStringLiteral("List2"));
            const auto chosen = mode->selectedItems();
            if (chosen.isEmpty() || chosen.first()->text().toStdU16String() != kString)
                return false; // single key mode: the key goes on as before
        }
        window.findChild<QAbstractButton *>(QString::fromLatin1(buttonName))->click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace numo
