// A failed save must leave the previous file as it was and no temporary file behind.
#include "album/AlbumFile.h"

#include "AlbumBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Saves in a child whose files may not grow past limit bytes, as on a full disk.
// 1 saved, 0 refused, -1 the child did not get that far.
int saveWithFileSizeLimit(const QString &path, int records, rlim_t limit)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // so that write() reports EFBIG instead
        const rlimit size{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &size) != 0)
            _exit(2);
        _exit(WriteAlbumFile(path, NumberedRecords(records)) ? 1 : 0); // the parent owns the folder
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status) <= 1 ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(AlbumFileFailure, AFullDiskLeavesThePreviousFile)
{
    TempDir dir;
    const QString path = AlbumFilePath(dir.path());
    ASSERT_TRUE(WriteAlbumFile(path, NumberedRecords(3)));
    const QByteArray before = ReadBytes(path);

    // The limit cuts through a record: the first write comes up short, the next one fails.
    EXPECT_EQ(saveWithFileSizeLimit(path, kMaxRecords, 1000), 0);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(EntryNames(dir.path()), QStringList({"Photos.dat"}));

    // The same child does save an album that fits under the limit.
    EXPECT_EQ(saveWithFileSizeLimit(path, 2, 1000), 1);
    EXPECT_EQ(ReadBytes(path).size(), 12 + 280 * 2);
}

TEST(AlbumFileFailure, UnwritablePlacesLeaveEverythingAsItWas)
{
    TempDir dir;
    // The folder is a regular file.
    WriteBytes(dir.file("data"), "not a folder");
    EXPECT_FALSE(WriteAlbumFile(AlbumFilePath(dir.file("data")), NumberedRecords(2)));
    EXPECT_EQ(ReadBytes(dir.file("data")), "not a folder");

    // The album's name is taken by a folder, so the final rename fails.
    ASSERT_TRUE(QDir(dir.path()).mkpath("Photos.dat/inside"));
    EXPECT_FALSE(WriteAlbumFile(dir.file("Photos.dat"), NumberedRecords(2)));
    EXPECT_EQ(EntryNames(dir.file("Photos.dat")), QStringList({"inside"}));
    EXPECT_EQ(EntryNames(dir.path()), QStringList({"Photos.dat", "data"}));
}

TEST(AlbumFileFailure, BackupCopiesTheFileExactlyOrLeavesEverythingAsItWas)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    EXPECT_FALSE(BackupAlbumFile(path));
    EXPECT_TRUE(EntryNames(dir.path()).isEmpty());

    QByteArray bytes = HeaderBytes();
    for (int i = 0; i < 150; ++i)
        bytes += RecordBytes(QByteArray::number(i), "/p", static_cast<std::uint32_t>(i));
    bytes += QByteArray(100, '\xFF'); // a partial record is copied too
    WriteBytes(path, bytes);
    WriteBytes(path + ".bak", "an older backup");
    ASSERT_TRUE(BackupAlbumFile(path));
    EXPECT_EQ(ReadBytes(path + ".bak"), bytes);

    ASSERT_TRUE(QFile::remove(path + ".bak") && QDir(dir.path()).mkdir("Photos.dat.bak"));
    EXPECT_FALSE(BackupAlbumFile(path));
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(EntryNames(dir.path()), QStringList({"Photos.dat", "Photos.dat.bak"}));
    EXPECT_TRUE(EntryNames(dir.file("Photos.dat.bak")).isEmpty());
}
