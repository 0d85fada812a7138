// The standard keys, pressed as real key events: Ctrl+Enter in a field does what its button
// does, F1 opens Help, Ctrl+Q closes the window, and plain Enter still breaks the line.
#include "mainwindow/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace numo {

class StandardKeysTest : public QObject
{
    Q_OBJECT

    struct Window
    {
        QTemporaryDir root;
        std::unique_ptr<Form1> form = std::make_unique<Form1>(root.path() + "/plim");

        template <typename T = QWidget> T *find(const char *name)
        {
            return form->findChild<T *>(QString::fromLatin1(name));
        }

        // Types into a field, with the entry mode chosen by a click on its list item.
        void type(const char *field, const QString &text, const char *mode)
        {
            form->show();
            auto *modes = find<QListWidget>("List2");
            modes->setCurrentItem(modes->findItems(QString::fromLatin1(mode), Qt::MatchExactly)[0]);
            auto *box = find(field);
            box->setFocus();
            QTest::keyClicks(box, text);
        }

        QStringList fields()
        {
            QStringList texts;
            for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
                texts << find<QPlainTextEdit>(name)->toPlainText();
            return texts;
        }
    };

private slots:
    void ctrlEnterPressesTheFieldsButton_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("dotted decimal") << "Text1"
                                        << "140.0.255.255"
                                        << "Command1" << int(Qt::NoModifier);
        QTest::newRow("hexadecimal") << "Text2"
                                     << "8c00ffff"
                                     << "Command4" << int(Qt::NoModifier);
        QTest::newRow("binary") << "Text3"
                                << "0100001001000011"
                                << "Command6" << int(Qt::NoModifier);
        QTest::newRow("large decimal") << "Text4"
                                       << "65536"
                                       << "Command2" << int(Qt::NoModifier);
        QTest::newRow("text line, keypad Enter") << "Text5"
                                                 << "Numo"
                                                 << "Command3" << int(Qt::KeypadModifier);
    }

    void ctrlEnterPressesTheFieldsButton()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(int, modifiers);
        Window byKey;
        byKey.type(qPrintable(field), text, "String");
        const QStringList before = byKey.fields();
        QTest::keyClick(byKey.find(qPrintable(field)), modifiers ? Qt::Key_Enter : Qt::Key_Return,
            Qt::ControlModifier | Qt::KeyboardModifiers(modifiers));
        Window byButton;
        byButton.type(qPrintable(field), text, "String");
        byButton.find<QAbstractButton>(qPrintable(button))->click();

        QVERIFY(byKey.fields() != before);
        QCOMPARE(byKey.fields(), byButton.fields());
    }

    void otherEntersAreLeftAlone()
    {
        Window window;
        window.type("Text2", "41", "String");
        QTest::keyClick(window.find("Text2"), Qt::Key_Return);
        QTest::keyClick(window.find("Text2"), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(window.fields().at(0), QString()); // nothing converted
        QVERIFY(window.fields().at(1).startsWith(u"41"));

        // In single key mode Ctrl+Enter in the text line does not press the button: the focus
        // stays in the text line (the button would move it to Clear All).
        window.type("Text5", "A", "Single Key");
        QTest::keyClick(window.find("Text5"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(window.form->focusWidget(), window.find("Text5"));
    }

    void helpAndQuit()
    {
        Window window;
        window.form->show();
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        QTest::keyClick(window.find("Text1"), Qt::Key_F1);
        QWidget *help = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != window.form.get() && top->isVisible())
                help = top;
        QVERIFY2(help, "F1 shows the help window");

        window.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        QTest::keyClick(window.find("Text1"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window.form->isVisible());
        QVERIFY2(!help->isVisible(), "closing the window closes its help window");
    }
};

} // namespace numo

QTEST_MAIN(numo::StandardKeysTest)
#include "standard_keys_test.moc"
