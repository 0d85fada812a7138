// The main window's default font: a face the fixed layout was made for where one is installed,
// at the largest size at which every caption fits its control.
#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QWidget;

namespace numo {

// Whether `text` fits the rectangle `width` x `height` in `font`, word-wrapped when `wrap`.
[[nodiscard]] bool CaptionFits(
    const QFont &font, const QString &text, int width, int height, bool wrap);

// Tries pixel sizes from 11 down to 8 in the first installed face of a short preference list
// (else the platform's sans-serif) and returns the first at which every child label's and
// button's caption of `window` fits; 8 pixels when none does.
[[nodiscard]] QFont ChooseWindowFont(const QWidget &window);

// "MS Sans Serif" 18 pt where installed, otherwise the platform's sans-serif at 18 pt.
[[nodiscard]] QFont MakerNameFont();

} // namespace numo
