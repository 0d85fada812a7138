// The colours of the work display's marks, taken from the palette in hand: each mark stands at
// least 3:1 (WCAG contrast) from what it is drawn on, in light, dark and high-contrast palettes
// alike, and the dimmed ones stay dimmer than the text beside them.
#pragma once

#include <QColor>

class QPalette;

namespace numo {

struct MarkColours
{
    QColor stripe;     // the background of every second byte, just apart from the field's
    QColor linked;     // the background of the byte linked to the caret's or pointer's
    QColor linkedText; // its characters and underlines
    QColor faded;      // skipped and ignored characters, with their dotted line or strike
    QColor wave;       // the underline of a character read differently than it is written
    QColor dimCaption; // a caption over a field that no longer agrees, on the window
};

[[nodiscard]] MarkColours MarkColoursFor(const QPalette &palette);

// WCAG's contrast ratio of two opaque colours, from 1 to 21.
[[nodiscard]] double Contrast(const QColor &a, const QColor &b);

// `colour`, moved towards `towards` just far enough to stand `minimum`:1 from `background`
// (unchanged when it does already); where `towards` itself falls short, towards black or white,
// whichever stands farther from the background.
[[nodiscard]] QColor StandOut(
    const QColor &colour, const QColor &background, const QColor &towards, double minimum);

} // namespace numo
