// Writes the help text file that the help window shows.
#pragma once

class QString;

namespace numo {

// Replaces the file at `path` whole with the help text (written to a temporary file first and
// then put in place). Returns false, with the reason in `error` when given, if it could not be
// written; the previous file then stays as it was.
bool WriteHelpFile(const QString &path, QString *error = nullptr);

} // namespace numo
