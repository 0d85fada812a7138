// The help file: its text against the golden copy in tests/data, byte for byte, as the plain
// text and as the writer leaves it on disk, and how the writer fails.
#include "help/help_text.h"
#include "help/help_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace numo {

namespace {

    QByteArray ReadAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

} // namespace

class HelpWriterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("numo2.txt"));
    const QByteArray golden = ReadAll(QStringLiteral(NUMO_TEST_DATA "/numo2.txt"));

private slots:
    void cleanup()
    {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    void text_is_the_golden_file()
    {
        QCOMPARE(golden.size(), 6162);
        const std::string text = HelpText();
        QCOMPARE(QByteArray(text.data(), static_cast<qsizetype>(text.size())), golden);
        QCOMPARE(QByteArray::fromStdString(HelpLine(kHelpLineCount - 1)),
            golden.split('\n').at(kHelpLineCount - 2).chopped(1));
        QVERIFY(HelpLine(0).empty() && HelpLine(kHelpLineCount + 1).empty());
    }

    void replaces_any_file_whole_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("longer") << QByteArray(20000, 'x');
        QTest::newRow("shorter") << QByteArray("old help\r\n");
    }

    void replaces_any_file_whole()
    {
        QFETCH(QByteArray, before);
        if (!before.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        }
        QString error;
        QVERIFY(WriteHelpFile(path, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(ReadAll(path), golden);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("numo2.txt")});
    }

    void fails_with_a_reason_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("folderInTheWay");
        QTest::newRow("missing folder") << QStringLiteral("none/numo2.txt") << false;
        QTest::newRow("folder in the way") << QStringLiteral("numo2.txt") << true;
    }

    void fails_with_a_reason()
    {
        QFETCH(QString, target);
        QFETCH(bool, folderInTheWay);
        if (folderInTheWay)
            QVERIFY(QDir(dir.path()).mkdir(target));
        QString error;
        QVERIFY(!WriteHelpFile(dir.filePath(target), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!WriteHelpFile(dir.filePath(target)));
        QCOMPARE(QFileInfo(dir.filePath(target)).isDir(), folderInTheWay);
    }
};

} // namespace numo

QTEST_GUILESS_MAIN(numo::HelpWriterTest)
#include "help_writer_test.moc"
