// The program's pictures come from the built-in PNG reader, at their sizes, without loading an
// image plugin.
#include "mainwindow/artwork.h"

#include <QFile>
#include <QTest>

static void RegisterArtwork()
{
    Q_INIT_RESOURCE(mainwindow);
}

namespace numo {

class ArtworkTest : public QObject
{
    Q_OBJECT

private slots:
    void pictures_are_read_without_image_plugins()
    {
        RegisterArtwork();
        QCOMPARE(ReadPngPixmap(QStringLiteral(":/numo/logo.png")).size(), QSize(136, 138));
        const QIcon icon = ReadPngIcon(QStringLiteral(":/numo/numo-icon-%1.png"));
        QCOMPARE(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("/imageformats/"));
    }
};

} // namespace numo

QTEST_MAIN(numo::ArtworkTest)
#include "artwork_test.moc"
