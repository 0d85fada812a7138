// The handlers of the main window's buttons, lists and suffix field: each conversion runs the
// plain cascade through the one sync point; Save Configuration writes the settings file.
#include "help/form2.h"
#include "mainwindow/caption_button.h"
#include "mainwindow/description_parts.h"
#include "mainwindow/form1.h"
#include "mainwindow/save_report.h"
#include "mainwindow/settings_file.h"
#include "mainwindow/work_display.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolTip>

#include <cmath>

namespace numo {

namespace {

    // Blanks around the number are allowed and the user's digit grouping is accepted (the
    // default locale is the system's); the C locale is the second chance for a number typed the
    // way programs write numbers.
    std::optional<double> ReadNumber(std::u16string_view text)
    {
        const auto first = text.find_first_not_of(u' ');
        const QString trimmed = first == std::u16string_view::npos
            ? QString()
            : QString::fromUtf16(text.data() + first,
                static_cast<qsizetype>(text.find_last_not_of(u' ') - first + 1));
        bool ok = false;
        double number = QLocale().toDouble(trimmed, &ok);
        if (!ok)
            number = QLocale::c().toDouble(trimmed, &ok);
        if (!ok || !std::isfinite(number))
            return std::nullopt;
        return number;
    }

} // namespace

// --- conversions ----------------------------------------------------------------------------

void Form1::Command1_Click()
{
    convert([this](FieldSet &next) { cascade::Command1(next, cascadeState()); });
}

void Form1::Command2_Click()
{
    bool converted = false;
    convert(
        [&](FieldSet &next) { converted = cascade::Command2(next, cascadeState(), ReadNumber); });
    if (converted)
        SetDescriptionPart(Text4, DescriptionPart::Note, {});
    else
        reportNotANumber(QString::fromStdU16String(fields[Field::LargeDecimal]));
}

void Form1::Command3_Click()
{
    ConvertTextLine(Command5);
}

void Form1::Command4_Click()
{
    convert([this](FieldSet &next) { cascade::Command4(next, cascadeState()); });
}

void Form1::Command5_Click()
{
    convert(cascade::Command5);
    Text5->setFocus();
}

void Form1::Command6_Click()
{
    convert(cascade::Command6);
}

void Form1::ConvertTextLine(QWidget *focusTarget)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard)
        clipboard->clear();
    const std::u16string choice = selectedText(List1);
    convert([&](FieldSet &next) { cascade::ConvertTextLine(next, cascadeState(), choice); });
    if (clipboard) {
        const QString line = QString::fromStdU16String(fields[Field::NamingScheme]);
        clipboard->setText(line);
        if (work)
            work->clipboardWritten(line);
    }
    if (focusTarget)
        focusTarget->setFocus();
}

void Form1::reportNotANumber(const QString &text)
{
    // A whole field of text would make a tool tip no screen can show: the start says enough.
    constexpr qsizetype kShown = 40;
    const QString message =
        tr("Not a number: %1").arg(text.size() > kShown ? text.left(kShown) + u'\u2026' : text);
    SetDescriptionPart(Text4, DescriptionPart::Note, message);
    QToolTip::showText(Text4->mapToGlobal(QPoint(0, Text4->height())), message, Text4);
}

// --- settings and help ----------------------------------------------------------------------

void Form1::Text8_Change()
{
    Command7->setEnabled(true);
}

void Form1::List1_DblClick()
{
    namingValue = selectedText(List1);
    setLabel7Caption(namingValue);
    Command7->setEnabled(true);
}

void Form1::List2_DblClick()
{
    entryMode = selectedText(List2);
    Command7->setEnabled(true);
}

void Form1::Command7_Click()
{
    syncEdits();
    Command7->setEnabled(false);
    const QString path = folder + QStringLiteral("/numo2.ini");
    QString reason;
    std::u16string unstorable;
    if (!WriteSettingsFile(path,
            {fields[Field::Prefix], fields[Field::Suffix], namingValue, entryMode, {}}, &reason,
            &unstorable)) {
        // Left disabled, the button would claim that everything is saved.
        Command7->setEnabled(true);
        reportSaveFailure(path, reason);
    } else if (!unstorable.empty()) {
        ShowFileMessage(this, lastSaveWarning, QMessageBox::Information, tr("Save Configuration"),
            StoredAsQuestionMarksNote(path, unstorable));
    }
}

void Form1::reportSaveFailure(const QString &path, const QString &reason)
{
    ShowFileMessage(this, lastSaveWarning, QMessageBox::Warning, tr("Save Configuration"),
        tr("The settings could not be saved to %1: %2")
            .arg(QDir::toNativeSeparators(path), reason));
}

QMessageBox *Form1::saveWarning() const
{
    return lastSaveWarning.data();
}

void Form1::Command8_Click()
{
    if (!help)
        help = new Form2(folder + QStringLiteral("/numo2.txt"), recordedHelpTitle);
    help->show();
    help->raise();
    help->activateWindow();
}

Form2 *Form1::helpWindow() const
{
    return help.data();
}

std::u16string Form1::selectedText(const QListWidget *list) const
{
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? std::u16string() : selected.first()->text().toStdU16String();
}

void Form1::selectItem(QListWidget *list, const std::u16string &text)
{
    const auto matches =
        list->findItems(QString::fromStdU16String(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    // A value that is none of the items selects nothing.
    list->setCurrentItem(matches.isEmpty() ? nullptr : matches.first());
    if (matches.isEmpty())
        list->clearSelection();
}

void Form1::setLabel7Caption(const std::u16string &caption)
{
    Label7->setText(QString::fromStdU16String(caption));
    if (!caption.empty())
        Text9->setAccessibleName(Label7->text());
}

} // namespace numo
