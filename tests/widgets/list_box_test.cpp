// The list box against the toolkit's item-view list: the same steps leave the same item current
// and selected, report the same double-click, and draw the same pixels; and a screen reader
// sees a list of its items.
#include "widgets/list_box.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace numo {

namespace {

    const QStringList kItems = {
        QStringLiteral("ASCII Value"), QStringLiteral("Hex Value"), QStringLiteral("Binary Value")};

    // A window with a line edit that holds the focus first, and the list under test; it counts
    // the keys that reach it.
    struct Window : QWidget
    {
        void keyPressEvent(QKeyEvent *) override { ++keys; }
        int keys = 0;
    };

    struct Stage
    {
        explicit Stage(QAbstractScrollArea *box, int height)
        {
            window.resize(200, 120);
            auto *first = new QLineEdit(&window);
            first->setGeometry(0, 100, 50, 20);
            box->setParent(&window);
            box->setGeometry(10, 10, 113, height);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            first->setFocus();
        }
        Window window;
    };

    // The toolkit's list, ending under its last whole item as ours does.
    struct TheirList : QListWidget
    {
        void fit()
        {
            const int row = sizeHintForRow(0);
            const int room = contentsRect().height();
            setViewportMargins(0, 0, 0, room > row ? room % row : 0);
        }
    };

    // "tab" (the focus arrives by a key), "Down", "End", "Ctrl+Space"... (a key), "type hb",
    // "click 1", "ctrlclick 1", "below" (a click under the last item), "dbl 1" (on that row as
    // shown), "drag 0 2" (from row to row with the button held), "wheel" (one notch down), "select
    // 1" (from the program), "font 20" (in pixels), "disable".
    void Run(QAbstractScrollArea *box, const QString &steps, const std::function<QRect(int)> &rect,
        const std::function<void(int)> &select)
    {
        for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            const QString verb = step.section(u' ', 0, 0);
            const QString rest = step.section(u' ', 1);
            const QPoint at = rect(rest.toInt()).center();
            if (verb == u"tab") {
                box->setFocus(Qt::TabFocusReason);
            } else if (verb == u"type") {
                QTest::keyClicks(box, rest);
            } else if (verb == u"below") { // a click under the last item
                QTest::mouseClick(
                    box->viewport(), Qt::LeftButton, {}, QPoint(20, box->viewport()->height() - 2));
            } else if (verb == u"click" || verb == u"ctrlclick") {
                QTest::mouseClick(box->viewport(), Qt::LeftButton,
                    verb == u"click" ? Qt::NoModifier : Qt::ControlModifier, at);
            } else if (verb == u"dbl") { // the events of a real double-click
                QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, at);
            } else if (verb == u"drag") {
                QTest::mousePress(box->viewport(), Qt::LeftButton, {}, at);
                const QPoint to = rect(rest.section(u' ', 1).toInt()).center();
                QMouseEvent move(QEvent::MouseMove, to, box->viewport()->mapToGlobal(to),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(box->viewport(), &move);
                QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, to);
            } else if (verb == u"font") {
                QFont font = box->font();
                font.setPixelSize(rest.toInt());
                box->setFont(font);
            } else if (verb == u"wheel") {
                QWheelEvent wheel(QPointF(20, 5), box->viewport()->mapToGlobal(QPointF(20, 5)), {},
                    QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
                QApplication::sendEvent(box->viewport(), &wheel);
            } else if (verb == u"disable") {
                box->setEnabled(false);
            } else if (verb == u"select") {
                select(rest.toInt());
            } else {
                QVERIFY2(!QKeySequence::fromString(verb).isEmpty(), qPrintable(step));
                const QKeyCombination key = QKeySequence::fromString(verb)[0];
                QTest::keyClick(box, key.key(), key.keyboardModifiers());
            }
        }
    }

} // namespace

class ListBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void behavesAndLooksLikeTheToolkitsList_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state"); // "current selected double-clicked"
        const auto row = [](const char *name, int height, const char *steps, const char *state) {
            QTest::newRow(name) << height << QString::fromUtf8(steps) << QString::fromUtf8(state);
        };
        row("nothing selected", 30, "", "-1 -1 -1");
        row("selected by the program", 30, "select 2", "2 2 -1");
        row("a row past the last selects none", 30, "select 1; select 3", "-1 -1 -1");
        row("tab shows the start, selects nothing", 30, "tab", "0 -1 -1");
        row("down from the start", 30, "tab; Down; Down", "2 2 -1");
        row("up stops at the top", 30, "tab; Down; Up; Up", "0 0 -1");
        row("end then home", 45, "tab; End; Home", "0 0 -1");
        row("page down keeps a line", 30, "tab; PgDown", "1 1 -1");
        row("page down twice", 30, "tab; PgDown; PgDown", "2 2 -1");
        row("page up from the end", 30, "tab; End; PgUp", "1 1 -1");
        row("space selects the start", 30, "tab; Space", "0 0 -1");
        row("ctrl space takes it back", 30, "tab; Space; Ctrl+Space", "0 -1 -1");
        row("typed letters are one search", 30, "tab; type b; type hb", "2 2 -1");
        row("a letter again steps on", 30, "tab; type a; type a", "0 0 -1");
        row("a letter finds the next item", 30, "tab; type h", "1 1 -1");
        row("click selects", 30, "click 1", "1 1 -1");
        row("ctrl click takes it back", 30, "click 1; ctrlclick 1", "1 -1 -1");
        row("double-click reports its item", 30, "dbl 1", "1 1 1");
        row("double-click on the first", 30, "dbl 0", "0 0 0");
        row("drag selects as it goes", 30, "drag 0 1", "1 1 -1");
        row("wheel scrolls", 30, "select 0; wheel", "0 0 -1");
        row("double-click after the wheel", 30, "wheel; dbl 2", "2 2 2");
        row("disabled", 30, "select 1; disable", "1 1 -1");
        row("all items shown", 60, "tab; End", "2 2 -1");
        row("a click under the items", 60, "select 1; below", "1 -1 -1");
        row("a larger font", 45, "font 20; tab; Down", "1 1 -1");
    }

    void behavesAndLooksLikeTheToolkitsList()
    {
        QFETCH(int, height);
        QFETCH(QString, steps);
        QFETCH(QString, state);
        auto *theirs = new TheirList;
        auto theirStage = std::make_unique<Stage>(theirs, height);
        theirs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        theirs->addItems(kItems);
        theirs->fit();
        int theirDouble = -1;
        connect(theirs, &QListWidget::itemDoubleClicked, this,
            [&](QListWidgetItem *item) { theirDouble = theirs->row(item); });
        Run(
            theirs, steps, [&](int r) { return theirs->visualItemRect(theirs->item(r)); },
            [&](int r) { theirs->setCurrentRow(r); });
        theirs->fit();
        QApplication::processEvents();
        const auto selected = theirs->selectedItems();
        const QString theirState = QStringLiteral("%1 %2 %3")
                                       .arg(theirs->currentRow())
                                       .arg(selected.isEmpty() ? -1 : theirs->row(selected.first()))
                                       .arg(theirDouble);
        const QImage theirLook = theirs->grab().toImage();
        theirStage.reset();

        auto *ours = new ListBox;
        Stage ourStage(ours, height);
        ours->addItems(kItems);
        int ourDouble = -1;
        connect(ours, &ListBox::itemDoubleClicked, this, [&](int r) { ourDouble = r; });
        Run(
            ours, steps, [&](int r) { return ours->itemRect(r); },
            [&](int r) { ours->setCurrentRow(r); });
        QApplication::processEvents();

        QCOMPARE(theirState, state);
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(ours->currentRow())
                     .arg(ours->selectedRow())
                     .arg(ourDouble),
            state);
        QCOMPARE(ours->selectedText(), kItems.value(ours->selectedRow()));
        QCOMPARE(ours->grab().toImage(), theirLook);
    }

    // An empty list moves nowhere, a list of one item onto it; a key the list has no use for goes
    // on to its window.
    void keysOnAnEmptyListDoNothing()
    {
        auto *box = new ListBox;
        Stage stage(box, 30);
        box->setFocus();
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Space, Qt::Key_A})
            QTest::keyClick(box, key);
        QCOMPARE(box->currentRow(), -1);
        QTest::keyClick(box, Qt::Key_F2);
        QCOMPARE(stage.window.keys, 1);
        box->addItems({QStringLiteral("Only")});
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentRow(), 0);
    }

    void aScreenReaderSeesAListOfItems()
    {
        auto *box = new ListBox;
        Stage stage(box, 30);
        box->addItems(kItems);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_End);

        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(list->role(), QAccessible::List);
        QStringList seen;
        for (int i = 0; i < list->childCount(); ++i) {
            const QAccessibleInterface *item = list->child(i);
            QCOMPARE(list->indexOfChild(item), i);
            const QAccessible::State state = item->state();
            seen << QStringLiteral("%1 %2%3%4%5")
                        .arg(item->text(QAccessible::Name))
                        .arg(state.selectable && state.focusable ? "" : "fixed ")
                        .arg(state.selected ? "selected" : "-")
                        .arg(state.focused ? " focused" : "")
                        .arg(state.offscreen ? " offscreen" : "");
        }
        QCOMPARE(seen,
            QStringList(
                {"ASCII Value - offscreen", "Hex Value -", "Binary Value selected focused"}));
        QCOMPARE(list->focusChild(), list->child(2));
        const QPoint middle = list->child(1)->rect().center();
        QCOMPARE(list->childAt(middle.x(), middle.y()), list->child(1));
        QCOMPARE(list->child(3), nullptr);
        QCOMPARE(list->indexOfChild(list), -1);

        const QAccessible::Id item = QAccessible::uniqueId(list->child(0));
        delete box; // its items go with it
        QVERIFY(!QAccessible::accessibleInterface(item));
    }
};

} // namespace numo

QTEST_MAIN(numo::ListBoxTest)
#include "list_box_test.moc"
