// The floor of the start-up memory comparison: a bare Qt Widgets window of the main window's
// size with one QPlainTextEdit, shown until it is closed. Its text box brings the fonts and the
// text engine that any window with text needs.
#include <QApplication>
#include <QPlainTextEdit>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(732, 606);
    (new QPlainTextEdit(&window))->setGeometry(8, 8, 716, 590);
    window.show();
    return QApplication::exec();
}
