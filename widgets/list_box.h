// A list box of a few fixed items, at most one of them selected. It looks and answers like the
// toolkit's item-view list (the style draws each item; arrows, Home, End, Page Up and Down move
// and select, Space selects, typed letters find an item, a click selects, a double-click on an
// item is reported), but holds only texts and two rows, which keeps the program's start small.
// Its viewport ends under the last item that shows whole, so no item shows cut in half; the
// rest scroll into view.
#pragma once

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QElapsedTimer>
#include <QStringList>

class QStyleOptionViewItem;

namespace numo {

class ListBox : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void addItems(const QStringList &texts);
    [[nodiscard]] int count() const { return static_cast<int>(items.size()); }
    [[nodiscard]] QString text(int row) const { return items.value(row); }
    [[nodiscard]] int currentRow() const { return current; }
    [[nodiscard]] int selectedRow() const { return selected; }
    // The selected item's text; empty when nothing is selected.
    [[nodiscard]] QString selectedText() const { return text(selected); }
    // Makes the row current and selects it; -1 (or any row outside the list) selects nothing.
    void setCurrentRow(int row);
    // Selects the item whose text is exactly `text`, or nothing when none is.
    void selectText(const QString &text);
    // Where an item is drawn, in the viewport's coordinates (empty when out of the list).
    [[nodiscard]] QRect itemRect(int row) const;
    [[nodiscard]] int rowHeight() const;
    // The item under a point of the viewport, or -1.
    [[nodiscard]] int rowAt(QPoint point) const;

signals:
    void itemDoubleClicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    [[nodiscard]] QStyleOptionViewItem itemOption(int row) const;
    [[nodiscard]] int wholeRows() const;
    void setCurrent(int row, bool select);
    void select(int row);
    static void installAccessibility(); // list_box_accessible.cpp
    void tellAccessibility(QAccessible::Event type, int row);
    void findTyped(const QString &typed);
    void showWholeItems();

    QStringList items;
    int current = -1;
    int selected = -1;
    int pressed = -1; // the row the last press landed on
    QString search;   // letters typed in a row, to find an item by its start
    QElapsedTimer lastTyped;
};

} // namespace numo
