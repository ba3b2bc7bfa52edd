// Every save leaves the files as the user set them up, and costs the same at any file size.
#include "ChildProcess.h"

#include "cli/AlbumTool.h"
#include "imaging/AtomicFile.h"
#include "imaging/Bitmap.h"
#include "support/AlbumWindowFixture.h"

#include <QFileInfo>
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

// With huge, then zeros up to 3 GiB that take no disk, with markers in the middle and at the end.
constexpr qint64 kHugeSize = qint64(3) << 30;
void WriteFile(const QString &path, const QByteArray &bytes, bool huge = false)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    ASSERT_TRUE(!huge || (file.seek(kHugeSize / 2) && file.write("middle") == 6
                          && file.seek(kHugeSize - 8) && file.write("the end.") == 8));
}

// body in a child that may grow by 256 MiB and read and write 4 MiB (else 90): room for any album.
int RunSmall(const std::function<int()> &body)
{
    return RunInChild([&] {
        const long long before = IoCount("rchar:") + IoCount("wchar:");
        const int status = body();
        return IoCount("rchar:") + IoCount("wchar:") - before > (4 << 20) ? 90 : status;
    }, RLIMIT_AS, 256 << 20);
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
        {"the window's first save", true, false, HandMadeAlbum(100)},
        {"the tool's rename", false, false, HandMadeAlbum(100, 0, "X")},
        {"the tool's rename where hard links fail", false, true, HandMadeAlbum(100, 0, "X")},
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
        EXPECT_EQ(RunSmall([&] {
            imaging::setAtomicWriteFaultHook(row.hardLinksFail ? +[](imaging::AtomicWriteStep step) {
                return step == imaging::AtomicWriteStep::Link; } : nullptr);
            return row.window ? dlg.SaveAlbum() : ToolRenamesTheFirst(m_data.path());
        }), 1);
        EXPECT_EQ(ReadBytes(album), row.saved);
        EXPECT_EQ(QFileInfo(backup).size(), kHugeSize);
        EXPECT_EQ(backupAt(0, 12 + 280 * 101 + 8), HandMadeAlbum(101) + QByteArray(8, 0));
        EXPECT_EQ(backupAt(kHugeSize / 2 - 8, 16), QByteArray(8, 0) + "middle" + QByteArray(2, 0));
        EXPECT_EQ(backupAt(kHugeSize - 16, 16), QByteArray(8, 0) + "the end.");
        EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat", "Photos.dat.bak"}));
    }
}

// An album kept in a synced folder and linked in, files only their owner may read.
TEST_F(AlbumWindowTest, ASaveChangesTheContentAndKeepsLinksModeAndOwner)
{
    TempDir synced;
    const QString album = AlbumFilePath(m_data.path()), target = synced.file("Album.dat");
    const QString picture = m_data.file("p0.bmp");
    ASSERT_EQ(::symlink("Album.dat", QFile::encodeName(synced.file("hop"))), 0);
    CAlbumDlg dlg;
    struct Row { const char *why; QString path, link; mode_t mode; std::function<bool()> save; QByteArray saved; };
    const Row rows[] = {
        {"the window through a relative link", target,
         "../" + QFileInfo(synced.path()).fileName() + "/Album.dat", 0600,
         [&] { open(dlg); delete list(dlg)->takeItem(0); return dlg.SaveAlbum(); },
         HandMadeAlbum(3).remove(12, 280)},
        {"the tool through an absolute link to a relative one", target, synced.file("hop"), 0640,
         [&] { return ToolRenamesTheFirst(m_data.path()); }, HandMadeAlbum(3, 0, "X")},
        {"a picture", picture, "", 0604,
         [&] { return ImgBitmap::FromQImage(QImage(2, 2, QImage::Format_Grayscale8)).SaveBmp4(picture); },
         QByteArray("BM\x7e\0\0\0", 6)}, // 126 bytes: 14 + 40 header, 16 colours, 2 rows of 4
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.why);
        QFile::remove(album);
        WriteFile(row.path, HandMadeAlbum(3));
        const QByteArray path = QFile::encodeName(row.path);
        ASSERT_EQ(::chmod(path, row.mode), 0);
        ASSERT_EQ(::chown(path, 1234, 5678), 0); // the tests run as root
        ASSERT_TRUE(row.link.isEmpty() || ::symlink(QFile::encodeName(row.link), QFile::encodeName(album)) == 0);
        EXPECT_TRUE(row.save());
        EXPECT_EQ(QFileInfo(album).isSymLink(), !row.link.isEmpty());
        EXPECT_TRUE(ReadBytes(row.path).startsWith(row.saved));
        struct stat saved {};
        ASSERT_EQ(::stat(path, &saved), 0);
        EXPECT_EQ(std::make_tuple(saved.st_mode & 0777, saved.st_uid, saved.st_gid),
                  std::make_tuple(row.mode, 1234u, 5678u));
        EXPECT_EQ(EntryNames(synced.path()), QStringList({"Album.dat", "hop"}));
    }
}
