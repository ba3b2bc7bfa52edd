#include "album/AlbumFile.h"

#include "album/LittleEndian.h"
#include "imaging/AtomicFile.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Closes the descriptor on every way out.
struct FileDescriptor {
    explicit FileDescriptor(int fd) : fd(fd) {}
    ~FileDescriptor() { ::close(fd); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int fd;
};

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
    fileSize = std::max<qint64>(fileSize, start.size());
    if (result.records.size() == kMaxRecords)
        result.notLoaded = recordsBeyondTable(fileSize);
    // An empty file holds nothing to keep.
    result.keepBeforeSave = fileSize > 0 && fileSize != kHeaderSize + kRecordSize * qint64(result.records.size());
    return result;
}

AlbumReadResult ReadAlbumFile(const QString &path)
{
    const auto unreadable = [](const QString &why) {
        AlbumReadResult result;
        result.error = why;
        return result;
    };
    const auto systemError = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    // Non-blocking, so that a pipe in its place is refused rather than waited on.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? AlbumReadResult() : unreadable(systemError());
    const FileDescriptor closer(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return unreadable(systemError());
    if (S_ISDIR(status.st_mode))
        return unreadable(QString::fromLocal8Bit(std::strerror(EISDIR)));
    if (!S_ISREG(status.st_mode))
        return unreadable(QStringLiteral("it is not a regular file"));
    QByteArray start(kHeaderSize + qsizetype(kRecordSize) * kMaxRecords, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < start.size()) {
        const ssize_t n = ::read(fd, start.data() + got, size_t(start.size() - got));
        if (n < 0 && errno != EINTR)
            return unreadable(systemError());
        if (n == 0)
            break;
        got += std::max<ssize_t>(n, 0);
    }
    start.truncate(got);
    return ParseAlbum(start, status.st_size);
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
