// Every save leaves the files as the user set them up, and costs the same at any file size; files
// that claim huge pictures, or are huge without being pictures, are refused without allocating
// what they claim and without being read whole.
#include "ChildProcess.h"
#include "CraftedFiles.h"

#include "cli/AlbumTool.h"
#include "imaging/AtomicFile.h"
#include "imaging/JpegDecoder.h"
#include "imaging/TestImages.h"
#include "support/AlbumWindowFixture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Records "n0", "n1", ... (one of them renamed) with path "/p<i>" and gray level 1.
QByteArray HandMadeAlbum(int records, int renamed = -1, const QByteArray &newName = {})
{
    QByteArray bytes = HeaderBytes();
    for (int i = 0; i < records; ++i)
        bytes += RecordBytes(i == renamed ? newName : "n" + QByteArray::number(i), "/p" + QByteArray::number(i), 1);
    return bytes;
}

// With huge, then zeros up to 3 GiB that take no disk and a marker at the end.
constexpr qint64 kHugeSize = qint64(3) << 30;
void WriteFile(const QString &path, const QByteArray &bytes, bool huge = false)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    ASSERT_TRUE(!huge || (file.seek(kHugeSize - 8) && file.write("the end.") == 8));
}

bool ToolRenamesTheFirst(const QString &dataDir)
{
    QTextStream stream(stderr);
    return RunAlbumTool({"rename", "--data-dir", dataDir, "1", "X"}, stream, stream) == 0;
}

} // namespace

TEST_F(AlbumWindowTest, AnOverLongAlbumOfGigabytesIsKeptAsItsBackupAtASmallFilesCost)
{
    const QString album = AlbumFilePath(m_data.path()), backup = album + ".bak";
    CAlbumDlg dlg;
    struct Row { const char *why; bool window, hardLinksFail; QByteArray saved; };
    const Row rows[] = {
        {"the tool's rename", false, false, HandMadeAlbum(100, 0, "X")},
        {"the tool's rename where hard links fail", false, true, HandMadeAlbum(100, 0, "X")},
        {"the window's first save", true, false, HandMadeAlbum(100)}, // last: from then on the window holds the album
    };
    const auto backupAt = [&](qint64 offset, qint64 count) {
        QFile file(backup);
        return file.open(QIODevice::ReadOnly) && file.seek(offset) ? file.read(count) : QByteArray();
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.why);
        QFile::remove(backup);
        WriteFile(album, HandMadeAlbum(101), true);
        if (row.window)
            open(dlg);
        // In a child that may grow by 256 MiB and read and write 4 MiB (else 90): room for any album.
        EXPECT_EQ(RunInChild([&] {
            imaging::setAtomicWriteFaultHook(row.hardLinksFail ? +[](imaging::AtomicWriteStep step) {
                return step == imaging::AtomicWriteStep::Link; } : nullptr);
            const long long before = IoCount("rchar:") + IoCount("wchar:");
            const bool saved = row.window ? dlg.SaveAlbum() : ToolRenamesTheFirst(m_data.path());
            return IoCount("rchar:") + IoCount("wchar:") - before > (4 << 20) ? 90 : int(saved);
        }, RLIMIT_AS, 256 << 20), 1);
        EXPECT_EQ(ReadBytes(album), row.saved);
        EXPECT_EQ(QFileInfo(backup).size(), kHugeSize);
        EXPECT_EQ(backupAt(0, 12 + 280 * 101 + 8), HandMadeAlbum(101) + QByteArray(8, 0));
        EXPECT_EQ(backupAt(kHugeSize - 16, 16), QByteArray(8, 0) + "the end.");
        EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat", "Photos.dat.bak"}));
    }
}

// An album kept in a synced folder and linked in, files only their owner may read.
TEST_F(AlbumWindowTest, ASaveChangesTheContentAndKeepsLinksModeAndOwner)
{
    TempDir synced;
    const QString album = AlbumFilePath(m_data.path()), target = synced.file("Album.dat");
    ASSERT_EQ(::symlink("Album.dat", QFile::encodeName(synced.file("hop"))), 0);
    CAlbumDlg dlg;
    struct Row { const char *why; QString link; mode_t mode; std::function<bool()> save; QByteArray saved; };
    const Row rows[] = {
        {"the tool through an absolute link to a relative one", synced.file("hop"), 0640,
         [&] { return ToolRenamesTheFirst(m_data.path()); }, HandMadeAlbum(3, 0, "X")},
        {"the window through a relative link", // last: from then on the window holds the album
         "../" + QFileInfo(synced.path()).fileName() + "/Album.dat", 0600,
         [&] { open(dlg); delete list(dlg)->takeItem(0); return dlg.SaveAlbum(); },
         HandMadeAlbum(3).remove(12, 280)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.why);
        QFile::remove(album);
        WriteFile(target, HandMadeAlbum(3));
        const QByteArray path = QFile::encodeName(target);
        ASSERT_EQ(::chmod(path, row.mode), 0);
        ASSERT_EQ(::chown(path, 1234, 5678), 0); // the tests run as root
        ASSERT_EQ(::symlink(QFile::encodeName(row.link), QFile::encodeName(album)), 0);
        EXPECT_TRUE(row.save());
        EXPECT_TRUE(QFileInfo(album).isSymLink());
        EXPECT_EQ(ReadBytes(target), row.saved);
        struct stat saved {};
        ASSERT_EQ(::stat(path, &saved), 0);
        EXPECT_EQ(std::make_tuple(saved.st_mode & 0777, saved.st_uid, saved.st_gid),
                  std::make_tuple(row.mode, 1234u, 5678u));
        EXPECT_EQ(EntryNames(synced.path()), QStringList({"Album.dat", "hop"}));
    }
}

TEST(Bounds, HugeClaimsAreRefusedWithoutAllocatingOrReadingThem)
{
    TempDir dir;
    // 0 refused, 1 loaded, -1 died, in a child whose memory could not hold a 250-megapixel
    // picture (1 GB at 4 bytes a pixel) but holds far more than refusing it needs.
    const auto loadInChild = [](const QString &path) {
        return RunInChild([&] { return ImgBitmap().Load(path) ? 1 : 0; }, RLIMIT_AS, 256 << 20);
    };
    const QByteArray sparse; // a gigabyte of zeros that takes no disk
    QBuffer progressive; // its last scan then repeated: 600 scans of warnings, each decoded again
    QImageWriter writer(&progressive, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(testimg::photoLike(64, 48, 3)));
    const QByteArray jpeg = progressive.data(), lastScan = jpeg.mid(jpeg.lastIndexOf("\xFF\xDA")).chopped(2);
    const std::pair<const char *, QByteArray> files[] = {
        {"bomb.bmp", crafted::bmpHeader(60000, 60000)}, {"bomb.png", crafted::pngHeader(60000, 60000)},
        {"bomb.pcx", crafted::pcxHeader(60000, 60000)}, {"rle-bomb.bmp", crafted::emptyRunLengthBmp(60000, 60000)},
        {"large.bmp", crafted::bmpHeader(20000, 12600)}, // 252 megapixels
        {"large.png", crafted::pngHeader(16000, 16000)}, // 256 megapixels
        {"large-rle.bmp", crafted::emptyRunLengthBmp(20000, 12600)},
        {"x.jpg", sparse}, {"x.bmp", sparse}, {"x.png", sparse}, {"x.gif", sparse}, {"x.tif", sparse},
        {"x.tga", sparse}, {"x.pcx", sparse}, {"x.psd", sparse}, {"scans.jpg", jpeg.chopped(2) + lastScan.repeated(600) + "\xFF\xD9"}};
    constexpr off_t kGigabyte = off_t(1) << 30;
    for (const auto &[name, bytes] : files) {
        const QString path = dir.file(name);
        WriteBytes(path, bytes);
        ASSERT_TRUE(!bytes.isEmpty() || truncate(path.toLocal8Bit().constData(), kGigabyte) == 0);
        EXPECT_EQ(loadInChild(path), 0) << name;
        const long long before = IoCount("rchar:");
        ImgBitmap picture;
        EXPECT_FALSE(picture.Load(path) || picture.IsAllocated()) << name;
        EXPECT_LT(IoCount("rchar:") - before, kGigabyte / 16) << name;
        QFile::remove(path);
    }
    const std::atomic<bool> calledOff{true};   // the editor closed before its full picture came
    EXPECT_TRUE(imaging::decodeJpeg({reinterpret_cast<const uint8_t *>(jpeg.constData()), size_t(jpeg.size())}, 1, &calledOff).isNull());
    // The same child loads a picture that fits, so its limit is no reason for a refusal.
    WriteBytes(dir.file("fits.bmp"), crafted::emptyRunLengthBmp(1000, 1000));
    EXPECT_EQ(loadInChild(dir.file("fits.bmp")), 1);
}
