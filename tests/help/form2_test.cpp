// The help file against the golden copy in tests/data, byte for byte, as the plain text and as
// the writer leaves it on disk; and the help window driven through real key and mouse events.
#include "help/form2.h"
#include "help/help_text.h"
#include "help/help_writer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace numo {

class Form2Test : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("numo2.txt"));
    QPointer<Form2> window;

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
    template <typename T> T *get(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QPlainTextEdit *text1() const { return get<QPlainTextEdit>("Text1"); }
    QLineEdit *text2() const { return get<QLineEdit>("Text2"); }
    QLabel *status() const { return get<QLabel>("statusLabel"); }

    void search(const QString &word, int key = Qt::Key_Return)
    {
        text2()->setFocus();
        text2()->clear();
        QTest::keyClicks(text2(), word);
        if (key == 0)
            QTest::mouseClick(get<QPushButton>("Command1"), Qt::LeftButton);
        else
            QTest::keyClick(
                text2(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

private slots:
    void cleanup() { delete window; }

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

        QFile::remove(path);
        open(QByteArray(20000, 'x')); // replaced whole, in place, while the window is open
        QString error;
        QVERIFY(WriteHelpFile(path, &error) && error.isEmpty());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), golden);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"numo2.txt"});
        search(QStringLiteral("Binary"));
        QCOMPARE(text1()->toPlainText().count(QStringLiteral("<<binary>>")), 13);
    }

    void failed_help_write_says_why_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << QStringLiteral("none/numo2.txt");
        QTest::newRow("folder in the way") << QStringLiteral("way");
    }

    void failed_help_write_says_why()
    {
        QFETCH(QString, target);
        QDir(dir.path()).mkdir(QStringLiteral("way"));
        QString error;
        QVERIFY(!WriteHelpFile(dir.filePath(target), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!WriteHelpFile(dir.filePath(target)));
    }

    void shows_the_file_one_character_per_byte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF lines") << QByteArray("abc\r\n def \r\n") << "abc\n def \n";
        QTest::newRow("code page") << QByteArray("\x80 \xe9 \x9f") << "\u20ac \u00e9 \u0178";
        QTest::newRow("missing file") << QByteArray() << "";
        QTest::newRow("a word too long to wrap at") << QByteArray(201, 'x') << QString(201, u'x');
    }

    void shows_the_file_one_character_per_byte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        open(bytes);
        QCOMPARE(text1()->toPlainText(), text);
        QCOMPARE(window->windowTitle(), QStringLiteral("Numo help title"));
        QVERIFY(QFile::exists(path)); // a missing file is created empty
        QCOMPARE(QFileInfo(path).size(), bytes.size());
        QCOMPARE(text1()->wordWrapMode(),
            bytes.size() > 200 ? QTextOption::WrapAnywhere
                               : QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void search_marks_and_places_the_caret_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("key"); // 0: the button
        QTest::addColumn<QString>("marked");
        QTest::addColumn<int>("caret"); // in the box, where CR LF is one character
        QTest::addColumn<QString>("message");
        const QByteArray binary("Binary: 1 binary");
        QTest::newRow("return") << binary << "BINARY" << int(Qt::Key_Return)
                                << "<<binary>>: 1 <<binary>>" << 7 << "";
        QTest::newRow("keypad enter")
            << binary << "binary" << int(Qt::Key_Enter) << "<<binary>>: 1 <<binary>>" << 7 << "";
        QTest::newRow("button") << QByteArray("Hex and hex\r\n") << "HEX" << 0
                                << "<<hex>> and <<hex>>\n"
                                << 4 << "";
        QTest::newRow("after CR LF")
            << QByteArray("one\r\ntwo binary\r\n") << "binary" << 0 << "one\ntwo <<binary>>\n"
            << 15 << "";
        QTest::newRow("after two CR LF")
            << QByteArray("a\r\n\r\nxyz") << "Y" << 0 << "a\n\nx<<y>>z" << 6 << "";
        QTest::newRow("CR LF first") << QByteArray("\r\nab") << "b" << 0 << "\na<<b>>" << 4 << "";
        QTest::newRow("lone LF") << QByteArray("a\nbb") << "b" << 0 << "a\n<<b>><<b>>" << 4 << "";
        QTest::newRow("empty search") << QByteArray("abc\r\n") << "" << 0 << "abc\n" << 1 << "";
        QTest::newRow("not found") << QByteArray("Numo help\r\n") << "XyZ " << 0 << "Numo help\n"
                                   << -1 << "XyZ  not found.";
        QTest::newRow("markup as text")
            << QByteArray("x") << "<b>q</b>" << 0 << "x" << -1 << "<b>q</b> not found.";
    }

    void search_marks_and_places_the_caret()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, word);
        QFETCH(int, key);
        QFETCH(QString, marked);
        QFETCH(int, caret);
        QFETCH(QString, message);
        open(bytes);
        search(QStringLiteral("e")); // marks that the next search starts afresh without
        search(word, key);
        QCOMPARE(text2()->text(), word); // Enter types nothing
        QCOMPARE(text1()->toPlainText(), marked);
        if (caret >= 0)
            QCOMPARE(text1()->textCursor().position(), caret);
        QCOMPARE(status()->text(), message);
        QCOMPARE(status()->isVisible(), !message.isEmpty());
        QCOMPARE(status()->textFormat(), Qt::PlainText);
        if (key != 0)
            QCOMPARE(QApplication::focusWidget(), text2());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes); // never written
    }

    void help_text_follows_the_outer_size_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design") << QSize(536, 510);
        QTest::newRow("larger") << QSize(900, 700);
        QTest::newRow("both clamp at zero") << QSize(3, 3);
    }

    // The margins of 760 and 100 twips take 50.67 and 6.67 pixels: an outer size of w x h
    // leaves the help text w - 7 by h - 51 pixels, and never less than 0.
    void help_text_follows_the_outer_size()
    {
        QFETCH(QSize, client);
        open("x\r\n");
        window->resize(client);
        QTRY_COMPARE(window->size(), client);
        const QSize outer = window->frameGeometry().size();
        QCOMPARE(text1()->size(),
            QSize(std::max(0, outer.width() - 7), std::max(0, outer.height() - 51)));
        QCOMPARE(text1()->pos(), QPoint(0, 40));
    }
};

} // namespace numo

QTEST_MAIN(numo::Form2Test)
#include "form2_test.moc"
