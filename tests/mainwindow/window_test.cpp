// The window's wiring: each button, list, key and the clipboard reach their handler, the focus
// lands where it should, the captions fit, and the help window lives beside the main window.
#include "form1_fixture.h"
#include "help/form2.h"
#include "mainwindow/caption_button.h"

#include <QFontMetrics>

using namespace numo;
using namespace numo::testing;

namespace {

using Window = WindowOnTemporaryFolder;

// What a control shows: a box's text, a label's caption, a button's state.
QString Seen(const Window &w, const char *name)
{
    if (auto *label = w.label(name))
        return label->text();
    if (auto *button = w.button(name))
        return button->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
    return w.shown(name);
}

void Press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    target->setFocus();
    QTest::keyClick(target, key, modifiers);
}

void SelectRow(QListWidget *list, int row)
{
    list->setFocus();
    list->setCurrentRow(row);
}

struct Wiring
{
    const char *name;
    void (*act)(const Window &w);
    const char *control;  // looked at afterwards
    const char *expected; // what it shows
    const char *focus;    // where the focus is then, or nullptr
    const char *clipboard = nullptr;
};

const Wiring kWiring[] = {
    {"Command1_click",
        [](const Window &w) {
            TypeInto(w.box("Text1"), "1.2");
            Click(w.button("Command1"));
        },
        "Text2", "01-02", nullptr},
    {"Command1_return",
        [](const Window &w) {
            TypeInto(w.box("Text1"), "1.2");
            Press(w.button("Command1"), Qt::Key_Return);
        },
        "Text3", "00000001-00000010", "Command1"},
    {"Command1_keypad_enter",
        [](const Window &w) {
            TypeInto(w.box("Text1"), "3");
            Press(w.button("Command1"), Qt::Key_Enter, Qt::KeypadModifier);
        },
        "Text2", "03", nullptr},
    {"Command1_space",
        [](const Window &w) {
            TypeInto(w.box("Text1"), "4");
            Press(w.button("Command1"), Qt::Key_Space);
        },
        "Text2", "04", nullptr},
    {"Command2_click",
        [](const Window &w) {
            TypeInto(w.box("Text4"), " 256 ");
            Click(w.button("Command2"));
        },
        "Text1", "0 0 0 0 0 1 0", nullptr},
    {"Command3_click",
        [](const Window &w) {
            TypeInto(w.box("Text5"), "A\u00e9");
            Click(w.button("Command3"));
        },
        "Text1", "65 233", "Command5", "a.gif"},
    {"Command4_click",
        [](const Window &w) {
            TypeInto(w.box("Text2"), "4a");
            Click(w.button("Command4"));
        },
        "Text5", "J", nullptr},
    {"Command5_click",
        [](const Window &w) {
            TypeInto(w.box("Text4"), "7");
            Click(w.button("Command5"));
        },
        "Text4", "", "Text5"},
    {"Command6_click",
        [](const Window &w) {
            TypeInto(w.box("Text3"), "01000001-01000010");
            Click(w.button("Command6"));
        },
        "Label3", "2           ", nullptr},
    {"Command6_writes_the_text_line",
        [](const Window &w) {
            TypeInto(w.box("Text3"), "01000001");
            Click(w.button("Command6"));
        },
        "Text5", "A", nullptr},
    {"List1_double_click", [](const Window &w) { DoubleClickItem(w.list("List1"), 1); }, "Label7",
        "Hex Value", nullptr},
    {"List1_return",
        [](const Window &w) {
            SelectRow(w.list("List1"), 2);
            Press(w.list("List1"), Qt::Key_Return);
        },
        "Label7", "Binary Value", nullptr},
    {"List1_other_key",
        [](const Window &w) {
            SelectRow(w.list("List1"), 2);
            Press(w.list("List1"), Qt::Key_Space);
        },
        "Label7", "ASCII Value", nullptr},
    {"List1_single_click_chooses_the_value",
        [](const Window &w) {
            SelectRow(w.list("List1"), 1);
            TypeInto(w.box("Text5"), "B");
            Click(w.button("Command3"));
        },
        "Text9", "42", nullptr, "a42.gif"},
    {"List2_double_click", [](const Window &w) { DoubleClickItem(w.list("List2"), 1); }, "Command7",
        "enabled", nullptr},
    {"List2_keypad_enter",
        [](const Window &w) {
            SelectRow(w.list("List2"), 1);
            Press(w.list("List2"), Qt::Key_Enter, Qt::KeypadModifier);
        },
        "Command7", "enabled", nullptr},
    {"Text7_edit", [](const Window &w) { TypeInto(w.line("Text7"), "b"); }, "Command7", "enabled",
        nullptr},
    {"Text8_edit", [](const Window &w) { TypeInto(w.line("Text8"), ".png"); }, "Command7",
        "enabled", nullptr},
    {"single_key_converts_each_key",
        [](const Window &w) {
            SelectRow(w.list("List2"), 0);
            TypeInto(w.box("Text4"), "9");
            TypeInto(w.box("Text5"), "xB");
        },
        "Text1", "66", "Text5", "a.gif"},
    {"single_key_empties_the_fields",
        [](const Window &w) {
            SelectRow(w.list("List2"), 0);
            TypeInto(w.box("Text4"), "9");
            TypeInto(w.box("Text5"), "xB");
        },
        "Text5", "B", nullptr, "a.gif"},
    {"string_mode_only_types",
        [](const Window &w) {
            SelectRow(w.list("List2"), 1);
            TypeInto(w.box("Text5"), "B");
        },
        "Text1", "", "Text5"},
};

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Window> window;

private slots:
    void init() { window = std::make_unique<Window>(); }
    void cleanup()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void each_control_reaches_its_handler_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(kWiring)); ++row)
            QTest::newRow(kWiring[row].name) << row;
    }

    void each_control_reaches_its_handler()
    {
        QFETCH(int, row);
        const Wiring &wiring = kWiring[row];
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QCOMPARE(Seen(*window, "Command7"), QStringLiteral("disabled"));
        wiring.act(*window);
        QCOMPARE(Seen(*window, wiring.control), QString::fromUtf8(wiring.expected));
        if (wiring.focus)
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(wiring.focus));
        QCOMPARE(Clipboard(), QString::fromLatin1(wiring.clipboard ? wiring.clipboard : "before"));
    }

    void not_a_number_is_said_and_converts_nothing()
    {
        QPlainTextEdit *text4 = window->box("Text4");
        const QString description = text4->accessibleDescription();
        TypeInto(text4, "12abc");
        Click(window->button("Command2"));
        QCOMPARE(window->shown("Text1"), QString());
        QCOMPARE(text4->accessibleDescription(), QStringLiteral("Not a number: 12abc"));
        TypeInto(text4, "1,000");
        Click(window->button("Command2"));
        QCOMPARE(window->shown("Text1"), QStringLiteral("0 0 0 0 0 3 232"));
        QCOMPARE(text4->accessibleDescription(), description);
    }

    void every_caption_fits_its_control()
    {
        int checked = 0;
        for (const auto *label : window->form->findChildren<QLabel *>()) {
            const QRect room = label->contentsRect();
            const QRect needed =
                QFontMetrics(label->font())
                    .boundingRect(room, static_cast<int>(Qt::TextWordWrap | label->alignment()),
                        label->text());
            QVERIFY2(room.contains(needed), qPrintable(label->objectName()));
            ++checked;
        }
        for (const auto *button : window->form->findChildren<CaptionButton *>()) {
            const QRect room = button->captionRect();
            QVERIFY2(room.contains(
                         QFontMetrics(button->font())
                             .boundingRect(room, CaptionButton::kCaptionFlags, button->text())),
                qPrintable(button->objectName()));
            ++checked;
        }
        QCOMPARE(checked, 17 + 8);
    }

    void help_opens_once_and_closes_with_the_window()
    {
        Click(window->button("Command8"));
        Click(window->button("Command8"));
        QPointer<Form2> help = window->form->helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), window->form->windowTitle());
        QCOMPARE(help->windowTitle(), window->form->helpTitle());
        int helpWindows = 0;
        for (auto *widget : QApplication::topLevelWidgets())
            helpWindows += qobject_cast<Form2 *>(widget) ? 1 : 0;
        QCOMPARE(helpWindows, 1);
        window->form->close();
        QVERIFY(!help->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
