// The main window's controls: their captions, design positions, tool tips, tab order and the
// events each one is connected to.
#include "help/maker.h"
#include "mainwindow/caption_button.h"
#include "mainwindow/copy_as_menu.h"
#include "mainwindow/description_parts.h"
#include "mainwindow/form1.h"
#include "mainwindow/window_font.h"
#include "mainwindow/work_display.h"
#include "widgets/line_box.h"
#include "widgets/screen_room.h"
#include "widgets/twips.h"
#include "widgets/whole_item_list.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>

#include <iterator>
#include <limits>
#include <string_view>
#include <vector>

namespace numo {

namespace {

    // The layout is fixed in twips (widgets/twips.h).
    constexpr int kClientWidthTwips = 10980;
    constexpr int kClientHeightTwips = 9090;
    constexpr int kCaptionHeightTwips = 255; // of the captions over the boxes

    struct Placement
    {
        const char *name;
        int left, top, width, height; // twips
        const char *toolTip;          // nullptr: none
    };

    // Every control in tab order (labels take no focus), with its design position and tool tip;
    // the controls are made in this order.
    constexpr Placement kPlacements[] = {
        {"Text5", 0, 2640, 6975, 615,
            "Type text here to have it converted to bytes, hex, and bin."},
        {"Text1", 0, 4800, 6975, 615,
            "You may enter several numbers in a string, separated by periods or spaces. Convert to "
            "hex, "
            "bin, and text"},
        {"Command1", 7080, 4800, 1335, 615,
            "Hit this button to convert string of numbers to hex, bin, and text"},
        {"Text2", 0, 5880, 6975, 615,
            "Enter string of hex numbers to convert to Bin, Text, and Bytes."},
        {"Label1", 0, 4560, 3975, 255, nullptr},
        {"Label2", 0, 5640, 3015, 255, nullptr},
        {"Text3", 0, 6960, 6975, 2055,
            "You will see a Binary representation of any of the numbers or characters above"},
        {"Label3", 0, 6720, 4935, 255, nullptr},
        {"Command2", 7080, 3720, 1335, 615,
            "Hit this button to convert large numbers to bytes, hex, bin, and text"},
        {"Text4", 0, 3720, 6975, 615,
            "Enter large numbers here and have them converted to bytes, hex, text, bin, and text"},
        {"Label4", 0, 3480, 2055, 255, nullptr},
        {"Command3", 7080, 2640, 1335, 615,
            "Hit this button to convert text to bytes, hex, and bin"},
        {"Label5", 0, 2400, 2535, 375, nullptr},
        {"Command4", 7080, 5880, 1335, 615,
            "Hit this button to convert hex to bin, text, and bytes"},
        {"Command5", 3120, 2040, 3255, 495,
            "Hit this button to clear all data from all of the fields"},
        {"Command6", 7080, 6960, 1335, 2055, nullptr},
        {"Text6", 8520, 3480, 2415, 285, nullptr},
        {"Label6", 7800, 1440, 1455, 255, nullptr},
        {"Label7", 7680, 1800, 975, 255, nullptr},
        {"Text7", 6960, 2160, 615, 285, nullptr},
        {"Label8", 6960, 1800, 495, 255, nullptr},
        {"Text8", 9000, 2160, 735, 285, nullptr},
        {"Label9", 9120, 1800, 735, 255, nullptr},
        {"Text9", 7680, 2160, 1215, 285, nullptr},
        {"Label10", 8520, 3120, 2295, 375, nullptr},
        {"Command7", 9720, 480, 1215, 615, nullptr},
        {"Command8", 9720, 0, 1215, 495, nullptr},
        {"List1", 6480, 480, 1695, 450, nullptr},
        {"List2", 8400, 480, 1215, 450, nullptr},
        {"Label11", 6600, 0, 1455, 495, nullptr},
        {"Label12", 8520, 0, 855, 495, nullptr},
        {"Label13", 1920, 0, 4455, 255, nullptr},
        {"Label14", 1920, 240, 3975, 855, nullptr},
        {"Label15", 1800, 1200, 3375, 255, nullptr},
        {"Label16", 1800, 1440, 3495, 255, nullptr},
        {"Label17", 1800, 1680, 3615, 255, nullptr},
    };

} // namespace

void Form1::createControls()
{
    // The controls stand on a page of the design size inside a scroll area, which shows no
    // frame and, while the window has the design size, no scroll bar.
    scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // no tab stop of its own
    page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    page->setFixedSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));
    scroller->setWidget(page);
    page->installEventFilter(this); // the logo is drawn there
    fitScreen();

    // Each control as it is made, in tab order: its name, design position and tool tip.
    const Placement *next = std::begin(kPlacements);
    QWidget *previous = nullptr;
    const auto place = [&](QWidget *control, const char *name) {
        Q_ASSERT(next != std::end(kPlacements) && std::string_view(next->name) == name);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(Pixels(next->left, next->top, next->width, next->height));
        if (next->toolTip) {
            control->setToolTip(QString::fromLatin1(next->toolTip));
            SetDescriptionPart(control, DescriptionPart::Help, control->toolTip());
        }
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
        ++next;
    };
    const auto textBox = [&](const char *name) {
        auto *box = new FieldBox(page);
        place(box, name);
        // Breaking anywhere keeps the layout of a huge single line linear in its length.
        box->setWordWrapMode(QTextOption::WrapAnywhere);
        // The window is laid out left to right; a fixed direction also spares every caret and
        // selection rectangle a scan of its whole paragraph for right-to-left characters.
        QTextOption option = box->document()->defaultTextOption();
        option.setTextDirection(Qt::LeftToRight);
        box->document()->setDefaultTextOption(option);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        return box;
    };
    const auto lineBox = [&](const char *name) {
        auto *box = new LineBox(page);
        place(box, name);
        box->setMaxLength(std::numeric_limits<int>::max()); // the model has no limit either
        return box;
    };
    const auto label = [&](const char *name, const QString &caption) {
        auto *item = new QLabel(caption, page);
        place(item, name);
        item->setWordWrap(true);
        item->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return item;
    };
    const auto button = [&](const char *name, const QString &caption) {
        auto *item = new CaptionButton(caption, page);
        place(item, name);
        item->setAccessibleName(caption.simplified());
        return item;
    };
    const auto list = [&](const char *name) {
        auto *item = new WholeItemList(page);
        place(item, name);
        item->setSelectionMode(QAbstractItemView::SingleSelection);
        item->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return item;
    };

    Text5 = textBox("Text5");
    Text1 = textBox("Text1");
    Command1 = button("Command1", QStringLiteral("Convert to Hex and Bin"));
    Text2 = textBox("Text2");
    Label1 = label("Label1", QStringLiteral("Decimal in Bytes (such as IP Addresses)"));
    Label2 = label("Label2", QStringLiteral("Hexadecimal (such as a MAC address)"));
    Text3 = textBox("Text3");
    Label3 = label("Label3", QStringLiteral("Binary (such as sniffer captures)"));
    Command2 = button("Command2", QStringLiteral("Convert to bytes"));
    Text4 = textBox("Text4");
    Label4 = label("Label4", QStringLiteral("Large Decimal (over 255)"));
    Command3 = button("Command3", QStringLiteral("Convert Text to ASCII"));
    Label5 = label("Label5", QStringLiteral("Text Line to Convert to ASCII"));
    Command4 = button("Command4", QStringLiteral("Convert Hex to Dec and Bin"));
    Command5 = button("Command5", QStringLiteral("Clear All Number Fields Below"));
    Command6 = button("Command6", QStringLiteral("Convert  Binary  to  ASCII, Hex, and Dec"));
    Text6 = lineBox("Text6");
    Label6 = label("Label6", QStringLiteral("Naming Scheme"));
    Label7 = label("Label7",
        QString::fromUtf16(kAsciiValue.data(), static_cast<qsizetype>(kAsciiValue.size())));
    Text7 = lineBox("Text7");
    Label8 = label("Label8", QStringLiteral("Prefix"));
    Text8 = lineBox("Text8");
    Label9 = label("Label9", QStringLiteral("Suffix"));
    Text9 = lineBox("Text9");
    Label10 = label("Label10", QStringLiteral("Results Copied to Clipboard"));
    Command7 = button("Command7", QStringLiteral("Save Configuration"));
    Command8 = button("Command8", QStringLiteral("Help"));
    List1 = list("List1");
    List2 = list("List2");
    Label11 = label("Label11", QStringLiteral("Value to Use in Naming Scheme"));
    Label12 = label("Label12", QStringLiteral("Single Key or String"));
    Label13 = label(
        "Label13", QStringLiteral("Hexadecimal, Decimal, Binary, ASCII, and Text Converter by: "));
    Label14 = label("Label14", QString::fromLatin1(maker::kName));
    Label15 = label("Label15",
        QStringLiteral("%1, %2").arg(
            QLatin1String(maker::kPostBox), QLatin1String(maker::kPostBoxCity)));
    Label16 = label("Label16", QStringLiteral("Visit us at %1").arg(QLatin1String(maker::kWeb)));
    Label17 = label("Label17",
        QStringLiteral("%1  %2").arg(QLatin1String(maker::kPhone), QLatin1String(maker::kEmail)));
    Label14->setFont(MakerNameFont());

    std::vector<std::pair<QWidget *, QLabel *>> captioned = {{List1, Label11}, {List2, Label12}};
    for (const FieldControls &each : fieldControls())
        captioned.emplace_back(each.box, each.caption);
    for (const auto &[control, caption] : captioned) {
        control->setAccessibleName(caption->text());
        caption->setBuddy(control);
    }

    Text7->setText(QStringLiteral("a"));
    Text8->setText(QStringLiteral(".gif"));
}

void Form1::fitScreen()
{
    const QSize design = page->size();
    const QSize room = RoomOnScreen(*this);
    const int bar = scroller->verticalScrollBar()->sizeHint().width();
    QSize wanted = design;
    for (int pass = 0; pass < 2; ++pass) // a scroll bar on one side takes room from the other
        wanted = design
            + QSize(
                wanted.height() > room.height() ? bar : 0, wanted.width() > room.width() ? bar : 0);
    setFixedSize(wanted.boundedTo(room));
    scroller->resize(size());
}

void Form1::scrollIntoView(QWidget *control)
{
    // Only while the page scrolls, and not for a click, which gives the focus where the user
    // already looks: the page stays put under the mouse.
    if (!control || !page->isAncestorOf(control) || size() == page->size()
        || QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    // The whole control and a caption's height around it; the scroll area's own scrolling to a
    // focused control shows no more than a text box's caret.
    const QRect area(control->mapTo(page, QPoint()), control->size());
    const int margin = Pixels(kCaptionHeightTwips);
    scroller->ensureVisible(area.center().x(), area.center().y(), area.width() / 2 + margin,
        area.height() / 2 + margin);
}

void Form1::connectEvents()
{
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (auto *multiLine = qobject_cast<FieldBox *>(box(field)))
            connect(
                multiLine, &QPlainTextEdit::textChanged, this, [this, field] { boxEdited(field); });
        else
            connect(static_cast<QLineEdit *>(box(field)), &QLineEdit::textChanged, this,
                [this, field] { boxEdited(field); });
    }
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Form1::List1_DblClick);
    connect(List2, &QListWidget::itemDoubleClicked, this, &Form1::List2_DblClick);
    connect(qApp, &QApplication::focusChanged, this,
        [this](QWidget *, QWidget *now) { scrollIntoView(now); });

    // "Copy as" in the context menus of the fields that describe bytes.
    for (const FieldControls &each : byteFields()) {
        auto *menu = new CopyAsMenu(static_cast<FieldBox *>(each.box), *each.notation,
            [this, field = each.field]() -> const std::u16string & {
                syncEdits();
                return fields[field];
            });
        connect(
            menu, &CopyAsMenu::copied, this, [this](const QString &text, const QString &format) {
                if (work)
                    work->clipboardWritten(text, format);
            });
        connect(menu, &CopyAsMenu::inspectRequested, this, &Form1::openInspector);
    }
}

} // namespace numo
