#pragma once

#include "album/PhotoRecord.h"

#include <QStringList>

#include <cstdint>
#include <vector>

// Album file bytes put together by hand, so that tests do not check the codec against itself.
QByteArray HeaderBytes();
QByteArray RecordBytes(const QByteArray &name, const QByteArray &path, std::uint32_t grayLevel);

PhotoRecord MakeRecord(const QString &name, const QString &path, std::int32_t grayLevel);
// Named "n0", "n1", ... so that order and identity can be told apart.
std::vector<PhotoRecord> NumberedRecords(int count);

QByteArray ReadBytes(const QString &path);
void WriteBytes(const QString &path, const QByteArray &bytes);
QStringList EntryNames(const QString &directory);
