// The help window's own keys and what a screen reader finds in it, driven through real key
// events on the offscreen platform and read through QAccessible.

#include "tests/help/form2_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QTextBlock>

namespace numo {

class Form2KeysTest : public QObject, protected testing::HelpWindowFixture
{
    Q_OBJECT

private slots:
    void init() { reset(); }
    void cleanup() { tidy(); }

    // Esc and Ctrl+W close the help window; Ctrl+Q closes every window, as closing the main
    // window does, which ends the program. None of them types into a box.
    void window_keys_close_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("closesEveryWindow");
        QTest::newRow("Esc in the help text") << QKeySequence(Qt::Key_Escape) << "Text1" << false;
        QTest::newRow("Esc in the search box") << QKeySequence(Qt::Key_Escape) << "Text2" << false;
        QTest::newRow("Ctrl+W in the help text")
            << QKeySequence(Qt::CTRL | Qt::Key_W) << "Text1" << false;
        QTest::newRow("Ctrl+W in the search box")
            << QKeySequence(Qt::CTRL | Qt::Key_W) << "Text2" << false;
        QTest::newRow("Ctrl+Q in the help text")
            << QKeySequence(Qt::CTRL | Qt::Key_Q) << "Text1" << true;
        QTest::newRow("Ctrl+Q in the search box")
            << QKeySequence(Qt::CTRL | Qt::Key_Q) << "Text2" << true;
    }

    void window_keys_close()
    {
        QFETCH(QKeySequence, key);
        QFETCH(QString, box);
        QFETCH(bool, closesEveryWindow);
        QWidget mainWindow;
        mainWindow.show();
        writeHelp("help\r\n");
        QVERIFY(openWindow());
        auto *widget = window->findChild<QWidget *>(box);
        widget->setFocus();
        QTest::keySequence(widget, key);
        QCOMPARE(text1()->toPlainText(), QStringLiteral("help\n"));
        QVERIFY(text2()->text().isEmpty());
        QVERIFY(!window->isVisible());
        QCOMPARE(mainWindow.isVisible(), !closesEveryWindow);
    }

    // A line far longer than the box keeps in blocks: the search's caret and a copy of the
    // whole text read as one line, however it is cut.
    void long_line_searches_and_copies_as_one_data()
    {
        QTest::addColumn<QByteArray>("unit");
        QTest::newRow("no blanks") << QByteArray("x");
        QTest::newRow("words") << QByteArray("binary ");
        QTest::newRow("blank at the limit") << QByteArray(16383, 'x') + ' ';
    }

    void long_line_searches_and_copies_as_one()
    {
        QFETCH(QByteArray, unit);
        const QByteArray half = unit.repeated(20'000 / unit.size() + 1);
        writeHelp("top\r\n" + half + "Fax:" + half + "\r\nend");
        QVERIFY(openWindow());
        searchWithEnter(QStringLiteral("fax:"));
        const QString marked =
            "top\n" + QString::fromLatin1(half) + "<<fax:>>" + QString::fromLatin1(half) + "\nend";
        const QTextCursor caret = text1()->textCursor();
        QCOMPARE(text1()->document()->characterAt(caret.position()), QChar(u':'));
        QCOMPARE(text1()->document()->characterAt(caret.position() - 3), QChar(u'f'));
        for (QTextBlock block = text1()->document()->begin(); block.isValid(); block = block.next())
            QVERIFY(block.length() <= 16385);
        text1()->setFocus();
        QTest::keySequence(text1(), QKeySequence::SelectAll);
        QTest::keySequence(text1(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), marked);
        // A selection that starts and ends inside the long line.
        QTextCursor part = text1()->textCursor();
        part.setPosition(10);
        part.setPosition(text1()->document()->characterCount() - 10, QTextCursor::KeepAnchor);
        text1()->setTextCursor(part);
        QTest::keySequence(text1(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), marked.mid(10, marked.size() - 19));
    }

    void ctrl_f_selects_the_search_text_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("help text") << "Text1";
        QTest::newRow("button") << "Command1";
        QTest::newRow("search box") << "Text2";
    }

    void ctrl_f_selects_the_search_text()
    {
        QFETCH(QString, from);
        writeHelp("help\r\n");
        QVERIFY(openWindow());
        QTest::keyClicks(text2(), QStringLiteral("word"));
        text2()->setCursorPosition(1);
        auto *widget = window->findChild<QWidget *>(from);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), text2());
        QCOMPARE(text2()->selectedText(), QStringLiteral("word"));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("help\n"));
        QVERIFY(text2()->toolTip().contains(QStringLiteral("Ctrl+F")));
    }

    // A screen reader tells the help window from the main window by its name, and reads the
    // not-found message as the name and the text of a status bar.
    void screen_reader_reads_the_search_result()
    {
        writeHelp("Numo help\r\n");
        QVERIFY(openWindow());
        QAccessibleInterface *help = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(help->text(QAccessible::Name), QStringLiteral("Numo help"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Numo help title"));
        QAccessibleInterface *result = nullptr;
        for (int i = 0; i < help->childCount() && !result; ++i)
            if (help->child(i)->role() == QAccessible::StatusBar)
                result = help->child(i);
        QVERIFY(result);
        QVERIFY(result->state().invisible);
        QAccessibleTextInterface *text = result->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 0);

        searchWithEnter(QStringLiteral("xyz"));
        QVERIFY(!result->state().invisible);
        QCOMPARE(result->text(QAccessible::Name), QStringLiteral("xyz not found."));
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("xyz not found."));

        searchWithEnter(QStringLiteral("help"));
        QVERIFY(result->state().invisible);
        QCOMPARE(text->characterCount(), 0);
    }
};

} // namespace numo

QTEST_MAIN(numo::Form2KeysTest)
#include "form2_keys_test.moc"
