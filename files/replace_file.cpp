// Writes the bytes through a temporary file beside the target, renamed into place once they are
// all on the disk.

#include "files/replace_file.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace numo {

namespace {

    bool Fail(QString *error, const QString &reason)
    {
        if (error)
            *error = reason;
        return false;
    }

    bool OwnerMadeReadOnly(const QFileInfo &info)
    {
        return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
    }

    bool HoldsExactly(const QString &path, std::string_view bytes)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.size() == static_cast<qint64>(bytes.size())
            && file.readAll() == QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }

    // Writes all of `bytes`; a short write is retried, so the error that stopped it is known.
    bool WriteAll(QSaveFile &file, std::string_view bytes)
    {
        while (!bytes.empty()) {
            const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

} // namespace

bool ReplaceFileWhole(const QString &path, std::string_view bytes, QString *error)
{
    // The rename behind QSaveFile would replace a read-only file, and root passes every access
    // check, so the permission bits are read here.
    const QFileInfo info(path);
    if (OwnerMadeReadOnly(info))
        return Fail(error, QObject::tr("%1 is read-only").arg(path));
    if (OwnerMadeReadOnly(QFileInfo(info.absolutePath())))
        return Fail(error, QObject::tr("%1 is read-only").arg(info.absolutePath()));
    // A file that holds the bytes already is kept as it is, spared the wait for the disk.
    if (HoldsExactly(path, bytes))
        return true;

    // Unbuffered: QSaveFile::commit() renames even when the buffered bytes failed to go out as
    // the file was closed (a full disk), which would put an empty file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(error, file.errorString());
    QString reason;
    bool written = WriteAll(file, bytes) && file.flush();
    if (!written)
        reason = file.errorString();
#ifdef Q_OS_UNIX
    // Some file systems report a full disk only when the data is synced; commit() ignores that.
    if (written && ::fsync(file.handle()) != 0 && errno != EINVAL) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        written = false;
    }
#endif
    if (!written) {
        file.cancelWriting(); // the temporary file goes with `file`; the old file stays
        return Fail(error,
            reason.isEmpty() ? QObject::tr("%1 could not be written whole").arg(path) : reason);
    }
    if (!file.commit())
        return Fail(error, file.errorString());
    return true;
}

} // namespace numo
