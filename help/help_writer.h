// Writes the help text file that the help window shows.
#pragma once

class QString;

namespace numo {

// Replaces the file at `path` whole with the help text, as ReplaceFileWhole does: on failure the
// earlier file stays and the reason goes to `error` (when given).
bool WriteHelpFile(const QString &path, QString *error = nullptr);

} // namespace numo
