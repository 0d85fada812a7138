// The help window's own keys and what a screen reader finds in it, driven through real key
// events on the offscreen platform and read through QAccessible.

#include "tests/help/form2_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>

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
