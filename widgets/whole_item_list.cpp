#include "widgets/whole_item_list.h"

#include <QEvent>

namespace numo {

void WholeItemList::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    showWholeItems();
}

void WholeItemList::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        showWholeItems();
}

void WholeItemList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListWidget::rowsInserted(parent, start, end);
    showWholeItems();
}

// The margin under the viewport is what is left of the room below the last whole row.
void WholeItemList::showWholeItems()
{
    const int row = count() > 0 ? sizeHintForRow(0) : 0;
    const int room = contentsRect().height();
    setViewportMargins(0, 0, 0, row > 0 && room > row ? room % row : 0);
}

} // namespace numo
