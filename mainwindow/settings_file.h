// The settings file: the prefix, suffix, naming-scheme value and entry mode, one a line, in the
// program's code page.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace numo {

// The first `maxLines` lines of the file at `path`, each without its line end, decoded through
// the code page. A line ends at LF, and a CR right before that LF belongs to the line end; a
// last line without a line end counts when it is not empty. Fewer lines than asked when the file
// has fewer; empty when it cannot be opened. Reads no further than the lines asked for.
[[nodiscard]] std::vector<std::u16string> ReadSettingsLines(
    const QString &path, std::size_t maxLines);

// Writes every line followed by CR LF, through the code page, to a temporary file that then
// replaces the file at `path` (ReplaceFileWhole); a failed save leaves the previous file whole.
// Returns false with the reason in `error` (when given) on failure. `unstorable` (when given)
// receives the characters that the code page cannot store and that went to the file as "?",
// each once, in order of first appearance, a surrogate pair as the one character it encodes.
bool WriteSettingsFile(const QString &path, const std::vector<std::u16string> &lines,
    QString *error = nullptr, std::u16string *unstorable = nullptr);

} // namespace numo
