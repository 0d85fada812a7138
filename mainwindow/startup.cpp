// The start-up sequence: what Form_Load prepares before the window is first shown.
#include "help/help_writer.h"
#include "help/maker.h"
#include "mainwindow/caption_button.h"
#include "mainwindow/form1.h"
#include "mainwindow/save_report.h"
#include "mainwindow/settings_file.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace numo {

namespace {

    constexpr std::size_t kSettingsLines = 4;

} // namespace

void Form1::Form_Load()
{
    tables = BuildBitPatternTables();
    convert([](FieldSet &next) {
        for (const Field field : {Field::DottedDecimal, Field::Hexadecimal, Field::Binary})
            next[field].clear();
    });
    EnsureDataFolder();

    for (const std::u16string_view item : {kAsciiValue, kHexValue, kBinaryValue})
        List1->addItem(QString::fromUtf16(item.data(), static_cast<qsizetype>(item.size())));
    for (const std::u16string_view item : {kSingleKey, kString})
        List2->addItem(QString::fromUtf16(item.data(), static_cast<qsizetype>(item.size())));
    // A missing or short settings file ends the read silently; start-up goes on.
    static_cast<void>(readSettingsFile());

    // After the settings: setting the suffix has enabled the button through Text8_Change.
    Command7->setEnabled(false);
    setWindowTitle(QStringLiteral("Numo Number Converter by   %1  %2")
                       .arg(QLatin1String(maker::kWeb), QLatin1String(maker::kReleaseDate)));
    recordedHelpTitle = windowTitle();
    // A help file that cannot be written keeps what it held before (nothing, when it is missing)
    // and is reported like a failed save; start-up completes.
    const QString helpPath = folder + QStringLiteral("/numo2.txt");
    QString reason;
    if (!WriteHelpFile(helpPath, &reason)) {
        ShowFileMessage(this, lastSaveWarning, QMessageBox::Warning, tr("Help"),
            tr("The help text could not be written to %1: %2")
                .arg(QDir::toNativeSeparators(helpPath), reason));
    }
}

void Form1::EnsureDataFolder()
{
    // One level only; an existing folder makes this fail, which is ignored.
    static_cast<void>(QDir().mkdir(folder));
}

bool Form1::readSettingsFile()
{
    auto lines = ReadSettingsLines(folder + QStringLiteral("/numo2.ini"), kSettingsLines);
    std::u16string *const values[] = {&prefix, &suffix, &namingValue, &entryMode};
    for (std::size_t i = 0; i < lines.size(); ++i)
        *values[i] = std::move(lines[i]);
    // All four are read before any is applied, so a short file changes no control.
    if (lines.size() < kSettingsLines)
        return false;
    convert([this](FieldSet &next) {
        next[Field::Prefix] = prefix;
        next[Field::Suffix] = suffix;
    });
    selectItem(List1, namingValue);
    setLabel7Caption(namingValue);
    selectItem(List2, entryMode);
    return true;
}

} // namespace numo
