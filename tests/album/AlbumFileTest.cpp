#include "album/AlbumFile.h"

#include "album/AlbumBytes.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(AlbumFile, SavingWritesTheHeaderAndTheRecordsInTheGivenOrder)
{
    TempDir dir;
    const QString path = AlbumFilePath(dir.path());
    EXPECT_EQ(path, dir.file("Photos.dat"));
    const PhotoRecord a = MakeRecord("Alps", "/pics/alps.jpg", Gray4);
    PhotoRecord b = MakeRecord("Beach", "/pics/beach.png", Gray16);
    b.name[9] = b.path[100] = 'Z'; // stale bytes after the NUL must not reach the file
    const struct { const char *why; std::vector<PhotoRecord> records; QByteArray bytes; } rows[] = {
        {"an empty album is the header alone", {}, QByteArray("\x0C\0\0\0\x01\0\0\0\x01\0\0\0", 12)},
        {"in the given order", {b, a}, HeaderBytes() + RecordBytes("Beach", "/pics/beach.png", 2)
                                           + RecordBytes("Alps", "/pics/alps.jpg", 1)},
        {"fewer records shorten the file", {a}, HeaderBytes() + RecordBytes("Alps", "/pics/alps.jpg", 1)},
    };
    for (const auto &row : rows) {
        ASSERT_TRUE(WriteAlbumFile(path, row.records)) << row.why;
        EXPECT_EQ(ReadBytes(path), row.bytes) << row.why;
        EXPECT_EQ(EntryNames(dir.path()), QStringList({"Photos.dat"})) << row.why;
    }
}

TEST(AlbumFile, ReadingTakesWholeRecordsAfterTheHeaderUpToTheTable)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    EXPECT_FALSE(ReadAlbumFile(path).opened) << "no file";
    ASSERT_TRUE(QDir(dir.path()).mkdir("Photos.dat"));
    EXPECT_FALSE(ReadAlbumFile(path).opened) << "a folder";
    ASSERT_TRUE(QDir(dir.path()).rmdir("Photos.dat"));

    const auto records = [](int count) {
        QByteArray bytes = HeaderBytes();
        for (int i = 0; i < count; ++i)
            bytes += RecordBytes(QByteArray::number(i), "/p", 1);
        return bytes;
    };
    const struct { const char *why; QByteArray bytes; int loaded, notLoaded; } rows[] = {
        {"empty", {}, 0, 0},
        {"shorter than the header", records(1).left(11), 0, 0},
        {"a partial record", records(1).left(12 + 279), 0, 0},
        {"three and 100 bytes", records(3) + QByteArray(100, 'x'), 3, 0},
        {"exactly 100", records(100), 100, 0},
        {"101 and a partial one", records(101) + QByteArray(279, 'x'), 100, 1},
        {"150", records(150), 100, 50},
    };
    for (const auto &row : rows) {
        WriteBytes(path, row.bytes);
        const AlbumReadResult read = ReadAlbumFile(path);
        EXPECT_TRUE(read.opened) << row.why;
        ASSERT_EQ(read.records.size(), std::size_t(row.loaded)) << row.why;
        EXPECT_TRUE(row.loaded == 0 || RecordName(read.records.back()) == QString::number(row.loaded - 1)) << row.why;
        EXPECT_EQ(read.notLoaded, row.notLoaded) << row.why;
    }
}

TEST(AlbumFile, FieldsWithoutTheirNulNonAsciiNamesAndAnyGrayLevelRoundTrip)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    // No NUL before the gray level, whose bytes are not zero either.
    const QByteArray bytes = HeaderBytes() + RecordBytes(QByteArray(20, 'N'), QByteArray(256, 'P'), 0x11223344)
                             + RecordBytes("\x80 \x8C\x89\x99 caf\xE9", "/\xC3\xA9.png", 2);
    WriteBytes(path, bytes);
    const AlbumReadResult read = ReadAlbumFile(path);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(RecordName(read.records[0]), QString(20, 'N'));
    EXPECT_EQ(RecordPath(read.records[0]), QByteArray(256, 'P'));
    EXPECT_EQ(read.records[0].grayLevel, 0x11223344);
    EXPECT_EQ(RecordName(read.records[1]), QStringLiteral("€ Œ‰™ café"));
    EXPECT_EQ(RecordPathString(read.records[1]), QStringLiteral("/é.png"));
    ASSERT_TRUE(WriteAlbumFile(path, read.records));
    EXPECT_EQ(ReadBytes(path), bytes);
}
