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

AlbumReadResult ParseAlbum(QByteArrayView start, qint64 fileSize)
{
    AlbumReadResult result;
    result.opened = true;
    const qsizetype whole = start.size() < kHeaderSize ? 0 : (start.size() - kHeaderSize) / kRecordSize;
    const auto *bytes = reinterpret_cast<const unsigned char *>(start.data());
    for (qsizetype i = 0; i < std::min<qsizetype>(whole, kMaxRecords); ++i)
        result.records.push_back(DecodeRecord(bytes + kHeaderSize + kRecordSize * i));
    if (result.records.size() == kMaxRecords)
        result.notLoaded = recordsBeyondTable(std::max<qint64>(fileSize, start.size()));
    return result;
}

AlbumReadResult ReadAlbumFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) // refuses a folder too
        return {};
    const QByteArray start = file.read(kHeaderSize + qint64(kRecordSize) * kMaxRecords);
    return ParseAlbum(start, file.size());
}

QByteArray EncodeAlbum(const std::vector<PhotoRecord> &recordsInOrder)
{
    QByteArray bytes(kHeaderSize + kRecordSize * qsizetype(recordsInOrder.size()), Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(bytes.data());
    for (std::size_t i = 0; i < kHeaderWords.size(); ++i)
        PutLittleEndian32(out + 4 * i, kHeaderWords[i]);
    for (std::size_t i = 0; i < recordsInOrder.size(); ++i)
        EncodeRecord(recordsInOrder[i], out + kHeaderSize + kRecordSize * i);
    return bytes;
}

bool WriteAlbumFile(const QString &path, const std::vector<PhotoRecord> &recordsInOrder)
{
    return imaging::writeFileAtomically(path, EncodeAlbum(recordsInOrder));
}

bool BackupAlbumFile(const QString &path)
{
    return imaging::keepCopyAtomically(path, path + QStringLiteral(".bak"));
}
