// A single-line field. A text longer than kShownLimit is held whole but shown by its start with
// an ellipsis, read-only: a box a few dozen characters wide would otherwise lay out megabytes it
// can never show. The field's text, Copy (key and menu) and select-all-and-copy give the whole
// text; a short text is shown and edited as in any line edit.
#pragma once

#include <QLineEdit>

namespace numo {

class LineBox : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr qsizetype kShownLimit = 4096;

    explicit LineBox(QWidget *parent = nullptr);

    [[nodiscard]] QString fieldText() const { return shortened ? whole : text(); }
    void setFieldText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void copyWhole() const;

    QString whole;
    bool shortened = false;
};

} // namespace numo
