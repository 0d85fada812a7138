// Single-key mode: every key typed into the text line converts that one character at once.
#include "form1_fixture.h"

#include <QKeyEvent>

using namespace numo;
using namespace numo::testing;

namespace {

void SendKey(QWidget *target, QEvent::Type type, Qt::Key key, const QString &text,
    bool autoRepeat = false, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

class SingleKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<WindowOnTemporaryFolder>();
        window->show();
        auto &form = *window->form;
        ClickItem(form.List1, 0); // "ASCII Value"
        ClickItem(form.List2, 0); // "Single Key"
        form.Text5->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void cleanup() { window.reset(); }

    void each_key_converts_its_character_data();
    void each_key_converts_its_character();
    void held_key_converts_once_at_release();
    void releasing_shift_converts_again();
    void typed_character_empties_the_large_decimal_field();
    void string_mode_only_edits_the_text_line();
    void no_entry_mode_selected_converts_nothing();

private:
    void checkFields(const QString &textLine, const QString &decimal, const QString &hex,
        const QString &binary, const QString &clipboard);

    std::unique_ptr<WindowOnTemporaryFolder> window;
};

void SingleKeyTest::checkFields(const QString &textLine, const QString &decimal, const QString &hex,
    const QString &binary, const QString &clipboard)
{
    const auto &form = *window->form;
    QCOMPARE(form.fieldQString(form.Text5), textLine);
    QCOMPARE(form.fieldQString(form.Text1), decimal);
    QCOMPARE(form.fieldQString(form.Text2), hex);
    QCOMPARE(form.fieldQString(form.Text3), binary);
    QCOMPARE(Clipboard(), clipboard);
    QCOMPARE(form.focusWidget(), form.Text5);
    QCOMPARE(form.cascadeDepth, std::int16_t(0));
}

void SingleKeyTest::each_key_converts_its_character_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("textLine");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("clipboard");

    QTestEventList b;
    b.addKeyClick(Qt::Key_B, Qt::NoModifier);
    QTestEventList bThenC;
    bThenC.addKeyClicks(QStringLiteral("BC"));
    QTestEventList backspace;
    backspace.addKeyClicks(QStringLiteral("B"));
    backspace.addKeyClick(Qt::Key_Backspace);
    QTestEventList enter;
    enter.addKeyClick(Qt::Key_Return);
    QTestEventList blank;
    blank.addKeyClick(Qt::Key_Space);
    QTestEventList arrow;
    arrow.addKeyClicks(QStringLiteral("z"));
    arrow.addKeyClick(Qt::Key_Left);

    QTest::newRow("one key") << b << "b"
                             << "98"
                             << "62"
                             << "01100010"
                             << "a98.gif";
    QTest::newRow("B then C") << bThenC << "C"
                              << "67"
                              << "43"
                              << "01000011"
                              << "a67.gif";
    QTest::newRow("backspace converts the empty line") << backspace << QString(QChar(0)) << "0"
                                                       << "00"
                                                       << "00000000"
                                                       << "a0.gif";
    QTest::newRow("enter is CR LF") << enter << "\r\n"
                                    << "13 10"
                                    << "0D-0A"
                                    << "00001101-00001010"
                                    << "a13 10.gif";
    QTest::newRow("blank converts and leaves the line") << blank << ""
                                                        << "32"
                                                        << "20"
                                                        << "00100000"
                                                        << "a32.gif";
    QTest::newRow("arrow converts what is there") << arrow << "z"
                                                  << "122"
                                                  << "7A"
                                                  << "01111010"
                                                  << "a122.gif";
}

void SingleKeyTest::each_key_converts_its_character()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, textLine);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    QFETCH(QString, binary);
    QFETCH(QString, clipboard);
    auto &form = *window->form;
    keys.simulate(form.Text5);

    checkFields(textLine, decimal, hex, binary, clipboard);
    QCOMPARE(form.fieldQString(form.Text9), decimal);
    QCOMPARE(form.fieldQString(form.Text6), clipboard);
}

void SingleKeyTest::held_key_converts_once_at_release()
{
    auto &form = *window->form;
    SendKey(form.Text5, QEvent::KeyPress, Qt::Key_X, QStringLiteral("x"));
    SendKey(form.Text5, QEvent::KeyRelease, Qt::Key_X, QStringLiteral("x"), true);
    SendKey(form.Text5, QEvent::KeyPress, Qt::Key_X, QStringLiteral("x"), true);
    SendKey(form.Text5, QEvent::KeyRelease, Qt::Key_X, QStringLiteral("x"), true);
    SendKey(form.Text5, QEvent::KeyPress, Qt::Key_X, QStringLiteral("x"), true);
    // Every repeated press emptied the fields again; no release has converted yet.
    QCOMPARE(form.fieldQString(form.Text5), QStringLiteral("x"));
    QCOMPARE(form.fieldQString(form.Text1), QString());
    QCOMPARE(Clipboard(), QStringLiteral("before"));

    SendKey(form.Text5, QEvent::KeyRelease, Qt::Key_X, QStringLiteral("x"));
    checkFields(QStringLiteral("x"), QStringLiteral("120"), QStringLiteral("78"),
        QStringLiteral("01111000"), QStringLiteral("a120.gif"));
}

void SingleKeyTest::releasing_shift_converts_again()
{
    auto &form = *window->form;
    SendKey(form.Text5, QEvent::KeyPress, Qt::Key_Shift, QString());
    SendKey(form.Text5, QEvent::KeyPress, Qt::Key_B, QStringLiteral("B"), false, Qt::ShiftModifier);
    SendKey(
        form.Text5, QEvent::KeyRelease, Qt::Key_B, QStringLiteral("B"), false, Qt::ShiftModifier);
    QCOMPARE(Clipboard(), QStringLiteral("a66.gif"));
    QGuiApplication::clipboard()->setText(QStringLiteral("meanwhile"));

    SendKey(form.Text5, QEvent::KeyRelease, Qt::Key_Shift, QString(), false, Qt::ShiftModifier);
    checkFields(QStringLiteral("B"), QStringLiteral("66"), QStringLiteral("42"),
        QStringLiteral("01000010"), QStringLiteral("a66.gif"));
}

void SingleKeyTest::typed_character_empties_the_large_decimal_field()
{
    auto &form = *window->form;
    TypeInto(form.Text4, QStringLiteral("123"));
    QTest::keyClicks(form.Text5, QStringLiteral("B"));

    QCOMPARE(form.fieldQString(form.Text4), QString());
    QCOMPARE(Shown(form.Text4), QString());
    QCOMPARE(Clipboard(), QStringLiteral("a66.gif"));
}

void SingleKeyTest::string_mode_only_edits_the_text_line()
{
    auto &form = *window->form;
    ClickItem(form.List2, 1); // "String": takes effect at the next key without a double-click
    TypeInto(form.Text1, QStringLiteral("9"));
    form.Text5->setFocus();
    QTest::keyClicks(form.Text5, QStringLiteral("Bc"));
    QTest::keyClick(form.Text5, Qt::Key_Return);

    QCOMPARE(form.fieldQString(form.Text5), QStringLiteral("Bc\r\n"));
    QCOMPARE(form.fieldQString(form.Text1), QStringLiteral("9"));
    QCOMPARE(form.fieldQString(form.Text6), QString());
    QCOMPARE(Clipboard(), QStringLiteral("before"));
}

void SingleKeyTest::no_entry_mode_selected_converts_nothing()
{
    auto &form = *window->form;
    form.List2->clearSelection();
    QTest::keyClicks(form.Text5, QStringLiteral("Bc"));

    QCOMPARE(form.fieldQString(form.Text5), QStringLiteral("Bc"));
    QCOMPARE(form.fieldQString(form.Text1), QString());
    QCOMPARE(Clipboard(), QStringLiteral("before"));
}

QTEST_MAIN(SingleKeyTest)
#include "single_key_test.moc"
