// Work that is asked for any number of times while an event is handled and done once after it:
// one event posted to the object that does it, at low priority, so that it comes after the
// window's own posted work. A signal may come from inside a text document's edit, where no text
// cursor may be made or moved; the work waits until the edit is over.
#pragma once

#include <QCoreApplication>
#include <QEvent>

namespace numo {

class PostedUpdate
{
public:
    // Posts the update to `owner` unless one is on its way or under way.
    void request(QObject &owner)
    {
        if (posted)
            return;
        posted = true;
        QCoreApplication::postEvent(&owner, new QEvent(Type()), Qt::LowEventPriority);
    }
    // Whether `event` is the update; the owner then does its work and calls done().
    [[nodiscard]] static bool Is(const QEvent &event) { return event.type() == Type(); }
    // From here on a request posts a new update.
    void done() { posted = false; }

private:
    static QEvent::Type Type()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    bool posted = false;
};

} // namespace numo
