// The data folder's faults, one table row each: a missing folder, a file in its place, read-only
// files and folders, folders in the files' places and a file-size limit. For every fault the
// window shows, no file loses a byte, and a file that could not be written is reported.
#include "help/help_text.h"
#include "mainwindow/form1.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace numo;

namespace {

enum class Fault {
    None,
    MissingFolder, // the first run: created at the start
    NoParentFolder,
    FileForFolder,
    ReadOnlyFolder,
    ReadOnlySettings,
    SettingsIsFolder,
    ReadOnlyHelp,
    HelpIsFolder,
    SizeLimit,     // a limit inside the settings and the help text: writes stop part-way
    SizeLimitZero, // not even the first byte can be written
};

const QByteArray kOldSettings("old\r\n.png\r\nHex Value\r\nString\r\n\r\n");
const QByteArray kNewSettings("new\r\n.png\r\nHex Value\r\nString\r\n\r\n");
const QByteArray kOldHelp("an older help text\r\n");
const QByteArray kFileInPlace("not a folder\r\n");

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray HelpBytes()
{
    const std::string text = HelpText();
    return {text.data(), static_cast<qsizetype>(text.size())};
}

// A soft RLIMIT_FSIZE of `bytes` with SIGXFSZ ignored, so that a write past it fails with EFBIG
// instead of ending the process. Both are restored when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

// Replaces a line edit's text by typing: ASCII as key clicks, any other character as a key event
// carrying it, as an input method sends it.
void TypeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const char32_t code : text.toUcs4()) {
        if (code < 128) {
            QTest::keyClick(box, static_cast<char>(code));
            continue;
        }
        const QString character = QString::fromUcs4(&code, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

// The message about the data files while it is open, else null (a closed one is deleted later).
QMessageBox *Shown(const Form1 &form)
{
    QMessageBox *box = form.saveWarning();
    return box && box->isVisible() ? box : nullptr;
}

constexpr auto kOwnerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

} // namespace

Q_DECLARE_METATYPE(Fault)

class DataFolderFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void faults_lose_nothing_and_are_reported_data();
    void faults_lose_nothing_and_are_reported();
    void characters_saved_as_question_marks_are_named_data();
    void characters_saved_as_question_marks_are_named();
};

void DataFolderFaultsTest::faults_lose_nothing_and_are_reported_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("helpFails");
    QTest::addColumn<bool>("saveFails");

    QTest::newRow("sound folder") << Fault::None << false << false;
    QTest::newRow("folder missing") << Fault::MissingFolder << false << false;
    QTest::newRow("parent folder missing") << Fault::NoParentFolder << true << true;
    QTest::newRow("file where the folder should be") << Fault::FileForFolder << true << true;
    QTest::newRow("read-only folder") << Fault::ReadOnlyFolder << true << true;
    QTest::newRow("read-only settings file") << Fault::ReadOnlySettings << false << true;
    QTest::newRow("folder where the settings file should be")
        << Fault::SettingsIsFolder << false << true;
    QTest::newRow("read-only help file") << Fault::ReadOnlyHelp << true << false;
    QTest::newRow("folder where the help file should be") << Fault::HelpIsFolder << true << false;
    QTest::newRow("file-size limit inside the files") << Fault::SizeLimit << true << true;
    QTest::newRow("file-size limit zero") << Fault::SizeLimitZero << true << true;
}

void DataFolderFaultsTest::faults_lose_nothing_and_are_reported()
{
    QFETCH(Fault, fault);
    QFETCH(bool, helpFails);
    QFETCH(bool, saveFails);

    QTemporaryDir root;
    QString folder = root.filePath(QStringLiteral("plim"));
    if (fault == Fault::NoParentFolder)
        folder = root.filePath(QStringLiteral("gone/plim"));
    const QString ini = folder + QStringLiteral("/numo2.ini");
    const QString help = folder + QStringLiteral("/numo2.txt");
    // What each path holds before the start; a path left out is expected to stay missing.
    QByteArray iniBefore("<missing>");
    QByteArray helpBefore("<missing>");

    if (fault == Fault::FileForFolder) {
        WriteBytes(folder, kFileInPlace);
    } else if (fault != Fault::NoParentFolder && fault != Fault::MissingFolder) {
        QVERIFY(QDir().mkdir(folder));
        WriteBytes(ini, iniBefore = kOldSettings);
        if (fault == Fault::SettingsIsFolder) {
            QVERIFY(QFile::remove(ini) && QDir().mkdir(ini));
            iniBefore = "<missing>";
        }
        if (fault == Fault::HelpIsFolder)
            QVERIFY(QDir().mkdir(help));
        else
            WriteBytes(help, helpBefore = kOldHelp);
    }
    if (fault == Fault::ReadOnlySettings)
        QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup));
    if (fault == Fault::ReadOnlyHelp)
        QVERIFY(QFile::setPermissions(help, QFile::ReadOwner | QFile::ReadGroup));
    if (fault == Fault::ReadOnlyFolder)
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    std::optional<FileSizeLimit> limit;
    if (fault == Fault::SizeLimit)
        limit.emplace(static_cast<rlim_t>(kNewSettings.size() / 2));
    if (fault == Fault::SizeLimitZero)
        limit.emplace(0);

    auto form = std::make_unique<Form1>(folder);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    // The start: the help file is the help text, or it is kept and the failure shows.
    if (helpFails) {
        QVERIFY(Shown(*form));
        QVERIFY(!Shown(*form)->isModal());
        QVERIFY(Shown(*form)->text().contains(QDir::toNativeSeparators(help)));
        Shown(*form)->close();
    } else {
        QVERIFY(!Shown(*form));
        helpBefore = HelpBytes();
    }

    // The save: the settings file holds the new lines, or it is kept and the failure shows.
    auto *save = form->findChild<QPushButton *>(QStringLiteral("Command7"));
    TypeInto(form->findChild<QLineEdit *>(QStringLiteral("Text7")), QStringLiteral("new"));
    QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
    limit.reset();
    if (saveFails) {
        QVERIFY(Shown(*form));
        QVERIFY(Shown(*form)->text().contains(QDir::toNativeSeparators(ini)));
        QVERIFY(save->isEnabled()); // the change is still unsaved
    } else {
        QVERIFY(!Shown(*form));
        QVERIFY(!save->isEnabled());
        // Without a settings file to read, the list values saved are empty.
        iniBefore = fault == Fault::MissingFolder ? QByteArray("new\r\n.gif\r\n\r\n\r\n\r\n")
                                                  : kNewSettings;
    }

    QVERIFY(form->isVisible());
    form.reset();
    QFile::setPermissions(folder, kOwnerAll);
    QCOMPARE(FileBytes(ini), iniBefore);
    QCOMPARE(FileBytes(help), helpBefore);
    if (fault == Fault::FileForFolder)
        QCOMPARE(FileBytes(folder), kFileInPlace);
    if (fault == Fault::SettingsIsFolder || fault == Fault::HelpIsFolder)
        QVERIFY(QFileInfo(fault == Fault::HelpIsFolder ? help : ini).isDir());
    // No temporary file is left beside them.
    if (QFileInfo(folder).isDir()) {
        const auto names =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const auto &name : names)
            QVERIFY2(name == u"numo2.ini" || name == u"numo2.txt", qPrintable(name));
    }
}

void DataFolderFaultsTest::characters_saved_as_question_marks_are_named_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("named"); // each must appear in the note; none: no note

    QTest::newRow("CJK beside storable euro and e-acute")
        << QString::fromUtf8("\u65e5\u672c\u20ac\u00e9") << QStringLiteral(".gif")
        << QByteArray("??\x80\xe9\r\n.gif\r\n\r\n\r\n\r\n")
        << QStringList{
               QString::fromUtf8("\"\u65e5\" (U+65E5)"), QString::fromUtf8("\"\u672c\" (U+672C)")};
    QTest::newRow("a character outside the 16-bit range, in the suffix, twice")
        << QStringLiteral("a") << QString::fromUtf8("\U0001F600 \U0001F600")
        << QByteArray("a\r\n?? ??\r\n\r\n\r\n\r\n")
        << QStringList{QString::fromUtf8("\"\U0001F600\" (U+1F600)")};
    QTest::newRow("an invisible character is named by its code point")
        << QString::fromUtf8("a\u200bb") << QStringLiteral("?")
        << QByteArray("a?b\r\n?\r\n\r\n\r\n\r\n") << QStringList{QStringLiteral("U+200B")};
    QTest::newRow("every character storable: no note")
        << QString::fromUtf8("\u00e9\u0160\u2122") << QStringLiteral("?")
        << QByteArray("\xe9\x8a\x99\r\n?\r\n\r\n\r\n\r\n") << QStringList{};
}

void DataFolderFaultsTest::characters_saved_as_question_marks_are_named()
{
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, named);
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("plim"));
    Form1 form(folder);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TypeInto(form.findChild<QLineEdit *>(QStringLiteral("Text7")), prefix);
    TypeInto(form.findChild<QLineEdit *>(QStringLiteral("Text8")), suffix);
    auto *save = form.findChild<QPushButton *>(QStringLiteral("Command7"));
    QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());

    QCOMPARE(FileBytes(folder + QStringLiteral("/numo2.ini")), file); // written as ever
    QVERIFY(!save->isEnabled());                                      // and saved
    if (named.isEmpty()) {
        QVERIFY(!Shown(form));
        return;
    }
    QVERIFY(Shown(form));
    QVERIFY(!Shown(form)->isModal());
    const QString note = Shown(form)->text();
    for (const auto &character : named)
        QVERIFY2(note.contains(character), qPrintable(note));
    QCOMPARE(note.count(QStringLiteral("(U+")), named.size()); // each named once, no others
}

QTEST_MAIN(DataFolderFaultsTest)
#include "data_folder_faults_test.moc"
