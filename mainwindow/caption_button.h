// A push button whose caption wraps onto several lines within the button, as the fixed layout's
// narrow buttons need ("Convert to Hex and Bin" in 89 pixels).
#pragma once

#include <QPushButton>

namespace numo {

class CaptionButton : public QPushButton
{
    Q_OBJECT

public:
    // Enter and Return press a focused button too (Space does by default).
    explicit CaptionButton(const QString &caption, QWidget *parent = nullptr);

    // Where the caption is drawn, word-wrapped and centred.
    [[nodiscard]] QRect captionRect() const;

    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace numo
