// What only the main window's look shows: a long clipboard tool tip by its ends, the buttons'
// bevel under a wrapped caption, captions that fit their controls, and the window font chosen
// as the largest size that fits.
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

    // The style's bevel, and the caption wrapped once within it, not also on one clipped line.
    void buttons_draw_the_styles_bevel_and_a_wrapped_caption()
    {
        Window window;
        auto *button = window.get<CaptionButton>("Command1");
        QPushButton plain(window.form.get());
        plain.setGeometry(button->geometry().translated(0, 400));
        plain.show();
        const QImage drawn = button->grab().toImage();
        const QImage bevel = plain.grab().toImage();
        QCOMPARE(drawn.copy(0, 0, drawn.width(), 2), bevel.copy(0, 0, drawn.width(), 2));
        QRect ink;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != bevel.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
        const QRect wrapped =
            QFontMetrics(button->font())
                .boundingRect(button->captionRect(), CaptionButton::kCaptionFlags, button->text());
        QVERIFY2(!ink.isEmpty() && wrapped.adjusted(-2, -2, 2, 2).contains(ink),
            qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                           .arg(ink.x())
                           .arg(ink.y())
                           .arg(ink.width())
                           .arg(ink.height())));
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
        // The font is chosen by the same measure: a caption fits a room of its own size only.
        const QString caption = window.get<QPushButton>("Command1")->text();
        const QRect size =
            QFontMetrics(window.form->font()).boundingRect({0, 0, 999, 99}, 0, caption);
        QVERIFY(CaptionFits(window.form->font(), caption, size.width(), size.height(), false));
        QVERIFY(!CaptionFits(window.form->font(), caption, size.width() - 1, size.height(), false));
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
