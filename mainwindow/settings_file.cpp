#include "mainwindow/settings_file.h"

#include "conversion/code_page.h"

#include <QFile>
#include <QSaveFile>

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

} // namespace

std::vector<std::u16string> SplitSettingsLines(std::string_view bytes, std::size_t maxLines)
{
    std::vector<std::u16string> lines;
    while (lines.size() < maxLines && !bytes.empty()) {
        const auto end = bytes.find('\n');
        const auto length = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.push_back(LineWithoutEnd(bytes.substr(0, length)));
        bytes.remove_prefix(length);
    }
    return lines;
}

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

bool WriteSettingsFile(
    const QString &path, const std::vector<std::u16string> &lines, QString *error)
{
    std::string bytes;
    for (const auto &line : lines) {
        bytes += TextToBytes(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size()))
            == static_cast<qint64>(bytes.size())
        && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}

} // namespace numo
