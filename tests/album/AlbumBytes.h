#pragma once

#include "album/PhotoRecord.h"

#include <QDir>
#include <QStringList>

#include <cstdint>
#include <stdexcept>
#include <vector>

// Album file bytes put together by hand, so that tests do not check the codec against itself.
inline QByteArray HeaderBytes() { return QByteArray("\x0C\0\0\0\x01\0\0\0\x01\0\0\0", 12); }

inline QByteArray RecordBytes(const QByteArray &name, const QByteArray &path, std::uint32_t grayLevel)
{
    QByteArray bytes(280, '\0');
    bytes.replace(0, name.size(), name).replace(20, path.size(), path);
    for (int i = 0; i < 4; ++i)
        bytes[276 + i] = static_cast<char>((grayLevel >> (8 * i)) & 0xFF);
    return bytes;
}

inline PhotoRecord MakeRecord(const QString &name, const QString &path, std::int32_t grayLevel)
{
    PhotoRecord record{};
    if (!SetRecordName(record, name) || !SetRecordPath(record, path))
        throw std::invalid_argument("test record does not fit");
    record.grayLevel = grayLevel;
    return record;
}

// Named "n0", "n1", ...; their pictures "/p/0", "/p/1", ... or, given a data folder, its
// "p0.bmp", "p1.bmp", ... (which need not exist).
inline std::vector<PhotoRecord> NumberedRecords(int count, const QString &dataDir = QString())
{
    std::vector<PhotoRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back(MakeRecord(QStringLiteral("n%1").arg(i), dataDir.isEmpty() ? QStringLiteral("/p/%1").arg(i)
                                     : dataDir + QStringLiteral("/p%1.bmp").arg(i), Gray4));
    return records;
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Every name in the folder but "." and "..", hidden ones included, sorted.
inline QStringList EntryNames(const QString &directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}
