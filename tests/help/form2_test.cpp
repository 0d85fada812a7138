// The help window driven through real key and mouse events on the offscreen platform.

#include "help/help_writer.h"
#include "tests/help/form2_fixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace numo {

class Form2Test : public QObject, protected testing::HelpWindowFixture
{
    Q_OBJECT

private slots:
    void init() { reset(); }
    void cleanup() { tidy(); }

    // --- The window and its controls ---

    void is_an_independent_window_with_the_given_title()
    {
        writeHelp("x\r\n");
        window = new Form2(
            helpPath(), QStringLiteral("Numo Number Converter by   www.example  21 Sep 01"));
        QCOMPARE(window->parent(), nullptr);
        QVERIFY(window->isWindow());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(window->objectName(), QStringLiteral("Form2"));
        QCOMPARE(window->windowTitle(),
            QStringLiteral("Numo Number Converter by   www.example  21 Sep 01"));
        QCOMPARE(window->size(), QSize(536, 510)); // 8040 x 7650 twips
        QCOMPARE(command1()->text(), QStringLiteral("Search Help"));
        QVERIFY(!text1()->isReadOnly());
        QVERIFY(text1()->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
        QVERIFY(text2()->text().isEmpty());
        QVERIFY(statusLabel()->isHidden());
    }

    void controls_sit_at_their_design_places_with_names_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("name");
        // Twips over 15: Text2 0,120,5895,375; Command1 6000,120,1695,375; Text1 0,600,7935,6375.
        QTest::newRow("Text2") << "Text2" << QRect(0, 8, 393, 25) << "Search text";
        QTest::newRow("Command1") << "Command1" << QRect(400, 8, 113, 25) << "Search Help";
        QTest::newRow("Text1 before the first show")
            << "Text1" << QRect(0, 40, 529, 425) << "Help text";
    }

    void controls_sit_at_their_design_places_with_names()
    {
        QFETCH(QString, control);
        QFETCH(QRect, pixels);
        QFETCH(QString, name);
        window = new Form2(helpPath(), QString());
        const auto *widget = window->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), pixels);
        QCOMPARE(widget->accessibleName(), name);
        QVERIFY(!statusLabel()->accessibleName().isEmpty());
    }

    void focus_starts_in_the_help_text_and_tabs_in_order()
    {
        writeHelp("x\r\n");
        QVERIFY(openWindow());
        QCOMPARE(QApplication::focusWidget(), text1());
        QTest::keyClick(text1(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text2());
        QTest::keyClick(text2(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), command1());
        QCOMPARE(text1()->toPlainText(), QStringLiteral("x\n")); // Tab moved on, typed nothing
    }

    void deletes_itself_when_closed()
    {
        QVERIFY(openWindow());
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    // --- Loading ---

    void shows_the_file_one_character_per_byte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF lines")
            << QByteArray("abc\r\n def \r\n") << QStringLiteral("abc\n def \n");
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("code page 1252")
            << QByteArray("\x80 \xe9 \x9f") << QStringLiteral("\u20ac \u00e9 \u0178");
        QTest::newRow("no line end") << QByteArray("last") << QStringLiteral("last");
    }

    void shows_the_file_one_character_per_byte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        writeHelp(bytes);
        QVERIFY(openWindow());
        QCOMPARE(text1()->toPlainText(), text);
    }

    void shows_the_whole_help_file_as_written()
    {
        QVERIFY(WriteHelpFile(helpPath()));
        QVERIFY(openWindow());
        // 122 line ends make 123 paragraphs, the last one empty.
        QCOMPARE(text1()->document()->blockCount(), 123);
        QCOMPARE(text1()->document()->findBlockByNumber(66).text(),
            QStringLiteral("            Binary:"));
        QVERIFY(text1()->document()->lastBlock().text().isEmpty());
    }

    void missing_help_file_is_created_empty()
    {
        QVERIFY(openWindow());
        QVERIFY(QFile::exists(helpPath()));
        QCOMPARE(QFileInfo(helpPath()).size(), 0);
        QVERIFY(text1()->toPlainText().isEmpty());
        searchWithEnter(QStringLiteral("a"));
        QCOMPARE(statusLabel()->text(), QStringLiteral("a not found."));
        QCOMPARE(QFileInfo(helpPath()).size(), 0);
    }

    void missing_folder_shows_an_empty_window()
    {
        const QString path = dir.filePath(QStringLiteral("gone/numo2.txt"));
        QVERIFY(openWindow(path));
        QVERIFY(text1()->toPlainText().isEmpty());
        searchWithEnter(QStringLiteral("numo"));
        QCOMPARE(statusLabel()->text(), QStringLiteral("numo not found."));
        QVERIFY(!QFile::exists(path));
    }

    void read_only_help_file_still_shows_and_is_never_written()
    {
        const QByteArray bytes("Read only Numo help\r\n");
        writeHelp(bytes);
        QVERIFY(QFile::setPermissions(helpPath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QVERIFY(openWindow());
        QCOMPARE(text1()->toPlainText(), QStringLiteral("Read only Numo help\n"));
        QTest::keyClicks(text1(), QStringLiteral("typed"));
        searchWithEnter(QStringLiteral("only"));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("Read <<only>> Numo help\n"));
        delete window;
        QCOMPARE(helpBytes(), bytes);
        QCOMPARE(
            QFile::permissions(helpPath()) & QFileDevice::WriteOwner, QFileDevice::Permissions());
    }

    // --- Searching ---

    void enter_in_the_search_box_searches_and_inserts_nothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }

    void enter_in_the_search_box_searches_and_inserts_nothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        writeHelp("Binary: 1 binary\r\n");
        QVERIFY(openWindow());
        text2()->setFocus();
        QTest::keyClicks(text2(), QStringLiteral("binary"));
        QTest::keyClick(text2(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(text2()->text(), QStringLiteral("binary"));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("<<binary>>: 1 <<binary>>\n"));
        QCOMPARE(QApplication::focusWidget(), text2()); // the focus stays where it was
    }

    void other_keys_only_type_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("word") << QStringLiteral("bin");
        QTest::newRow("blanks") << QStringLiteral(" a b ");
        QTest::newRow("markup and placeholders") << QStringLiteral("<b>%1</b>");
    }

    void other_keys_only_type()
    {
        QFETCH(QString, typed);
        writeHelp("a bin b\r\n");
        QVERIFY(openWindow());
        QTest::keyClicks(text2(), typed);
        QCOMPARE(text2()->text(), typed);
        QCOMPARE(text1()->toPlainText(), QStringLiteral("a bin b\n"));
        QVERIFY(statusLabel()->isHidden());
    }

    void button_click_searches()
    {
        writeHelp("Hex and hex\r\n");
        QVERIFY(openWindow());
        QTest::keyClicks(text2(), QStringLiteral("HEX"));
        QTest::mouseClick(command1(), Qt::LeftButton);
        QCOMPARE(text1()->toPlainText(), QStringLiteral("<<hex>> and <<hex>>\n"));
    }

    void caret_lands_before_the_last_letter_of_the_first_mark_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<int>("position"); // in the box, where CR LF is one character
        QTest::addColumn<QChar>("after");
        QTest::newRow("first line") << QByteArray("Binary: 1 binary") << "BINARY"
                                    << "<<binary>>: 1 <<binary>>" << 7 << QChar(u'y');
        QTest::newRow("after one CR LF") << QByteArray("one\r\ntwo binary\r\n") << "binary"
                                         << "one\ntwo <<binary>>\n"
                                         << 15 << QChar(u'y');
        QTest::newRow("after two CR LF, one letter") << QByteArray("a\r\n\r\nxyz") << "Y"
                                                     << "a\n\nx<<y>>z" << 6 << QChar(u'y');
        QTest::newRow("lone LF counts once") << QByteArray("a\nbb") << "b"
                                             << "a\n<<b>><<b>>" << 4 << QChar(u'b');
        QTest::newRow("empty search") << QByteArray("abc\r\n") << ""
                                      << "abc\n"
                                      << 1 << QChar(u'b');
    }

    void caret_lands_before_the_last_letter_of_the_first_mark()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, search);
        QFETCH(QString, marked);
        QFETCH(int, position);
        QFETCH(QChar, after);
        writeHelp(bytes);
        QVERIFY(openWindow());
        text2()->setFocus();
        searchWithEnter(search);
        QCOMPARE(text1()->toPlainText(), marked);
        const QTextCursor cursor = text1()->textCursor();
        QCOMPARE(cursor.position(), position);
        QVERIFY(!cursor.hasSelection());
        QCOMPARE(text1()->document()->characterAt(position), after);
        QVERIFY(statusLabel()->isHidden());
    }

    void marks_every_occurrence_in_lower_case()
    {
        QVERIFY(WriteHelpFile(helpPath()));
        QVERIFY(openWindow());
        searchWithEnter(QStringLiteral("Binary"));
        const QString text = text1()->toPlainText();
        QCOMPARE(text1()->document()->findBlockByNumber(66).text(),
            QStringLiteral("            <<binary>>:"));
        QVERIFY(text.count(QStringLiteral("<<binary>>")) >= 10);
        QCOMPARE(text.count(QStringLiteral("binary"), Qt::CaseInsensitive),
            text.count(QStringLiteral("<<binary>>")));
    }

    void search_scrolls_the_caret_into_view()
    {
        QVERIFY(WriteHelpFile(helpPath()));
        QVERIFY(openWindow());
        QCOMPARE(text1()->verticalScrollBar()->value(), 0);
        searchWithEnter(QStringLiteral("fax:")); // only on the closing line
        QVERIFY(text1()->verticalScrollBar()->value() > 0);
        QVERIFY(text1()->viewport()->rect().contains(text1()->cursorRect()));
    }

    void each_search_starts_from_a_fresh_load()
    {
        writeHelp("binary Binary\r\n");
        QVERIFY(openWindow());
        searchWithEnter(QStringLiteral("bin"));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("<<bin>>ary <<bin>>ary\n"));
        searchWithEnter(QStringLiteral("binary"));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("<<binary>> <<binary>>\n"));
        searchWithEnter(QStringLiteral("in"));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("b<<in>>ary B<<in>>ary\n"));
        searchWithEnter(QStringLiteral("<<"));
        QCOMPARE(statusLabel()->text(), QStringLiteral("<< not found."));
        QCOMPARE(text1()->toPlainText(), QStringLiteral("binary Binary\n"));
    }

    void edits_in_the_help_text_are_lost_at_the_next_search()
    {
        writeHelp("help\r\n");
        QVERIFY(openWindow());
        QTest::keyClicks(text1(), QStringLiteral("zzz"));
        QVERIFY(text1()->toPlainText().contains(QStringLiteral("zzz")));
        QTest::mouseClick(command1(), Qt::LeftButton); // empty search: found, unmarked
        QCOMPARE(text1()->toPlainText(), QStringLiteral("help\n"));
        QCOMPARE(helpBytes(), QByteArray("help\r\n"));
    }

    void not_found_message_appears_and_clears_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("message");
        QTest::newRow("word") << "xyz"
                              << "xyz not found.";
        QTest::newRow("kept as typed") << "XyZ "
                                       << "XyZ  not found.";
        QTest::newRow("markup shown as text") << "<b>q</b>"
                                              << "<b>q</b> not found.";
    }

    void not_found_message_appears_and_clears()
    {
        QFETCH(QString, search);
        QFETCH(QString, message);
        writeHelp("Numo help\r\n");
        QVERIFY(openWindow());
        searchWithEnter(QStringLiteral("help"));
        searchWithEnter(search);
        QVERIFY(statusLabel()->isVisible());
        QCOMPARE(statusLabel()->text(), message);
        QCOMPARE(statusLabel()->textFormat(), Qt::PlainText);
        QVERIFY(window->isAncestorOf(statusLabel()));
        QCOMPARE(
            text1()->toPlainText(), QStringLiteral("Numo help\n")); // the earlier marks are gone
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        searchWithEnter(QStringLiteral("numo"));
        QVERIFY(!statusLabel()->isVisible());
        QVERIFY(statusLabel()->text().isEmpty());
    }

    // --- Resizing ---

    void help_text_follows_the_outer_size_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design") << QSize(536, 510);
        QTest::newRow("larger") << QSize(900, 700);
        QTest::newRow("smaller") << QSize(300, 200);
        QTest::newRow("width clamps at zero") << QSize(2, 300);
        QTest::newRow("both clamp at zero") << QSize(3, 3);
    }

    // Twips are pixels times 15, so the margins of 760 and 100 twips take 50.67 and 6.67 pixels:
    // an outer size of w x h leaves the help text w - 7 by h - 51 pixels, and never less than 0.
    void help_text_follows_the_outer_size()
    {
        QFETCH(QSize, client);
        writeHelp("x\r\n");
        QVERIFY(openWindow());
        window->resize(client);
        QTRY_COMPARE(window->size(), client);
        const QSize outer = window->frameGeometry().size();
        QCOMPARE(text1()->size(),
            QSize(std::max(0, outer.width() - 7), std::max(0, outer.height() - 51)));
        QCOMPARE(text1()->pos(), QPoint(0, 40));
        QCOMPARE(text2()->geometry(), QRect(0, 8, 393, 25));
        QCOMPARE(command1()->geometry(), QRect(400, 8, 113, 25));
    }
};

} // namespace numo

QTEST_MAIN(numo::Form2Test)
#include "form2_test.moc"
