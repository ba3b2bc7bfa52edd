#include "album/AlbumFile.h"

#include "AlbumBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

QStringList namesIn(const QString &path)
{
    QStringList names;
    for (const PhotoRecord &record : ReadAlbumFile(path).records)
        names << RecordName(record);
    return names;
}

} // namespace

TEST(AlbumFile, SavingWritesTheHeaderAndTheRecordsInTheGivenOrder)
{
    TempDir dir;
    const QString path = AlbumFilePath(dir.path());
    EXPECT_EQ(path, dir.file("Photos.dat"));
    ASSERT_TRUE(WriteAlbumFile(path, {}));
    const unsigned char header[] = {0x0C, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(ReadBytes(path), QByteArray(reinterpret_cast<const char *>(header), 12));

    const PhotoRecord a = MakeRecord("Alps", "/pics/alps.jpg", Gray4);
    const PhotoRecord b = MakeRecord("Beach", "/pics/beach.png", Gray16);
    const PhotoRecord c = MakeRecord("Cat", "/c.bmp", Gray16);
    ASSERT_TRUE(WriteAlbumFile(path, {a, b, c}));
    EXPECT_EQ(ReadBytes(path), HeaderBytes() + RecordBytes("Alps", "/pics/alps.jpg", 1)
                                   + RecordBytes("Beach", "/pics/beach.png", 2)
                                   + RecordBytes("Cat", "/c.bmp", 2));
    ASSERT_TRUE(WriteAlbumFile(path, {c, a, b}));
    EXPECT_EQ(namesIn(path), QStringList({"Cat", "Alps", "Beach"}));
    ASSERT_TRUE(WriteAlbumFile(path, {c, b}));
    EXPECT_EQ(ReadBytes(path), HeaderBytes() + RecordBytes("Cat", "/c.bmp", 2)
                                   + RecordBytes("Beach", "/pics/beach.png", 2));
    EXPECT_EQ(EntryNames(dir.path()), QStringList({"Photos.dat"}));
}

TEST(AlbumFile, OnlyWholeRecordsAfterTheHeaderAreRead)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    EXPECT_FALSE(ReadAlbumFile(path).opened);
    ASSERT_TRUE(QDir(dir.path()).mkdir("Photos.dat"));
    EXPECT_FALSE(ReadAlbumFile(path).opened);
    ASSERT_TRUE(QDir(dir.path()).rmdir("Photos.dat"));

    const QByteArray three = HeaderBytes() + RecordBytes("a", "/a", 1) + RecordBytes("b", "/b", 2)
                             + RecordBytes("c", "/c", 1);
    for (const int size : {0, 5, 11, 12, 12 + 279}) {
        WriteBytes(path, three.left(size));
        const AlbumReadResult read = ReadAlbumFile(path);
        EXPECT_TRUE(read.opened && read.records.empty()) << size;
    }
    WriteBytes(path, three + QByteArray(100, 'x'));
    EXPECT_EQ(namesIn(path), QStringList({"a", "b", "c"}));
}

TEST(AlbumFile, RecordsBeyondTheTableAreCountedNotLoaded)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    for (const int stored : {3, 100, 101, 150}) {
        QByteArray bytes = HeaderBytes();
        for (int i = 0; i < stored; ++i)
            bytes += RecordBytes(QByteArray::number(i), "/p", 1);
        WriteBytes(path, bytes + QByteArray(279, 'x'));
        const AlbumReadResult read = ReadAlbumFile(path);
        const int loaded = std::min(stored, kMaxRecords);
        ASSERT_EQ(read.records.size(), std::size_t(loaded)) << stored;
        EXPECT_EQ(RecordName(read.records.back()), QString::number(loaded - 1));
        EXPECT_EQ(read.notLoaded, stored - loaded);
    }
}

TEST(AlbumFile, FieldsWithoutTheirNulAndAnyGrayLevelRoundTrip)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    // No NUL before the gray level, whose bytes are not zero either.
    const QByteArray bytes =
        HeaderBytes() + RecordBytes(QByteArray(20, 'N'), QByteArray(256, 'P'), 0x11223344);
    WriteBytes(path, bytes);
    const AlbumReadResult read = ReadAlbumFile(path);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(RecordName(read.records[0]), QString(20, 'N'));
    EXPECT_EQ(RecordPath(read.records[0]), QByteArray(256, 'P'));
    EXPECT_EQ(read.records[0].grayLevel, 0x11223344);
    ASSERT_TRUE(WriteAlbumFile(path, read.records));
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(AlbumFile, NonAsciiNamesRoundTripAsCodePageBytes)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    const QString name = QStringLiteral("€ Œ‰™ café");
    ASSERT_TRUE(WriteAlbumFile(path, {MakeRecord(name, QStringLiteral("/é/€.png"), Gray4)}));
    EXPECT_EQ(ReadBytes(path).mid(12, 11), QByteArray("\x80 \x8C\x89\x99 caf\xE9", 11));
    const AlbumReadResult read = ReadAlbumFile(path);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(RecordName(read.records[0]), name);
    EXPECT_EQ(RecordPathString(read.records[0]), QStringLiteral("/é/€.png"));
}
