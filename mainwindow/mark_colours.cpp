#include "mainwindow/mark_colours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace numo {

namespace {

    // A colour `share` of the way from `a` to `b`, in whole 8-bit steps as it will be painted.
    QColor Blend(const QColor &a, const QColor &b, double share)
    {
        const auto mix = [share](int x, int y) {
            return static_cast<int>(std::lround(x + (y - x) * share));
        };
        return {mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())};
    }

    // A translucent colour as it shows over `background`.
    QColor Flatten(const QColor &colour, const QColor &background)
    {
        return Blend(background, QColor(colour.rgb()), colour.alphaF());
    }

    double Luminance(const QColor &color)
    {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
            + 0.0722 * channel(color.blueF());
    }

    // Tinted towards the highlight just enough to stand apart from the base (1.2:1); towards the
    // text colour where the highlight is too close to the base to get there.
    QColor StripeColor(const QColor &base, const QColor &highlight, const QColor &text)
    {
        for (const QColor &towards : {highlight, text}) {
            for (double share = 0.14; share <= 0.6; share += 0.02) {
                const QColor stripe = Blend(base, towards, share);
                if (Contrast(stripe, base) >= 1.2)
                    return stripe;
            }
        }
        return Blend(base, text, 0.3);
    }

    // Dimmed text: the thin and slanted strokes of small text show paler than their colour, so it
    // is held a little above 3:1.
    constexpr double kDim = 3.5;

    // A dimmed version of `text` on `background`: the palette's placeholder colour where it is
    // visibly dimmer than the text, else halfway; then raised towards the text up to kDim.
    QColor Dimmed(const QColor &placeholder, const QColor &background, const QColor &text)
    {
        QColor dim = Flatten(placeholder, background);
        if (Contrast(dim, background) > 0.8 * Contrast(text, background))
            dim = Blend(background, text, 0.5);
        return StandOut(dim, background, text, kDim);
    }

    // A wave underline is a hairline drawn smooth, no pixel of it in its full colour: its colour
    // is held to 9:1, so what shows of it still stands 3:1.
    constexpr double kHairline = 9;

} // namespace

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor StandOut(
    const QColor &colour, const QColor &background, const QColor &towards, double minimum)
{
    const QColor from(colour.rgb());
    const QColor extreme = Contrast(Qt::black, background) > Contrast(Qt::white, background)
        ? QColor(Qt::black)
        : QColor(Qt::white);
    const QColor target = Contrast(towards, background) >= minimum ? towards : extreme;
    for (int step = 0; step <= 50; ++step) {
        const QColor moved = Blend(from, target, step / 50.0);
        if (Contrast(moved, background) >= minimum)
            return moved;
    }
    return target;
}

MarkColours MarkColoursFor(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    MarkColours colours;
    colours.stripe = StripeColor(base, palette.color(QPalette::Highlight), text);
    colours.linked = StandOut(palette.color(QPalette::Highlight), base, text, 3);
    const QColor farther =
        Contrast(text, colours.linked) > Contrast(base, colours.linked) ? text : base;
    colours.linkedText =
        StandOut(palette.color(QPalette::HighlightedText), colours.linked, farther, 3);
    colours.faded = Dimmed(palette.color(QPalette::PlaceholderText), base, text);
    colours.wave = StandOut(palette.color(QPalette::Link), base, text, kHairline);
    colours.dimCaption = Dimmed(palette.color(QPalette::PlaceholderText),
        palette.color(QPalette::Window), palette.color(QPalette::WindowText));
    return colours;
}

} // namespace numo
