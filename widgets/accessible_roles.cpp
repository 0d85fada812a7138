#include "widgets/accessible_roles.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace numo {

namespace {

    constexpr char kWindowProperty[] = "numoWindow";

    // An entry of a menu, as Qt's own but with a description.
    class MenuEntry : public QAccessibleInterface, public QAccessibleActionInterface
    {
    public:
        explicit MenuEntry(QAction *action) : entry(action) { }

        [[nodiscard]] bool isValid() const override { return entry && menu(); }
        [[nodiscard]] QObject *object() const override { return entry; }
        [[nodiscard]] QAccessibleInterface *childAt(int, int) const override { return nullptr; }
        [[nodiscard]] QAccessibleInterface *parent() const override
        {
            return QAccessible::queryAccessibleInterface(menu());
        }
        [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
        [[nodiscard]] int childCount() const override { return 0; }
        [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }
        [[nodiscard]] QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name) // without the mnemonic's marker
                return QString(entry->text()).remove(u'&');
            return t == QAccessible::Description ? entry->whatsThis() : QString();
        }
        void setText(QAccessible::Text, const QString &) override { }
        [[nodiscard]] QRect rect() const override
        {
            return menu()->actionGeometry(entry).translated(menu()->mapToGlobal(QPoint(0, 0)));
        }
        [[nodiscard]] QAccessible::Role role() const override { return QAccessible::MenuItem; }
        [[nodiscard]] QAccessible::State state() const override
        {
            QAccessible::State state;
            state.focusable = true;
            state.invisible = !menu()->isVisible() || !entry->isVisible();
            state.focused = menu()->activeAction() == entry;
            state.disabled = !entry->isEnabled();
            return state;
        }
        void *interface_cast(QAccessible::InterfaceType type) override
        {
            return type == QAccessible::ActionInterface
                ? static_cast<QAccessibleActionInterface *>(this)
                : nullptr;
        }
        [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
        void doAction(const QString &name) override
        {
            if (name == pressAction() && entry->isEnabled())
                entry->trigger();
        }
        [[nodiscard]] QStringList keyBindingsForAction(const QString &) const override
        {
            return {};
        }

    private:
        [[nodiscard]] QMenu *menu() const { return qobject_cast<QMenu *>(entry->parent()); }

        QPointer<QAction> entry;
    };

    QAccessibleInterface *Factory(const QString &className, QObject *object)
    {
        if (!object)
            return nullptr;
        // Asked for the most derived class first: the window's own, not QWidget's.
        if (object->property(kWindowProperty).toBool()
            && className == QLatin1String(object->metaObject()->className()))
            return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
        auto *action = qobject_cast<QAction *>(object);
        if (action && className == QLatin1String("QAction") && !action->whatsThis().isEmpty()
            && qobject_cast<QMenu *>(action->parent()))
            return new MenuEntry(action);
        return nullptr;
    }

} // namespace

void ExposeAsWindow(QWidget *window)
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
    window->setProperty(kWindowProperty, true);
}

} // namespace numo
