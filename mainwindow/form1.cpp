#include "mainwindow/form1.h"

#include "help/form2.h"
#include "mainwindow/artwork.h"
#include "mainwindow/byte_inspector.h"
#include "mainwindow/caption_button.h"
#include "mainwindow/window_font.h"
#include "mainwindow/work_display.h"
#include "widgets/accessible_roles.h"
#include "widgets/line_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <utility>

// A static library's resources are registered only when something calls their initialiser.
static void RegisterArtwork()
{
    Q_INIT_RESOURCE(mainwindow);
}

namespace numo {

namespace {

    // From this many characters in a field on, a conversion shows the busy cursor.
    constexpr std::size_t kLargeText = 100'000;

    std::u16string TextOf(const QWidget *box)
    {
        if (const auto *multiLine = qobject_cast<const FieldBox *>(box))
            return multiLine->fieldText();
        return static_cast<const LineBox *>(box)->fieldText().toStdU16String();
    }

} // namespace

Form1::Form1(const QString &dataFolderPath, QWidget *parent)
    : QWidget(parent), folder(dataFolderPath),
      logo((RegisterArtwork(), ReadPngPixmap(QStringLiteral(":/numo/logo.png"))))
{
    setObjectName(QStringLiteral("Form1"));
    ExposeAsWindow(this);
    // A window without an icon of its own shows the application's; the program sets that one
    // before its window, so the pictures are read once.
    if (QApplication::windowIcon().isNull())
        setWindowIcon(programIcon());
    createControls();
    for (std::size_t i = 0; i < kFieldCount; ++i)
        fields.texts[i] = TextOf(box(static_cast<Field>(i))); // the design texts
    connectEvents();
    setUpKeys();
    setFont(ChooseWindowFont(*this));
    Form_Load();
    Text5->setFocus();
    setShowWork(true);
}

Form1::~Form1()
{
    // Focus moves while the controls go; the page must not be asked to scroll to them then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    delete inspector.data();
    delete work.data(); // it gives back what it set on controls that are still alive here
    delete help.data();
}

QIcon Form1::programIcon()
{
    RegisterArtwork();
    return ReadPngIcon(QStringLiteral(":/numo/numo-icon-%1.png"));
}

void Form1::setShowWork(bool on)
{
    if (on && !work) {
        std::array<WorkDisplay::Entry, 4> entries;
        const auto shown = byteFields();
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i] = {
                static_cast<QPlainTextEdit *>(shown[i].box), shown[i].caption, *shown[i].notation};
        work = new WorkDisplay(*this, entries, Text6);
        work->show(fields, std::bitset<kFieldCount>().set());
    } else if (!on) {
        delete work.data();
    }
}

WorkDisplay *Form1::workDisplay() const
{
    return work.data();
}

void Form1::openInspector()
{
    if (!inspector) {
        std::array<ByteInspector::Entry, 4> entries;
        const auto followed = byteFields();
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i] = {
                static_cast<FieldBox *>(followed[i].box), *followed[i].notation, followed[i].field};
        inspector = new ByteInspector(*this, entries, [this](Field field) {
            syncEdits();
            const auto i = static_cast<std::size_t>(field);
            return ByteInspector::Text{fields.texts[i], revisions[i]};
        });
    }
    inspector->show();
    inspector->raise();
    inspector->activateWindow();
}

// --- the field set and the boxes ------------------------------------------------------------

std::array<Form1::FieldControls, kFieldCount> Form1::fieldControls() const
{
    return {{
        {Field::DottedDecimal, Text1, Label1, Notation::DottedDecimal, Command1,
            "the decimal field"},
        {Field::Hexadecimal, Text2, Label2, Notation::Hexadecimal, Command4,
            "the hexadecimal field"},
        {Field::Binary, Text3, Label3, Notation::Binary, Command6, "the binary field"},
        {Field::LargeDecimal, Text4, Label4, std::nullopt, Command2, "the large decimal field"},
        {Field::TextLine, Text5, Label5, Notation::TextLine, Command3,
            "the text line, in String mode"},
        {Field::NamingScheme, Text6, Label10, std::nullopt, nullptr, nullptr},
        {Field::Prefix, Text7, Label8, std::nullopt, nullptr, nullptr},
        {Field::Suffix, Text8, Label9, std::nullopt, nullptr, nullptr},
        {Field::NamingValue, Text9, Label7, std::nullopt, nullptr, nullptr},
    }};
}

std::array<Form1::FieldControls, 4> Form1::byteFields() const
{
    std::array<FieldControls, 4> shown{};
    std::size_t n = 0;
    for (const FieldControls &each : fieldControls())
        if (each.notation)
            shown[n++] = each;
    return shown;
}

QWidget *Form1::box(Field field) const
{
    return fieldControls()[static_cast<std::size_t>(field)].box;
}

cascade::State Form1::cascadeState()
{
    return {tables.ByteBitTable, cascadeDepth};
}

void Form1::convert(const std::function<void(FieldSet &)> &step)
{
    syncEdits();
    bool large = false;
    for (const auto &text : fields.texts)
        large = large || text.size() > kLargeText;
    if (large)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    FieldSet next = fields;
    step(next);
    writeBack(std::move(next));
    if (large)
        QApplication::restoreOverrideCursor();
}

void Form1::writeBack(FieldSet &&next)
{
    if (next == fields)
        return;
    const bool suffixChanged = next[Field::Suffix] != fields[Field::Suffix];
    if (next.binaryByteCount != fields.binaryByteCount)
        Label3->setText(QString::number(next.binaryByteCount) + QStringLiteral("           "));
    std::bitset<kFieldCount> changed;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (next.texts[i] == fields.texts[i])
            continue;
        changed.set(i);
        ++revisions[i];
        // The write-back is no edit of the user's: nothing listens while the box changes.
        const QSignalBlocker quiet(box(static_cast<Field>(i)));
        if (auto *multiLine = qobject_cast<FieldBox *>(box(static_cast<Field>(i))))
            multiLine->setFieldText(next.texts[i]);
        else
            static_cast<LineBox *>(box(static_cast<Field>(i)))
                ->setFieldText(QString::fromStdU16String(next.texts[i]));
    }
    fields = std::move(next);
    if (work)
        work->show(fields, changed);
    if (inspector)
        inspector->fieldsChanged();
    if (suffixChanged)
        Text8_Change();
}

void Form1::boxEdited(Field field)
{
    // The document may still be inside its edit here: read nothing, touch nothing.
    edited.set(static_cast<std::size_t>(field));
    if (syncPosted)
        return;
    syncPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            syncPosted = false;
            syncEdits();
        },
        Qt::QueuedConnection);
}

void Form1::syncEdits()
{
    if (edited.none())
        return;
    const std::bitset<kFieldCount> read = std::exchange(edited, {});
    for (std::size_t i = 0; i < kFieldCount; ++i)
        if (read[i]) {
            fields.texts[i] = TextOf(box(static_cast<Field>(i)));
            ++revisions[i];
        }
    if (work)
        work->show(fields, read);
    if (inspector)
        inspector->fieldsChanged();
    if (read[static_cast<std::size_t>(Field::Suffix)])
        Text8_Change();
    else if (read[static_cast<std::size_t>(Field::Prefix)])
        Command7->setEnabled(true); // an edited prefix can be saved as an edited suffix can
}

// --- window events --------------------------------------------------------------------------

void Form1::moveEvent(QMoveEvent *event)
{
    // A move tells of a new frame or a new screen.
    QWidget::moveEvent(event);
    fitScreen();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (help)
        help->close();
    if (inspector)
        inspector->close();
    QWidget::closeEvent(event);
}

} // namespace numo
