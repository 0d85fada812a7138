// The help window: shows the help text file and marks every occurrence of a searched word.
#pragma once

#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace numo {

class FieldBox;

// A top-level window with no owner that deletes itself when closed (hold it in a QPointer).
// It reads the help file when created and again at every search, and never writes to it: a
// missing file is created empty, an existing one is opened read-only. Esc and Ctrl+W close it,
// Ctrl+F goes to the search box, and Ctrl+Q closes every window, which ends the program.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    // A top-level window (no parent, objectName "Form2") showing the file at `helpFilePath`,
    // loaded at once.
    Form2(const QString &helpFilePath, const QString &title);
    ~Form2() override;

    void Form_Load();
    void Form_Resize();
    void Command1_Click();

    // Controls, named as the window's objects (objectName "Text1", "Text2", "Command1").
    FieldBox *Text1 = nullptr;       // the help text
    QLineEdit *Text2 = nullptr;      // the search text
    QPushButton *Command1 = nullptr; // "Search Help"

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A character typed into the search box; setting `keyAscii` to 0 drops the key.
    void Text2_KeyPress(std::int16_t &keyAscii);

    // The help file's bytes, one character each; the empty text when it cannot be read.
    [[nodiscard]] std::u16string readHelpFile() const;
    void showText(std::u16string_view text);
    void placeCaret(std::u16string_view text, std::size_t caret);
    // Shows `message` under the search box (hides the line when it is empty) and announces it.
    void showSearchResult(const QString &message);

    QString helpFilePath;
    QLabel *statusLabel = nullptr; // the not-found message ("statusLabel"), hidden when empty
};

} // namespace numo
