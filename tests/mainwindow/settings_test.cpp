// Start-up and the settings file: what is read and applied, what Save Configuration writes and
// when it may, and that a failed save says so.
#include "form1_fixture.h"
#include "mainwindow/settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

using namespace numo;
using namespace numo::testing;

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString Selected(const QListWidget *list)
{
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

// Text7, Text8, Label7 and the selections of List1 and List2.
QStringList Shown(const WindowOnTemporaryFolder &w)
{
    return {w.shown("Text7"), w.shown("Text8"), w.label("Label7")->text(),
        Selected(w.list("List1")), Selected(w.list("List2"))};
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void settings_are_read_and_applied_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("first run")
            << QByteArray() << QStringList{"a", ".gif", "ASCII Value", "", ""};
        QTest::newRow("as saved") << QByteArray("p\r\n.png\r\nHex Value\r\nString\r\n\r\n")
                                  << QStringList{"p", ".png", "Hex Value", "Hex Value", "String"};
        QTest::newRow("three lines apply nothing") << QByteArray(
            "p\r\n.png\r\nHex Value\r\n") << QStringList{"a", ".gif", "ASCII Value", "", ""};
        QTest::newRow("unknown values select nothing") << QByteArray(
            "x\ny\nhex value\nSingle key\n") << QStringList{"x", "y", "hex value", "", ""};
        QTest::newRow("empty value line") << QByteArray("a \r\n\xe9\r\n\r\nSingle Key\r\n")
                                          << QStringList{"a ", "\u00e9", "", "", "Single Key"};
    }

    void settings_are_read_and_applied()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        WindowOnTemporaryFolder window(file.isEmpty() ? nullptr : &file);
        QCOMPARE(Shown(window), shown);
        QVERIFY(QFileInfo(window.folder).isDir());
        QVERIFY(!window.button("Command7")->isEnabled()); // whatever the file held
        QCOMPARE(window.form->windowTitle(),
            QStringLiteral("Numo Number Converter by   www.plimpton-data.example  21 Sep 01"));
    }

    void save_writes_five_lines_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("namingRow"); // double-clicked in List1; -1 none
        QTest::addColumn<int>("modeRow");   // double-clicked in List2; -1 none
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("as chosen")
            << ".gif" << 1 << 1 << QByteArray("p \r\n.gif\r\nHex Value\r\nString\r\n\r\n");
        QTest::newRow("nothing chosen")
            << "\u00e9" << -1 << -1 << QByteArray("p \r\n\xe9\r\n\r\n\r\n\r\n");
        QTest::newRow("binary, single key")
            << "" << 2 << 0 << QByteArray("p \r\n\r\nBinary Value\r\nSingle Key\r\n\r\n");
    }

    void save_writes_five_lines()
    {
        QFETCH(QString, suffix);
        QFETCH(int, namingRow);
        QFETCH(int, modeRow);
        QFETCH(QByteArray, file);
        WindowOnTemporaryFolder window;
        TypeInto(window.line("Text7"), QStringLiteral("p "));
        TypeInto(window.line("Text8"), suffix);
        if (namingRow >= 0)
            DoubleClickItem(window.list("List1"), namingRow);
        if (modeRow >= 0)
            DoubleClickItem(window.list("List2"), modeRow);
        window.list("List1")->setCurrentRow(0); // a single click is not saved
        Click(window.button("Command7"));
        QCOMPARE(FileBytes(window.iniPath()), file);
        QVERIFY(!window.button("Command7")->isEnabled());
        QVERIFY(!window.form->saveWarning());

        const QStringList saved = Shown(window);
        window.form = std::make_unique<Form1>(window.folder); // the next start
        QCOMPARE(window.shown("Text7"), saved[0]);
        QCOMPARE(window.shown("Text8"), saved[1]);
    }

    void failed_save_warns_and_can_be_retried()
    {
        WindowOnTemporaryFolder window;
        QVERIFY(QDir().mkdir(window.iniPath())); // a folder where the file should go
        TypeInto(window.line("Text8"), QStringLiteral(".png"));
        Click(window.button("Command7"));
        QVERIFY(window.button("Command7")->isEnabled());
        QPointer<QMessageBox> first = window.form->saveWarning();
        QVERIFY(first && first->isVisible() && !first->isModal());
        QVERIFY(first->text().contains(QDir::toNativeSeparators(window.iniPath())));

        Click(window.button("Command7"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull()); // the earlier warning is closed and freed
        QVERIFY(window.form->saveWarning() && window.form->saveWarning()->isVisible());
    }

    void lines_split_at_either_line_end_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("mixed, last without end")
            << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("lone CR stays") << QByteArray("a\rb\n") << QStringList{"a\rb"};
        QTest::newRow("only the first four")
            << QByteArray("1\n2\n\n4\n5\n") << QStringList{"1", "2", "", "4"};
    }

    void lines_split_at_either_line_end()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QStringList split;
        for (const auto &line : SplitSettingsLines(bytes.toStdString(), 4))
            split << QString::fromStdU16String(line);
        QCOMPARE(split, lines);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
