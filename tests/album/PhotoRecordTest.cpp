#include "album/PhotoRecord.h"

#include "album/AlbumBytes.h"

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
    const struct { bool (*set)(PhotoRecord &, const QString &); QString value; bool fits; } rows[] = {
        {SetRecordName, QString(19, u'é'), true}, // a byte each, not UTF-8's two
        {SetRecordName, QString(20, 'x'), false},
        {SetRecordName, QString(20, u'é'), false},
        {SetRecordName, QStringLiteral("中"), false},
        {SetRecordName, QStringLiteral("a😀"), false},
        {SetRecordName, QStringLiteral("a\0b"), false},
        {SetRecordPath, longestPath, true},
        {SetRecordPath, longestPath + 'a', false},
        {SetRecordPath, longestPath.left(254) + u'é', false}, // two bytes in the file system's UTF-8
        {SetRecordPath, QStringLiteral("/a\0b"), false},
    };
    for (const auto &[set, value, fits] : rows) {
        PhotoRecord record = MakeRecord("old", "/old", Gray4);
        const PhotoRecord before = record;
        EXPECT_EQ(set(record, value), fits) << value.toStdString();
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record) == 0, !fits) << value.toStdString();
        EXPECT_TRUE(set == SetRecordName || PathFitsRecord(value) == fits) << value.toStdString();
    }
    PhotoRecord record{};
    ASSERT_TRUE(SetRecordName(record, QString(19, u'é')) && SetRecordPath(record, longestPath));
    EXPECT_EQ(RecordName(record), QString(19, u'é'));
    EXPECT_EQ(RecordPath(record), longestPath.toLatin1());
}
