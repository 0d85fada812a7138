// Replaces a data file whole, so that no reader sees half of it and a failed write leaves the
// earlier file as it was.
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

} // namespace numo
