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
    void init()
    {
        window = std::make_unique<WindowOnTemporaryFolder>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window->form.get()));
    }
    void cleanup() { window.reset(); }

    void marks_show_implicit_steps_data();
    void marks_show_implicit_steps();
    void caret_links_the_same_byte_everywhere_data();
    void caret_links_the_same_byte_everywhere();
    void pointer_links_and_disagreeing_fields_are_left_out();
    void captions_dim_while_fields_are_out_of_step();
    void clipboard_tool_tip_marks_blanks_and_controls();
    void text_line_shows_codes_and_marks_foreign_characters();
    void nothing_written_changes();

private:
    [[nodiscard]] QPlainTextEdit *box(const QString &name) const
    {
        return window->form->findChild<QPlainTextEdit *>(name);
    }

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
    QCOMPARE(Shown(target), typed); // the text itself never changes

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
    QTest::newRow("binary") << "Text3" << 30 << 3;
    QTest::newRow("text line") << "Text5" << 1 << 1;
}

void WorkDisplayTest::caret_links_the_same_byte_everywhere()
{
    QFETCH(QString, field);
    QFETCH(int, rights);
    QFETCH(int, byte);
    auto &form = *window->form;
    TypeInto(form.Text5, QStringLiteral("Numo"));
    Click(form.Command3);
    PlaceCaret(box(field), rights);

    const auto expected = std::optional<std::size_t>(static_cast<std::size_t>(byte));
    for (QPlainTextEdit *other : {form.Text1, form.Text2, form.Text3, form.Text5}) {
        if (other == box(field)) {
            QCOMPARE(form.workDisplay()->linkedByte(other), std::nullopt);
            continue;
        }
        QCOMPARE(form.workDisplay()->linkedByte(other), expected);
    }
    // In the hexadecimal field byte k is characters 3k and 3k+1, highlighted and underlined.
    if (box(field) != form.Text2) {
        const QTextCharFormat linked = FormatAt(form.Text2, 3 * byte + 1);
        QCOMPARE(linked.background().color(), form.palette().color(QPalette::Highlight));
        QCOMPARE(linked.underlineStyle(), QTextCharFormat::SingleUnderline);
        QVERIFY(!FormatAt(form.Text2, 3 * byte + 3).hasProperty(QTextFormat::ForegroundBrush));
    }
}

void WorkDisplayTest::pointer_links_and_disagreeing_fields_are_left_out()
{
    auto &form = *window->form;
    TypeInto(form.Text2, QStringLiteral("20 41 42 20"));
    Click(form.Command4); // the text line drops the blanks at its ends: "AB"
    QCOMPARE(Shown(form.Text5), QStringLiteral("AB"));

    QTest::mouseMove(form.Text5->viewport(), PointOf(form.Text5, 1));
    QCOMPARE(form.workDisplay()->linkedByte(form.Text2), std::optional<std::size_t>(2));
    QCOMPARE(form.workDisplay()->linkedByte(form.Text1), std::optional<std::size_t>(2));
    QTest::mouseMove(form.Text2->viewport(), PointOf(form.Text2, 9));
    QCOMPARE(form.workDisplay()->linkedByte(form.Text5), std::nullopt); // a dropped blank
    QCOMPARE(form.workDisplay()->linkedByte(form.Text3), std::optional<std::size_t>(3));

    TypeInto(form.Text1, QStringLiteral("9 9"));
    PlaceCaret(form.Text1, 0);
    QCOMPARE(form.workDisplay()->linkedByte(form.Text2), std::nullopt);
    QCOMPARE(form.workDisplay()->linkedByte(form.Text5), std::nullopt);
}

void WorkDisplayTest::captions_dim_while_fields_are_out_of_step()
{
    auto &form = *window->form;
    const auto dimmed = [&](QLabel *caption) {
        return caption->foregroundRole() == QPalette::PlaceholderText && caption->font().italic();
    };
    TypeInto(form.Text5, QStringLiteral("Hi"));
    Click(form.Command3);
    for (QLabel *caption : {form.Label1, form.Label2, form.Label3, form.Label5})
        QVERIFY(!dimmed(caption));

    TypeInto(form.Text2, QStringLiteral("48 69 21")); // a manual edit
    QVERIFY(!dimmed(form.Label2));
    for (QLabel *caption : {form.Label1, form.Label3, form.Label5}) {
        QVERIFY(dimmed(caption));
        QVERIFY(caption->toolTip().contains(QStringLiteral("Hexadecimal field: 2 bytes here, 3")));
    }
    QCOMPARE(form.Label1->text(), QStringLiteral("Decimal in Bytes (such as IP Addresses)"));

    TypeInto(form.Text3, QStringLiteral("01000001"));
    Click(form.Command6); // writes only the text line
    QVERIFY(!dimmed(form.Label3));
    QVERIFY(!dimmed(form.Label5));
    QVERIFY(dimmed(form.Label1));
    QVERIFY(dimmed(form.Label2));
    QVERIFY(form.Label2->toolTip().contains(QStringLiteral("Text Line field")));

    Click(form.Command4);
    for (QLabel *caption : {form.Label1, form.Label2, form.Label3, form.Label5}) {
        QVERIFY(!dimmed(caption));
        QVERIFY(caption->toolTip().isEmpty());
    }
}

void WorkDisplayTest::clipboard_tool_tip_marks_blanks_and_controls()
{
    auto &form = *window->form;
    QVERIFY(form.Text6->toolTip().isEmpty());
    form.Text7->selectAll();
    form.Text7->insert(QStringLiteral("  a\x01")); // as pasted
    TypeInto(form.Text5, QStringLiteral("B"));
    Click(form.Command3);
    QCOMPARE(Clipboard(), QStringLiteral("  a\x01.gif"));
    const QString tip = form.Text6->toolTip();
    QVERIFY2(tip.contains(QStringLiteral("8 characters")), qPrintable(tip));
    QVERIFY2(tip.contains(QStringLiteral("<b>\u2423</b><b>\u2423</b>a<b>\u2401</b>.gif")),
        qPrintable(tip));
}

void WorkDisplayTest::text_line_shows_codes_and_marks_foreign_characters()
{
    auto &form = *window->form;
    TypeInto(form.Text5, QStringLiteral("\u00e9\u2603"));
    QCOMPARE(
        ToolTipAt(form.Text5, 0), QStringLiteral("windows-1252: \u00e9 = 233 = E9 = 11101001"));
    QCOMPARE(ToolTipAt(form.Text5, 1),
        QStringLiteral(
            "windows-1252 has no code for \u2603: it converts to ? = 63 = 3F = 00111111"));
    QCOMPARE(FormatAt(form.Text5, 1).underlineStyle(), QTextCharFormat::WaveUnderline);
    QCOMPARE(FormatAt(form.Text5, 0).underlineStyle(), QTextCharFormat::NoUnderline);

    TypeInto(form.Text2, QStringLiteral("abc"));
    QCOMPARE(ToolTipAt(form.Text2, 2),
        QStringLiteral("Byte 2 of 2: 12 = 0C = 00001100\nThe lone digit c is read as 0c."));
}

void WorkDisplayTest::nothing_written_changes()
{
    // The same session with and without the display: every field, caption, focus, the
    // clipboard and the files after each step.
    const auto session = [](bool showWork) {
        WindowOnTemporaryFolder scratch;
        scratch.show();
        auto &form = *scratch.form;
        form.setShowWork(showWork);
        QStringList states;
        const auto record = [&] {
            QString state;
            for (QWidget *field : {static_cast<QWidget *>(form.Text1),
                     static_cast<QWidget *>(form.Text2), static_cast<QWidget *>(form.Text3),
                     static_cast<QWidget *>(form.Text4), static_cast<QWidget *>(form.Text5),
                     static_cast<QWidget *>(form.Text6), static_cast<QWidget *>(form.Text7),
                     static_cast<QWidget *>(form.Text8), static_cast<QWidget *>(form.Text9)})
                state += form.fieldQString(field) + u'|';
            for (QLabel *label : form.findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                state += label->text() + u'|';
            state += Shown(form.Text2) + Shown(form.Text5) + Shown(form.Text6) + u'|';
            state += Clipboard() + u'|';
            state += form.focusWidget() ? form.focusWidget()->objectName() : QString();
            for (const QString &path : {scratch.iniPath(), scratch.helpPath()}) {
                QFile file(path);
                state += file.open(QIODevice::ReadOnly)
                    ? QString::fromLatin1(file.readAll().toHex())
                    : QStringLiteral("none");
            }
            states << state;
        };
        TypeInto(form.Text5, QStringLiteral("N\u00e9 "));
        Click(form.Command3);
        record();
        PlaceCaret(form.Text2, 4);
        QTest::mouseMove(form.Text1->viewport(), PointOf(form.Text1, 1));
        static_cast<void>(ToolTipAt(form.Text5, 1));
        record();
        TypeInto(form.Text2, QStringLiteral("0x1F abc"));
        Click(form.Command4);
        record();
        TypeInto(form.Text3, QStringLiteral("0110 0001"));
        Click(form.Command6);
        record();
        TypeInto(form.Text1, QStringLiteral("1.300"));
        Click(form.Command1);
        form.Text8->setText(QStringLiteral(".png"));
        Click(form.Command7);
        record();
        return states;
    };
    const QStringList plain = session(false);
    const QStringList shown = session(true);
    QCOMPARE(shown, plain);
}

QTEST_MAIN(WorkDisplayTest)
#include "work_display_test.moc"
