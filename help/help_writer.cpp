// Writes the help text through a temporary file, so that no reader sees half of it.

#include "help/help_writer.h"

#include "help/help_text.h"

#include <QFile>
#include <QObject>
#include <QSaveFile>
#include <QString>

namespace numo {

namespace {

    bool Fail(QString *error, const QString &reason)
    {
        if (error)
            *error = reason;
        return false;
    }

} // namespace

bool WriteHelpFile(const QString &path, QString *error)
{
    // A file its owner marked read-only is kept, for every user: the temporary file and the
    // rename behind QSaveFile would otherwise replace it, and root would pass any access check.
    if (QFile::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner))
        return Fail(error, QObject::tr("%1 is read-only").arg(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, file.errorString());
    const std::string text = HelpText();
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(error, reason);
    }
    if (!file.commit()) // a full disk usually shows here, when the data is flushed
        return Fail(error, file.errorString());
    return true;
}

} // namespace numo
