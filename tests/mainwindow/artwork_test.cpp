// The program's pictures as the built-in PNG reader gives them: the same pictures as reading
// them by file name, without loading an image plugin.
#include "mainwindow/artwork.h"

#include <QFile>
#include <QImage>
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
    void pictures_are_read_alike_without_image_plugins()
    {
        RegisterArtwork();
        const QString logoPath = QStringLiteral(":/numo/logo.png");
        const QString iconPattern = QStringLiteral(":/numo/numo-icon-%1.png");
        const QPixmap logo = ReadPngPixmap(logoPath);
        const QIcon icon = ReadPngIcon(iconPattern);
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (maps.open(QIODevice::ReadOnly))
            QVERIFY(!maps.readAll().contains("/imageformats/"));

        // Read by file name, which asks the plugins first.
        QVERIFY(!logo.isNull());
        QCOMPARE(logo.toImage(), QPixmap(logoPath).toImage());
        const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}};
        QCOMPARE(icon.availableSizes(), sizes);
        for (const QSize &size : sizes)
            QCOMPARE(icon.pixmap(size).toImage(), QPixmap(iconPattern.arg(size.width())).toImage());
    }
};

} // namespace numo

QTEST_MAIN(numo::ArtworkTest)
#include "artwork_test.moc"
