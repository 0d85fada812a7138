// The main-window tests' harness: a Form1 on a temporary data folder, driven by short scripts of
// user steps with real key and mouse events (the checks that read it back: form1_checks.h).
#pragma once

#include "../common/steps.h"
#include "help/form2.h"
#include "mainwindow/form1.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

namespace numo::testing {

class Window;
void Run(Window &w, const QString &script);

class Window
{
public:
    // The data folder is a fresh subfolder "plim" of a temporary folder, prepared by the steps
    // of `before` (see Run) before the window starts on it.
    explicit Window(const char *before = nullptr)
    {
        folder = root.path() + QStringLiteral("/plim");
        Run(*this, QString::fromUtf8(before));
        form = std::make_unique<Form1>(folder);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    ~Window()
    {
        if (locale)
            QLocale::setDefault(*locale);
    }
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    [[nodiscard]] QString iniPath() const { return folder + QStringLiteral("/numo2.ini"); }
    // "ini" (the settings), "txt" (the help file) or "folder".
    [[nodiscard]] QString path(const QString &which) const
    {
        return which == u"folder" ? folder
                                  : folder + (which == u"ini" ? "/numo2.ini" : "/numo2.txt");
    }
    template <typename Control = QWidget> [[nodiscard]] Control *get(const QString &name) const
    {
        return form->findChild<Control *>(name);
    }

    QTemporaryDir root;
    QString folder;
    std::optional<QLocale> locale; // the default before a "locale" step
    bool busySeen = false;         // the busy cursor, while a watched box was written
    std::unique_ptr<Form1> form;
};

// A point inside the character at a document position.
inline QPoint PointOf(const QPlainTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    return box->cursorRect(cursor).center() + QPoint(2, 0);
}

// The byte inspector's window while it shows, else null.
inline QWidget *Inspector()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == u"ByteInspector" && widget->isVisible())
            return widget;
    return nullptr;
}

// What a check names (form1_checks.h).
inline QString Seen(const Window &w, const QString &what);

// Opens the field's context menu (with the Menu key's request, or with Shift+F10) and its
// "Copy as" submenu, and returns the submenu.
inline QMenu *OpenCopyAs(QWidget *field, bool shiftF10)
{
    if (shiftF10) {
        QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QContextMenuEvent request(
            QContextMenuEvent::Keyboard, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &request);
    }
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    for (QAction *action : menu ? menu->actions() : QList<QAction *>())
        if (action->objectName() == u"CopyAs") {
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Right);
            return action->menu();
        }
    return nullptr;
}

// Runs steps separated by "; ". Before the start, on the data folder: "write ini bytes" (or txt),
// "dir ini" (a folder in its place), "gone" (the folder's parent missing too), "locale de_DE" (the
// default locale). In the window: "type", "paste", "click" and "key" (../common/steps.h),
// "fill Text4 9" (that many digits 1), "menu Text2" (its context menu opened and closed), "inspect
// Text2" (its "Inspect bytes" entry), "inspector Down Ctrl+C" (keys in the byte inspector's
// table, its window active), "copyas Text2 3" and "copyasf10 Text2 3" (that entry of Copy as, from
// the Menu key or Shift+F10), "press List1" (Return, no release), "dbl List1 1", "select List1 2",
// "caret Text2 8" (Home, then that many Right), "back Text2 8" (End, then that many Shift+Left),
// "watch Text4" (whether the busy cursor shows while the box is written), "hover Text5 1" and
// "hoverlow Text5 1" (at its bottom edge), "leave Text5", "palette #fff #38c #000" (base,
// highlight, text; then window, window text, highlighted text, link and placeholder), "off" and
// "on" (the work display), "restart" (a new window on the same folder), "expect what=seen" (a
// check, as in Seen, between steps).
inline void Run(Window &w, const QString &script)
{
    for (const QString &step : script.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        const QString rest = step.section(u' ', 2);
        QWidget *control = nullptr;
        if (SharedStep(w.form.get(), step)) {
        } else if (verb == u"write" || verb == u"dir") {
            QDir().mkpath(w.folder);
            QFile file(w.path(name));
            QVERIFY(verb == u"dir"
                    ? QDir().mkdir(w.path(name))
                    : file.open(QIODevice::WriteOnly) && file.write(rest.toLatin1()) >= 0);
        } else if (verb == u"gone") {
            w.folder = w.root.path() + QStringLiteral("/gone/plim");
        } else if (verb == u"locale") {
            w.locale.emplace();
            QLocale::setDefault(QLocale(name));
        } else if (verb == u"expect") {
            const QString what = step.section(u' ', 1).section(u'=', 0, 0);
            QCOMPARE(what + u'=' + Seen(w, what), step.section(u' ', 1));
        } else if (verb == u"palette") { // in the order of the roles below
            QPalette palette = w.form->palette();
            const QStringList colours = step.split(u' ').mid(1);
            const QPalette::ColorRole roles[] = {QPalette::Base, QPalette::Highlight,
                QPalette::Text, QPalette::Window, QPalette::WindowText, QPalette::HighlightedText,
                QPalette::Link, QPalette::PlaceholderText};
            for (qsizetype i = 0; i < colours.size(); ++i)
                palette.setColor(roles[i], QColor(colours[i]));
            w.form->setPalette(palette);
        } else if (verb == u"off" || verb == u"on") {
            w.form->setShowWork(verb == u"on");
        } else if (verb == u"restart") {
            w.form = std::make_unique<Form1>(w.folder);
        } else if (verb == u"inspector") {
            QWidget *inspector = Inspector();
            QVERIFY(inspector);
            inspector->activateWindow(); // a tool window counts as active with its owner
            QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == inspector; }));
            for (const QString &each : step.section(u' ', 1).split(u' ')) {
                const QKeyCombination key = QKeySequence::fromString(each)[0];
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            }
        } else if (!(control = Find(w.form.get(), step))) {
            return;                   // failed, naming the step
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
        } else if (verb == u"inspect") {
            QContextMenuEvent request(
                QContextMenuEvent::Keyboard, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(control, &request);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->setActiveAction(menu->findChild<QAction *>(QStringLiteral("InspectBytes")));
            QTest::keyClick(menu, Qt::Key_Return);
        } else if (verb.startsWith(u"copyas")) {
            control->setFocus();
            QMenu *copyAs = OpenCopyAs(control, verb == u"copyasf10");
            QVERIFY(copyAs && copyAs->isVisible());
            for (int i = 0; i < rest.toInt(); ++i)
                QTest::keyClick(copyAs, Qt::Key_Down);
            QTest::keyClick(copyAs, Qt::Key_Return);
        } else if (verb == u"press") { // without a release
            control->setFocus();
            QTest::keyPress(control, Qt::Key_Return);
        } else if (verb == u"dbl") {
            // The events of a real double-click: QTest's double-click alone sends no press.
            auto *list = w.get<QListWidget>(name);
            list->scrollToItem(list->item(rest.toInt()));
            const QPoint centre = list->visualItemRect(list->item(rest.toInt())).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
        } else if (verb == u"select") {
            control->setFocus();
            w.get<QListWidget>(name)->setCurrentRow(rest.toInt());
        } else if (verb == u"caret" || verb == u"back") {
            control->setFocus();
            QTest::keyClick(
                control, verb == u"caret" ? Qt::Key_Home : Qt::Key_End, Qt::ControlModifier);
            for (int i = 0; i < rest.toInt(); ++i)
                QTest::keyClick(control, verb == u"caret" ? Qt::Key_Right : Qt::Key_Left,
                    verb == u"caret" ? Qt::NoModifier : Qt::ShiftModifier);
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
        } else if (verb == u"watch") {
            QObject::connect(w.get<QPlainTextEdit>(name)->document(),
                &QTextDocument::contentsChanged,
                [&w] { w.busySeen = w.busySeen || QApplication::overrideCursor(); });
        } else if (verb == u"fill") {
            const QString digits(rest.toInt(), u'1');
            w.get<QLineEdit>(name) ? w.get<QLineEdit>(name)->setText(digits)
                                   : w.get<QPlainTextEdit>(name)->setPlainText(digits);
        } else {
            return FailStep("unknown verb", step);
        }
        if (QTest::currentTestFailed())
            return;
        QCoreApplication::sendPostedEvents(); // as the event loop does between two user events
    }
}

} // namespace numo::testing
