#include "mainwindow/artwork.h"

#include <QImageReader>

namespace numo {

QPixmap ReadPngPixmap(const QString &path)
{
    QImageReader reader(path, "png");
    // Without detection the reader takes the format as given: a plugin only if one is named
    // after it, else the built-in reader.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon ReadPngIcon(const QString &pathPattern)
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(ReadPngPixmap(pathPattern.arg(size)));
    return icon;
}

} // namespace numo
