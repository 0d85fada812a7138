// The program's entry: the main window on the data folder, shown until it is closed.
#include "mainwindow/form1.h"

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
    numo::Form1 window(dataFolder);
    window.show();
    return QApplication::exec();
}
