// The main window: every field, list and button of the converter and the handlers behind them.
//
// The texts of the nine text boxes are held once, as a field set, in step with the boxes: a
// user's edit is read into it once the edit is over (never from inside the document's own
// signals), and before any handler reads the field set. A conversion handler runs the plain
// cascade on a copy of the field set and then writes back, once and with the boxes' signals
// blocked, the boxes whose text changed; the work display is told of the new field set there.
#pragma once

#include "conversion/bit_tables.h"
#include "conversion/notation.h"
#include "fields/cascade.h"
#include "fields/field_set.h"
#include "widgets/field_box.h"

#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QAbstractButton;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPlainTextEdit;
class QScrollArea;

namespace numo {

class ByteInspector;
class CaptionButton;
class Form2;
class WorkDisplay;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Builds the window's controls and runs Form_Load before returning (the window is not yet
    // shown). The settings file and the help file live in `dataFolder`.
    explicit Form1(const QString &dataFolder, QWidget *parent = nullptr);
    ~Form1() override;

    // The program's icon at 16, 32 and 48 pixels.
    [[nodiscard]] static QIcon programIcon();

    // Handlers, named after control and event; each call is one user event.
    void Command1_Click(); // dotted decimal to hex and binary; cascades into Command4
    void Command2_Click(); // large decimal to bytes
    void Command3_Click(); // text line to codes and the naming scheme
    void Command4_Click(); // hexadecimal to decimal and text; always reruns Command1
    void Command5_Click(); // Clear All
    void Command6_Click(); // binary to text (outside the cascade)
    void Command7_Click(); // Save Configuration
    void Command8_Click(); // Help
    void Text5_KeyPress(std::int16_t &keyAscii);
    void Text5_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void Text8_Change();
    void List1_DblClick();
    void List2_DblClick();
    void Form_Load();
    void EnsureDataFolder();
    void ConvertTextLine(QWidget *focusTarget);

    // Byte structure, linked bytes, out-of-step captions and the clipboard tool tip; on unless
    // switched off. None of it changes a field, the clipboard or a file.
    void setShowWork(bool on);
    [[nodiscard]] WorkDisplay *workDisplay() const;

    // The texts the boxes show, once the edits in hand are read.
    [[nodiscard]] const FieldSet &fieldSet() const { return fields; }
    [[nodiscard]] Form2 *helpWindow() const;
    // The message about the data files while it is open (a failed save, a help file not written,
    // characters saved as "?"); null otherwise.
    [[nodiscard]] QMessageBox *saveWarning() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectEvents();
    // The design size where the screen has room for it; otherwise the window takes the room
    // there is and the page scrolls.
    void fitScreen();
    // Scrolls a control of the page that got the focus by key, with its caption, into view.
    void scrollIntoView(QWidget *control);

    // The one sync point: runs `step` on a copy of the field set, then writes back what changed.
    void convert(const std::function<void(FieldSet &)> &step);
    void writeBack(FieldSet &&next);
    // A box's text changed under the user's hands: it is read once the event is handled.
    void boxEdited(Field field);
    // Reads the edited boxes into the field set and shows the result; every handler that reads
    // the field set calls it first.
    void syncEdits();
    // Shows the byte inspector, made on first use, and brings it to the front.
    void openInspector();

    // One text box of the window and what belongs to it: its field, its caption, the notation
    // it shows bytes in (the four byte fields), the button its Ctrl+Enter presses and how that
    // button's key hint names the field.
    struct FieldControls
    {
        Field field;
        QWidget *box;
        QLabel *caption;
        std::optional<Notation> notation;
        QAbstractButton *button;
        const char *where;
    };
    [[nodiscard]] std::array<FieldControls, kFieldCount> fieldControls() const;
    // The four fields that show bytes: dotted decimal, hexadecimal, binary and the text line.
    [[nodiscard]] std::array<FieldControls, 4> byteFields() const;
    [[nodiscard]] QWidget *box(Field field) const;
    // The keys of the window, all decided here (form1_keys.cpp).
    void setUpKeys();
    bool fieldKey(const FieldControls &field, const QKeyEvent &key);
    [[nodiscard]] cascade::State cascadeState();
    [[nodiscard]] std::u16string selectedText(const QListWidget *list) const;
    static void selectItem(QListWidget *list, const std::u16string &text);
    void setLabel7Caption(const std::u16string &caption);
    [[nodiscard]] bool readSettingsFile();
    void reportSaveFailure(const QString &path, const QString &reason);
    void reportNotANumber(const QString &text);

    // Window-level state.
    BitPatternTables tables;
    std::int16_t cascadeDepth = 0;
    std::u16string prefix;
    std::u16string suffix;
    std::u16string namingValue;
    std::u16string entryMode;
    FieldSet fields;                 // what the boxes show, but for the edits below
    std::bitset<kFieldCount> edited; // boxes edited since the field set last read them
    bool syncPosted = false;         // a read of the edits waits for the event loop
    // Per field, a count of the times its text was written or read from the box.
    std::array<std::uint64_t, kFieldCount> revisions{};

    QScrollArea *scroller = nullptr; // frameless, and with no scroll bar while the page fits
    QWidget *page = nullptr;         // the design area: the logo and every control below

    // Controls in tab order, each with its role.
    FieldBox *Text5 = nullptr;         // text line
    FieldBox *Text1 = nullptr;         // dotted decimal
    CaptionButton *Command1 = nullptr; // "Convert to Hex and Bin"
    FieldBox *Text2 = nullptr;         // hexadecimal
    QLabel *Label1 = nullptr;          // caption of Text1
    QLabel *Label2 = nullptr;          // caption of Text2
    FieldBox *Text3 = nullptr;         // binary
    QLabel *Label3 = nullptr;          // caption of Text3, or the count of decoded bytes
    CaptionButton *Command2 = nullptr; // "Convert to bytes"
    FieldBox *Text4 = nullptr;         // large decimal
    QLabel *Label4 = nullptr;          // caption of Text4
    CaptionButton *Command3 = nullptr; // "Convert Text to ASCII"
    QLabel *Label5 = nullptr;          // caption of Text5
    CaptionButton *Command4 = nullptr; // "Convert Hex to Dec and Bin"
    CaptionButton *Command5 = nullptr; // "Clear All Number Fields Below"
    CaptionButton *Command6 = nullptr; // "Convert  Binary  to  ASCII, Hex, and Dec"
    QLineEdit *Text6 = nullptr;        // naming-scheme result, also put on the clipboard
    QLabel *Label6 = nullptr;          // "Naming Scheme"
    QLabel *Label7 = nullptr;          // caption of Text9: the chosen naming-scheme value
    QLineEdit *Text7 = nullptr;        // prefix
    QLabel *Label8 = nullptr;          // caption of Text7
    QLineEdit *Text8 = nullptr;        // suffix
    QLabel *Label9 = nullptr;          // caption of Text8
    QLineEdit *Text9 = nullptr;        // the chosen naming-scheme value
    QLabel *Label10 = nullptr;         // caption of Text6
    CaptionButton *Command7 = nullptr; // "Save Configuration"
    CaptionButton *Command8 = nullptr; // "Help"
    QListWidget *List1 = nullptr;      // value to use in the naming scheme
    QListWidget *List2 = nullptr;      // single key or string
    QLabel *Label11 = nullptr;         // caption of List1
    QLabel *Label12 = nullptr;         // caption of List2
    QLabel *Label13 = nullptr;         // description line over the maker labels
    QLabel *Label14 = nullptr;         // maker's name
    QLabel *Label15 = nullptr;         // maker's postal address
    QLabel *Label16 = nullptr;         // maker's web site
    QLabel *Label17 = nullptr;         // maker's telephone and e-mail
    QString folder;
    QPixmap logo; // the background picture, drawn at the top left
    QString recordedHelpTitle;
    QPointer<Form2> help;
    QPointer<QMessageBox> lastSaveWarning;
    QPointer<WorkDisplay> work;
    QPointer<ByteInspector> inspector; // none until the user asks for it
};

} // namespace numo
