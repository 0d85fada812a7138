// Start-up and the settings file: what is read and applied, what Save Configuration writes, and
// that a failed save keeps the old file and says so.
#include "form1_fixture.h"
#include "mainwindow/settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
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

QString Q(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void first_run_creates_the_folder_and_keeps_the_defaults();
    void settings_are_read_and_applied_data();
    void settings_are_read_and_applied();
    void save_writes_five_lines_data();
    void save_writes_five_lines();
    void saved_values_come_back_at_the_next_start();
    void changes_enable_save_data();
    void changes_enable_save();
    void failed_save_reenables_the_button_and_warns();
    void failed_save_keeps_the_previous_file();
    void lines_split_at_either_line_end_data();
    void lines_split_at_either_line_end();
};

void SettingsTest::first_run_creates_the_folder_and_keeps_the_defaults()
{
    WindowOnTemporaryFolder window;
    const auto &form = *window.form;

    QVERIFY(QFileInfo(window.folder).isDir());
    QVERIFY(!QFileInfo::exists(window.iniPath()));
    QVERIFY(FileBytes(window.helpPath()).endsWith("\r\n\r\n"));
    QVERIFY(!form.Command7->isEnabled());
    QCOMPARE(form.fieldQString(form.Text7), QStringLiteral("a"));
    QCOMPARE(form.fieldQString(form.Text8), QStringLiteral(".gif"));
    QCOMPARE(form.Label7->text(), QStringLiteral("ASCII Value"));
    QCOMPARE(Selected(form.List1), QString());
    QCOMPARE(Selected(form.List2), QString());
    QCOMPARE(form.List1->count(), 3);
    QCOMPARE(form.List2->item(1)->text(), QStringLiteral("String"));
    QVERIFY(form.namingValue.empty() && form.entryMode.empty());
    QCOMPARE(form.windowTitle(),
        QStringLiteral("Numo Number Converter by   www.plimpton-data.example  21 Sep 01"));
    QCOMPARE(form.helpTitle(), form.windowTitle());
}

void SettingsTest::settings_are_read_and_applied_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("values"); // prefix, suffix, namingValue, entryMode as read
    QTest::addColumn<QStringList>("shown");  // Text7, Text8, Label7, List1 and List2 selections

    QTest::newRow("as saved") << QByteArray("p\r\n.png\r\nHex Value\r\nString\r\n\r\n")
                              << QStringList{"p", ".png", "Hex Value", "String"}
                              << QStringList{"p", ".png", "Hex Value", "Hex Value", "String"};
    QTest::newRow("line feeds only")
        << QByteArray("p\n.png\nBinary Value\nSingle Key\n")
        << QStringList{"p", ".png", "Binary Value", "Single Key"}
        << QStringList{"p", ".png", "Binary Value", "Binary Value", "Single Key"};
    QTest::newRow("no last line end")
        << QByteArray("p\r\n.png\r\nASCII Value\r\nString")
        << QStringList{"p", ".png", "ASCII Value", "String"}
        << QStringList{"p", ".png", "ASCII Value", "ASCII Value", "String"};
    QTest::newRow("two lines apply nothing")
        << QByteArray("p\r\n.png\r\n") << QStringList{"p", ".png", "", ""}
        << QStringList{"a", ".gif", "ASCII Value", "", ""};
    QTest::newRow("unknown list values select nothing")
        << QByteArray("x\r\ny\r\nhex value\r\nSingle key\r\n")
        << QStringList{"x", "y", "hex value", "Single key"}
        << QStringList{"x", "y", "hex value", "", ""};
    QTest::newRow("empty value line")
        << QByteArray("a\r\n.gif\r\n\r\nString\r\n") << QStringList{"a", ".gif", "", "String"}
        << QStringList{"a", ".gif", "", "", "String"};
    QTest::newRow("blanks kept and code page read")
        << QByteArray("a \r\n \xe9.gif\r\nHex Value\r\nString\r\n")
        << QStringList{"a ", QString::fromUtf8(" \u00e9.gif"), "Hex Value", "String"}
        << QStringList{"a ", QString::fromUtf8(" \u00e9.gif"), "Hex Value", "Hex Value", "String"};
    QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "", ""}
                                << QStringList{"a", ".gif", "ASCII Value", "", ""};
}

void SettingsTest::settings_are_read_and_applied()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, values);
    QFETCH(QStringList, shown);
    WindowOnTemporaryFolder window(&file);
    const auto &form = *window.form;

    QCOMPARE((QStringList{Q(form.prefix), Q(form.suffix), Q(form.namingValue), Q(form.entryMode)}),
        values);
    QCOMPARE((QStringList{form.fieldQString(form.Text7), form.fieldQString(form.Text8),
                 form.Label7->text(), Selected(form.List1), Selected(form.List2)}),
        shown);
    QCOMPARE(Shown(form.Text7), shown[0]);
    QCOMPARE(Shown(form.Text8), shown[1]);
    QVERIFY(!form.Command7->isEnabled()); // whatever the file held
    QVERIFY(FileBytes(window.helpPath()).endsWith("\r\n\r\n"));
}

void SettingsTest::save_writes_five_lines_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("namingRow");  // double-clicked in List1; -1 none
    QTest::addColumn<int>("modeRow");    // double-clicked in List2; -1 none
    QTest::addColumn<int>("clickedRow"); // single-clicked in List1 afterwards; -1 none
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("hex value and string")
        << "a"
        << ".gif" << 1 << 1 << -1 << QByteArray("a\r\n.gif\r\nHex Value\r\nString\r\n\r\n");
    QTest::newRow("first run without double-click")
        << "a"
        << ".gif" << -1 << -1 << -1 << QByteArray("a\r\n.gif\r\n\r\n\r\n\r\n");
    QTest::newRow("single click is not saved")
        << "a"
        << ".gif" << 1 << 0 << 2 << QByteArray("a\r\n.gif\r\nHex Value\r\nSingle Key\r\n\r\n");
    QTest::newRow("blanks and code page")
        << "a " << QString::fromUtf8("\u00e9.gif") << 2 << -1 << -1
        << QByteArray("a \r\n\xe9.gif\r\nBinary Value\r\n\r\n\r\n");
}

void SettingsTest::save_writes_five_lines()
{
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(int, namingRow);
    QFETCH(int, modeRow);
    QFETCH(int, clickedRow);
    QFETCH(QByteArray, file);
    WindowOnTemporaryFolder window;
    window.show();
    auto &form = *window.form;
    TypeInto(form.Text7, prefix);
    TypeInto(form.Text8, suffix);
    if (namingRow >= 0)
        DoubleClickItem(form.List1, namingRow);
    if (modeRow >= 0)
        DoubleClickItem(form.List2, modeRow);
    if (clickedRow >= 0)
        ClickItem(form.List1, clickedRow);
    QVERIFY(form.Command7->isEnabled());
    Click(form.Command7);

    QCOMPARE(FileBytes(window.iniPath()), file);
    QVERIFY(!form.Command7->isEnabled());
    QVERIFY(!form.saveWarning());
}

void SettingsTest::saved_values_come_back_at_the_next_start()
{
    WindowOnTemporaryFolder window;
    window.show();
    auto &form = *window.form;
    TypeInto(form.Text7, QStringLiteral("p "));
    DoubleClickItem(form.List1, 1);
    DoubleClickItem(form.List2, 0);
    Click(form.Command7);
    window.form.reset();

    Form1 again(window.folder);
    QCOMPARE(again.fieldQString(again.Text7), QStringLiteral("p "));
    QCOMPARE(Selected(again.List1), QStringLiteral("Hex Value"));
    QCOMPARE(again.Label7->text(), QStringLiteral("Hex Value"));
    QCOMPARE(Selected(again.List2), QStringLiteral("Single Key"));
    QVERIFY(!again.Command7->isEnabled());
}

void SettingsTest::changes_enable_save_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("suffix typed") << "suffix";
    QTest::newRow("prefix typed") << "prefix";
    QTest::newRow("naming value double-clicked, even the same") << "list1";
    QTest::newRow("entry mode double-clicked") << "list2";
    QTest::newRow("enter on a list item") << "enter";
}

void SettingsTest::changes_enable_save()
{
    QFETCH(QString, change);
    const QByteArray file("a\r\n.gif\r\nASCII Value\r\nString\r\n");
    WindowOnTemporaryFolder window(&file);
    window.show();
    auto &form = *window.form;
    QVERIFY(!form.Command7->isEnabled());
    if (change == u"suffix")
        QTest::keyClick(form.Text8, Qt::Key_X);
    else if (change == u"prefix")
        QTest::keyClick(form.Text7, Qt::Key_X);
    else if (change == u"list1")
        DoubleClickItem(form.List1, 0);
    else if (change == u"list2")
        DoubleClickItem(form.List2, 1);
    else {
        ClickItem(form.List1, 2);
        QTest::keyClick(form.List1, Qt::Key_Return);
        QCOMPARE(form.Label7->text(), QStringLiteral("Binary Value"));
    }
    QVERIFY(form.Command7->isEnabled());
}

void SettingsTest::failed_save_reenables_the_button_and_warns()
{
    WindowOnTemporaryFolder window;
    window.show();
    auto &form = *window.form;
    QVERIFY(QDir().mkdir(window.iniPath())); // a folder where the file should go
    QTest::keyClick(form.Text8, Qt::Key_X);
    Click(form.Command7);

    QVERIFY(form.Command7->isEnabled());
    QVERIFY(form.saveWarning());
    QVERIFY(form.saveWarning()->isVisible());
    QVERIFY(!form.saveWarning()->isModal());
    QVERIFY(form.saveWarning()->text().contains(QDir::toNativeSeparators(window.iniPath())));
}

void SettingsTest::failed_save_keeps_the_previous_file()
{
    const QByteArray old("old\r\n.gif\r\nHex Value\r\nString\r\n\r\n");
    WindowOnTemporaryFolder window(&old);
    window.show();
    auto &form = *window.form;
    QFile::setPermissions(window.folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(window.folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) { // a user who may write anywhere
        probe.remove();
        QFile::setPermissions(
            window.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("read-only folders are writable for this user");
    }
    TypeInto(form.Text7, QStringLiteral("new"));
    Click(form.Command7);
    QFile::setPermissions(window.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(FileBytes(window.iniPath()), old);
    QVERIFY(form.Command7->isEnabled());
    QVERIFY(form.saveWarning());
}

void SettingsTest::lines_split_at_either_line_end_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed, last without end")
        << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
    QTest::newRow("empty lines count") << QByteArray("\r\n\r\n\r\n") << QStringList{"", "", ""};
    QTest::newRow("lone cr stays in the line") << QByteArray("a\rb\n") << QStringList{"a\rb"};
    QTest::newRow("only the first four")
        << QByteArray("1\n2\n3\n4\n5\n6\n") << QStringList{"1", "2", "3", "4"};
    QTest::newRow("nul kept") << QByteArray("a\0b\n", 4)
                              << QStringList{QString("a") + QChar(0) + "b"};
}

void SettingsTest::lines_split_at_either_line_end()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QStringList split;
    for (const auto &line : SplitSettingsLines(
             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), 4))
        split << Q(line);
    QCOMPARE(split, lines);

    // The file reader agrees with the splitter.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("numo2.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QStringList read;
    for (const auto &line : ReadSettingsLines(file.fileName(), 4))
        read << Q(line);
    QCOMPARE(read, lines);
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
