// The help window: shows the help text file and marks every occurrence of a searched word.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace numo {

class Form2 : public QWidget
{
    Q_OBJECT

public:
    // A top-level window (no parent) showing the file at `helpFilePath`, loaded at once.
    Form2(const QString &helpFilePath, const QString &title);
    ~Form2() override;

    void Form_Load();
    void Form_Resize();
    void Command1_Click();

    // Controls, named as the window's objects (objectName "Text1", "Text2", "Command1").
    QPlainTextEdit *Text1 = nullptr; // the help text
    QLineEdit *Text2 = nullptr;      // the search text
    QPushButton *Command1 = nullptr; // "Search Help"

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reloadHelpText();

    QString helpFilePath;
    QLabel *statusLabel = nullptr; // the not-found message
};

} // namespace numo
