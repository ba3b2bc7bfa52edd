#include "album/AlbumFile.h"

#include "album/AlbumBytes.h"
#include "faults/ChildProcess.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

// What is written reads back as it was: fields without their NUL, code page names, any gray.
TEST(AlbumFile, SavingWritesTheHeaderAndTheRecordsInTheGivenOrderAndReadingGivesThemBack)
{
    TempDir dir;
    const QString path = AlbumFilePath(dir.path());
    EXPECT_EQ(path, dir.file("Photos.dat"));
    const PhotoRecord a = MakeRecord("Alps", "/pics/alps.jpg", Gray4);
    PhotoRecord b = MakeRecord("€ Œ‰™ café", "/é.png", Gray16), full{};
    b.name[15] = b.path[100] = 'Z'; // stale bytes after the NUL must not reach the file
    std::memset(full.name, 'N', sizeof full.name);
    std::memset(full.path, 'P', sizeof full.path);
    full.grayLevel = 0x11223344;
    const struct { const char *why; std::vector<PhotoRecord> records; QByteArray bytes; } rows[] = {
        {"an empty album is the header alone", {}, QByteArray("\x0C\0\0\0\x01\0\0\0\x01\0\0\0", 12)},
        {"in the given order", {b, a}, HeaderBytes() + RecordBytes("\x80 \x8C\x89\x99 caf\xE9", "/\xC3\xA9.png", 2)
                                           + RecordBytes("Alps", "/pics/alps.jpg", 1)},
        {"fewer records shorten the file", {a}, HeaderBytes() + RecordBytes("Alps", "/pics/alps.jpg", 1)},
        {"no NUL before the gray", {full}, HeaderBytes() + RecordBytes(QByteArray(20, 'N'), QByteArray(256, 'P'), 0x11223344)},
    };
    const auto fields = [](const std::vector<PhotoRecord> &records) {
        QStringList shown;
        for (const PhotoRecord &record : records)
            shown << RecordName(record) + '|' + RecordPathString(record) + '|' + QString::number(record.grayLevel);
        return shown;
    };
    for (const auto &row : rows) {
        ASSERT_TRUE(WriteAlbumFile(path, row.records)) << row.why;
        EXPECT_EQ(ReadBytes(path), row.bytes) << row.why;
        EXPECT_EQ(EntryNames(dir.path()), QStringList({"Photos.dat"})) << row.why;
        EXPECT_EQ(fields(ReadAlbumFile(path).records), fields(row.records)) << row.why;
    }
    EXPECT_EQ(fields({full}), QStringList({QString(20, 'N') + '|' + QString(256, 'P') + "|287454020"}));
}

// Whole records after the header up to the table; a file a save would not give back as it was is
// marked to keep. No file is an empty album; one there that cannot be read gives the reason.
TEST(AlbumFile, ReadingTakesWholeRecordsUpToTheTableAndMarksWhatASaveWouldLose)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    EXPECT_TRUE(!ReadAlbumFile(path).opened && ReadAlbumFile(path).error.isEmpty()) << "no file";
    ASSERT_TRUE(QFile::link("Photos.dat", path)); // a folder, a loop of links
    EXPECT_EQ(ReadAlbumFile(dir.path()).error + '|' + ReadAlbumFile(path).error, "Is a directory|Too many levels of symbolic links");
    ASSERT_TRUE(QFile::remove(path));

    const auto records = [](int count) {
        QByteArray bytes = HeaderBytes();
        for (int i = 0; i < count; ++i)
            bytes += RecordBytes(QByteArray::number(i), "/p", 1);
        return bytes;
    };
    const struct { const char *why; QByteArray bytes; int loaded, notLoaded; bool keep; } rows[] = {
        {"empty", {}, 0, 0, false}, {"shorter than the header", records(1).left(11), 0, 0, true},
        {"the header alone", records(0), 0, 0, false}, {"a partial record", records(1).left(12 + 279), 0, 0, true},
        {"three and 100 bytes", records(3) + QByteArray(100, 'x'), 3, 0, true}, {"exactly 100", records(100), 100, 0, false},
        {"101 and a partial one", records(101) + QByteArray(279, 'x'), 100, 1, true}, {"150", records(150), 100, 50, true},
    };
    for (const auto &row : rows) {
        WriteBytes(path, row.bytes);
        const AlbumReadResult read = ReadAlbumFile(path);
        EXPECT_TRUE(read.opened && read.error.isEmpty()) << row.why;
        ASSERT_EQ(read.records.size(), std::size_t(row.loaded)) << row.why;
        EXPECT_TRUE(row.loaded == 0 || RecordName(read.records.back()) == QString::number(row.loaded - 1)) << row.why;
        EXPECT_EQ(read.notLoaded, row.notLoaded) << row.why;
        EXPECT_EQ(read.keepBeforeSave, row.keep) << row.why;
    }
    // The tests run as root: a user the file is not open to gets the system's reason.
    EXPECT_EQ(RunInChild([&] { return setgid(65534) || setuid(65534) || ReadAlbumFile(path).error != "Permission denied"; }), 0);
}
