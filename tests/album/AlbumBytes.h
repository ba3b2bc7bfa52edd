#pragma once

#include "album/PhotoRecord.h"

#include <QStringList>

#include <cstdint>
#include <vector>

// Album file bytes put together by hand, so that tests do not check the codec against itself.
QByteArray HeaderBytes();
QByteArray RecordBytes(const QByteArray &name, const QByteArray &path, std::uint32_t grayLevel);
PhotoRecord MakeRecord(const QString &name, const QString &path, std::int32_t grayLevel);
// Named "n0", "n1", ...; their pictures "/p/0", "/p/1", ... or, given a data folder, its
// "p0.bmp", "p1.bmp", ... (which need not exist).
std::vector<PhotoRecord> NumberedRecords(int count, const QString &dataDir = QString());
QByteArray ReadBytes(const QString &path);
void WriteBytes(const QString &path, const QByteArray &bytes);
// Every name in the folder but "." and "..", hidden ones included, sorted.
QStringList EntryNames(const QString &directory);
