// The desktop's standard keys in the main window: F1 opens Help as the Help button does, Ctrl+Q
// closes the window as its close button does, and Ctrl+Enter in a number field presses that
// field's conversion button (in the text line only while "String" is the entry mode; in single
// key mode every key already converts, and Ctrl+Enter does what it did before). Plain Enter
// still breaks the line. Every other key reaches the window exactly as before.
#pragma once

#include <QObject>

class QWidget;

namespace numo {

class StandardKeys : public QObject
{
    Q_OBJECT

public:
    // Finds the window's controls by their names; owned by the window.
    explicit StandardKeys(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window;
};

} // namespace numo
