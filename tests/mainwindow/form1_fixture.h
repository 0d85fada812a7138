// Shared steps of the main-window tests: a Form1 on a temporary data folder, its controls found
// by name, driven with real key and mouse events.
#pragma once

#include "mainwindow/form1.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace numo::testing {

class WindowOnTemporaryFolder
{
public:
    // The data folder is a fresh subfolder "plim" of a temporary folder; the settings file,
    // when given, is written into it first.
    explicit WindowOnTemporaryFolder(const QByteArray *settingsFile = nullptr)
    {
        folder = root.path() + QStringLiteral("/plim");
        if (settingsFile) {
            QDir().mkdir(folder);
            QFile file(iniPath());
            file.open(QIODevice::WriteOnly);
            file.write(*settingsFile);
        }
        form = std::make_unique<Form1>(folder);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    [[nodiscard]] QString iniPath() const { return folder + QStringLiteral("/numo2.ini"); }

    // The control named `name` (Text1, Command3, List1, Label7, ...).
    template <typename Control = QWidget> [[nodiscard]] Control *get(const char *name) const
    {
        return form->findChild<Control *>(QString::fromLatin1(name));
    }
    [[nodiscard]] QPlainTextEdit *box(const char *name) const { return get<QPlainTextEdit>(name); }
    [[nodiscard]] QLineEdit *line(const char *name) const { return get<QLineEdit>(name); }
    [[nodiscard]] QPushButton *button(const char *name) const { return get<QPushButton>(name); }
    [[nodiscard]] QListWidget *list(const char *name) const { return get<QListWidget>(name); }
    [[nodiscard]] QLabel *label(const char *name) const { return get<QLabel>(name); }

    // What a text box shows, a multi-line or a single-line one.
    [[nodiscard]] QString shown(const char *name) const
    {
        if (const auto *multiLine = box(name))
            return multiLine->toPlainText();
        return line(name)->text();
    }

    QTemporaryDir root;
    QString folder;
    std::unique_ptr<Form1> form;
};

// Replaces a text box's text the way a user does: select all, then type. Characters outside
// ASCII arrive as a key event carrying the text, as an input method sends it.
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

inline void Click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// The events of a real double-click: QTest's double-click alone sends no press before it.
inline void DoubleClickItem(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
}

inline QString Clipboard()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace numo::testing
