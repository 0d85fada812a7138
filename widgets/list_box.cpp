#include "widgets/list_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace numo {

ListBox::ListBox(QWidget *parent) : QAbstractScrollArea(parent)
{
    installAccessibility();
}

void ListBox::addItems(const QStringList &texts)
{
    items += texts;
    showWholeItems();
    viewport()->update();
}

void ListBox::setCurrentRow(int row)
{
    setCurrent(row >= 0 && row < count() ? row : -1, true);
}

void ListBox::selectText(const QString &text)
{
    setCurrentRow(static_cast<int>(items.indexOf(text)));
}

int ListBox::rowHeight() const
{
    const QStyleOptionViewItem option = itemOption(0);
    return std::max(
        1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, this).height());
}

QRect ListBox::itemRect(int row) const
{
    if (row < 0 || row >= count())
        return {};
    const int height = rowHeight();
    return {0, (row - verticalScrollBar()->value()) * height, viewport()->width(), height};
}

// The option the toolkit's list gives its item delegate, which hands it to the style.
QStyleOptionViewItem ListBox::itemOption(int row) const
{
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
    option.font = font();
    option.displayAlignment = Qt::AlignLeading | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    option.showDecorationSelected =
        style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
    option.locale = locale();
    option.widget = this;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = items.value(row);
    if (row == selected)
        option.state |= QStyle::State_Selected;
    if (row == current && hasFocus())
        option.state |= QStyle::State_HasFocus;
    option.palette.setCurrentColorGroup(!isEnabled() ? QPalette::Disabled
            : isActiveWindow()                       ? QPalette::Active
                                                     : QPalette::Inactive);
    return option;
}

void ListBox::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    for (int row = verticalScrollBar()->value(); row < count(); ++row) {
        QStyleOptionViewItem option = itemOption(row);
        option.rect = itemRect(row);
        if (option.rect.top() >= viewport()->height())
            break;
        style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, this);
    }
}

int ListBox::rowAt(QPoint point) const
{
    if (!viewport()->rect().contains(point))
        return -1;
    const int row = verticalScrollBar()->value() + point.y() / rowHeight();
    return row < count() ? row : -1;
}

int ListBox::wholeRows() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

void ListBox::setCurrent(int row, bool selectIt)
{
    const bool moved = row != current;
    current = row;
    if (row >= 0) { // scrolled into view
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(std::clamp(bar->value(), row - wholeRows() + 1, row));
    }
    if (selectIt)
        select(row); // repaints when the selection changes
    if (moved)
        viewport()->update();
    if (moved && hasFocus())
        tellAccessibility(QAccessible::Focus, row);
}

void ListBox::select(int row)
{
    if (row == selected)
        return;
    const int was = selected;
    selected = row;
    viewport()->update();
    if (row >= 0)
        tellAccessibility(QAccessible::Selection, row);
    else
        tellAccessibility(QAccessible::SelectionRemove, was);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const int last = count() - 1;
    int row = current;
    switch (event->key()) {
    case Qt::Key_Up:
        row = current < 0 ? 0 : current - 1;
        break;
    case Qt::Key_Down:
        row = current + 1;
        break;
    case Qt::Key_Home:
        row = 0;
        break;
    case Qt::Key_End:
        row = last;
        break;
    case Qt::Key_PageUp: // a page less the line it starts on
        row = current - std::max(1, wholeRows() - 1);
        break;
    case Qt::Key_PageDown:
        row = current + std::max(1, wholeRows() - 1);
        break;
    case Qt::Key_Space: // Ctrl+Space takes the selection back
        if (current >= 0)
            select(event->modifiers() & Qt::ControlModifier && selected == current ? -1 : current);
        return;
    default:
        if (event->text().isEmpty() || !event->text().at(0).isPrint()
            || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            event->ignore();
            return;
        }
        findTyped(event->text());
        return;
    }
    if (count() > 0)
        setCurrent(std::clamp(row, 0, last), true);
}

// Letters typed within the keyboard interval of each other are one search, which begins at the
// current item; a new search begins past it, so that one letter typed again steps through the
// items that start with it.
void ListBox::findTyped(const QString &typed)
{
    const bool goesOn = lastTyped.isValid()
        && lastTyped.elapsed() < QApplication::keyboardInputInterval() && !search.isEmpty();
    search = goesOn ? search + typed : typed;
    lastTyped.start();
    const int start = goesOn ? std::max(current, 0) : current + 1;
    for (int step = 0; step < count(); ++step) {
        const int row = (start + step) % count();
        if (items[row].startsWith(search, Qt::CaseInsensitive)) {
            setCurrent(row, true);
            return;
        }
    }
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    pressed = rowAt(event->position().toPoint());
    if (pressed < 0) { // under the last item: nothing selected, the current item stays
        select(-1);
        return;
    }
    const bool takeBack = event->modifiers() & Qt::ControlModifier && pressed == selected;
    setCurrent(pressed, !takeBack);
    if (takeBack)
        select(-1);
}

void ListBox::mouseMoveEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (event->buttons() & Qt::LeftButton && row >= 0 && row != current)
        setCurrent(row, true);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (row < 0 || row != pressed) {
        mousePressEvent(event);
        return;
    }
    emit itemDoubleClicked(row);
}

void ListBox::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    // Reached by a key, the list shows where the arrows start, without selecting it.
    if (current < 0 && count() > 0 && event->reason() != Qt::MouseFocusReason)
        setCurrent(0, false);
    viewport()->update();
    tellAccessibility(QAccessible::Focus, current);
}

void ListBox::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void ListBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    showWholeItems();
}

void ListBox::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        showWholeItems();
}

void ListBox::scrollContentsBy(int, int)
{
    viewport()->update();
}

// The viewport ends under the last whole item; the scroll bar moves by items.
void ListBox::showWholeItems()
{
    const int height = rowHeight();
    const int room = contentsRect().height();
    setViewportMargins(0, 0, 0, room > height ? room % height : 0);
    const int rows = std::max(1, room / height);
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setRange(0, std::max(0, count() - rows));
}

} // namespace numo
