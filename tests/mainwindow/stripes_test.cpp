// The stripes under every second byte stand apart from the field, 1.15:1 at least (WCAG's
// contrast ratio), in light and dark palettes alike.
#include "form1_fixture.h"

#include <cmath>

using namespace numo::testing;

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

class StripesTest : public QObject
{
    Q_OBJECT

private slots:
    void standApart_data()
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

    void standApart()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, highlight);
        QFETCH(QColor, text);
        Window window;
        QPalette palette = window.form->palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Highlight, highlight);
        palette.setColor(QPalette::Text, text);
        window.form->setPalette(palette);
        Run(window, QStringLiteral("type Text2 8C-00-FF-FF; click Command4")); // no caret link

        const auto selections =
            window.get<QPlainTextEdit>(QStringLiteral("Text2"))->extraSelections();
        QVERIFY(!selections.isEmpty());
        for (const auto &selection : selections)
            QVERIFY2(Contrast(selection.format.background().color(), base) >= 1.15,
                qPrintable(selection.format.background().color().name()));
    }
};

QTEST_MAIN(StripesTest)
#include "stripes_test.moc"
