// What the work display shows must reach every reader: stripes that stand apart from the field
// in light and dark palettes, and warnings and clipboard texts a screen reader can read in plain
// words on the boxes that take the focus.
#include "mainwindow/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace numo {

namespace {

    qreal Luminance(const QColor &color)
    {
        const auto channel = [](qreal c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
            + 0.0722 * channel(color.blueF());
    }

    qreal Contrast(const QColor &a, const QColor &b)
    {
        const qreal la = Luminance(a);
        const qreal lb = Luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

} // namespace

class AccessibleDisplayTest : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    std::unique_ptr<Form1> form;

    // What a screen reader is told, through the accessibility tree.
    static QString Described(QWidget *widget)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    }

    template <typename T = QWidget> T *find(const char *name)
    {
        return form->findChild<T *>(QString::fromLatin1(name));
    }

    void type(const char *box, const QString &text)
    {
        find(box)->setFocus();
        QTest::keyClick(find(box), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(find(box), text);
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>(root.path() + QStringLiteral("/plim"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void stripesStandApart_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(255, 255, 255) << QColor(48, 140, 198) << QColor(0, 0, 0);
        QTest::newRow("dark") << QColor(30, 30, 30) << QColor(61, 174, 233)
                              << QColor(252, 252, 252);
        QTest::newRow("dark, dim highlight")
            << QColor(35, 38, 41) << QColor(40, 44, 48) << QColor(239, 240, 241);
    }

    void stripesStandApart()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, highlight);
        QFETCH(QColor, text);
        QPalette palette = form->palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Highlight, highlight);
        palette.setColor(QPalette::Text, text);
        form->setPalette(palette);
        type("Text2", QStringLiteral("8C-00-FF-FF"));
        find<QAbstractButton>("Command4")->click();
        find("Command4")->setFocus(); // no caret in a field: no linked byte

        const auto selections = find<QPlainTextEdit>("Text2")->extraSelections();
        QVERIFY(!selections.isEmpty());
        for (const auto &selection : selections)
            QVERIFY2(Contrast(selection.format.background().color(), base) >= 1.15,
                qPrintable(selection.format.background().color().name()));
    }

    void warningsReachTheBoxes()
    {
        type("Text1", QStringLiteral("1.2"));
        find<QAbstractButton>("Command1")->click();
        auto *hex = find<QPlainTextEdit>("Text2");
        const QString quiet = Described(hex);
        type("Text1", QStringLiteral("1.2.3"));
        QVERIFY2(Described(hex).startsWith(u"Not the same bytes as"), qPrintable(Described(hex)));
        find<QAbstractButton>("Command1")->click();
        QCOMPARE(Described(hex), quiet);
    }

    void theClipboardIsDescribedInPlainText()
    {
        type("Text5", QStringLiteral(" <b>\t"));
        find<QAbstractButton>("Command3")->click();
        const QString description = Described(find("Text6"));
        QVERIFY2(description.startsWith(u"Put on the clipboard"), qPrintable(description));
        QVERIFY2(!description.contains(u"<p") && !description.contains(u"&lt;"),
            qPrintable(description));
    }
};

} // namespace numo

QTEST_MAIN(numo::AccessibleDisplayTest)
#include "accessible_display_test.moc"
