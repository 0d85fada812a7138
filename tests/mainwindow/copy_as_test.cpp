// "Copy as" in the fields' context menus: opened with the Menu key or Shift+F10, the submenu
// entered and an entry chosen with keys, the result read from the clipboard.
#include "conversion/byte_formats.h"
#include "mainwindow/form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace numo {

class CopyAsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    std::unique_ptr<Form1> form;

    QPlainTextEdit *box(const QString &name) { return form->findChild<QPlainTextEdit *>(name); }

    // Opens the box's context menu the given way and returns the "Copy as" submenu, open.
    QMenu *openCopyAs(QPlainTextEdit *field, const QString &how)
    {
        if (how == u"menu key") { // as the window system turns the Menu key into a request
            QContextMenuEvent request(
                QContextMenuEvent::Keyboard, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(field, &request);
        } else {
            QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
        }
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return nullptr;
        for (QAction *action : menu->actions())
            if (action->objectName() == u"CopyAs") {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Right);
                return action->menu();
            }
        return nullptr;
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>(root.path() + QStringLiteral("/plim"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QApplication::clipboard()->clear();
    }

    void cleanup()
    {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        form.reset();
    }

    void copiesTheFieldsBytes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectLast"); // characters selected back from the end, 0 for none
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *field, const QString &text,
                             int selectLast, const char *how, ByteFormat format,
                             const char *expected) {
            QTest::newRow(name) << QString::fromLatin1(field) << text << selectLast
                                << QString::fromLatin1(how) << static_cast<int>(format)
                                << QString::fromUtf8(expected);
        };
        row("hex, menu key, C array", "Text2", "8C-00-FF-FF", 0, "menu key", ByteFormat::CArray,
            "{ 0x8C, 0x00, 0xFF, 0xFF }");
        row("dotted, shift+f10, colons", "Text1", "140.0.255.255", 0, "shift+f10",
            ByteFormat::HexColons, "8C:00:FF:FF");
        row("text line, escapes", "Text5", QStringLiteral("\u00e9!"), 0, "menu key",
            ByteFormat::EscapedString, "\\xE9\\x21");
        row("binary, selection of the second byte", "Text3", "10001100-00000000", 8, "menu key",
            ByteFormat::Hex, "00");
        row("hex over lines, selection on the last", "Text2", "8C\n00\nFF", 1, "menu key",
            ByteFormat::DottedDecimal, "255");
        row("hex, Base64", "Text2", "8C 00 FF FF", 0, "menu key", ByteFormat::Base64, "jAD//w==");
    }

    void copiesTheFieldsBytes()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, selectLast);
        QFETCH(QString, how);
        QFETCH(int, format);
        QFETCH(QString, expected);
        QPlainTextEdit *target = box(field);
        target->setFocus();
        for (const QChar ch : text) {
            if (ch == u'\n')
                QTest::keyClick(target, Qt::Key_Return);
            else if (ch.unicode() < 128)
                QTest::keyClick(target, static_cast<char>(ch.unicode()));
            else // as an input method sends it
                QTest::sendKeyEvent(
                    QTest::KeyAction::Click, target, Qt::Key_unknown, ch, Qt::NoModifier);
        }
        for (int i = 0; i < selectLast; ++i)
            QTest::keyClick(target, Qt::Key_Left, Qt::ShiftModifier);
        const auto fieldsBefore = [&] {
            QStringList texts;
            for (const auto *each : form->findChildren<QPlainTextEdit *>())
                texts << each->toPlainText();
            return texts;
        }();

        QMenu *copyAs = openCopyAs(target, how);
        QVERIFY(copyAs);
        QVERIFY(copyAs->isVisible());
        for (int i = 0; i < format; ++i)
            QTest::keyClick(copyAs, Qt::Key_Down);
        QTest::keyClick(copyAs, Qt::Key_Return);

        QCOMPARE(QApplication::clipboard()->text(), expected);
        const QString name = QString::fromLatin1(ByteFormatName(static_cast<ByteFormat>(format)));
        QVERIFY2(form->findChild<QLineEdit *>(QStringLiteral("Text6"))
                     ->toolTip()
                     .contains(QStringLiteral(" as %1,").arg(name)),
            "the result field's tool tip names the format");
        QStringList fieldsAfter;
        for (const auto *each : form->findChildren<QPlainTextEdit *>())
            fieldsAfter << each->toPlainText();
        QCOMPARE(fieldsAfter, fieldsBefore);
    }

    void anEmptyFieldOffersNothing()
    {
        QPlainTextEdit *hex = box(QStringLiteral("Text2"));
        hex->setFocus();
        QTest::keyClicks(hex, QStringLiteral("-- xyz")); // separators and skipped characters
        QMenu *copyAs = openCopyAs(hex, QStringLiteral("menu key"));
        QVERIFY(copyAs);
        QCOMPARE(copyAs->actions().size(), static_cast<qsizetype>(std::size(kByteFormats)));
        for (const QAction *entry : copyAs->actions())
            QVERIFY(!entry->isEnabled());
        QCOMPARE(copyAs->actions().at(4)->toolTip(),
            QStringLiteral("140 0 255 255 become { 0x8C, 0x00, 0xFF, 0xFF }"));
    }
};

} // namespace numo

QTEST_MAIN(numo::CopyAsTest)
#include "copy_as_test.moc"
