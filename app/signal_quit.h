// Ends the program through the event loop when the session asks it to (SIGTERM, SIGINT,
// SIGHUP), so that whatever the program is doing finishes first.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace numo {

// While an object of this class lives, SIGTERM, SIGINT and SIGHUP run `onSignal` from the event
// loop, once, instead of ending the process at once. The signal handler only writes the signal's
// number into a socket pair, which wakes the event loop. One object at a time.
class SignalQuit : public QObject
{
public:
    explicit SignalQuit(std::function<void()> onSignal);
    ~SignalQuit() override; // restores the default handling
    SignalQuit(const SignalQuit &) = delete;
    SignalQuit &operator=(const SignalQuit &) = delete;

private:
    std::function<void()> onSignal;
    QSocketNotifier *notifier = nullptr;
};

} // namespace numo
