// A single-line box shows a long text by its start only, yet gives the whole text back.
#include "widgets/line_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace numo {

class LineBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStartAndGivesTheWhole_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("short") << 12 << false;
        QTest::newRow("at the limit") << int(LineBox::kShownLimit) << false;
        QTest::newRow("one over") << int(LineBox::kShownLimit) + 1 << true;
        QTest::newRow("a megabyte") << (1 << 20) << true;
    }

    void showsTheStartAndGivesTheWhole()
    {
        QFETCH(int, length);
        QFETCH(bool, shortened);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        LineBox box;
        box.setFieldText(text);

        QCOMPARE(box.fieldText(), text);
        QCOMPARE(box.isReadOnly(), shortened);
        QCOMPARE(box.text().size(), shortened ? LineBox::kShownLimit + 1 : length);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), text);
        // The same through the context menu's Copy (the menu runs its own event loop).
        QApplication::clipboard()->clear();
        QTimer::singleShot(0, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                if (action->text().startsWith(u"&Copy"))
                    action->trigger();
            menu->close();
        });
        QContextMenuEvent request(
            QContextMenuEvent::Keyboard, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&box, &request);
        QCOMPARE(QApplication::clipboard()->text(), text);
        QTest::keyClick(&box, Qt::Key_Home);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), text.left(3));
        box.setSelection(0, int(LineBox::kShownLimit)); // up to the ellipsis, not over it
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), text.left(LineBox::kShownLimit));

        box.setFieldText(QStringLiteral("x")); // short again: editable as before
        QVERIFY(!box.isReadOnly());
        QCOMPARE(box.fieldText(), QStringLiteral("x"));
    }
};

} // namespace numo

QTEST_MAIN(numo::LineBoxTest)
#include "line_box_test.moc"
