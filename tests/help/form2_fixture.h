// Shared steps of the help-window tests: a help file in a temporary folder and a Form2 on it,
// shown and active, driven with real key and mouse events.
#pragma once

#include "help/form2.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace numo::testing {

class HelpWindowFixture
{
protected:
    QTemporaryDir dir;
    QPointer<Form2> window;

    QString helpPath() const { return dir.filePath(QStringLiteral("numo2.txt")); }

    void writeHelp(const QByteArray &bytes) const
    {
        QFile file(helpPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray helpBytes() const
    {
        QFile file(helpPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Creates the window on `path`, shows it and waits until it has the focus.
    bool openWindow(const QString &path)
    {
        window = new Form2(path, QStringLiteral("Numo help title"));
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    bool openWindow() { return openWindow(helpPath()); }

    QPlainTextEdit *text1() const
    {
        return window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    }
    QLineEdit *text2() const { return window->findChild<QLineEdit *>(QStringLiteral("Text2")); }
    QPushButton *command1() const
    {
        return window->findChild<QPushButton *>(QStringLiteral("Command1"));
    }
    QLabel *statusLabel() const
    {
        return window->findChild<QLabel *>(QStringLiteral("statusLabel"));
    }

    // Types `search` into the search box and presses Enter there.
    void searchWithEnter(const QString &search)
    {
        text2()->clear();
        QTest::keyClicks(text2(), search);
        QTest::keyClick(text2(), Qt::Key_Return);
    }

    // To run before each test: no help file yet.
    void reset()
    {
        QVERIFY(dir.isValid());
        QFile::remove(helpPath());
    }

    // To run after each test: the window and the help file gone.
    void tidy()
    {
        delete window;
        QFile::setPermissions(helpPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(helpPath());
    }
};

} // namespace numo::testing
