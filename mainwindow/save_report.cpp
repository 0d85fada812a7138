// The messages are QMessageBoxes owned by the window, so they close with it.
#include "mainwindow/save_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace numo {

void ShowFileMessage(QWidget *window, QPointer<QMessageBox> &shown, QMessageBox::Icon icon,
    const QString &title, const QString &text)
{
    if (shown)
        shown->close();
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("saveWarning"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal); // the window stays usable; tests are not blocked
    box->show();
    shown = box;
}

QString StoredAsQuestionMarksNote(const QString &path, std::u16string_view characters)
{
    QStringList named;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const bool pair = i + 1 < characters.size() && QChar::isHighSurrogate(characters[i])
            && QChar::isLowSurrogate(characters[i + 1]);
        const auto character = characters.substr(i, pair ? 2 : 1);
        const char32_t code =
            pair ? QChar::surrogateToUcs4(characters[i], characters[i + 1]) : characters[i];
        if (pair)
            ++i;
        named << QStringLiteral("\"%1\" (U+%2)")
                     .arg(QString::fromStdU16String(std::u16string(character)),
                         QString::number(code, 16).toUpper().rightJustified(4, u'0'));
    }
    return QCoreApplication::translate("numo::Form1",
        "The settings were saved to %1, but its code page (Windows-1252) has no place for these "
        "characters: each was stored as \"?\" and will read back as \"?\" at the next start. %2")
        .arg(QDir::toNativeSeparators(path), named.join(QStringLiteral(", ")));
}

} // namespace numo
