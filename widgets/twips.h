// The windows are designed in twips, 1/1440 inch: 15 twips to a logical pixel at 96 dots an
// inch. Qt's high-DPI scaling maps logical pixels onto the screen.
#pragma once

#include <QRect>

namespace numo {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
[[nodiscard]] constexpr int Pixels(double twips)
{
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

[[nodiscard]] constexpr QRect Pixels(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

} // namespace numo
