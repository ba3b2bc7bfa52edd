#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// One picture of the album, laid out exactly as the handheld's transfer program reads it.
struct PhotoRecord {
    char name[20];  // Windows-1252, NUL-terminated unless all 20 bytes are used
    char path[256]; // the file system's bytes, NUL-terminated unless all 256 bytes are used
    std::int32_t grayLevel;
};

static_assert(sizeof(PhotoRecord) == 280);
static_assert(offsetof(PhotoRecord, name) == 0);
static_assert(offsetof(PhotoRecord, path) == 20);
static_assert(offsetof(PhotoRecord, grayLevel) == 276);

// Values other than these are kept as stored.
enum GrayLevel : std::int32_t { Gray4 = 1, Gray16 = 2 };

inline constexpr int kRecordSize = 280;
inline constexpr int kHeaderSize = 12;
inline constexpr int kMaxRecords = 100;
// Bytes of path the record holds before its NUL.
inline constexpr int kPathFieldBytes = sizeof(PhotoRecord::path) - 1;

// The integer goes out little-endian whatever the host, and each text field as zeros after its NUL.
void EncodeRecord(const PhotoRecord &record, unsigned char out[kRecordSize]);
// Accepts any bytes: the fields are copied up to their NUL and zero-filled after it.
PhotoRecord DecodeRecord(const unsigned char in[kRecordSize]);

// The readers stop at the NUL or at the field's end, whichever comes first.
QString RecordName(const PhotoRecord &record);
QByteArray RecordPath(const PhotoRecord &record);
QString RecordPathString(const PhotoRecord &record);

// Both return false and leave the record unchanged when the value does not fit its field
// (19 bytes for a name, 255 for a path, plus the NUL), holds a NUL, or, for a name,
// holds a character Windows-1252 cannot encode.
bool SetRecordName(PhotoRecord &record, const QString &name);
bool SetRecordPath(PhotoRecord &record, const QString &path);
// True when SetRecordPath would take the path.
bool PathFitsRecord(const QString &path);
