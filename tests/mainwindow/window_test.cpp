// The window's wiring, one row per path: each button, list, key and the clipboard reach their
// handler, the focus lands where it should, the settings file is read at start and written by
// Save Configuration; and the captions fit, the help window lives beside the main window.
#include "form1_fixture.h"
#include "help/form2.h"
#include "mainwindow/caption_button.h"

#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>

using namespace numo;
using namespace numo::testing;

namespace {

using Window = WindowOnTemporaryFolder;

// Runs steps separated by "; ": "type Text1 1.2", "click Command1", "key List1 Return" (Return,
// Enter, Space), "dbl List1 1", "select List1 2", "restart" (a new window on the same folder)
// and "block" (a folder where the settings file goes).
void Run(Window &w, const QString &script)
{
    for (const QString &step : script.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString verb = step.section(u' ', 0, 0);
        const QByteArray name = step.section(u' ', 1, 1).toLatin1();
        const QString rest = step.section(u' ', 2);
        if (verb == u"type") {
            TypeInto(w.get(name), rest);
        } else if (verb == u"click") {
            Click(w.button(name));
        } else if (verb == u"key") {
            const auto key = rest == u"Return" ? Qt::Key_Return
                : rest == u"Enter"             ? Qt::Key_Enter
                                               : Qt::Key_Space;
            w.get(name)->setFocus();
            QTest::keyClick(
                w.get(name), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        } else if (verb == u"dbl") {
            DoubleClickItem(w.list(name), rest.toInt());
        } else if (verb == u"select") {
            w.list(name)->setFocus();
            w.list(name)->setCurrentRow(rest.toInt());
        } else if (verb == u"restart") {
            w.form = std::make_unique<Form1>(w.folder);
        } else {
            QVERIFY(QDir().mkdir(w.iniPath()));
        }
    }
}

// What a check names: a box's text, a caption, a list's selection, a button's state, "Text4.d"
// for an accessible description, or the focus, the clipboard, the title, the settings file
// (its line ends as "/") and the save warning.
QString Seen(const Window &w, const QString &what)
{
    const QByteArray name = what.toLatin1();
    if (what == u"focus")
        return QApplication::focusWidget()->objectName();
    if (what == u"clipboard")
        return Clipboard();
    if (what == u"title")
        return w.form->windowTitle();
    if (what == u"warning")
        return w.form->saveWarning() && w.form->saveWarning()->isVisible() ? "shown" : "none";
    if (what == u"ini") {
        QFile file(w.iniPath());
        return file.open(QIODevice::ReadOnly)
            ? QString::fromLatin1(file.readAll())
                  .replace(QStringLiteral("\r\n"), QStringLiteral("/"))
            : QStringLiteral("missing");
    }
    if (what.endsWith(QStringLiteral(".d")))
        return w.get(name.chopped(2))->accessibleDescription();
    if (auto *label = w.label(name))
        return label->text();
    if (auto *button = w.button(name))
        return button->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
    if (auto *list = w.list(name))
        return list->selectedItems().isEmpty() ? QString() : list->selectedItems().first()->text();
    return w.shown(name);
}

struct Row
{
    const char *name;
    const char *settings; // the settings file before the start, or nullptr for none
    const char *steps;
    const char *checks; // "what=shown" separated by "|"
};

const Row kRows[] = {
    {"Command1_click", nullptr, "type Text1 1.2; click Command1",
        "Text2=01-02|Text3=00000001-00000010|clipboard=before"},
    {"Command1_return", nullptr, "type Text1 1.2; key Command1 Return",
        "Text2=01-02|focus=Command1"},
    {"Command1_keypad_enter", nullptr, "type Text1 3; key Command1 Enter", "Text2=03"},
    {"Command1_space", nullptr, "type Text1 4; key Command1 Space", "Text2=04"},
    {"Command2_click", nullptr, "type Text4  256 ; click Command2", "Text1=0 0 0 0 0 1 0"},
    {"Command2_not_a_number", nullptr, "type Text4 12abc; click Command2",
        "Text1=|Text4.d=Not a number: 12abc"},
    {"Command2_number_again", nullptr,
        "type Text4 x; click Command2; type Text4 1,000; click Command2",
        "Text1=0 0 0 0 0 3 232|Text4.d=Enter large numbers here and have them converted to "
        "bytes, hex, text, bin, and text"},
    {"Command3_click", nullptr, "type Text5 A\u00e9; click Command3",
        "Text1=65 233|Text6=a.gif|focus=Command5|clipboard=a.gif"},
    {"Command4_click", nullptr, "type Text2 4a; click Command4", "Text5=J|Text1=74"},
    {"Command5_click", nullptr, "type Text4 7; type Text6 x; type Text9 v; click Command5",
        "Text4=|Text6=|Text9=v|Text7=a|focus=Text5"},
    {"Command6_click", nullptr, "type Text3 01000001-01000010; click Command6",
        "Label3=2           |Text5=AB|Text1="},
    {"List1_double_click", nullptr, "dbl List1 1", "Label7=Hex Value|Command7=enabled"},
    {"List1_return", nullptr, "select List1 2; key List1 Return", "Label7=Binary Value"},
    {"List1_other_key", nullptr, "select List1 2; key List1 Space",
        "Label7=ASCII Value|Command7=disabled"},
    {"List1_selection_chooses_the_value", nullptr, "select List1 1; type Text5 B; click Command3",
        "Text9=42|clipboard=a42.gif|Label7=ASCII Value"},
    {"List2_double_click", nullptr, "dbl List2 1", "Command7=enabled"},
    {"List2_keypad_enter", nullptr, "select List2 1; key List2 Enter", "Command7=enabled"},
    {"Text7_edit", nullptr, "type Text7 b", "Command7=enabled"},
    {"Text8_edit", nullptr, "type Text8 .png", "Command7=enabled"},
    {"single_key_converts_each_key", nullptr, "select List2 0; type Text4 9; type Text5 xB",
        "Text1=66|Text5=B|Text4=|focus=Text5|clipboard=a.gif"},
    {"string_mode_only_types", nullptr, "select List2 1; type Text5 B",
        "Text1=|Text5=B|clipboard=before"},
    {"no_mode_only_types", nullptr, "type Text5 B", "Text1="},
    {"first_run", nullptr, "",
        "Text7=a|Text8=.gif|Label7=ASCII Value|List1=|List2=|Command7=disabled|ini=missing|"
        "title=Numo Number Converter by   www.plimpton-data.example  21 Sep 01"},
    {"settings_applied", "p\r\n.png\r\nHex Value\r\nString\r\n\r\n", "",
        "Text7=p|Text8=.png|Label7=Hex Value|List1=Hex Value|List2=String|Command7=disabled"},
    {"settings_short_file_applies_nothing", "p\r\n.png\r\nHex Value\r\n", "",
        "Text7=a|Text8=.gif|Label7=ASCII Value|List1="},
    {"settings_unknown_values_select_nothing", "x\ny\nhex value\nSingle key\n", "",
        "Text7=x|Text8=y|Label7=hex value|List1=|List2="},
    {"settings_empty_value", "a \r\n\xe9\r\n\r\nSingle Key\r\n", "",
        "Text7=a |Text8=\u00e9|Label7=|List2=Single Key"},
    {"save_as_chosen", nullptr,
        "type Text7 p ; dbl List1 1; dbl List2 1; select List1 0; click Command7",
        "ini=p /.gif/Hex Value/String//|Command7=disabled|warning=none"},
    {"save_nothing_chosen", nullptr, "type Text8 \u00e9; click Command7", "ini=a/\u00e9////"},
    {"saved_come_back", nullptr, "type Text7 q; dbl List1 2; click Command7; restart",
        "Text7=q|Label7=Binary Value|List1=Binary Value|Command7=disabled"},
    {"save_failure_warns", nullptr, "block; type Text8 .png; click Command7",
        "Command7=enabled|warning=shown"},
};

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void each_path_reaches_its_handler_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row)
            QTest::newRow(kRows[row].name) << row;
    }

    void each_path_reaches_its_handler()
    {
        QFETCH(int, row);
        const QByteArray settings(kRows[row].settings ? kRows[row].settings : "");
        Window window(kRows[row].settings ? &settings : nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        Run(window, QString::fromUtf8(kRows[row].steps));
        for (const QString &check : QString::fromUtf8(kRows[row].checks).split(u'|')) {
            const QString what = check.section(u'=', 0, 0);
            QCOMPARE(what + u'=' + Seen(window, what), check);
        }
    }

    void second_failed_save_replaces_the_warning()
    {
        Window window;
        Run(window, QStringLiteral("block; type Text8 .png; click Command7"));
        QPointer<QMessageBox> first = window.form->saveWarning();
        Click(window.button("Command7"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(window.form->saveWarning());
        QVERIFY(window.form->saveWarning()->text().contains(
            QDir::toNativeSeparators(window.iniPath())));
    }

    void every_caption_fits_its_control()
    {
        Window window;
        int checked = 0;
        for (const auto *label : window.form->findChildren<QLabel *>()) {
            const QRect room = label->contentsRect();
            const auto flags = static_cast<int>(Qt::TextWordWrap | label->alignment());
            QVERIFY2(
                room.contains(QFontMetrics(label->font()).boundingRect(room, flags, label->text())),
                qPrintable(label->objectName()));
            ++checked;
        }
        for (const auto *button : window.form->findChildren<CaptionButton *>()) {
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
        Window window;
        Click(window.button("Command8"));
        Click(window.button("Command8"));
        QPointer<Form2> help = window.form->helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), window.form->windowTitle());
        int helpWindows = 0;
        for (auto *widget : QApplication::topLevelWidgets())
            helpWindows += qobject_cast<Form2 *>(widget) ? 1 : 0;
        QCOMPARE(helpWindows, 1);
        window.form->close();
        QVERIFY(!help->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
