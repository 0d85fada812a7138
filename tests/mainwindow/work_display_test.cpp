// The work shown in place: byte structure and marks, linked bytes, out-of-step captions, the
// clipboard tool tip and the code tool tip; and that none of it changes what the program writes.
#include "form1_fixture.h"
#include "mainwindow/work_display.h"

#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

using namespace numo;
using namespace numo::testing;

namespace {

// The format the extra selections give the character at a document position.
QTextCharFormat FormatAt(const QPlainTextEdit *box, int position)
{
    QTextCharFormat format;
    for (const auto &selection : box->extraSelections())
        if (selection.cursor.selectionStart() <= position
            && position < selection.cursor.selectionEnd())
            format.merge(selection.format);
    return format;
}

QPoint PointOf(const QPlainTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    return box->cursorRect(cursor).center() + QPoint(2, 0); // inside the character after it
}

QString ToolTipAt(QPlainTextEdit *box, int position)
{
    QToolTip::hideText();
    const QPoint point = PointOf(box, position);
    QHelpEvent help(QEvent::ToolTip, point, box->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(box->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void PlaceCaret(QPlainTextEdit *box, int rights)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < rights; ++i)
        QTest::keyClick(box, Qt::Key_Right);
}

} // namespace

class WorkDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { window = std::make_unique<WindowOnTemporaryFolder>(); }
    void cleanup() { window.reset(); }

    void marks_show_implicit_steps_data();
    void marks_show_implicit_steps();
    void caret_links_the_same_byte_everywhere_data();
    void caret_links_the_same_byte_everywhere();
    void pointer_links_and_disagreeing_fields_are_left_out();
    void captions_dim_while_fields_are_out_of_step();
    void clipboard_tool_tip_marks_blanks_and_controls();
    void text_line_shows_codes_and_marks_foreign_characters();
    void switched_off_it_takes_back_what_it_set();
    void nothing_written_changes();

private:
    [[nodiscard]] QPlainTextEdit *box(const QString &name) const
    {
        return window->form->findChild<QPlainTextEdit *>(name);
    }
    [[nodiscard]] WorkDisplay *work() const { return window->form->workDisplay(); }

    std::unique_ptr<WindowOnTemporaryFolder> window;
};

void WorkDisplayTest::marks_show_implicit_steps_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("marked");   // a marked character
    QTest::addColumn<QString>("kind"); // wave, dotted or struck
    QTest::addColumn<int>("plain");    // a character without a mark

    QTest::newRow("hex lone digit") << "Text2"
                                    << "abc" << 2 << "wave" << 1;
    QTest::newRow("hex prefix") << "Text2"
                                << "0x1F" << 1 << "dotted" << 2;
    QTest::newRow("binary blank counts as 0") << "Text3"
                                              << "0110 0001" << 4 << "wave" << 3;
    QTest::newRow("binary remainder ignored") << "Text3"
                                              << "0110 0001" << 8 << "struck" << 7;
    QTest::newRow("dotted above 255") << "Text1"
                                      << "1.300" << 3 << "wave" << 0;
}

void WorkDisplayTest::marks_show_implicit_steps()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, marked);
    QFETCH(QString, kind);
    QFETCH(int, plain);
    QPlainTextEdit *target = box(field);
    TypeInto(target, typed);
    QCOMPARE(target->toPlainText(), typed); // the text itself never changes

    const QTextCharFormat mark = FormatAt(target, marked);
    if (kind == u"wave")
        QCOMPARE(mark.underlineStyle(), QTextCharFormat::WaveUnderline);
    else if (kind == u"dotted")
        QCOMPARE(mark.underlineStyle(), QTextCharFormat::DotLine);
    else
        QVERIFY(mark.fontStrikeOut());
    const QTextCharFormat other = FormatAt(target, plain);
    QCOMPARE(other.underlineStyle(), QTextCharFormat::NoUnderline);
    QVERIFY(!other.fontStrikeOut());
}

void WorkDisplayTest::caret_links_the_same_byte_everywhere_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("byte");

    // After "Numo": 78 117 109 111 / 4E-75-6D-6F / 01001110-01110101-... / Numo
    QTest::newRow("decimal") << "Text1" << 4 << 1;
    QTest::newRow("hexadecimal") << "Text2" << 7 << 2;
    QTest::newRow("hexadecimal, just after a byte") << "Text2" << 8 << 2;
    QTest::newRow("decimal, at a byte's start") << "Text1" << 3 << 1;
    QTest::newRow("binary") << "Text3" << 30 << 3;
    QTest::newRow("text line") << "Text5" << 1 << 1;
}

void WorkDisplayTest::caret_links_the_same_byte_everywhere()
{
    QFETCH(QString, field);
    QFETCH(int, rights);
    QFETCH(int, byte);
    const auto &w = *window;
    auto &form = *window->form;
    TypeInto(w.box("Text5"), QStringLiteral("Numo"));
    Click(w.button("Command3"));
    PlaceCaret(box(field), rights);

    const auto expected = std::optional<std::size_t>(static_cast<std::size_t>(byte));
    for (QPlainTextEdit *other : {w.box("Text1"), w.box("Text2"), w.box("Text3"), w.box("Text5")}) {
        if (other == box(field)) {
            QCOMPARE(form.workDisplay()->linkedByte(other), std::nullopt);
            continue;
        }
        QCOMPARE(form.workDisplay()->linkedByte(other), expected);
    }
    // In the hexadecimal field byte k is characters 3k and 3k+1, highlighted and underlined.
    if (box(field) != w.box("Text2")) {
        const QTextCharFormat linked = FormatAt(w.box("Text2"), 3 * byte + 1);
        QCOMPARE(linked.background().color(), form.palette().color(QPalette::Highlight));
        QCOMPARE(linked.underlineStyle(), QTextCharFormat::SingleUnderline);
        QVERIFY(!FormatAt(w.box("Text2"), 3 * byte + 3).hasProperty(QTextFormat::ForegroundBrush));
    }
}

void WorkDisplayTest::pointer_links_and_disagreeing_fields_are_left_out()
{
    const auto &w = *window;
    auto &form = *window->form;
    TypeInto(w.box("Text2"), QStringLiteral("20 41 42 20"));
    Click(w.button("Command4")); // the text line drops the blanks at its ends: "AB"
    QCOMPARE(w.shown("Text5"), QStringLiteral("AB"));

    QTest::mouseMove(w.box("Text5")->viewport(), PointOf(w.box("Text5"), 1));
    QCOMPARE(form.workDisplay()->linkedByte(w.box("Text2")), std::optional<std::size_t>(2));
    QCOMPARE(form.workDisplay()->linkedByte(w.box("Text1")), std::optional<std::size_t>(2));
    QTest::mouseMove(w.box("Text2")->viewport(), PointOf(w.box("Text2"), 9));
    QCOMPARE(form.workDisplay()->linkedByte(w.box("Text5")), std::nullopt); // a dropped blank
    QCOMPARE(form.workDisplay()->linkedByte(w.box("Text3")), std::optional<std::size_t>(3));

    TypeInto(w.box("Text1"), QStringLiteral("9 9"));
    PlaceCaret(w.box("Text1"), 0);
    QCOMPARE(form.workDisplay()->linkedByte(w.box("Text2")), std::nullopt);
    QCOMPARE(form.workDisplay()->linkedByte(w.box("Text5")), std::nullopt);
}

void WorkDisplayTest::captions_dim_while_fields_are_out_of_step()
{
    const auto &w = *window;
    const auto dimmed = [&](QLabel *caption) {
        return caption->foregroundRole() == QPalette::PlaceholderText && caption->font().italic();
    };
    TypeInto(w.box("Text5"), QStringLiteral("Hi"));
    Click(w.button("Command3"));
    for (QLabel *caption :
        {w.label("Label1"), w.label("Label2"), w.label("Label3"), w.label("Label5")})
        QVERIFY(!dimmed(caption));

    TypeInto(w.box("Text2"), QStringLiteral("48 69 21")); // a manual edit
    QVERIFY(!dimmed(w.label("Label2")));
    for (QLabel *caption : {w.label("Label1"), w.label("Label3"), w.label("Label5")}) {
        QVERIFY(dimmed(caption));
        QVERIFY(caption->toolTip().contains(QStringLiteral("Hexadecimal field: 2 bytes here, 3")));
    }
    QCOMPARE(w.label("Label1")->text(), QStringLiteral("Decimal in Bytes (such as IP Addresses)"));

    TypeInto(w.box("Text3"), QStringLiteral("01000001"));
    Click(w.button("Command6")); // writes only the text line
    QVERIFY(!dimmed(w.label("Label3")));
    QVERIFY(!dimmed(w.label("Label5")));
    QVERIFY(dimmed(w.label("Label1")));
    QVERIFY(dimmed(w.label("Label2")));
    QVERIFY(w.label("Label2")->toolTip().contains(QStringLiteral("Text Line field")));

    Click(w.button("Command4"));
    for (QLabel *caption :
        {w.label("Label1"), w.label("Label2"), w.label("Label3"), w.label("Label5")}) {
        QVERIFY(!dimmed(caption));
        QVERIFY(caption->toolTip().isEmpty());
    }
}

void WorkDisplayTest::clipboard_tool_tip_marks_blanks_and_controls()
{
    const auto &w = *window;
    QVERIFY(w.line("Text6")->toolTip().isEmpty());
    w.line("Text7")->selectAll();
    w.line("Text7")->insert(QStringLiteral("  a\x01\x7f\u0085")); // as pasted
    TypeInto(w.box("Text5"), QStringLiteral("B"));
    Click(w.button("Command3"));
    QCOMPARE(Clipboard(), QStringLiteral("  a\x01\x7f\u0085.gif"));
    const QString tip = w.line("Text6")->toolTip();
    QVERIFY2(tip.contains(QStringLiteral("10 characters")), qPrintable(tip));
    QVERIFY2(tip.contains(QStringLiteral(
                 "<b>\u2423</b><b>\u2423</b>a<b>\u2401</b><b>\u2421</b><b>U+0085</b>.gif")),
        qPrintable(tip));
}

void WorkDisplayTest::text_line_shows_codes_and_marks_foreign_characters()
{
    const auto &w = *window;
    TypeInto(w.box("Text5"), QStringLiteral("\u00e9\u2603"));
    QCOMPARE(
        ToolTipAt(w.box("Text5"), 0), QStringLiteral("windows-1252: \u00e9 = 233 = E9 = 11101001"));
    QCOMPARE(ToolTipAt(w.box("Text5"), 1),
        QStringLiteral(
            "windows-1252 has no code for \u2603: it converts to ? = 63 = 3F = 00111111"));
    QCOMPARE(FormatAt(w.box("Text5"), 1).underlineStyle(), QTextCharFormat::WaveUnderline);
    QCOMPARE(FormatAt(w.box("Text5"), 0).underlineStyle(), QTextCharFormat::NoUnderline);

    TypeInto(w.box("Text2"), QStringLiteral("abc"));
    QCOMPARE(ToolTipAt(w.box("Text2"), 2),
        QStringLiteral("Byte 2 of 2: 12 = 0C = 00001100\nThe lone digit c is read as 0c."));
}

void WorkDisplayTest::switched_off_it_takes_back_what_it_set()
{
    const auto &w = *window;
    TypeInto(w.box("Text5"), QStringLiteral("Hi"));
    Click(w.button("Command3"));
    TypeInto(w.box("Text2"), QStringLiteral("4"));
    QVERIFY(w.label("Label1")->font().italic());
    QVERIFY(!w.box("Text2")->extraSelections().isEmpty());
    QVERIFY(!w.line("Text6")->toolTip().isEmpty());
    window->form->setShowWork(false);
    QVERIFY(!window->form->workDisplay());
    QVERIFY(!w.label("Label1")->font().italic());
    QCOMPARE(w.label("Label1")->foregroundRole(), QPalette::WindowText);
    QVERIFY(w.label("Label1")->toolTip().isEmpty());
    QVERIFY(w.box("Text2")->extraSelections().isEmpty());
    QVERIFY(w.line("Text6")->toolTip().isEmpty());
    window->form->setShowWork(true);
    QVERIFY(w.label("Label2")->font().italic()); // shown again at once
}

void WorkDisplayTest::nothing_written_changes()
{
    // The same session with and without the display: every field, caption, focus, the
    // clipboard and the files after each step.
    const auto session = [](bool showWork) {
        WindowOnTemporaryFolder scratch;
        const auto &w = scratch;
        auto &form = *scratch.form;
        form.setShowWork(showWork);
        QStringList states;
        const auto record = [&] {
            QString state;
            for (const char *name :
                {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"})
                state += w.shown(name) + u'|';
            for (QLabel *label : form.findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                state += label->text() + u'|';
            state += Clipboard() + u'|';
            state += form.focusWidget() ? form.focusWidget()->objectName() : QString();
            for (const QString &path :
                {scratch.iniPath(), scratch.folder + QStringLiteral("/numo2.txt")}) {
                QFile file(path);
                state += file.open(QIODevice::ReadOnly)
                    ? QString::fromLatin1(file.readAll().toHex())
                    : QStringLiteral("none");
            }
            states << state;
        };
        TypeInto(w.box("Text5"), QStringLiteral("N\u00e9 "));
        Click(w.button("Command3"));
        record();
        PlaceCaret(w.box("Text2"), 4);
        QTest::mouseMove(w.box("Text1")->viewport(), PointOf(w.box("Text1"), 1));
        static_cast<void>(ToolTipAt(w.box("Text5"), 1));
        record();
        TypeInto(w.box("Text2"), QStringLiteral("0x1F abc"));
        Click(w.button("Command4"));
        record();
        TypeInto(w.box("Text3"), QStringLiteral("0110 0001"));
        Click(w.button("Command6"));
        record();
        TypeInto(w.box("Text1"), QStringLiteral("1.300"));
        Click(w.button("Command1"));
        w.line("Text8")->setText(QStringLiteral(".png"));
        Click(w.button("Command7"));
        record();
        return states;
    };
    const QStringList plain = session(false);
    const QStringList shown = session(true);
    QCOMPARE(shown, plain);
}

QTEST_MAIN(WorkDisplayTest)
#include "work_display_test.moc"
