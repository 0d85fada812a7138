// What only the main window's look shows: a long clipboard tool tip by its ends, captions that
// fit their controls, and the window font chosen as the largest size that fits.
#include "form1_checks.h"
#include "mainwindow/caption_button.h"
#include "mainwindow/window_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QListWidget>

using namespace numo;
using namespace numo::testing;

class WindowLookTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void long_clipboard_tip_shows_both_ends()
    {
        Window window;
        Run(window, QStringLiteral("fill Text7 450; click Command3"));
        QCOMPARE(Seen(window, QStringLiteral("Text6.t")),
            QStringLiteral("<p style='white-space:pre'>Put on the clipboard, 454 characters:<br>%1"
                           "<b>\u2026 54 more \u2026</b>%2.gif</p>")
                .arg(QString(300, u'1'), QString(96, u'1')));
    }

    void every_caption_fits_its_control()
    {
        Window window;
        int checked = 0;
        for (const auto *label : window.form->findChildren<QLabel *>()) {
            const QRect room = label->contentsRect();
            const auto flags = static_cast<int>(
                (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine) | label->alignment());
            QVERIFY2(
                room.contains(QFontMetrics(label->font()).boundingRect(room, flags, label->text())),
                qPrintable(label->objectName()));
            ++checked;
        }
        for (const auto *button : window.form->findChildren<CaptionButton *>()) {
            const QRect room = button->captionRect();
            QVERIFY2(room.contains(
                         QFontMetrics(button->font())
                             .boundingRect(room, CaptionButton::kCaptionFlags, button->text())),
                qPrintable(button->objectName()));
            ++checked;
        }
        QCOMPARE(checked, 17 + 8);
    }

    // Rooms that hold any caption get the largest size, a caption or list item that fits no
    // size the smallest; in any font, of an installed family.
    void window_font_is_the_largest_that_fits()
    {
        for (const int room : {2000, 4}) {
            QWidget window;
            (new QLabel(QStringLiteral("Binary Value"), &window))->setGeometry(0, 0, 2000, 2000);
            auto *list = new QListWidget(&window);
            list->addItems({QStringLiteral("Binary Value")});
            list->setGeometry(0, 0, room, 2000);
            const QFont font = ChooseWindowFont(window);
            QCOMPARE(font.pixelSize(), room > 4 ? 11 : 8);
            QVERIFY2(QFontDatabase::families().contains(font.family()), qPrintable(font.family()));
        }
    }
};

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
