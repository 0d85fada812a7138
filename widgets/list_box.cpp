#include "widgets/list_box.h"

#include <QEvent>

namespace numo {

void ListBox::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    showWholeItems();
}

void ListBox::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        showWholeItems();
}

void ListBox::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListWidget::rowsInserted(parent, start, end);
    showWholeItems();
}

void ListBox::showWholeItems()
{
    const int row = count() > 0 ? sizeHintForRow(0) : 0;
    const int room = contentsRect().height();
    setViewportMargins(0, 0, 0, row > 0 && room > row ? room % row : 0);
}

} // namespace numo
