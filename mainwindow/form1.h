// The main window: every field, list and button of the converter, the handlers that move text
// between them, the conversion cascade, the settings and single-key mode.
//
// The texts that the handlers read and write live in the window (one model text per text box).
// A handler reads and writes the model; the widgets are brought up to date once, when the
// outermost handler of a user event returns, and only where the text changed. The cascade writes
// a field up to six times per event, so this keeps layout work at one pass per changed field.
#pragma once

#include "conversion/bit_tables.h"
#include "mainwindow/field_box.h"

#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;

namespace numo {

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

    // Handlers, named after control and event. Each may be called directly (tests do); a call
    // from outside any other handler counts as one user event.
    void Command1_Click(); // dotted decimal to hex and binary; cascades into Command4_Click
    void Command2_Click(); // large decimal to bytes
    void Command3_Click(); // text line to codes and the naming scheme
    void Command4_Click(); // hexadecimal to decimal and text; always reruns Command1_Click
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

    // The text a handler reads from a text box (Text1 to Text9): what the program last wrote or
    // the user last typed, line breaks as CR LF.
    [[nodiscard]] std::u16string fieldText(const QWidget *textBox) const;
    [[nodiscard]] QString fieldQString(const QWidget *textBox) const;
    // The text a box shows now, read without touching the model: the user's edit if there is
    // one, else the model text.
    [[nodiscard]] std::u16string displayedText(const QWidget *textBox) const;

    // Byte structure, linked bytes, out-of-step captions and the clipboard tool tip; on unless
    // switched off. None of it changes a field, the clipboard or a file.
    void setShowWork(bool on);
    [[nodiscard]] WorkDisplay *workDisplay() const;

    [[nodiscard]] QString dataFolder() const { return folder; }
    [[nodiscard]] QString helpTitle() const { return recordedHelpTitle; }
    [[nodiscard]] Form2 *helpWindow() const;
    // The message about the data files while it is open (a failed save, a help file not written,
    // characters saved as "?"); null otherwise.
    [[nodiscard]] QMessageBox *saveWarning() const;

    // Window-level state.
    BitPatternTables tables;
    std::int16_t cascadeDepth = 0;
    std::u16string prefix;
    std::u16string suffix;
    std::u16string namingValue;
    std::u16string entryMode;

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Counts the handlers running; when the outermost returns, the widgets get the model texts.
    class UserEvent
    {
    public:
        explicit UserEvent(Form1 &form);
        ~UserEvent();
        UserEvent(const UserEvent &) = delete;
        UserEvent &operator=(const UserEvent &) = delete;

    private:
        Form1 &form;
        bool busyCursor = false;
    };

    struct Field
    {
        QWidget *widget = nullptr;
        std::u16string text;
        bool widgetBehind = false; // the model changed since the widget was last written
        bool userEdited = false;   // the widget changed since the model was last read from it
    };

    void createControls();
    void connectEvents();
    void setFieldText(QWidget *textBox, std::u16string text);
    void setFieldText(QWidget *textBox, const QString &text);
    void pushFieldsToWidgets();
    void widgetEdited(std::size_t index);
    [[nodiscard]] std::size_t fieldIndex(const QWidget *textBox) const;
    [[nodiscard]] static std::u16string selectedText(const QListWidget *list);
    static void selectItem(QListWidget *list, const std::u16string &text);
    void setLabel7Caption(const std::u16string &caption);
    [[nodiscard]] bool readSettingsFile();
    void reportSaveFailure(const QString &path, const QString &reason);
    void reportNotANumber(const QString &text);
    [[nodiscard]] bool largeInputPending() const;

    QString folder;
    QPixmap logo; // the background picture, drawn at the top left
    QString recordedHelpTitle;
    mutable std::array<Field, 9> fields; // Text1 .. Text9; reading pulls the user's edits
    int runningHandlers = 0;
    bool pushingWidgets = false;
    QPointer<Form2> help;
    QPointer<QMessageBox> lastSaveWarning;
    QPointer<WorkDisplay> work;
    QString text4Description; // Text4's accessible description while its number is readable
};

} // namespace numo
