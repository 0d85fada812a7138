#include "help/help_writer.h"

#include "files/replace_file.h"
#include "help/help_text.h"

#include <QString>

namespace numo {

bool WriteHelpFile(const QString &path, QString *error)
{
    return ReplaceFileWhole(path, HelpText(), error);
}

} // namespace numo
