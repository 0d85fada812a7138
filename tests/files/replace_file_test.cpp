// ReplaceFileWhole against each fault of the folder and the disk: the earlier file stays whole
// and the reason comes back, or the new bytes are in place and nothing else is left beside them.
#include "files/replace_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool syncFails = false;

} // namespace

// The writer's fsync calls land here: the real one, or a failure while a row asks for it.
extern "C" int fsync(int fd)
{
    if (syncFails) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace numo {
namespace {

    // A soft RLIMIT_FSIZE with SIGXFSZ ignored, so that a write past it fails with EFBIG instead
    // of ending the process; both restored when it goes.
    class FileSizeLimit
    {
    public:
        explicit FileSizeLimit(rlim_t bytes)
        {
            getrlimit(RLIMIT_FSIZE, &saved);
            previous = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = saved;
            limit.rlim_cur = bytes;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        ~FileSizeLimit()
        {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previous);
        }
        FileSizeLimit(const FileSizeLimit &) = delete;
        FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    private:
        rlimit saved{};
        void (*previous)(int) = nullptr;
    };

    enum Fault { None, ReadOnlyFile, ReadOnlyFolder, FolderInPlace, NoParent, Limit, Sync };

    struct Row
    {
        const char *name;
        Fault fault;
        rlim_t limit;        // the file-size limit, for Limit
        const char *earlier; // the file before, or nullptr for none
        const char *bytes;
        const char *reason; // how the reason ends on failure, or nullptr: the bytes are written
    };

    void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.name;
    }

    // Every entry under `root`, with a file's bytes, inode and modification time: a file
    // rewritten with the same bytes differs.
    QStringList Snapshot(const QString &root)
    {
        QStringList seen;
        QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat info = {};
            ::stat(QFile::encodeName(path).constData(), &info);
            QFile file(path);
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "(folder)";
            seen << QStringLiteral("%1 %2 %3.%4 %5")
                        .arg(path.mid(root.size()))
                        .arg(info.st_ino)
                        .arg(info.st_mtim.tv_sec)
                        .arg(info.st_mtim.tv_nsec)
                        .arg(QString::fromLatin1(bytes));
        }
        seen.sort();
        return seen;
    }

    class Replace : public testing::TestWithParam<Row>
    {
    };

    TEST_P(Replace, KeepsTheEarlierFileOrWritesTheBytes)
    {
        const Row &row = GetParam();
        QTemporaryDir root;
        const QString folder = root.filePath(row.fault == NoParent ? "gone" : "data");
        const QString path = folder + QStringLiteral("/numo2.ini");
        const auto permissions = QFile::ReadOwner | QFile::ExeOwner;
        if (row.fault != NoParent) {
            ASSERT_TRUE(QDir().mkdir(folder));
        }
        if (row.fault == FolderInPlace) {
            ASSERT_TRUE(QDir().mkdir(path));
        }
        if (row.earlier) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(row.earlier) >= 0);
            file.close();
            // A day back, so that a rewrite shows even within the clock's resolution.
            std::filesystem::last_write_time(path.toStdString(),
                std::filesystem::file_time_type::clock::now() - std::chrono::hours(24));
        }
        if (row.fault == ReadOnlyFile || row.fault == ReadOnlyFolder) {
            ASSERT_TRUE(
                QFile::setPermissions(row.fault == ReadOnlyFile ? path : folder, permissions));
        }
        const QStringList before = Snapshot(root.path());

        QString error;
        bool replaced = false;
        {
            std::optional<FileSizeLimit> limit;
            if (row.fault == Limit)
                limit.emplace(row.limit);
            syncFails = row.fault == Sync;
            replaced = ReplaceFileWhole(path, row.bytes, &error);
            syncFails = false;
        }
        QFile::setPermissions(folder, permissions | QFile::WriteOwner);

        if (row.reason) {
            EXPECT_FALSE(replaced);
            EXPECT_TRUE(error.endsWith(QString::fromUtf8(row.reason))) << error.toStdString();
            EXPECT_EQ(Snapshot(root.path()), before);
        } else {
            EXPECT_TRUE(replaced) << error.toStdString();
            EXPECT_TRUE(error.isEmpty());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), QByteArray(row.bytes));
            EXPECT_EQ(
                QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList{"numo2.ini"});
            if (row.earlier && row.earlier == std::string_view(row.bytes)) {
                EXPECT_EQ(Snapshot(root.path()), before); // not even rewritten
            }
        }
    }

    // clang-format off
    const Row kRows[] = {
        {"new_file",            None,           0, nullptr, "new",   nullptr},
        {"replaced_by_fewer",   None,           0, "older", "new",   nullptr},
        {"same_bytes_kept",     None,           0, "same",  "same",  nullptr},
        {"read_only_file",      ReadOnlyFile,   0, "old",   "new",   "numo2.ini is read-only"},
        {"read_only_folder",    ReadOnlyFolder, 0, "old",   "new",   "data is read-only"},
        {"folder_in_its_place", FolderInPlace,  0, nullptr, "new",   "directory"},
        {"parent_missing",      NoParent,       0, nullptr, "new",   "No such file or directory"},
        {"size_limit_part_way", Limit,          4, "old",   "newer", "File too large"},
        {"size_limit_zero",     Limit,          0, "old",   "new",   "File too large"},
        {"sync_fails",          Sync,           0, "old",   "new",   "Input/output error"},
    };
    // clang-format on

    INSTANTIATE_TEST_SUITE_P(Faults, Replace, testing::ValuesIn(kRows),
        [](const testing::TestParamInfo<Row> &row) { return std::string(row.param.name); });

} // namespace
} // namespace numo
