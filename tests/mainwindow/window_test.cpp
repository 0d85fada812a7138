// The window itself: geometry, tab order, captions and tool tips, captions that fit, the
// accessibility tree, keyboard use, and the help window's life beside it.
#include "form1_fixture.h"
#include "help/form2.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>

using namespace numo;
using namespace numo::testing;

namespace {

QList<Form2 *> HelpWindows()
{
    QList<Form2 *> windows;
    for (auto *widget : QApplication::topLevelWidgets())
        if (auto *help = qobject_cast<Form2 *>(widget))
            windows << help;
    return windows;
}

void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<WindowOnTemporaryFolder>();
        window->show();
    }
    void cleanup()
    {
        window.reset();
        DeleteClosedWindows();
    }

    void client_area_is_fixed();
    void each_control_as_designed_data();
    void each_control_as_designed();
    void tab_order_follows_the_design();
    void every_caption_fits_its_control();
    void maker_name_uses_its_own_font();
    void enter_and_space_press_a_focused_button_data();
    void enter_and_space_press_a_focused_button();
    void icon_has_small_and_large_images();
    void help_twice_gives_one_window();
    void reopened_help_is_a_new_window();
    void closing_the_main_window_closes_help();

private:
    std::unique_ptr<WindowOnTemporaryFolder> window;
};

void WindowTest::client_area_is_fixed()
{
    const auto &form = *window->form;
    QCOMPARE(form.size(), QSize(732, 606)); // 10980 x 9090 twips
    QCOMPARE(form.minimumSize(), form.maximumSize());
}

namespace {

// One row per control: its design rectangle in twips, the caption of a label or button (nullptr
// where it is made from the maker's data or the control has none), its tool tip, and, for the
// controls a screen reader names from a caption, that name and the role; a label's name is its
// caption and its role static text.
struct DesignedControl
{
    const char *name;
    QRect twips;
    const char *caption;
    const char *toolTip;
    const char *accessibleName;
    QAccessible::Role role;
};

constexpr auto kEdit = QAccessible::EditableText;
constexpr auto kButton = QAccessible::Button;
constexpr auto kList = QAccessible::List;
constexpr auto kLabel = QAccessible::StaticText;

const DesignedControl kDesign[] = {
    {"Text5", {0, 2640, 6975, 615}, nullptr,
        "Type text here to have it converted to bytes, hex, and bin.",
        "Text Line to Convert to ASCII", kEdit},
    {"Text1", {0, 4800, 6975, 615}, nullptr,
        "You may enter several numbers in a string, separated by periods or spaces. Convert to "
        "hex, bin, and text",
        "Decimal in Bytes (such as IP Addresses)", kEdit},
    {"Command1", {7080, 4800, 1335, 615}, "Convert to Hex and Bin",
        "Hit this button to convert string of numbers to hex, bin, and text",
        "Convert to Hex and Bin", kButton},
    {"Text2", {0, 5880, 6975, 615}, nullptr,
        "Enter string of hex numbers to convert to Bin, Text, and Bytes.",
        "Hexadecimal (such as a MAC address)", kEdit},
    {"Label1", {0, 4560, 3975, 255}, "Decimal in Bytes (such as IP Addresses)", "", nullptr,
        kLabel},
    {"Label2", {0, 5640, 3015, 255}, "Hexadecimal (such as a MAC address)", "", nullptr, kLabel},
    {"Text3", {0, 6960, 6975, 2055}, nullptr,
        "You will see a Binary representation of any of the numbers or characters above",
        "Binary (such as sniffer captures)", kEdit},
    {"Label3", {0, 6720, 4935, 255}, "Binary (such as sniffer captures)", "", nullptr, kLabel},
    {"Command2", {7080, 3720, 1335, 615}, "Convert to bytes",
        "Hit this button to convert large numbers to bytes, hex, bin, and text", "Convert to bytes",
        kButton},
    {"Text4", {0, 3720, 6975, 615}, nullptr,
        "Enter large numbers here and have them converted to bytes, hex, text, bin, and text",
        "Large Decimal (over 255)", kEdit},
    {"Label4", {0, 3480, 2055, 255}, "Large Decimal (over 255)", "", nullptr, kLabel},
    {"Command3", {7080, 2640, 1335, 615}, "Convert Text to ASCII",
        "Hit this button to convert text to bytes, hex, and bin", "Convert Text to ASCII", kButton},
    {"Label5", {0, 2400, 2535, 375}, "Text Line to Convert to ASCII", "", nullptr, kLabel},
    {"Command4", {7080, 5880, 1335, 615}, "Convert Hex to Dec and Bin",
        "Hit this button to convert hex to bin, text, and bytes", "Convert Hex to Dec and Bin",
        kButton},
    {"Command5", {3120, 2040, 3255, 495}, "Clear All Number Fields Below",
        "Hit this button to clear all data from all of the fields", "Clear All Number Fields Below",
        kButton},
    {"Command6", {7080, 6960, 1335, 2055}, "Convert  Binary  to  ASCII, Hex, and Dec", "",
        "Convert Binary to ASCII, Hex, and Dec", kButton},
    {"Text6", {8520, 3480, 2415, 285}, nullptr, "", "Results Copied to Clipboard", kEdit},
    {"Label6", {7800, 1440, 1455, 255}, "Naming Scheme", "", nullptr, kLabel},
    {"Label7", {7680, 1800, 975, 255}, "ASCII Value", "", nullptr, kLabel},
    {"Text7", {6960, 2160, 615, 285}, nullptr, "", "Prefix", kEdit},
    {"Label8", {6960, 1800, 495, 255}, "Prefix", "", nullptr, kLabel},
    {"Text8", {9000, 2160, 735, 285}, nullptr, "", "Suffix", kEdit},
    {"Label9", {9120, 1800, 735, 255}, "Suffix", "", nullptr, kLabel},
    {"Text9", {7680, 2160, 1215, 285}, nullptr, "", "ASCII Value", kEdit},
    {"Label10", {8520, 3120, 2295, 375}, "Results Copied to Clipboard", "", nullptr, kLabel},
    {"Command7", {9720, 480, 1215, 615}, "Save Configuration", "", "Save Configuration", kButton},
    {"Command8", {9720, 0, 1215, 495}, "Help", "", "Help", kButton},
    {"List1", {6480, 480, 1695, 450}, nullptr, "", "Value to Use in Naming Scheme", kList},
    {"List2", {8400, 480, 1215, 450}, nullptr, "", "Single Key or String", kList},
    {"Label11", {6600, 0, 1455, 495}, "Value to Use in Naming Scheme", "", nullptr, kLabel},
    {"Label12", {8520, 0, 855, 495}, "Single Key or String", "", nullptr, kLabel},
    {"Label13", {1920, 0, 4455, 255},
        "Hexadecimal, Decimal, Binary, ASCII, and Text Converter by: ", "", nullptr, kLabel},
    {"Label14", {1920, 240, 3975, 855}, "Plimpton Data Tools", "", nullptr, kLabel},
    {"Label15", {1800, 1200, 3375, 255}, nullptr, "", nullptr, kLabel},
    {"Label16", {1800, 1440, 3495, 255}, nullptr, "", nullptr, kLabel},
    {"Label17", {1800, 1680, 3615, 255}, nullptr, "", nullptr, kLabel},
};

} // namespace

void WindowTest::each_control_as_designed_data()
{
    AddRowIndices(kDesign);
}

void WindowTest::each_control_as_designed()
{
    QFETCH(int, row);
    const DesignedControl &design = kDesign[row];
    auto *control = window->form->findChild<QWidget *>(QString::fromLatin1(design.name));
    QVERIFY(control);

    const QRect &twips = design.twips;
    QCOMPARE(control->geometry(),
        QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));

    const auto *label = qobject_cast<const QLabel *>(control);
    const auto *button = qobject_cast<const QPushButton *>(control);
    const QString caption = label ? label->text() : button ? button->text() : QString();
    if (design.caption)
        QCOMPARE(caption, QString::fromLatin1(design.caption));
    QVERIFY(label || button || !design.caption);
    QCOMPARE(control->toolTip(), QString::fromLatin1(design.toolTip));

    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(control);
    QVERIFY(node);
    QCOMPARE(node->text(QAccessible::Name),
        design.accessibleName ? QString::fromLatin1(design.accessibleName) : caption);
    QCOMPARE(node->role(), design.role);
    // The tool tip, then the control's keys, if it has any.
    QVERIFY(node->text(QAccessible::Description).startsWith(control->toolTip()));
    // Reachable from the window's node, as a screen reader walks the tree.
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window->form.get());
    QVERIFY(root->indexOfChild(node) >= 0);
}

void WindowTest::tab_order_follows_the_design()
{
    auto &form = *window->form;
    const QStringList expected{"Text5", "Text1", "Command1", "Text2", "Text3", "Command2", "Text4",
        "Command3", "Command4", "Command5", "Command6", "Text6", "Text7", "Text8", "Text9",
        "Command7", "Command8", "List1", "List2"};
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Text5); // the focus when the window opens
    QTest::keyClick(form.Text8, Qt::Key_X); // a disabled Save Configuration takes no focus
    form.Text5->setFocus();
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
    QCOMPARE(QApplication::focusWidget(), form.Text5); // round again
    for (const auto *label : form.findChildren<QLabel *>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void WindowTest::every_caption_fits_its_control()
{
    const auto &form = *window->form;
    int checked = 0;
    for (const auto *label : form.findChildren<QLabel *>()) {
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const QRect needed = metrics.boundingRect(
            room, static_cast<int>(Qt::TextWordWrap | label->alignment().toInt()), label->text());
        QVERIFY2(room.contains(needed), qPrintable(label->objectName()));
        ++checked;
    }
    for (const auto *button : form.findChildren<CaptionButton *>()) {
        const QFontMetrics metrics(button->font());
        const QRect room = button->captionRect();
        const QRect needed =
            metrics.boundingRect(room, CaptionButton::kCaptionFlags, button->text());
        QVERIFY2(room.contains(needed), qPrintable(button->objectName()));
        QVERIFY(room.width() > button->width() - 10 && room.height() > button->height() - 10);
        ++checked;
    }
    QCOMPARE(checked, 17 + 8);
    for (const auto *list : {form.List1, form.List2})
        for (int row = 0; row < list->count(); ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            QVERIFY(QFontMetrics(list->font()).horizontalAdvance(list->item(row)->text())
                < list->viewport()->width());
            QVERIFY2(item.height() >= QFontMetrics(list->font()).height(),
                qPrintable(list->item(row)->text()));
        }
    // The lists show their first two items whole without scrolling.
    QVERIFY(form.List2->visualItemRect(form.List2->item(1)).bottom()
        < form.List2->viewport()->height());
    qInfo("default font %s %d px, list item height %d px",
        qPrintable(QFontInfo(form.font()).family()), QFontInfo(form.font()).pixelSize(),
        form.List1->visualItemRect(form.List1->item(0)).height());
}

void WindowTest::maker_name_uses_its_own_font()
{
    const QFont font = window->form->Label14->font();
    QCOMPARE(font.pointSize(), 18);
    QCOMPARE(font.weight(), QFont::Normal);
    if (!QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    QVERIFY(window->form->Label13->font().pointSizeF() < font.pointSizeF());
}

void WindowTest::enter_and_space_press_a_focused_button_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void WindowTest::enter_and_space_press_a_focused_button()
{
    QFETCH(int, key);
    auto &form = *window->form;
    TypeInto(form.Text1, QStringLiteral("1.2"));
    form.Command1->setFocus();
    QTest::keyClick(form.Command1, static_cast<Qt::Key>(key));
    QCOMPARE(form.fieldQString(form.Text2), QStringLiteral("01-02"));
}

void WindowTest::icon_has_small_and_large_images()
{
    const auto sizes = window->form->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

void WindowTest::help_twice_gives_one_window()
{
    auto &form = *window->form;
    Click(form.Command8);
    Click(form.Command8);
    QCOMPARE(HelpWindows().size(), 1);
    QVERIFY(form.helpWindow()->isVisible());
    QCOMPARE(form.helpWindow()->windowTitle(), form.windowTitle());
}

void WindowTest::reopened_help_is_a_new_window()
{
    auto &form = *window->form;
    Click(form.Command8);
    QPointer<Form2> first = form.helpWindow();
    QTest::keyClicks(first->Text2, QStringLiteral("binary"));
    first->close();
    DeleteClosedWindows();
    QVERIFY(first.isNull());

    Click(form.Command8);
    QVERIFY(form.helpWindow());
    QCOMPARE(form.helpWindow()->Text2->text(), QString());
    QCOMPARE(HelpWindows().size(), 1);
}

void WindowTest::closing_the_main_window_closes_help()
{
    auto &form = *window->form;
    Click(form.Command8);
    QPointer<Form2> help = form.helpWindow();
    form.close();
    DeleteClosedWindows();
    QVERIFY(help.isNull() || !help->isVisible());
    QVERIFY(HelpWindows().isEmpty() || !HelpWindows().first()->isVisible());
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
