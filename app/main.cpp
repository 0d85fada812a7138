// The program's entry: the main window on the data folder, shown until it is closed.
#include "mainwindow/form1.h"
#ifdef Q_OS_UNIX
#include "app/signal_quit.h"
#endif

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("numo"));
    QApplication::setOrganizationName(QStringLiteral("Plimpton Data Tools"));
    QApplication::setDesktopFileName(QStringLiteral("example.plimpton_data.numo"));
    QApplication::setWindowIcon(numo::Form1::programIcon());

#ifdef Q_OS_WIN
    const QString dataFolder = QStringLiteral("c:/plim");
#else
    const QString dataFolder = QDir::homePath() + QStringLiteral("/plim");
#endif
    // Ended by the session (log-out, kill, Ctrl+C in a terminal), the program closes its main
    // window from the event loop, as the user does: a save under way finishes first.
    numo::Form1 *mainWindow = nullptr;
#ifdef Q_OS_UNIX
    const numo::SignalQuit signalQuit([&mainWindow] {
        if (mainWindow)
            mainWindow->close();
    });
#endif

    numo::Form1 window(dataFolder);
    mainWindow = &window;
    window.show();
    return QApplication::exec();
}
