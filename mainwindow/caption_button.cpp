#include "mainwindow/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace numo {

namespace {

    // Room for the bevel and the focus frame on each side.
    constexpr int kBevelMargin = 3;

} // namespace

CaptionButton::CaptionButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    // QPushButton presses on Enter only when it is an auto-default button.
    setAutoDefault(true);
}

QRect CaptionButton::captionRect() const
{
    return rect().adjusted(kBevelMargin, kBevelMargin - 1, -kBevelMargin, -(kBevelMargin - 1));
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the style would draw it on one line, clipped
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(
        captionRect(), kCaptionFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

} // namespace numo
