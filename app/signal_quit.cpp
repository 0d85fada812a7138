#include "app/signal_quit.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace numo {

namespace {

    constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

    // The socket pair: the handler writes into [0], the event loop watches [1].
    std::array<int, 2> sockets{-1, -1};

    extern "C" void OnSignal(int signal)
    {
        const int saved = errno;
        const auto byte = static_cast<char>(signal);
        // Non-blocking: when the socket is full, the event loop has been told already.
        [[maybe_unused]] const auto written = ::write(sockets[0], &byte, 1);
        errno = saved;
    }

    void Handle(int signal, void (*handler)(int))
    {
        struct sigaction action = {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signal, &action, nullptr);
    }

} // namespace

SignalQuit::SignalQuit(std::function<void()> callback) : onSignal(std::move(callback))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets.data()) != 0)
        return; // the signals keep their default handling
    notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    // One request is enough: the program is ending. The bytes stay unread in the socket, and
    // further signals only add to them.
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        notifier->setEnabled(false);
        onSignal();
    });
    for (const int signal : kSignals)
        Handle(signal, OnSignal);
}

SignalQuit::~SignalQuit()
{
    if (!notifier)
        return;
    for (const int signal : kSignals)
        Handle(signal, SIG_DFL);
    delete notifier;
    ::close(sockets[0]);
    ::close(sockets[1]);
    sockets = {-1, -1};
}

} // namespace numo
