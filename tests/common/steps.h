// The user steps both window tests share, as real key and mouse events. A step is a verb, a
// control's object name and the rest, steps are separated by "; ". A control that is not there,
// or a verb no test knows, fails the test with the step's text.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace numo::testing {

inline void FailStep(const char *why, const QString &step)
{
    QTest::qFail(
        qPrintable(QStringLiteral("%1 in step \"%2\"").arg(why, step)), __FILE__, __LINE__);
}

// The control of type T named by the step's second word, or nullptr and a failure.
template <typename T = QWidget> T *Find(const QWidget *root, const QString &step)
{
    T *control = root ? root->findChild<T *>(step.section(u' ', 1, 1)) : nullptr;
    if (!control)
        FailStep("no such control", step);
    return control;
}

// Replaces a box's text the way a user does: select all, then type. Characters outside ASCII
// arrive as a key event carrying the text, as an input method sends it.
inline void TypeInto(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(box, &press);
            QCoreApplication::sendEvent(box, &release);
        }
    }
}

// "type Text1 1.2" (select all, then type), "paste Text7 text" (the whole text at once, control
// characters too), "click Command1", "key List1 Return" (Return, Enter as the keypad's, Space or
// any one key combination such as Ctrl+Return or F1). Returns false for any other verb.
inline bool SharedStep(const QWidget *root, const QString &step)
{
    const QString verb = step.section(u' ', 0, 0);
    if (verb != u"type" && verb != u"paste" && verb != u"click" && verb != u"key")
        return false;
    QWidget *control = Find(root, step);
    const QString rest = step.section(u' ', 2);
    if (!control) {
        return true;
    } else if (verb == u"type") {
        TypeInto(control, rest);
    } else if (verb == u"paste") {
        if (auto *line = qobject_cast<QLineEdit *>(control))
            line->setText(rest);
        else if (auto *box = qobject_cast<QPlainTextEdit *>(control))
            box->setPlainText(rest);
        else
            FailStep("not a text box", step);
    } else if (verb == u"click") {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    } else if (const QKeySequence keys = QKeySequence::fromString(rest);
               keys.count() != 1 || keys[0].key() == Qt::Key_unknown) {
        FailStep("not one key", step);
    } else {
        control->setFocus();
        QTest::keyClick(control, keys[0].key(),
            keys[0].keyboardModifiers()
                | (keys[0].key() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier));
    }
    return true;
}

} // namespace numo::testing
