#include "album/AlbumFile.h"

#include "album/LittleEndian.h"
#include "imaging/AtomicFile.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <climits>

namespace {

// What the handheld's transfer program expects; nothing here reads them back.
constexpr std::array<std::int32_t, 3> kHeaderWords = {12, 1, 1};
static_assert(kHeaderWords.size() * 4 == kHeaderSize);

// Whole records past the table, counted from the size so that a huge file is never read.
int recordsBeyondTable(qint64 fileSize)
{
    const qint64 whole = (fileSize - kHeaderSize) / kRecordSize;
    return static_cast<int>(std::clamp<qint64>(whole - kMaxRecords, 0, INT_MAX));
}

} // namespace

QString AlbumFilePath(const QString &dataDir)
{
    return dataDir + QStringLiteral("/Photos.dat");
}

AlbumReadResult ReadAlbumFile(const QString &path)
{
    AlbumReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) // refuses a folder too
        return result;
    result.opened = true;

    char bytes[kRecordSize];
    if (file.read(bytes, kHeaderSize) != kHeaderSize)
        return result;
    while (result.records.size() < kMaxRecords && file.read(bytes, kRecordSize) == kRecordSize)
        result.records.push_back(DecodeRecord(reinterpret_cast<const unsigned char *>(bytes)));
    if (result.records.size() == kMaxRecords)
        result.notLoaded = recordsBeyondTable(file.size());
    return result;
}

bool WriteAlbumFile(const QString &path, const std::vector<PhotoRecord> &recordsInOrder)
{
    QByteArray bytes(kHeaderSize + kRecordSize * qsizetype(recordsInOrder.size()), Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(bytes.data());
    for (std::size_t i = 0; i < kHeaderWords.size(); ++i)
        PutLittleEndian32(out + 4 * i, kHeaderWords[i]);
    for (std::size_t i = 0; i < recordsInOrder.size(); ++i)
        EncodeRecord(recordsInOrder[i], out + kHeaderSize + kRecordSize * i);
    return imaging::writeFileAtomically(path, bytes);
}

bool BackupAlbumFile(const QString &path)
{
    // Read whole, as writeFileAtomically takes the new content in one piece.
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    return source.error() == QFileDevice::NoError
           && imaging::writeFileAtomically(path + QStringLiteral(".bak"), bytes);
}
