// The five conversion buttons and Clear All: end states of the fields after the whole cascade.
#include "form1_fixture.h"

#include <QLabel>
#include <QSignalSpy>

using namespace numo;
using namespace numo::testing;
using namespace std::literals;

namespace {

QString Q(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// What one typed field gives after its button: the three number fields, and the text line with
// the bytes' characters in the code page.
struct FieldsRow
{
    const char *name;
    const char *typed, *decimal, *hex, *binary;
    std::u16string_view textLine;
};

const FieldsRow kDottedRows[] = {
    {"ip address", "140.0.255.255", "140 0 255 255", "8C-00-FF-FF",
        "10001100-00000000-11111111-11111111", u"\u0152\0\u00FF\u00FF"sv},
    {"private address", "192.168.0.1", "192 168 0 1", "C0-A8-00-01",
        "11000000-10101000-00000000-00000001", u"\u00C0\u00A8\0\1"sv},
    {"empty is one zero", "", "0", "00", "00000000", u"\0"sv},
    {"double period", "1..2", "1 0 2", "01-00-02", "00000001-00000000-00000010", u"\1\0\2"sv},
    {"blank run is one separator", "10  11", "10 11", "0A-0B", "00001010-00001011", u"\n\v"sv},
    {"leading blank adds a zero", " 5", "0 5", "00-05", "00000000-00000101", u"\0\5"sv},
    {"trailing period", "255.", "255 0", "FF-00", "11111111-00000000", u"\u00FF\0"sv},
    // 300 renders as the pair 2C; the cascade reads 2C back as 44.
    {"above a byte", "300", "44", "2C", "00101100", u","sv},
    {"typed line break separates", "1\n2", "1 2", "01-02", "00000001-00000010", u"\1\2"sv},
};

const FieldsRow kHexRows[] = {
    {"jammed pairs", "c0a80001", "192 168 0 1", "C0-A8-00-01",
        "11000000-10101000-00000000-00000001", u"\u00C0\u00A8\0\1"sv},
    {"colons", "41:42:43", "65 66 67", "41-42-43", "01000001-01000010-01000011", u"ABC"sv},
    {"blanks at the ends of the text line are stripped", "20 41 20", "32 65 32", "20-41-20",
        "00100000-01000001-00100000", u"A"sv},
    {"lone last digit", "abc", "171 12", "AB-0C", "10101011-00001100", u"\u00AB\f"sv},
    {"zero before x", "0x1F", "0 31", "00-1F", "00000000-00011111", u"\0\x1F"sv},
    // No byte: the empty decimal field then converts as the single value 0.
    {"no digit", "zz", "0", "00", "00000000", u"\0"sv},
    {"pairs over lines", "41\n42", "65 66", "41-42", "01000001-01000010", u"AB"sv},
};

} // namespace

class ConversionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<WindowOnTemporaryFolder>();
        window->show();
    }
    void cleanup() { window.reset(); }

    void dotted_decimal_is_rendered_and_normalised_data();
    void dotted_decimal_is_rendered_and_normalised();
    void hexadecimal_gives_decimal_text_and_binary_data();
    void hexadecimal_gives_decimal_text_and_binary();
    void large_decimal_splits_into_bytes_data();
    void large_decimal_splits_into_bytes();
    void large_decimal_that_is_not_a_number_changes_nothing();
    void binary_decodes_into_the_text_line_only_data();
    void binary_decodes_into_the_text_line_only();
    void cascade_writes_each_widget_once();
    void clear_all_empties_the_number_fields_only();

private:
    void checkNumberFields(const QString &decimal, const QString &hex, const QString &binary);
    void convertField(QWidget *field, QPushButton *button, const FieldsRow &row);

    std::unique_ptr<WindowOnTemporaryFolder> window;
};

void ConversionsTest::checkNumberFields(
    const QString &decimal, const QString &hex, const QString &binary)
{
    const auto &form = *window->form;
    QCOMPARE(form.fieldQString(form.Text1), decimal);
    QCOMPARE(form.fieldQString(form.Text2), hex);
    QCOMPARE(form.fieldQString(form.Text3), binary);
    // The widgets show the final texts once the event is over.
    QCOMPARE(Shown(form.Text1), decimal);
    QCOMPARE(Shown(form.Text2), hex);
    QCOMPARE(Shown(form.Text3), binary);
    QCOMPARE(form.cascadeDepth, std::int16_t(0));
}

void ConversionsTest::convertField(QWidget *field, QPushButton *button, const FieldsRow &row)
{
    auto &form = *window->form;
    TypeInto(field, QString::fromLatin1(row.typed));
    Click(button);

    checkNumberFields(QString::fromLatin1(row.decimal), QString::fromLatin1(row.hex),
        QString::fromLatin1(row.binary));
    QCOMPARE(form.fieldQString(form.Text5), Q(row.textLine));
}

void ConversionsTest::dotted_decimal_is_rendered_and_normalised_data()
{
    AddRowIndices(kDottedRows);
}

void ConversionsTest::dotted_decimal_is_rendered_and_normalised()
{
    QFETCH(int, row);
    convertField(window->form->Text1, window->form->Command1, kDottedRows[row]);
}

void ConversionsTest::hexadecimal_gives_decimal_text_and_binary_data()
{
    AddRowIndices(kHexRows);
}

void ConversionsTest::hexadecimal_gives_decimal_text_and_binary()
{
    QFETCH(int, row);
    convertField(window->form->Text2, window->form->Command4, kHexRows[row]);
}

void ConversionsTest::large_decimal_splits_into_bytes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("largeAfter");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("binary");

    QTest::newRow("nine nines") << "999999999"
                                << "999999999"
                                << "0 0 0 59 154 201 255"
                                << "00-00-00-3B-9A-C9-FF"
                                << "00000000-00000000-00000000-00111011-10011010-11001001-"
                                   "11111111";
    QTest::newRow("empty becomes 65535")
        << ""
        << "65535"
        << "0 0 0 0 0 255 255"
        << "00-00-00-00-00-FF-FF"
        << "00000000-00000000-00000000-00000000-00000000-11111111-11111111";
    QTest::newRow("blanks around the number")
        << "  256  "
        << "  256  "
        << "0 0 0 0 0 1 0"
        << "00-00-00-00-00-01-00"
        << "00000000-00000000-00000000-00000000-00000000-00000001-00000000";
    QTest::newRow("digit groups") << "4,294,967,295"
                                  << "4,294,967,295"
                                  << "0 0 0 255 255 255 255"
                                  << "00-00-00-FF-FF-FF-FF"
                                  << "00000000-00000000-00000000-11111111-11111111-11111111-"
                                     "11111111";
}

void ConversionsTest::large_decimal_splits_into_bytes()
{
    QFETCH(QString, typed);
    QFETCH(QString, largeAfter);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    QFETCH(QString, binary);
    auto &form = *window->form;
    TypeInto(form.Text4, typed);
    Click(form.Command2);

    QCOMPARE(form.fieldQString(form.Text4), largeAfter);
    QCOMPARE(Shown(form.Text4), largeAfter);
    checkNumberFields(decimal, hex, binary);
}

void ConversionsTest::large_decimal_that_is_not_a_number_changes_nothing()
{
    auto &form = *window->form;
    const QString description = form.Text4->accessibleDescription();
    TypeInto(form.Text1, QStringLiteral("1.2"));
    Click(form.Command1);
    TypeInto(form.Text4, QStringLiteral("12abc"));
    Click(form.Command2);

    checkNumberFields(
        QStringLiteral("1 2"), QStringLiteral("01-02"), QStringLiteral("00000001-00000010"));
    QCOMPARE(form.fieldQString(form.Text4), QStringLiteral("12abc"));
    QCOMPARE(form.Text4->accessibleDescription(), QStringLiteral("Not a number: 12abc"));

    // A readable number afterwards converts and takes the message back.
    TypeInto(form.Text4, QStringLiteral("255"));
    Click(form.Command2);
    QCOMPARE(form.fieldQString(form.Text2), QStringLiteral("00-00-00-00-00-00-FF"));
    QCOMPARE(form.Text4->accessibleDescription(), description);

    // A whole field of text is named by its start only.
    TypeInto(form.Text4, QString(50, u'x'));
    Click(form.Command2);
    QCOMPARE(form.Text4->accessibleDescription(),
        QStringLiteral("Not a number: ") + QString(40, u'x') + u'\u2026');
}

void ConversionsTest::binary_decodes_into_the_text_line_only_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("textLine");
    QTest::addColumn<QString>("caption");

    const QString untouched = QStringLiteral("Binary (such as sniffer captures)");
    QTest::newRow("jammed") << "0110000101100010"
                            << "ab"
                            << "2           ";
    QTest::newRow("dashed") << "01100001-01100010"
                            << "ab"
                            << "2           ";
    QTest::newRow("seven digits") << "1100001"
                                  << "" << untouched;
    QTest::newRow("blank kept") << "00100000"
                                << " "
                                << "1           ";
    // The typed line break is CR LF: two characters of the next group, which shifts it.
    QTest::newRow("line break between groups")
        << "01100001\n01100010" << Q(u"a\x18") << "2           ";
}

void ConversionsTest::binary_decodes_into_the_text_line_only()
{
    QFETCH(QString, typed);
    QFETCH(QString, textLine);
    QFETCH(QString, caption);
    auto &form = *window->form;
    TypeInto(form.Text1, QStringLiteral("7"));
    TypeInto(form.Text2, QStringLiteral("beef"));
    TypeInto(form.Text3, typed);
    Click(form.Command6);

    QCOMPARE(form.fieldQString(form.Text5), textLine);
    QCOMPARE(form.Label3->text(), caption);
    QCOMPARE(form.fieldQString(form.Text1), QStringLiteral("7"));
    QCOMPARE(form.fieldQString(form.Text2), QStringLiteral("beef"));
    QCOMPARE(
        form.fieldQString(form.Text3).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), typed);
}

void ConversionsTest::cascade_writes_each_widget_once()
{
    auto &form = *window->form;
    TypeInto(form.Text2, QStringLiteral("c0 a8 00 01"));
    QSignalSpy binaryWrites(form.Text3, &QPlainTextEdit::textChanged);
    QSignalSpy hexWrites(form.Text2, &QPlainTextEdit::textChanged);
    Click(form.Command4); // six runs of each conversion

    QCOMPARE(binaryWrites.count(), 1);
    QCOMPARE(hexWrites.count(), 1);
    QCOMPARE(Shown(form.Text2), QStringLiteral("C0-A8-00-01"));
}

void ConversionsTest::clear_all_empties_the_number_fields_only()
{
    auto &form = *window->form;
    DoubleClickItem(form.List1, 0);
    TypeInto(form.Text5, QStringLiteral("B"));
    Click(form.Command3);
    TypeInto(form.Text4, QStringLiteral("12"));
    TypeInto(form.Text3, QStringLiteral("01100001"));
    Click(form.Command6);
    const QString count = form.Label3->text();
    form.Text1->setFocus();

    Click(form.Command5);

    for (const QWidget *box :
        {static_cast<QWidget *>(form.Text1), static_cast<QWidget *>(form.Text2),
            static_cast<QWidget *>(form.Text3), static_cast<QWidget *>(form.Text4),
            static_cast<QWidget *>(form.Text5), static_cast<QWidget *>(form.Text6)})
        QVERIFY2(form.fieldText(box).empty(), qPrintable(box->objectName()));
    QCOMPARE(Shown(form.Text1), QString());
    QCOMPARE(Shown(form.Text6), QString());
    QCOMPARE(form.fieldQString(form.Text7), QStringLiteral("a"));
    QCOMPARE(form.fieldQString(form.Text8), QStringLiteral(".gif"));
    QCOMPARE(form.fieldQString(form.Text9), QStringLiteral("66"));
    QCOMPARE(form.Label3->text(), count);
    QCOMPARE(form.focusWidget(), form.Text5);
}

QTEST_MAIN(ConversionsTest)
#include "conversions_test.moc"
