#include "mainwindow/form1.h"

#include "conversion/binary.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "conversion/large_decimal.h"
#include "conversion/naming_scheme.h"
#include "conversion/text_codes.h"
#include "help/form2.h"
#include "help/maker.h"
#include "mainwindow/caption_button.h"
#include "mainwindow/copy_as_menu.h"
#include "mainwindow/field_box.h"
#include "mainwindow/line_box.h"
#include "mainwindow/save_report.h"
#include "mainwindow/settings_file.h"
#include "mainwindow/standard_keys.h"
#include "mainwindow/window_font.h"
#include "mainwindow/work_display.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolTip>

#include <cmath>
#include <limits>

// A static library's resources are registered only when something calls their initialiser.
static void RegisterArtwork()
{
    Q_INIT_RESOURCE(mainwindow);
}

namespace numo {

namespace {

    // The layout is fixed in twips; Qt's own high-DPI scaling maps logical pixels onto the screen.
    constexpr int kTwipsPerPixel = 15;
    constexpr int kClientWidthTwips = 10980;
    constexpr int kClientHeightTwips = 9090;

    // The recursion bound of the conversion cascade.
    constexpr std::int16_t kCascadeLimit = 5;

    // From this many characters in a field on, a conversion shows the busy cursor.
    constexpr qsizetype kLargeText = 100'000;

    struct Placement
    {
        const char *name;
        int left, top, width, height; // twips
        const char *toolTip;          // nullptr: none
    };

    // Every control in tab order (labels take no focus), with its design position and tool tip.
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

    constexpr int Pixels(int twips)
    {
        return twips / kTwipsPerPixel;
    }

    QString ToQString(const std::u16string &text)
    {
        return QString::fromStdU16String(text);
    }

    // Blanks around the number are allowed and the user's digit grouping is accepted; the C
    // locale is the second chance for a number typed the way programs write numbers.
    bool ReadNumber(const QString &text, double &number)
    {
        qsizetype first = 0;
        qsizetype last = text.size();
        while (first < last && text.at(first) == u' ')
            ++first;
        while (last > first && text.at(last - 1) == u' ')
            --last;
        const QString trimmed = text.mid(first, last - first);
        bool ok = false;
        number = QLocale::system().toDouble(trimmed, &ok);
        if (!ok)
            number = QLocale::c().toDouble(trimmed, &ok);
        return ok && std::isfinite(number);
    }

} // namespace

Form1::UserEvent::UserEvent(Form1 &owner) : form(owner)
{
    if (form.runningHandlers++ == 0 && form.largeInputPending()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busyCursor = true;
    }
}

Form1::UserEvent::~UserEvent()
{
    if (--form.runningHandlers == 0)
        form.pushFieldsToWidgets();
    if (busyCursor)
        QApplication::restoreOverrideCursor();
}

Form1::Form1(const QString &dataFolderPath, QWidget *parent)
    : QWidget(parent), folder(dataFolderPath),
      logo((RegisterArtwork(), QStringLiteral(":/numo/logo.png")))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(programIcon());
    setFixedSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));
    createControls();
    connectEvents();
    new StandardKeys(*this);
    text4Description = Text4->accessibleDescription();
    setFont(ChooseWindowFont(*this));
    Form_Load();
    Text5->setFocus();
    setShowWork(true);
}

void Form1::setShowWork(bool on)
{
    if (on && !work)
        work = new WorkDisplay(*this);
    else if (!on)
        delete work.data();
}

WorkDisplay *Form1::workDisplay() const
{
    return work.data();
}

QIcon Form1::programIcon()
{
    RegisterArtwork();
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/numo/numo-icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

Form1::~Form1()
{
    delete work.data(); // it gives back what it set on controls that are still alive here
    delete help.data();
}

void Form1::createControls()
{
    const auto textBox = [this](const char *name) {
        auto *box = new FieldBox(this);
        box->setObjectName(QString::fromLatin1(name));
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
    const auto lineBox = [this](const char *name) {
        auto *box = new LineBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxLength(std::numeric_limits<int>::max()); // the model has no limit either
        return box;
    };
    const auto label = [this](const char *name, const QString &caption) {
        auto *item = new QLabel(caption, this);
        item->setObjectName(QString::fromLatin1(name));
        item->setWordWrap(true);
        item->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return item;
    };
    const auto button = [this](const char *name, const QString &caption) {
        auto *item = new CaptionButton(caption, this);
        item->setObjectName(QString::fromLatin1(name));
        item->setAccessibleName(caption.simplified());
        return item;
    };
    const auto list = [this](const char *name) {
        auto *item = new QListWidget(this);
        item->setObjectName(QString::fromLatin1(name));
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
    Label7 = label("Label7", QStringLiteral("ASCII Value"));
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

    QWidget *previous = nullptr;
    for (const auto &place : kPlacements) {
        auto *control =
            findChild<QWidget *>(QString::fromLatin1(place.name), Qt::FindDirectChildrenOnly);
        control->setGeometry(
            Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
        if (place.toolTip) {
            control->setToolTip(QString::fromLatin1(place.toolTip));
            control->setAccessibleDescription(control->toolTip());
        }
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }

    const std::pair<QWidget *, QLabel *> captioned[] = {{Text1, Label1}, {Text2, Label2},
        {Text3, Label3}, {Text4, Label4}, {Text5, Label5}, {Text6, Label10}, {Text7, Label8},
        {Text8, Label9}, {Text9, Label7}, {List1, Label11}, {List2, Label12}};
    for (const auto &[control, caption] : captioned) {
        control->setAccessibleName(caption->text());
        caption->setBuddy(control);
    }

    Text7->setText(QStringLiteral("a"));
    Text8->setText(QStringLiteral(".gif"));
    QWidget *const boxes[] = {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i].widget = boxes[i];
    fields[6].userEdited = true; // the model takes the design texts from the widgets
    fields[7].userEdited = true;
}

void Form1::connectEvents()
{
    const QPlainTextEdit *const multiLine[] = {Text1, Text2, Text3, Text4, Text5};
    for (std::size_t i = 0; i < std::size(multiLine); ++i)
        connect(multiLine[i], &QPlainTextEdit::textChanged, this, [this, i] { widgetEdited(i); });
    const QLineEdit *const singleLine[] = {Text6, Text7, Text8, Text9};
    for (std::size_t i = 0; i < std::size(singleLine); ++i)
        connect(singleLine[i], &QLineEdit::textChanged, this, [this, i] { widgetEdited(5 + i); });

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
    // Key presses and releases of Text5 and Enter in the lists.
    Text5->installEventFilter(this);
    List1->installEventFilter(this);
    List2->installEventFilter(this);

    // "Copy as" in the context menus of the fields that describe bytes.
    const std::pair<FieldBox *, CopyAsMenu::Reader> copyAs[] = {
        {Text1, {DottedDecimalStructure, DottedDecimalBytes}}, {Text2, {HexStructure, HexBytes}},
        {Text3, {BinaryStructure, BinaryBytes}}, {Text5, {TextLineStructure, TextLineBytes}}};
    for (const auto &[box, reader] : copyAs)
        connect(new CopyAsMenu(box, reader), &CopyAsMenu::copied, this,
            [this](const QString &text, const QString &format) {
                if (work)
                    work->clipboardWritten(text, format);
            });
}

// --- the field model ------------------------------------------------------------------------

std::size_t Form1::fieldIndex(const QWidget *textBox) const
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].widget == textBox)
            return i;
    Q_ASSERT_X(false, "Form1::fieldIndex", "not one of Text1 to Text9");
    return 0;
}

std::u16string Form1::fieldText(const QWidget *textBox) const
{
    auto &field = fields[fieldIndex(textBox)];
    if (field.userEdited) {
        if (const auto *box = qobject_cast<const FieldBox *>(field.widget))
            field.text = box->fieldText();
        else
            field.text = static_cast<const LineBox *>(field.widget)->fieldText().toStdU16String();
        field.userEdited = false;
    }
    return field.text;
}

QString Form1::fieldQString(const QWidget *textBox) const
{
    return ToQString(fieldText(textBox));
}

std::u16string Form1::displayedText(const QWidget *textBox) const
{
    const auto &field = fields[fieldIndex(textBox)];
    if (!field.userEdited)
        return field.text;
    if (const auto *box = qobject_cast<const FieldBox *>(field.widget))
        return box->fieldText();
    return static_cast<const LineBox *>(field.widget)->fieldText().toStdU16String();
}

void Form1::setFieldText(QWidget *textBox, std::u16string text)
{
    const auto index = fieldIndex(textBox);
    if (fieldText(textBox) == text)
        return;
    fields[index].text = std::move(text);
    fields[index].widgetBehind = true;
    if (textBox == Text8)
        Text8_Change();
}

void Form1::setFieldText(QWidget *textBox, const QString &text)
{
    setFieldText(textBox, text.toStdU16String());
}

void Form1::pushFieldsToWidgets()
{
    pushingWidgets = true;
    for (auto &field : fields) {
        if (!field.widgetBehind)
            continue;
        if (work)
            work->fieldChanged(field.widget);
        if (auto *box = qobject_cast<FieldBox *>(field.widget))
            box->setFieldText(field.text);
        else
            static_cast<LineBox *>(field.widget)->setFieldText(ToQString(field.text));
        field.widgetBehind = false;
        field.userEdited = false;
    }
    pushingWidgets = false;
    if (work)
        work->refresh();
}

void Form1::widgetEdited(std::size_t index)
{
    if (pushingWidgets)
        return;
    fields[index].userEdited = true;
    if (work) {
        work->fieldChanged(fields[index].widget);
        work->refresh();
    }
    if (fields[index].widget == Text8)
        Text8_Change();
    else if (fields[index].widget == Text7)
        Command7->setEnabled(true); // an edited prefix can be saved as an edited suffix can
}

bool Form1::largeInputPending() const
{
    for (const auto &field : fields) {
        if (static_cast<qsizetype>(field.text.size()) > kLargeText)
            return true;
        if (const auto *box = qobject_cast<const QPlainTextEdit *>(field.widget);
            box && box->document()->characterCount() > kLargeText)
            return true;
    }
    return false;
}

std::u16string Form1::selectedText(const QListWidget *list)
{
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? std::u16string() : selected.first()->text().toStdU16String();
}

void Form1::selectItem(QListWidget *list, const std::u16string &text)
{
    const auto matches =
        list->findItems(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (matches.isEmpty()) {
        list->clearSelection(); // a value that is none of the items selects nothing
        list->setCurrentItem(nullptr);
        return;
    }
    list->setCurrentItem(matches.first());
}

void Form1::setLabel7Caption(const std::u16string &caption)
{
    Label7->setText(ToQString(caption));
    if (!caption.empty())
        Text9->setAccessibleName(Label7->text());
}

// --- conversions ----------------------------------------------------------------------------

void Form1::Command1_Click()
{
    const UserEvent event(*this);
    const auto rendered = ConvertDottedDecimal(fieldText(Text1), tables.ByteBitTable);
    setFieldText(Text2, rendered.hexLine);
    setFieldText(Text3, rendered.binaryLine);
    if (cascadeDepth < kCascadeLimit) {
        ++cascadeDepth;
        Command4_Click();
    }
}

void Form1::Command2_Click()
{
    const UserEvent event(*this);
    if (fieldText(Text4).empty())
        setFieldText(Text4, std::u16string(u"65535"));
    const QString text = fieldQString(Text4);
    double number = 0;
    if (!ReadNumber(text, number)) {
        reportNotANumber(text);
        return;
    }
    Text4->setAccessibleDescription(text4Description);
    setFieldText(Text1, LargeDecimalToBytes(number));
    if (cascadeDepth < kCascadeLimit) {
        ++cascadeDepth;
        Command1_Click();
    }
}

void Form1::Command3_Click()
{
    const UserEvent event(*this);
    ConvertTextLine(Command5);
}

void Form1::Command4_Click()
{
    const UserEvent event(*this);
    setFieldText(Text2, fieldText(Text2) + u' '); // closes a lone last digit
    const auto parsed = ConvertHexToDec(fieldText(Text2));
    setFieldText(Text5, parsed.textLine);
    setFieldText(Text1, parsed.decimalLine);
    Command1_Click();
    cascadeDepth = 0;
}

void Form1::Command5_Click()
{
    const UserEvent event(*this);
    for (QWidget *box : std::initializer_list<QWidget *>{Text1, Text2, Text3, Text4, Text5, Text6})
        setFieldText(box, std::u16string());
    Text5->setFocus();
}

void Form1::Command6_Click()
{
    const UserEvent event(*this);
    const auto decoded = ConvertBinaryToAscii(fieldText(Text3));
    setFieldText(Text5, decoded.textLine);
    if (decoded.byteCount > 0)
        Label3->setText(QString::number(decoded.byteCount) + QStringLiteral("           "));
}

void Form1::ConvertTextLine(QWidget *focusTarget)
{
    const UserEvent event(*this);
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard)
        clipboard->clear();
    setFieldText(Text1, TextToCodes(fieldText(Text5)));
    if (cascadeDepth < kCascadeLimit) {
        ++cascadeDepth;
        Command1_Click();
    }
    std::u16string value;
    const auto choice = selectedText(List1);
    if (choice == u"ASCII Value") {
        value = fieldText(Text1);
        setFieldText(Text9, value);
    }
    if (choice == u"Hex Value") {
        value = fieldText(Text2);
        setFieldText(Text9, value);
    }
    if (choice == u"Binary Value") {
        value = fieldText(Text3);
        setFieldText(Text9, value);
    }
    setFieldText(Text6, NamingScheme(fieldText(Text7), value, fieldText(Text8)));
    if (clipboard) {
        clipboard->setText(fieldQString(Text6));
        if (work)
            work->clipboardWritten(fieldQString(Text6));
    }
    if (focusTarget)
        focusTarget->setFocus();
}

void Form1::reportNotANumber(const QString &text)
{
    // A whole field of text would make a tool tip no screen can show: the start says enough.
    constexpr qsizetype kShown = 40;
    const QString message =
        tr("Not a number: %1").arg(text.size() > kShown ? text.left(kShown) + u'\u2026' : text);
    Text4->setAccessibleDescription(message);
    QToolTip::showText(Text4->mapToGlobal(QPoint(0, Text4->height())), message, Text4);
}

// --- settings and help ----------------------------------------------------------------------

void Form1::Text8_Change()
{
    const UserEvent event(*this);
    Command7->setEnabled(true);
}

void Form1::List1_DblClick()
{
    const UserEvent event(*this);
    namingValue = selectedText(List1);
    setLabel7Caption(namingValue);
    Command7->setEnabled(true);
}

void Form1::List2_DblClick()
{
    const UserEvent event(*this);
    entryMode = selectedText(List2);
    Command7->setEnabled(true);
}

void Form1::Command7_Click()
{
    const UserEvent event(*this);
    Command7->setEnabled(false);
    const QString path = folder + QStringLiteral("/numo2.ini");
    QString reason;
    std::u16string unstorable;
    if (!WriteSettingsFile(path, {fieldText(Text7), fieldText(Text8), namingValue, entryMode, {}},
            &reason, &unstorable)) {
        // Left disabled, the button would claim that everything is saved.
        Command7->setEnabled(true);
        reportSaveFailure(path, reason);
    } else if (!unstorable.empty()) {
        ShowFileMessage(this, lastSaveWarning, QMessageBox::Information, tr("Save Configuration"),
            StoredAsQuestionMarksNote(path, unstorable));
    }
}

void Form1::reportSaveFailure(const QString &path, const QString &reason)
{
    ShowFileMessage(this, lastSaveWarning, QMessageBox::Warning, tr("Save Configuration"),
        tr("The settings could not be saved to %1: %2")
            .arg(QDir::toNativeSeparators(path), reason));
}

QMessageBox *Form1::saveWarning() const
{
    return lastSaveWarning.data();
}

void Form1::Command8_Click()
{
    const UserEvent event(*this);
    if (!help)
        help = new Form2(folder + QStringLiteral("/numo2.txt"), recordedHelpTitle);
    help->show();
    help->raise();
    help->activateWindow();
}

Form2 *Form1::helpWindow() const
{
    return help.data();
}

// --- window events --------------------------------------------------------------------------

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text5 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Tab moves the focus away and delivers no character to the text line.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            auto keyAscii = static_cast<std::int16_t>(key->text().at(0).unicode());
            Text5_KeyPress(keyAscii);
        }
    } else if (watched == Text5 && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat()) // a held key converts once, at its real release
            Text5_KeyUp(key->key(), key->modifiers());
    } else if ((watched == List1 || watched == List2) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto *list = static_cast<QListWidget *>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && !list->selectedItems().isEmpty()) {
            if (list == List1)
                List1_DblClick();
            else
                List2_DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, logo);
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (help)
        help->close();
    QWidget::closeEvent(event);
}

} // namespace numo
