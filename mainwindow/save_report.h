// What the main window tells the user about its data files: a save that failed, a help file
// that could not be written, characters that the settings file stored as "?". One message shows
// at a time, non-modal, so the window stays usable while it is open.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <string_view>

namespace numo {

// Closes `shown` if it is still open, then shows a new message over `window` and keeps it in
// `shown`. The message deletes itself when closed, which clears `shown`.
void ShowFileMessage(QWidget *window, QPointer<QMessageBox> &shown, QMessageBox::Icon icon,
    const QString &title, const QString &text);

// The note after a save that stored `characters` (as WriteSettingsFile lists them) as "?": each
// character with its code point, so that invisible ones can be told apart.
[[nodiscard]] QString StoredAsQuestionMarksNote(
    const QString &path, std::u16string_view characters);

} // namespace numo
