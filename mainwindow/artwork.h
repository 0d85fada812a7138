// The program's pictures, read by Qt's own PNG reader alone. A picture read by its file name
// first asks every image plugin whether it reads that format, which loads all of them and the
// libraries they bring (GIF, ICO, JPEG, ...) into a program that only ever shows PNG.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace numo {

// The PNG picture at `path` (a file or a resource); the null pixmap when it cannot be read.
[[nodiscard]] QPixmap ReadPngPixmap(const QString &path);

// The program's icon from its PNG renderings at 16, 32 and 48 pixels, `pathPattern` holding
// "%1" for the size.
[[nodiscard]] QIcon ReadPngIcon(const QString &pathPattern);

} // namespace numo
