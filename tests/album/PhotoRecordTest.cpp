#include "album/PhotoRecord.h"

#include "AlbumBytes.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(PhotoRecord, EncodingPutsEachFieldAtItsOffsetLittleEndian)
{
    PhotoRecord record = MakeRecord("Beach", "/home/ann/beach.bmp", -2);
    record.name[9] = 'Z'; // stale bytes after the NUL must not reach the file
    record.path[100] = 'Z';
    unsigned char out[kRecordSize];
    std::memset(out, 0xEE, sizeof out); // any byte the encoder leaves alone shows up
    EncodeRecord(record, out);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(out), sizeof out),
              RecordBytes("Beach", "/home/ann/beach.bmp", 0xFFFFFFFE));
}

TEST(PhotoRecord, ValuesThatDoNotFitAreRefusedLeavingTheRecordAsItWas)
{
    const QString longestPath = '/' + QString(254, 'a');
    const struct {
        bool (*set)(PhotoRecord &, const QString &);
        QString value;
    } refused[] = {{SetRecordName, QString(20, 'x')},     {SetRecordName, QString(20, u'é')},
                   {SetRecordName, QStringLiteral("中")}, {SetRecordName, QStringLiteral("a😀")},
                   {SetRecordName, QStringLiteral("a\0b")}, {SetRecordPath, longestPath + 'a'},
                   {SetRecordPath, longestPath.left(254) + u'é'}, {SetRecordPath, QStringLiteral("/a\0b")}};
    for (const auto &[set, value] : refused) {
        PhotoRecord record = MakeRecord("old", "/old", Gray4);
        const PhotoRecord before = record;
        EXPECT_FALSE(set(record, value)) << value.toStdString();
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << value.toStdString();
    }

    PhotoRecord record{};
    ASSERT_TRUE(SetRecordName(record, QString(19, u'é'))); // a byte each, not UTF-8's two
    EXPECT_EQ(RecordName(record), QString(19, u'é'));
    ASSERT_TRUE(SetRecordPath(record, longestPath));
    EXPECT_EQ(RecordPath(record).size(), 255);
}
