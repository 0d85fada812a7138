// The main-window tests' harness: a Form1 on a temporary data folder, driven by short scripts of
// user steps with real key and mouse events, and read back through named checks.
#pragma once

#include "help/form2.h"
#include "mainwindow/form1.h"
#include "mainwindow/work_display.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace numo::testing {

class Window
{
public:
    // The data folder is a fresh subfolder "plim" of a temporary folder; the settings file,
    // when given, is written into it first.
    explicit Window(const char *settingsFile = nullptr)
    {
        folder = root.path() + QStringLiteral("/plim");
        if (settingsFile) {
            QDir().mkdir(folder);
            QFile file(iniPath());
            file.open(QIODevice::WriteOnly);
            file.write(settingsFile);
        }
        form = std::make_unique<Form1>(folder);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    [[nodiscard]] QString iniPath() const { return folder + QStringLiteral("/numo2.ini"); }
    template <typename Control = QWidget> [[nodiscard]] Control *get(const QString &name) const
    {
        return form->findChild<Control *>(name);
    }

    QTemporaryDir root;
    QString folder;
    std::unique_ptr<Form1> form;
};

inline QString Clipboard()
{
    return QGuiApplication::clipboard()->text();
}

// Replaces a box's text the way a user does: select all, then type. Characters outside ASCII
// arrive as a key event carrying the text, as an input method sends it.
inline void TypeInto(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(box, &press);
            QCoreApplication::sendEvent(box, &release);
        }
    }
}

// A point inside the character at a document position.
inline QPoint PointOf(const QPlainTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    return box->cursorRect(cursor).center() + QPoint(2, 0);
}

// Runs steps separated by "; ": "type Text1 1.2", "paste Text7 text" (control characters too),
// "fill Text4 9" (that many digits 1), "click Command1", "key List1 Return" (Return, Enter,
// Space, or any key sequence such as Ctrl+Return or F1), "menu Text2" (its context menu opened and
// closed), "press List1" (Return, no release), "dbl List1 1", "select List1 2", "caret Text2 8"
// (Home, then that many Right), "hover Text5 1" and "hoverlow Text5 1" (at its bottom edge), "off"
// and "on" (the work display), "restart" (a new window on the same folder), "block" (a folder where
// the settings file goes).
inline void Run(Window &w, const QString &script)
{
    for (const QString &step : script.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        const QString rest = step.section(u' ', 2);
        QWidget *control = w.get(name);
        if (verb == u"type") {
            TypeInto(control, rest);
        } else if (verb == u"paste") {
            w.get<QLineEdit>(name) ? w.get<QLineEdit>(name)->setText(rest)
                                   : w.get<QPlainTextEdit>(name)->setPlainText(rest);
        } else if (verb == u"menu") { // the context menu, opened from the keyboard and closed
            QWidget *focus = QApplication::focusWidget(); // offscreen gives it back to nobody
            QContextMenuEvent request(
                QContextMenuEvent::Keyboard, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(control, &request);
            if (QWidget *menu = QApplication::activePopupWidget())
                QTest::keyClick(menu, Qt::Key_Escape);
            if (focus) {
                focus->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(focus->window()));
                focus->setFocus();
            }
        } else if (verb == u"click") {
            QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        } else if (verb == u"press") { // without a release
            control->setFocus();
            QTest::keyPress(control, Qt::Key_Return);
        } else if (verb == u"key") { // "Return", "Enter" (the keypad's), "Space", "Ctrl+Q", "F1"
            const QKeyCombination key = QKeySequence::fromString(rest)[0];
            control->setFocus();
            QTest::keyClick(control, key.key(),
                key.keyboardModifiers()
                    | (key.key() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier));
        } else if (verb == u"dbl") {
            // The events of a real double-click: QTest's double-click alone sends no press.
            auto *list = w.get<QListWidget>(name);
            const QPoint centre = list->visualItemRect(list->item(rest.toInt())).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
        } else if (verb == u"select") {
            control->setFocus();
            w.get<QListWidget>(name)->setCurrentRow(rest.toInt());
        } else if (verb == u"caret") {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Home, Qt::ControlModifier);
            for (int i = 0; i < rest.toInt(); ++i)
                QTest::keyClick(control, Qt::Key_Right);
        } else if (verb == u"hover" || verb == u"hoverlow") { // inside, or on its bottom row
            auto *box = w.get<QPlainTextEdit>(name);
            QTextCursor cursor(box->document());
            cursor.setPosition(rest.toInt());
            const QRect rect = box->cursorRect(cursor);
            QTest::mouseMove(box->viewport(),
                verb == u"hover" ? PointOf(box, rest.toInt())
                                 : QPoint(rect.left() + 2, rect.bottom()));
        } else if (verb == u"leave") { // the pointer leaves the box
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(w.get<QPlainTextEdit>(name)->viewport(), &leave);
        } else if (verb == u"fill") {
            const QString digits(rest.toInt(), u'1');
            w.get<QLineEdit>(name) ? w.get<QLineEdit>(name)->setText(digits)
                                   : w.get<QPlainTextEdit>(name)->setPlainText(digits);
        } else if (verb == u"off" || verb == u"on") {
            w.form->setShowWork(verb == u"on");
        } else if (verb == u"restart") {
            w.form = std::make_unique<Form1>(w.folder);
        } else {
            QVERIFY(QDir().mkdir(w.iniPath()));
        }
    }
}

// The cues the work display gives the character at a document position, as "alt" (every
// second byte), "linked", "wave", "dotted", "struck" joined by "+", or "plain".
inline QString CuesAt(const QPlainTextEdit *box, int position)
{
    QTextCharFormat format;
    for (const auto &selection : box->extraSelections())
        if (selection.cursor.selectionStart() <= position
            && position < selection.cursor.selectionEnd())
            format.merge(selection.format);
    QStringList cues;
    if (format.background().color() == box->palette().color(QPalette::Highlight))
        cues << QStringLiteral("linked");
    else if (format.hasProperty(QTextFormat::BackgroundBrush))
        cues << QStringLiteral("alt");
    if (format.underlineStyle() == QTextCharFormat::WaveUnderline)
        cues << QStringLiteral("wave");
    if (format.underlineStyle() == QTextCharFormat::DotLine)
        cues << QStringLiteral("dotted");
    if (format.fontStrikeOut())
        cues << QStringLiteral("struck");
    return cues.isEmpty() ? QStringLiteral("plain") : cues.join(u'+');
}

inline QString ToolTipAt(QPlainTextEdit *box, int position)
{
    QToolTip::hideText();
    const QPoint point = PointOf(box, position);
    QHelpEvent help(QEvent::ToolTip, point, box->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(box->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// What a check names: a box's text, a caption, a list's selection, a button's state; with
// ".t" a tool tip, ".d" an accessible description; "link.Text2" the byte linked there,
// "dim.Label1" whether a caption is dimmed, "cue.Text2.3" and "tip.Text2.3" the cues and tool
// tip at a position; the focus, the clipboard, the busy cursor, the title, whether the window
// and the help window show, the settings file (line ends as "/") and the save warning.
inline QString Seen(const Window &w, const QString &what)
{
    const QString name = what.section(u'.', 0, 0);
    const QString part = what.section(u'.', 1, 1);
    const int at = what.section(u'.', 2, 2).toInt();
    if (what == u"focus")
        return QApplication::focusWidget()->objectName();
    if (what == u"clipboard")
        return Clipboard();
    if (what == u"cursor")
        return QApplication::overrideCursor() ? QStringLiteral("busy") : QStringLiteral("none");
    if (what == u"title")
        return w.form->windowTitle();
    if (what == u"window")
        return w.form->isVisible() ? QStringLiteral("shown") : QStringLiteral("closed");
    if (what == u"help")
        return w.form->helpWindow() && w.form->helpWindow()->isVisible() ? "shown" : "none";
    if (what == u"warning")
        return w.form->saveWarning() && w.form->saveWarning()->isVisible() ? "shown" : "none";
    if (what == u"ini") {
        QFile file(w.iniPath());
        return file.open(QIODevice::ReadOnly)
            ? QString::fromLatin1(file.readAll())
                  .replace(QStringLiteral("\r\n"), QStringLiteral("/"))
            : QStringLiteral("missing");
    }
    if (name == u"link") {
        const auto byte = w.form->workDisplay()->linkedByte(w.get<QPlainTextEdit>(part));
        return byte ? QString::number(*byte) : QStringLiteral("none");
    }
    if (name == u"dim") {
        const auto *caption = w.get<QLabel>(part);
        const bool dim = caption->foregroundRole() == QPalette::PlaceholderText;
        return dim == caption->font().italic() ? QString::fromLatin1(dim ? "yes" : "no") : "half";
    }
    if (name == u"cue")
        return CuesAt(w.get<QPlainTextEdit>(part), at);
    if (name == u"tip")
        return ToolTipAt(w.get<QPlainTextEdit>(part), at);
    if (part == u"t")
        return w.get(name)->toolTip();
    if (part == u"d")
        return w.get(name)->accessibleDescription();
    if (auto *label = w.get<QLabel>(name))
        return label->text();
    if (auto *button = w.get<QPushButton>(name))
        return button->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
    if (auto *list = w.get<QListWidget>(name))
        return list->selectedItems().isEmpty() ? QString() : list->selectedItems().first()->text();
    if (auto *box = w.get<QPlainTextEdit>(name))
        return box->toPlainText();
    return w.get<QLineEdit>(name)->text();
}

} // namespace numo::testing
