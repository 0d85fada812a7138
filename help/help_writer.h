// Writes the help text file that the help window shows, and replaces the program's data files
// whole.
#pragma once

#include <string_view>

class QString;

namespace numo {

// Replaces the file at `path` with exactly `bytes`, or leaves it as it was and returns false with
// the reason in `error` (when given). The bytes go to a temporary file beside it that is renamed
// into place only after every byte has reached the disk. A file or folder whose owner has taken
// away the write permission is kept, for every user; a file that holds exactly `bytes` already
// is kept as it is.
bool ReplaceFileWhole(const QString &path, std::string_view bytes, QString *error = nullptr);

// Replaces the file at `path` whole with the help text, as ReplaceFileWhole does.
bool WriteHelpFile(const QString &path, QString *error = nullptr);

} // namespace numo
