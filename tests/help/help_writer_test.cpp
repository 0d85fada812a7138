// Writing the help file: the bytes on disk, replacing an earlier file, and surviving a failure.

#include "help/help_text.h"
#include "help/help_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace numo {

class HelpWriterTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray expectedBytes()
    {
        const std::string text = HelpText();
        return {text.data(), static_cast<qsizetype>(text.size())};
    }

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void writes_the_help_text_into_a_new_file()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("numo2.txt"));
        QString error;
        QVERIFY(WriteHelpFile(path, &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));

        QCOMPARE(readAll(path), expectedBytes()); // the text itself is checked line by line
    }

    void replaces_an_existing_file_whole_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("longer") << QByteArray(200000, 'x');
        QTest::newRow("shorter") << QByteArray("old help\r\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("help text with marks")
            << QByteArray("            <<binary>>:\r\n").repeated(500);
        QTest::newRow("no line ends, bytes above 127")
            << QByteArray("\x80\xff\x00\x81", 4).repeated(3000);
    }

    void replaces_an_existing_file_whole()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("numo2.txt"));
        writeBytes(path, before);
        QVERIFY(WriteHelpFile(path));
        QCOMPARE(readAll(path), expectedBytes());
        // Nothing is left beside it: the temporary file went into place.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("numo2.txt")});
    }

    void writes_the_same_bytes_on_every_run()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("numo2.txt"));
        QVERIFY(WriteHelpFile(path));
        const QByteArray first = readAll(path);
        QVERIFY(WriteHelpFile(path));
        QCOMPARE(readAll(path), first);
    }

    void missing_folder_fails_with_a_reason()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no such folder/numo2.txt"));
        QString error;
        QVERIFY(!WriteHelpFile(path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(!WriteHelpFile(path)); // without an error text to fill
    }

    void folder_in_the_way_fails_with_a_reason()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("numo2.txt"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("numo2.txt")));
        QString error;
        QVERIFY(!WriteHelpFile(path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
    }

    void read_only_file_is_kept_and_reported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("numo2.txt"));
        const QByteArray before("kept\r\n");
        writeBytes(path, before);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QString error;
        QVERIFY(!WriteHelpFile(path, &error));
        QVERIFY(error.contains(QStringLiteral("read-only")));
        QCOMPARE(readAll(path), before);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void read_only_folder_fails_and_keeps_the_old_file_even_for_root()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        const QString path = folder + QStringLiteral("/numo2.txt");
        writeBytes(path, "old\r\n");
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QString error;
        const bool written = WriteHelpFile(path, &error);
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), QByteArray("old\r\n"));
    }
};

} // namespace numo

QTEST_GUILESS_MAIN(numo::HelpWriterTest)
#include "help_writer_test.moc"
