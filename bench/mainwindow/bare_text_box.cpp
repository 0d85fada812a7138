// The floor of the start-up memory comparison: a bare Qt Widgets window of the main window's
// size with one QPlainTextEdit, shown until it is closed. Empty, its box loads the fonts but
// never shapes a line; with "--text" it shows one line, so the text engine is loaded as in any
// window that shows a word.
#include <QApplication>
#include <QPlainTextEdit>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(732, 606);
    auto *box = new QPlainTextEdit(&window);
    box->setGeometry(8, 8, 716, 590);
    if (argc > 1 && QString::fromLatin1(argv[1]) == u"--text")
        box->setPlainText(QStringLiteral("Numo"));
    window.show();
    return QApplication::exec();
}
