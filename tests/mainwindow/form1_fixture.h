// Shared steps of the main-window tests: a Form1 on a temporary data folder, driven with real
// key and mouse events.
#pragma once

#include "mainwindow/caption_button.h"
#include "mainwindow/form1.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstddef>
#include <memory>

namespace numo::testing {

class WindowOnTemporaryFolder
{
public:
    // The data folder is a fresh subfolder "plim" of a temporary folder, not yet created; the
    // settings file, when given, is written into it first.
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
    }

    [[nodiscard]] QString iniPath() const { return folder + QStringLiteral("/numo2.ini"); }
    [[nodiscard]] QString helpPath() const { return folder + QStringLiteral("/numo2.txt"); }

    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    QTemporaryDir root;
    QString folder;
    std::unique_ptr<Form1> form;
};

// Replaces a text box's text the way a user does: select all, then type; "\n" is Enter.
// Characters outside ASCII arrive as a key event carrying the text, as an input method sends it.
inline void TypeInto(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch == u'\n') {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (ch.unicode() < 128) {
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(box, &press);
            QCoreApplication::sendEvent(box, &release);
        }
    }
}

// A data function's rows from a table of structs: one row per entry, named by the entry's `name`,
// with the entry's index in the column "row".
template <typename Entry, std::size_t N> void AddRowIndices(const Entry (&table)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t row = 0; row < N; ++row)
        QTest::newRow(table[row].name) << static_cast<int>(row);
}

inline void Click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

inline void ClickItem(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
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

inline QString Shown(const QPlainTextEdit *box)
{
    return box->toPlainText();
}

inline QString Shown(const QLineEdit *box)
{
    return box->text();
}

} // namespace numo::testing
