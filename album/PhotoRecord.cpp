#include "album/PhotoRecord.h"

#include "album/LittleEndian.h"
#include "album/Windows1252.h"

#include <QFile>

#include <cstring>

namespace {

// A text field's bytes end at its first NUL, or at its end when it has none.
std::size_t fieldLength(const char *field, std::size_t size)
{
    return strnlen(field, size);
}

// Zero-fills after the bytes so that nothing stale ever reaches the file.
void fillField(char *field, std::size_t size, const char *bytes, std::size_t length)
{
    std::memcpy(field, bytes, length);
    std::memset(field + length, 0, size - length);
}

void copyField(char *to, const char *from, std::size_t size)
{
    fillField(to, size, from, fieldLength(from, size));
}

// Room is kept for the NUL; an embedded NUL would silently cut the value short.
bool fitsField(const QByteArray &bytes, std::size_t size)
{
    return static_cast<std::size_t>(bytes.size()) < size && !bytes.contains('\0');
}

bool storeField(char *field, std::size_t size, const QByteArray &bytes)
{
    if (!fitsField(bytes, size))
        return false;
    fillField(field, size, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

} // namespace

void EncodeRecord(const PhotoRecord &record, unsigned char out[kRecordSize])
{
    auto *bytes = reinterpret_cast<char *>(out);
    copyField(bytes + offsetof(PhotoRecord, name), record.name, sizeof record.name);
    copyField(bytes + offsetof(PhotoRecord, path), record.path, sizeof record.path);
    PutLittleEndian32(out + offsetof(PhotoRecord, grayLevel), record.grayLevel);
}

PhotoRecord DecodeRecord(const unsigned char in[kRecordSize])
{
    const auto *bytes = reinterpret_cast<const char *>(in);
    PhotoRecord record;
    copyField(record.name, bytes + offsetof(PhotoRecord, name), sizeof record.name);
    copyField(record.path, bytes + offsetof(PhotoRecord, path), sizeof record.path);
    record.grayLevel = GetLittleEndian32(in + offsetof(PhotoRecord, grayLevel));
    return record;
}

QString RecordName(const PhotoRecord &record)
{
    const std::size_t length = fieldLength(record.name, sizeof record.name);
    return FromWindows1252(record.name, static_cast<qsizetype>(length));
}

QByteArray RecordPath(const PhotoRecord &record)
{
    const std::size_t length = fieldLength(record.path, sizeof record.path);
    return QByteArray(record.path, static_cast<qsizetype>(length));
}

QString RecordPathString(const PhotoRecord &record)
{
    return QFile::decodeName(RecordPath(record));
}

bool SetRecordName(PhotoRecord &record, const QString &name)
{
    bool ok = false;
    const QByteArray bytes = ToWindows1252(name, &ok);
    return ok && storeField(record.name, sizeof record.name, bytes);
}

bool SetRecordPath(PhotoRecord &record, const QString &path)
{
    return storeField(record.path, sizeof record.path, QFile::encodeName(path));
}

bool PathFitsRecord(const QString &path)
{
    return fitsField(QFile::encodeName(path), sizeof PhotoRecord::path);
}
