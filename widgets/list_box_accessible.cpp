// What a screen reader sees of a list box: a list whose children are its items, each with its
// text, selected or not, and the focus on the current item while the list has it.
#include "widgets/list_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <mutex>

namespace numo {

namespace {

    class ItemAccessible : public QAccessibleInterface
    {
    public:
        ItemAccessible(ListBox *box, int index) : list(box), row(index) { }

        [[nodiscard]] bool isValid() const override { return list && row < list->count(); }
        [[nodiscard]] QObject *object() const override { return nullptr; }
        [[nodiscard]] QWindow *window() const override { return parent()->window(); }
        [[nodiscard]] QAccessibleInterface *parent() const override
        {
            return QAccessible::queryAccessibleInterface(list);
        }
        [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
        [[nodiscard]] QAccessibleInterface *childAt(int, int) const override { return nullptr; }
        [[nodiscard]] int childCount() const override { return 0; }
        [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }
        [[nodiscard]] QString text(QAccessible::Text t) const override
        {
            return t == QAccessible::Name ? list->text(row) : QString();
        }
        void setText(QAccessible::Text, const QString &) override { }
        [[nodiscard]] QRect rect() const override
        {
            const QRect shown = list->itemRect(row) & list->viewport()->rect();
            return shown.isEmpty()
                ? QRect()
                : QRect(list->viewport()->mapToGlobal(shown.topLeft()), shown.size());
        }
        [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }
        [[nodiscard]] QAccessible::State state() const override
        {
            QAccessible::State state;
            state.selectable = state.focusable = true;
            state.selected = row == list->selectedRow();
            state.focused = row == list->currentRow() && list->hasFocus();
            state.invisible = state.offscreen = rect().isEmpty();
            return state;
        }

    private:
        QPointer<ListBox> list;
        int row;
    };

    class ListAccessible : public QAccessibleWidget
    {
    public:
        explicit ListAccessible(ListBox *list) : QAccessibleWidget(list, QAccessible::List) { }
        ~ListAccessible() override
        {
            for (const QAccessible::Id id : std::as_const(items))
                QAccessible::deleteAccessibleInterface(id);
        }
        ListAccessible(const ListAccessible &) = delete;
        ListAccessible &operator=(const ListAccessible &) = delete;

        [[nodiscard]] int childCount() const override { return box()->count(); }
        [[nodiscard]] QAccessibleInterface *child(int index) const override
        {
            if (index < 0 || index >= box()->count())
                return nullptr;
            while (items.size() <= index)
                items << QAccessible::registerAccessibleInterface(
                    new ItemAccessible(box(), static_cast<int>(items.size())));
            return QAccessible::accessibleInterface(items[index]);
        }
        [[nodiscard]] int indexOfChild(const QAccessibleInterface *item) const override
        {
            for (int row = 0; row < items.size(); ++row)
                if (QAccessible::accessibleInterface(items[row]) == item)
                    return row;
            return -1;
        }
        [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override
        {
            return child(box()->rowAt(box()->viewport()->mapFromGlobal(QPoint(x, y))));
        }
        [[nodiscard]] QAccessibleInterface *focusChild() const override
        {
            return box()->hasFocus() ? child(box()->currentRow()) : nullptr;
        }

    private:
        [[nodiscard]] ListBox *box() const { return static_cast<ListBox *>(widget()); }
        mutable QList<QAccessible::Id> items;
    };

    QAccessibleInterface *ListFactory(const QString &, QObject *object)
    {
        auto *list = qobject_cast<ListBox *>(object);
        return list ? new ListAccessible(list) : nullptr;
    }

} // namespace

void ListBox::installAccessibility()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(ListFactory); });
}

void ListBox::tellAccessibility(QAccessible::Event type, int row)
{
    if (!QAccessible::isActive() || row < 0)
        return;
    QAccessibleEvent event(this, type);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

} // namespace numo
