#include "mainwindow/settings_file.h"

#include "conversion/code_page.h"
#include "files/replace_file.h"

#include <QFile>

#include <string_view>

namespace numo {

namespace {

    std::u16string LineWithoutEnd(std::string_view line)
    {
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return BytesToText(line);
    }

    // Adds to `found` each character of `line` outside the code page that it does not hold yet.
    void AddUnstorable(std::u16string_view line, std::u16string &found)
    {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (IsInCodePage(line[i]))
                continue;
            const bool pair = i + 1 < line.size() && QChar::isHighSurrogate(line[i])
                && QChar::isLowSurrogate(line[i + 1]);
            const auto character = line.substr(i, pair ? 2 : 1);
            if (pair)
                ++i;
            if (found.find(character) == std::u16string::npos)
                found += character;
        }
    }

} // namespace

std::vector<std::u16string> ReadSettingsLines(const QString &path, std::size_t maxLines)
{
    std::vector<std::u16string> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    while (lines.size() < maxLines && !file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.isEmpty())
            break; // a read error: what was read so far stands
        lines.push_back(LineWithoutEnd(
            std::string_view(line.constData(), static_cast<std::size_t>(line.size()))));
    }
    return lines;
}

bool WriteSettingsFile(const QString &path, const std::vector<std::u16string> &lines,
    QString *error, std::u16string *unstorable)
{
    std::string bytes;
    for (const auto &line : lines) {
        bytes += TextToBytes(line);
        bytes += "\r\n";
        if (unstorable)
            AddUnstorable(line, *unstorable);
    }
    return ReplaceFileWhole(path, bytes, error);
}

} // namespace numo
