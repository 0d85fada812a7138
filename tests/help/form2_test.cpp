// The help file against the golden copy in tests/data, byte for byte; and the help window, one
// row per path, driven through real key and mouse events and read back as a user or a screen
// reader finds it.
#include "../common/steps.h"
#include "help/form2.h"
#include "help/help_text.h"
#include "help/help_writer.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <string>

namespace numo {
using namespace testing;

namespace {

    struct Row
    {
        const char *name;
        const char *file; // the help file's bytes, or nullptr for none
        const char *steps;
        const char *checks; // "what=seen" separated by "|"
    };

    // The longest word the help text still wraps at word boundaries, and one character more.
    const std::string kLongestWord(200, 'x');
    const std::string kTooLongWord = kLongestWord + 'x';

    // Steps (../common/steps.h), and "search word" (typed into the search box, then Return),
    // "enter word" (the keypad's Enter), "button word" (a click on Search Help), "resize 900 700"
    // (the outer size). Checks: "Text1", "Text2", "selected" (in the search box), "caret", "status"
    // (shown or not, and its text), "focus", "window" and "main" (shown or closed), "wrap", "size"
    // (of the help text, against the outer size less the margins), "file" (as it was, or not).
    const Row kRows[] = {
        {"shows_crlf_lines", "abc\r\n def \r\n", "", "Text1=abc\n def \n|wrap=word|file=kept"},
        {"shows_the_code_page", "\x80 \xe9 \x9f", "", "Text1=\u20ac \u00e9 \u0178"},
        {"missing_file_created_empty", nullptr, "", "Text1=|file=created empty"},
        {"long_word_wraps_anywhere", kTooLongWord.c_str(), "", "wrap=anywhere"},
        {"word_of_200_wraps_at_words", kLongestWord.c_str(), "", "wrap=word"},
        {"search_return", "Binary: 1 binary", "search e; search BINARY",
            "Text1=<<binary>>: 1 <<binary>>|caret=7|status=|focus=Text2|Text2=BINARY|file=kept"},
        {"search_keypad_enter", "Binary: 1 binary", "enter binary",
            "Text1=<<binary>>: 1 <<binary>>|caret=7|focus=Text2|Text2=binary"},
        {"search_button", "Hex and hex\r\n", "search e; button HEX",
            "Text1=<<hex>> and <<hex>>\n|caret=4|file=kept"},
        {"search_after_crlf", "one\r\ntwo binary\r\n", "button binary",
            "Text1=one\ntwo <<binary>>\n|caret=15"},
        {"search_after_two_crlf", "a\r\n\r\nxyz", "button Y", "Text1=a\n\nx<<y>>z|caret=6"},
        {"search_crlf_first", "\r\nab", "button b", "Text1=\na<<b>>|caret=4"},
        {"search_lone_lf", "a\nbb", "button b", "Text1=a\n<<b>><<b>>|caret=4"},
        {"search_empty", "abc\r\n", "search e; button ", "Text1=abc\n|caret=1|status="},
        {"search_not_found", "Numo help\r\n", "search e; button XyZ ",
            "Text1=Numo help\n|status=XyZ  not found.|file=kept"},
        {"search_markup_as_text", "x", "button <b>q</b>", "Text1=x|status=<b>q</b> not found."},
        {"esc_in_search_box", "help\r\n", "key Text2 Esc", "window=closed|main=shown|Text2="},
        {"ctrl_w_in_help_text", "help\r\n", "key Text1 Ctrl+W", "window=closed|main=shown"},
        {"ctrl_q_in_search_box", "help\r\n", "key Text2 Ctrl+Q", "window=closed|main=closed"},
        {"ctrl_f_from_help_text", "help\r\n", "search word; key Text2 Left; key Text1 Ctrl+F",
            "focus=Text2|selected=word|Text1=help\n"},
        {"resize_larger", "x\r\n", "resize 900 700", "size=fits"},
        {"resize_clamps_at_zero", "x\r\n", "resize 3 3", "size=fits"},
    };

} // namespace

class Form2Test : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("numo2.txt"));
    QPointer<Form2> window;
    QPointer<QWidget> mainWindow; // stands for the main window, for the keys that close all

    // Writes the help file (none when `bytes` is null), opens the window on it and waits for it.
    void open(const QByteArray &bytes)
    {
        QFile::remove(path);
        QFile file(path);
        if (!bytes.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        window = new Form2(path, QStringLiteral("Numo help title"));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    template <typename T = QWidget> T *get(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    void run(const QString &steps)
    {
        for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            const QString verb = step.section(u' ', 0, 0);
            const QString rest = step.section(u' ', 1);
            if (SharedStep(window, step)) {
            } else if (verb == u"resize") {
                const QSize size(rest.section(u' ', 0, 0).toInt(), rest.section(u' ', 1).toInt());
                window->resize(size);
                QTRY_COMPARE(window->size(), size);
            } else if (verb == u"search" || verb == u"enter" || verb == u"button") {
                TypeInto(get(QStringLiteral("Text2")), rest);
                SharedStep(window,
                    verb == u"button"      ? QStringLiteral("click Command1")
                        : verb == u"enter" ? QStringLiteral("key Text2 Enter")
                                           : QStringLiteral("key Text2 Return"));
            } else {
                return FailStep("unknown verb", step);
            }
            if (QTest::currentTestFailed())
                return;
        }
    }

    QString seen(const QString &what, const QByteArray &file) const
    {
        const auto *text1 = get<QPlainTextEdit>(QStringLiteral("Text1"));
        const auto *status = get<QLabel>(QStringLiteral("statusLabel"));
        if (what == u"caret")
            return QString::number(text1->textCursor().position());
        // Shown exactly when it has a text, never as markup, under the search row.
        if (what == u"status")
            return status->isVisible() == !status->text().isEmpty()
                    && status->textFormat() == Qt::PlainText
                    && status->y() > get(QStringLiteral("Command1"))->geometry().bottom()
                ? status->text()
                : QStringLiteral("inconsistent");
        if (what == u"focus")
            return QApplication::focusWidget()->objectName();
        if (what == u"window")
            return window->isVisible() ? QStringLiteral("shown") : QStringLiteral("closed");
        if (what == u"main")
            return mainWindow && mainWindow->isVisible() ? QStringLiteral("shown")
                                                         : QStringLiteral("closed");
        if (what == u"selected")
            return get<QLineEdit>(QStringLiteral("Text2"))->selectedText();
        if (what == u"wrap")
            return text1->wordWrapMode() == QTextOption::WrapAnywhere ? QStringLiteral("anywhere")
                                                                      : QStringLiteral("word");
        if (what == u"size") { // margins of 760 and 100 twips: 50.67 and 6.67 pixels
            const QSize outer = window->frameGeometry().size();
            return text1->geometry()
                    == QRect(
                        0, 40, std::max(0, outer.width() - 7), std::max(0, outer.height() - 51))
                ? QStringLiteral("fits")
                : QStringLiteral("%1x%2").arg(text1->width()).arg(text1->height());
        }
        if (what == u"file") {
            QFile help(path);
            if (!help.open(QIODevice::ReadOnly))
                return QStringLiteral("missing");
            const QByteArray now = help.readAll();
            return file.isNull() && now.isEmpty() ? QStringLiteral("created empty")
                : now == file                     ? QStringLiteral("kept")
                                                  : QStringLiteral("changed");
        }
        if (what == u"Text2")
            return get<QLineEdit>(what)->text();
        return text1->toPlainText();
    }

private slots:
    void cleanup()
    {
        delete window;
        delete mainWindow;
    }

    void each_path_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row)
            QTest::newRow(kRows[row].name) << row;
    }

    void each_path()
    {
        QFETCH(int, row);
        const QByteArray file = kRows[row].file ? QByteArray(kRows[row].file) : QByteArray();
        mainWindow = new QWidget;
        mainWindow->show();
        open(file);
        run(QString::fromUtf8(kRows[row].steps));
        QCOMPARE(window->windowTitle(), QStringLiteral("Numo help title"));
        for (const QString &check : QString::fromUtf8(kRows[row].checks).split(u'|')) {
            const QString what = check.section(u'=', 0, 0);
            QCOMPARE(what + u'=' + seen(what, file), check);
        }
    }

    void help_text_is_the_golden_file()
    {
        QFile file(QStringLiteral(NUMO_TEST_DATA "/numo2.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray golden = file.readAll();
        QCOMPARE(golden.size(), 6162);
        QCOMPARE(QByteArray::fromStdString(HelpText()), golden);
        QCOMPARE(QByteArray::fromStdString(HelpLine(kHelpLineCount - 1)),
            golden.split('\n').at(kHelpLineCount - 2).chopped(1));
        QCOMPARE(
            QByteArray::fromStdString(HelpLine(1) + "\r\n"), golden.left(golden.indexOf('\n') + 1));
        QVERIFY(HelpLine(0).empty() && HelpLine(kHelpLineCount + 1).empty());

        open(QByteArray(20000, 'x')); // replaced while the window is open
        QVERIFY(WriteHelpFile(path));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), golden);
        run(QStringLiteral("search Binary"));
        QCOMPARE(seen(QStringLiteral("Text1"), {}).count(QStringLiteral("<<binary>>")), 13);
    }

    // A line far longer than the box keeps in blocks: the search's caret and a copy of the
    // whole text, or of a part, read as one line, however it is cut.
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
        open("top\r\n" + half + "Fax:" + half + "\r\nend");
        run(QStringLiteral("search fax:"));
        const QString marked =
            "top\n" + QString::fromLatin1(half) + "<<fax:>>" + QString::fromLatin1(half) + "\nend";
        auto *text1 = get<QPlainTextEdit>(QStringLiteral("Text1"));
        const int caret = text1->textCursor().position();
        QCOMPARE(text1->document()->characterAt(caret), QChar(u':'));
        QCOMPARE(text1->document()->characterAt(caret - 3), QChar(u'f'));
        for (QTextBlock block = text1->document()->begin(); block.isValid(); block = block.next())
            QVERIFY(block.length() <= 16385);
        run(QStringLiteral("key Text1 Ctrl+A; key Text1 Ctrl+C"));
        QCOMPARE(QGuiApplication::clipboard()->text(), marked);
        QTextCursor part = text1->textCursor();
        part.setPosition(10);
        part.setPosition(text1->document()->characterCount() - 10, QTextCursor::KeepAnchor);
        text1->setTextCursor(part);
        run(QStringLiteral("key Text1 Ctrl+C"));
        QCOMPARE(QGuiApplication::clipboard()->text(), marked.mid(10, marked.size() - 19));
    }

    // A screen reader tells the help window from the main window by its name, and reads the
    // not-found message as the name and the text of a status bar.
    void screen_reader_reads_the_search_result()
    {
        open("Numo help\r\n");
        QAccessibleInterface *help = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(help->text(QAccessible::Name), QStringLiteral("Numo help"));
        QAccessibleInterface *result = nullptr;
        for (int i = 0; i < help->childCount() && !result; ++i)
            if (help->child(i)->role() == QAccessible::StatusBar)
                result = help->child(i);
        QVERIFY(result && result->state().invisible && result->textInterface());
        run(QStringLiteral("search xyz"));
        QVERIFY(!result->state().invisible);
        QCOMPARE(result->text(QAccessible::Name), QStringLiteral("xyz not found."));
        QCOMPARE(result->textInterface()->text(0, 14), QStringLiteral("xyz not found."));
        QCOMPARE(result->textInterface()->text(4, 7), QStringLiteral("not"));
        run(QStringLiteral("search help"));
        QVERIFY(result->state().invisible);
        QCOMPARE(result->textInterface()->characterCount(), 0);
    }
};

} // namespace numo

QTEST_MAIN(numo::Form2Test)
#include "form2_test.moc"
