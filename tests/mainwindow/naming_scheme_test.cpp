// "Convert Text to ASCII": the text line's codes, the chosen value and the naming-scheme line
// on the clipboard.
#include "form1_fixture.h"

#include <QLabel>

using namespace numo;
using namespace numo::testing;

class NamingSchemeTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<WindowOnTemporaryFolder>();
        window->show();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void cleanup() { window.reset(); }

    void line_is_composed_and_copied_data();
    void line_is_composed_and_copied();
    void single_click_changes_the_value_but_not_the_caption();
    void empty_result_still_replaces_the_clipboard();

private:
    std::unique_ptr<WindowOnTemporaryFolder> window;
};

namespace {

struct SchemeRow
{
    const char *name;
    int choice; // the List1 row clicked; -1 clicks none
    const char *textLine, *prefix, *suffix;
    const char *decimal, *value, *result, *textLineAfter;
};

const SchemeRow kSchemeRows[] = {
    {"ascii value", 0, "B", "a", ".gif", "66", "66", "a66.gif", "B"},
    {"hex value", 1, "B", "a", ".gif", "66", "42", "a42.gif", "B"},
    {"binary value", 2, "B", "a", ".gif", "66", "01000010", "a01000010.gif", "B"},
    {"two characters", 0, "AB", "a", ".gif", "65 66", "65 66", "a65 66.gif", "AB"},
    {"two characters in hex", 1, "AB", "a", ".gif", "65 66", "41-42", "a41-42.gif", "AB"},
    {"empty line is one zero", 0, "", "a", ".gif", "0", "0", "a0.gif", nullptr}, // one NUL
    {"no prefix or suffix", 0, "B", "", "", "66", "66", "66", "B"},
    {"blanks at the ends convert but leave the line", 0, " B ", "a", ".gif", "32 66 32", "32 66 32",
        "a32 66 32.gif", "B"},
    {"nothing selected", -1, "B", "a", ".gif", "66", "", "a.gif", "B"},
    {"prefix and suffix kept as typed", 2, "a", " x_", "_y.png ", "97", "01100001",
        " x_01100001_y.png ", "a"},
};

} // namespace

void NamingSchemeTest::line_is_composed_and_copied_data()
{
    AddRowIndices(kSchemeRows);
}

void NamingSchemeTest::line_is_composed_and_copied()
{
    QFETCH(int, row);
    const SchemeRow &scheme = kSchemeRows[row];
    auto &form = *window->form;
    if (scheme.choice >= 0)
        ClickItem(form.List1, scheme.choice);
    TypeInto(form.Text7, QString::fromLatin1(scheme.prefix));
    TypeInto(form.Text8, QString::fromLatin1(scheme.suffix));
    TypeInto(form.Text5, QString::fromLatin1(scheme.textLine));
    Click(form.Command3);

    const QString result = QString::fromLatin1(scheme.result);
    QCOMPARE(form.fieldQString(form.Text1), QString::fromLatin1(scheme.decimal));
    QCOMPARE(form.fieldQString(form.Text5),
        scheme.textLineAfter ? QString::fromLatin1(scheme.textLineAfter) : QString(QChar(0)));
    // Nothing selected: Text9 keeps its text.
    QCOMPARE(form.fieldQString(form.Text9), QString::fromLatin1(scheme.value));
    QCOMPARE(form.fieldQString(form.Text6), result);
    QCOMPARE(Shown(form.Text6), result);
    QCOMPARE(Clipboard(), result);
    QCOMPARE(form.focusWidget(), form.Command5);
    QCOMPARE(form.cascadeDepth, std::int16_t(0));
    QCOMPARE(form.Label7->text(), QStringLiteral("ASCII Value"));
}

void NamingSchemeTest::single_click_changes_the_value_but_not_the_caption()
{
    auto &form = *window->form;
    DoubleClickItem(form.List1, 2);
    QCOMPARE(form.Label7->text(), QStringLiteral("Binary Value"));
    ClickItem(form.List1, 1);
    TypeInto(form.Text5, QStringLiteral("C"));
    Click(form.Command3);

    QCOMPARE(Clipboard(), QStringLiteral("a43.gif"));
    QCOMPARE(form.fieldQString(form.Text9), QStringLiteral("43"));
    QCOMPARE(form.Label7->text(), QStringLiteral("Binary Value"));
    QCOMPARE(form.namingValue, std::u16string(u"Binary Value"));
}

void NamingSchemeTest::empty_result_still_replaces_the_clipboard()
{
    auto &form = *window->form;
    TypeInto(form.Text7, QString());
    TypeInto(form.Text8, QString());
    TypeInto(form.Text5, QStringLiteral("B"));
    Click(form.Command3);

    QCOMPARE(Clipboard(), QString());
    QCOMPARE(form.fieldQString(form.Text6), QString());
}

QTEST_MAIN(NamingSchemeTest)
#include "naming_scheme_test.moc"
