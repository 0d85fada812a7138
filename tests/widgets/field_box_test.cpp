// A field box against a plain text box: whatever the text, it reads, copies, pastes and edits
// the same, while no block of its document grows past the limit.
#include "widgets/field_box.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace numo {

namespace {

    constexpr auto kLimit = static_cast<std::size_t>(FieldBox::kBlockLimit);

    // How a plain text box's text was read before: raw text, every break as CR LF.
    std::u16string ReadAsBefore(const QPlainTextEdit &box)
    {
        std::u16string text;
        for (const QChar ch : box.document()->toRawText())
            if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
                text += u"\r\n";
            else
                text += ch.unicode();
        return text;
    }

    std::u16string Repeat(std::u16string_view unit, std::size_t length)
    {
        std::u16string text;
        while (text.size() < length)
            text += unit;
        return text;
    }

    int LongestBlock(const QPlainTextEdit &box)
    {
        int longest = 0;
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
            longest = std::max(longest, block.length() - 1);
        return longest;
    }

    QString Copied(QPlainTextEdit &box)
    {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }

} // namespace

class FieldBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void readsAndCopiesAsAPlainBox_data()
    {
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const std::u16string &text) {
            QTest::newRow(name) << QString::fromStdU16String(text);
        };
        row("empty", u"");
        row("short", u"8C-00-FF-FF");
        row("breaks of every kind", u"a\r\nb\nc\rd\u2029e\u2028f\u00a0g\r\n");
        row("long hex line", Repeat(u"8C-00-FF-", 3 * kLimit + 5));
        row("long line without separators", Repeat(u"01100001", 2 * kLimit + 3));
        row("surrogate pairs across the limit", Repeat(u"\U0001F600", kLimit + 8));
        row("long lines between breaks",
            Repeat(u"1.2.3.4 ", kLimit + 9) + u"\r\n" + Repeat(u"x", kLimit) + u"\n\r\n");
    }

    void readsAndCopiesAsAPlainBox()
    {
        QFETCH(QString, text);
        const std::u16string fieldText = text.toStdU16String();
        FieldBox box;
        QPlainTextEdit plain;
        box.setFieldText(fieldText);
        plain.setPlainText(text);

        QCOMPARE(box.fieldText(), ReadAsBefore(plain));
        QVERIFY(LongestBlock(box) <= FieldBox::kBlockLimit);
        // A long run with separators is cut just after one, between two bytes.
        static const QRegularExpression separator(QStringLiteral("[-. ]"));
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
            if (block.length() > FieldBox::kBlockLimit - 64
                && block.text().right(64).contains(separator))
                QVERIFY(block.text().back() == u'-' || block.text().back() == u'.'
                    || block.text().back() == u' ');
        QCOMPARE(Copied(box), Copied(plain));
        // Each character of the field, as read back, stands where the document shows it.
        const std::u16string read = box.fieldText();
        for (std::size_t i = 0; i < read.size(); i += read.size() < 100 ? 1U : 997U) {
            const QChar shown = box.document()->characterAt(box.toDocument(i));
            if (!QChar::isSpace(read[i]))
                QCOMPARE(shown.unicode(), read[i]);
            QCOMPARE(box.toField(box.toDocument(i)),
                read[i] == u'\n' && i > 0 && read[i - 1] == u'\r' ? i + 1 : i);
        }

        // Once edited, the text reads as a plain box's did.
        for (QPlainTextEdit *each : {static_cast<QPlainTextEdit *>(&box), &plain}) {
            each->moveCursor(QTextCursor::End);
            QTest::keyClick(each, Qt::Key_Z);
            QTest::keyClick(each, Qt::Key_Backspace);
        }
        QCOMPARE(box.fieldText(), ReadAsBefore(plain));
        // Undone beyond the edits, it is the text set: marking the cuts was no step to undo.
        for (QPlainTextEdit *each : {static_cast<QPlainTextEdit *>(&box), &plain})
            for (int step = 0; step < 3; ++step)
                QTest::keyClick(each, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.fieldText(), ReadAsBefore(plain));
    }

    // Into a line that is itself cut in blocks: the pasted breaks are the user's, the cut after
    // the paste stays a cut.
    void pastesAsAPlainBox()
    {
        const QString pasted = QString::fromStdU16String(
            Repeat(u"c0 a8 ", 2 * kLimit) + u"\r\n" + Repeat(u"0", kLimit + 1) + u"\rz");
        std::u16string before(1, u'<');
        before += Repeat(u"x", 2 * kLimit) + u'>';
        FieldBox box;
        QPlainTextEdit plain;
        box.setFieldText(before);
        plain.setPlainText(QString::fromStdU16String(before));
        for (QPlainTextEdit *each : {static_cast<QPlainTextEdit *>(&box), &plain}) {
            each->moveCursor(QTextCursor::Start);
            each->moveCursor(QTextCursor::NextCharacter);
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(each, Qt::Key_V, Qt::ControlModifier);
        }
        // Positions follow the paste before anything reads the text back.
        const std::u16string pastedField = ReadAsBefore(plain);
        QCOMPARE(box.toDocument(pastedField.size()), box.document()->characterCount() - 1);
        QCOMPARE(box.fieldText(), pastedField);
        QVERIFY(LongestBlock(box) <= FieldBox::kBlockLimit + 1);
    }

    // At a cut, each key does what it does between two characters of one line.
    void keysAtACut_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("fromBlockEnd"); // the caret at the end of the block before
        QTest::addColumn<int>("removed");       // offset from the cut of the removed character
        QTest::addColumn<int>("moved");         // offset from the cut of the caret after the key
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << false << -1 << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << true << 0 << 0;
        QTest::newRow("Left") << int(Qt::Key_Left) << false << 99 << -1;
        QTest::newRow("Right") << int(Qt::Key_Right) << true << 99 << 1;
    }

    void keysAtACut()
    {
        QFETCH(int, key);
        QFETCH(bool, fromBlockEnd);
        QFETCH(int, removed);
        QFETCH(int, moved);
        const std::u16string text = Repeat(u"abcdefghijklmnopqrstuvwxyz", 2 * kLimit);
        FieldBox box;
        box.setFieldText(text);
        const QTextBlock second = box.document()->begin().next();
        const std::size_t cut = box.toField(second.position());
        QTextCursor caret = box.textCursor();
        caret.setPosition(fromBlockEnd ? second.position() - 1 : second.position());
        box.setTextCursor(caret);

        QTest::keyClick(&box, Qt::Key(key));

        std::u16string expected = text;
        if (removed != 99)
            expected.erase(cut + static_cast<std::size_t>(removed), 1);
        QCOMPARE(box.fieldText(), expected);
        QCOMPARE(box.toField(box.textCursor().position()), cut + static_cast<std::size_t>(moved));
    }

    // Whatever the font and the box's height, the viewport ends with the last whole line.
    void showsWholeLinesOnly()
    {
        for (const int pixels : {8, 11, 14, 20}) {
            for (const int height : {41, 60, 129}) {
                FieldBox box;
                QFont font = box.font();
                font.setPixelSize(pixels);
                box.setFont(font);
                box.resize(300, height);
                box.show(); // a hidden box lays out its viewport only when it shows
                const int margin = qRound(box.document()->documentMargin());
                const int shown = box.viewport()->height() - margin;
                const int line = box.fontMetrics().lineSpacing();
                // Whole lines only, and as many as fit; the whole width but a scroll bar's.
                const QScrollBar *scroll = box.verticalScrollBar();
                const int bar = scroll->isVisible() ? scroll->width() : 0;
                const int room = box.contentsRect().height() - 2 * margin;
                QVERIFY2(shown % line == 0 && shown / line >= 1 && shown + line > room
                        && box.viewport()->width() + bar == box.contentsRect().width(),
                    qPrintable(QStringLiteral("%1 px font, %2 px box").arg(pixels).arg(height)));
            }
        }
    }

    void enterBreaksTheLineEvenInsideACut()
    {
        const std::u16string text = Repeat(u"0123456789", 2 * kLimit);
        FieldBox box;
        box.setFieldText(text);
        QTextCursor caret = box.textCursor();
        caret.setPosition(box.document()->begin().next().position() + 3);
        box.setTextCursor(caret);
        const std::size_t at = box.toField(caret.position());
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.fieldText(), text.substr(0, at) + u"\r\n" + text.substr(at));
    }
};

} // namespace numo

QTEST_MAIN(numo::FieldBoxTest)
#include "field_box_test.moc"
