// Random input over the real windows: typed and pasted text of every kind (separators, the code
// page's characters and characters outside it, long runs, line breaks), the editing keys, the
// window keys, clicks, double-clicks and hovers over every control of the main window and the
// help window, the context menu, Copy as and the byte inspector. Every 25 actions the pending
// events are handled and every box must show what the window's field set holds; between those,
// the events come one on another with no event loop between them, as they do when the program is
// busy.
//
// NUMO_RANDOM_SEEDS (comma-separated) and NUMO_RANDOM_ACTIONS (per seed) set the run. Each seed
// is a row of its own, and a seed replays the same actions: NUMO_RANDOM_SEEDS=7 replays row "seed
// 7".
#include "form1_checks.h"
#include "widgets/line_box.h"

#include <QAbstractScrollArea>
#include <QClipboard>

#include <random>

using namespace numo;
using namespace numo::testing;

namespace {

const std::u16string kAlphabets[] = {
    u"0123456789. ",                    // dotted decimal
    u"0123456789abcdefABCDEF-: x",      // hexadecimal, with separators
    u"01 -",                            // binary
    u"éüß€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™šœžŸ ÿ", // the code page above ASCII
    u"Ωж漢\U0001F600\u2028\t",          // outside the code page, a surrogate pair, a line separator
    u"a.b-c:d,e\r\n\n",                 // letters, every separator, line breaks
};

class Monkey
{
public:
    explicit Monkey(unsigned seed) : random(seed) { }

    // Random text from one alphabet: mostly short, sometimes a long run, rarely one that is
    // longer than a box's block, so that its cuts are edited too.
    QString text()
    {
        const std::u16string &alphabet = kAlphabets[below(std::size(kAlphabets))];
        const std::size_t length = chance(2) ? 17'000 + below(3000)
            : chance(8)                      ? 100 + below(4900)
                                             : 1 + below(12);
        std::u16string out;
        while (out.size() < length) {
            const std::size_t at = below(alphabet.size());
            out += alphabet[at];
            if (QChar::isHighSurrogate(alphabet[at]))
                out += alphabet[at + 1];
        }
        return QString::fromStdU16String(out);
    }

    void act(Form1 &form)
    {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left,
                Qt::Key_Return, Qt::Key_Escape};
            const Qt::Key key = keys[below(std::size(keys))];
            note(popup, QKeySequence(key).toString());
            QTest::keyClick(popup, key);
            return;
        }
        QWidget *focus = QApplication::focusWidget();
        const int pick = static_cast<int>(below(100));
        if (!focus || pick < 15)
            click(anyControl(form));
        else if (pick < 25)
            hover(anyControl(form));
        else if (pick < 50)
            type(focus, chance(10) ? text() : text().left(12));
        else if (pick < 58)
            paste(focus);
        else
            key(focus);
    }

private:
    std::size_t below(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }
    bool chance(unsigned percent) { return below(100) < percent; }

    QWidget *anyControl(Form1 &form)
    {
        QList<QWidget *> controls;
        for (QWidget *window :
            {static_cast<QWidget *>(&form), static_cast<QWidget *>(form.helpWindow())})
            if (window && window->isVisible())
                for (QWidget *child : window->findChildren<QWidget *>())
                    if (child->isVisible() && child->focusPolicy() != Qt::NoFocus)
                        controls.push_back(child);
        return controls.at(
            static_cast<qsizetype>(below(static_cast<std::size_t>(controls.size()))));
    }

    // Where the mouse goes: a scroll area's viewport, anywhere inside it.
    std::pair<QWidget *, QPoint> spot(QWidget *control)
    {
        if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
            control = area->viewport();
        return {control,
            QPoint(static_cast<int>(below(static_cast<std::size_t>(control->width()))),
                static_cast<int>(below(static_cast<std::size_t>(control->height()))))};
    }

    void click(QWidget *control)
    {
        const auto [target, at] = spot(control);
        if (!control->isActiveWindow()) { // offscreen gives a closed window's focus to nobody
            control->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(control->window()));
        }
        control->setFocus();
        note(control, QStringLiteral("click %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        if (chance(20)) { // a double-click as a real one arrives
            QTest::mouseDClick(target, Qt::LeftButton, {}, at);
            QTest::mouseRelease(target, Qt::LeftButton, {}, at);
        }
    }

    void hover(QWidget *control)
    {
        const auto [target, at] = spot(control);
        note(control, QStringLiteral("hover"));
        QTest::mouseMove(target, at);
    }

    void type(QWidget *focus, const QString &typed)
    {
        note(focus, QStringLiteral("type ") + typed);
        for (const QChar ch : typed) {
            if (ch == u'\n' || ch == u'\r') {
                QTest::keyClick(focus, Qt::Key_Return);
            } else if (ch.unicode() < 128) {
                QTest::keyClick(focus, static_cast<char>(ch.unicode()));
            } else { // as an input method sends it
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QCoreApplication::sendEvent(focus, &press);
                QCoreApplication::sendEvent(focus, &release);
            }
            focus = QApplication::focusWidget(); // single-key mode moves it
            if (!focus)
                return;
        }
    }

    void paste(QWidget *focus)
    {
        QGuiApplication::clipboard()->setText(text());
        note(focus, QStringLiteral("paste ") + QGuiApplication::clipboard()->text());
        QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    }

    void key(QWidget *focus)
    {
        static const QKeyCombination kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
            Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Backspace, Qt::Key_Delete,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape,
            Qt::Key_F1, Qt::SHIFT | Qt::Key_F10, Qt::Key_Menu, Qt::Key_Space, Qt::CTRL | Qt::Key_A,
            Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_Z,
            Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Home,
            Qt::CTRL | Qt::Key_End, Qt::CTRL | Qt::Key_F, Qt::CTRL | Qt::Key_W,
            Qt::CTRL | Qt::Key_I};
        QKeyCombination combination = kKeys[below(std::size(kKeys))];
        Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        if (combination.keyboardModifiers() == Qt::NoModifier && chance(30))
            modifiers |= Qt::ShiftModifier; // a selection across whatever lies there
        note(focus, QKeySequence(combination.key() | modifiers).toString());
        QTest::keyClick(focus, combination.key(), modifiers);
    }

    // The last actions, for the message of a failed check.
    void note(QWidget *target, const QString &what)
    {
        recent.push_back(target->objectName() + u' ' + what.left(20));
        if (recent.size() > 12)
            recent.pop_front();
    }

    std::mt19937 random;

public:
    QStringList recent;
};

// A text as a message can show it: quoted, with control characters escaped.
QString Quoted(const QString &text)
{
    QString out;
    QDebug(&out) << text.left(40);
    return out;
}

// A multi-line box shows every kind of line break as one break: a text as the box shows it.
std::u16string Shown(std::u16string text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        const bool isBreak = ch == u'\r' || ch == u'\n' || ch == 0x2028 || ch == 0x2029
            || ch == 0xFDD0 || ch == 0xFDD1;
        out += isBreak ? u'\n' : ch;
        if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    return out;
}

// Every box shows what the field set holds.
void CheckFields(const Form1 &form, const QStringList &recent, unsigned seed, int action)
{
    QCoreApplication::sendPostedEvents();
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const QString name = QStringLiteral("Text%1").arg(i + 1);
        QWidget *box = form.findChild<QWidget *>(name);
        const bool multiLine = qobject_cast<FieldBox *>(box);
        const std::u16string shown = multiLine
            ? static_cast<FieldBox *>(box)->fieldText()
            : static_cast<LineBox *>(box)->fieldText().toStdU16String();
        const std::u16string &held = form.fieldSet().texts[i];
        QVERIFY2(multiLine ? Shown(shown) == Shown(held) : shown == held,
            qPrintable(QStringLiteral("seed %1, action %2: %3 shows %4, the field set holds %5; "
                                      "the last actions: %6")
                           .arg(seed)
                           .arg(action)
                           .arg(name, Quoted(QString::fromStdU16String(shown)),
                               Quoted(QString::fromStdU16String(form.fieldSet().texts[i])),
                               Quoted(recent.join(QStringLiteral(" | "))))));
    }
}

} // namespace

class RandomInputTest : public QObject
{
    Q_OBJECT

private slots:
    void randomActions_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (const QString &seed : qEnvironmentVariable("NUMO_RANDOM_SEEDS", QStringLiteral("1"))
                                       .split(u',', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(QStringLiteral("seed ") + seed)) << seed.toUInt();
    }

    void randomActions()
    {
        QFETCH(unsigned, seed);
        const int actions = std::max(qEnvironmentVariableIntValue("NUMO_RANDOM_ACTIONS"), 1);
        Window w;
        Monkey monkey(seed);
        for (int action = 1; action <= actions; ++action) {
            if (!w.form->isVisible()) // Ctrl+W or Esc may close it as the user would
                w.form->show();
            monkey.act(*w.form);
            if (action % 25 == 0)
                CheckFields(*w.form, monkey.recent, seed, action);
            if (QTest::currentTestFailed())
                return;
            if (action % 500 == 0)
                qInfo("seed %u: %d actions", seed, action);
        }
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
};

QTEST_MAIN(RandomInputTest)
#include "random_input_test.moc"
