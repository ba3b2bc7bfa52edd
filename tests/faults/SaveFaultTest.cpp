// Every way a save can fail must leave the previous files as they were, no temporary or
// half-written file behind, and tell the user.
#include "ChildProcess.h"

#include "album/AlbumFile.h"
#include "editor/PictureStore.h"
#include "imaging/AtomicFile.h"
#include "imaging/Bitmap.h"
#include "support/AlbumWindowFixture.h"
#include "support/MessageBoxRecorder.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString kAlbumSaveError =
    QStringLiteral("Error saving photo album.  Check to see if the disk is full.");

imaging::AtomicWriteStep g_failingStep = imaging::AtomicWriteStep::Open;
bool failChosenStep(imaging::AtomicWriteStep step)
{
    return step == g_failingStep;
}

// Another program takes the name between the writer choosing it and renaming onto it.
QString g_nameToTake;
bool takeNameWhileWriting(imaging::AtomicWriteStep step)
{
    if (step == imaging::AtomicWriteStep::Open)
        QDir().mkdir(g_nameToTake);
    return false;
}

struct FaultHook {
    explicit FaultHook(imaging::AtomicWriteFaultHook hook) { imaging::setAtomicWriteFaultHook(hook); }
    ~FaultHook() { imaging::setAtomicWriteFaultHook(nullptr); }
};

struct InjectedStep {
    imaging::AtomicWriteStep step;
    const char *name;
};
const InjectedStep kInjectedSteps[] = {
    {imaging::AtomicWriteStep::Open, "failing open"},
    {imaging::AtomicWriteStep::Write, "short write"},
    {imaging::AtomicWriteStep::Flush, "failing flush"},
    {imaging::AtomicWriteStep::Rename, "failing rename"},
};

// Moves a data directory aside and puts a regular file in its place for the scope.
class DirectoryBecameFile {
public:
    explicit DirectoryBecameFile(const QString &dir) : m_dir(dir), m_aside(dir + ".aside")
    {
        m_ok = QDir().rename(m_dir, m_aside);
        QFile file(m_dir);
        m_ok = m_ok && file.open(QIODevice::WriteOnly) && file.write(kContent) == kContent.size();
    }
    ~DirectoryBecameFile()
    {
        QFile::remove(m_dir);
        QDir().rename(m_aside, m_dir);
    }
    bool ok() const { return m_ok; }
    bool fileUntouched() const { return FileBytes(m_dir) == kContent; }

private:
    inline static const QByteArray kContent = "this was the data folder";
    QString m_dir;
    QString m_aside;
    bool m_ok = false;
};

ImgBitmap TestPicture()
{
    QImage image(160, 160, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.scanLine(y)[x] = uchar((x * 7 + y * 3) & 0xff);
    ImgBitmap picture = ImgBitmap::FromQImage(image);
    picture.ReduceColors(GrayPalette::Gray4());
    return picture;
}

QString PictureWriteFailedText(const QString &path)
{
    return QStringLiteral("Error saving the picture file %1.  Check to see if the disk is full.").arg(path);
}

} // namespace

TEST_F(AlbumWindowTest, EveryFailedAlbumSaveKeepsThePreviousFileAndSaysSo)
{
    writeAlbum(NumberedRecords(m_data, 10));
    const QString album = AlbumFilePath(m_data.path());
    const QByteArray before = FileBytes(album);
    MessageBoxRecorder messages;
    CAlbumDlg dlg;
    open(dlg);
    delete list(dlg)->takeItem(0); // so that a save would change the file
    size_t shown = 0;
    const auto expectRefusedAndTold = [&](const char *what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(FileBytes(album), before);
        EXPECT_EQ(EntriesOf(m_data.path()), QStringList({"Photos.dat"}));
        ASSERT_EQ(messages.shown().size(), shown + 1);
        EXPECT_EQ(messages.shown().back().text, kAlbumSaveError);
        EXPECT_EQ(messages.shown().back().caption, "Error");
        EXPECT_EQ(messages.shown().back().buttons, MessageButtons::Ok);
        shown = messages.shown().size();
    };

    for (const InjectedStep &injected : kInjectedSteps) {
        g_failingStep = injected.step;
        FaultHook hook(&failChosenStep);
        EXPECT_FALSE(dlg.SaveAlbum()) << injected.name;
        expectRefusedAndTold(injected.name);
    }

    {
        DirectoryBecameFile fault(m_data.path());
        ASSERT_TRUE(fault.ok());
        EXPECT_FALSE(dlg.SaveAlbum());
        EXPECT_TRUE(fault.fileUntouched());
    }
    expectRefusedAndTold("data folder became a regular file");

    // The album needs 2532 bytes; the child's disk is full after 1000. The child's
    // recorder is its own copy, so it reports through its exit code.
    const int child = RunWithFileSizeLimit(1000, [&] {
        const size_t before = messages.shown().size();
        const bool saved = dlg.SaveAlbum();
        const bool told = messages.shown().size() == before + 1
                          && messages.shown().back().text == kAlbumSaveError
                          && messages.shown().back().caption == "Error";
        return (saved ? 1 : 0) | (told ? 0 : 2);
    });
    EXPECT_EQ(child, 0);
    EXPECT_EQ(FileBytes(album), before);
    EXPECT_EQ(EntriesOf(m_data.path()), QStringList({"Photos.dat"}));

    // With every fault gone the same save goes through and drops the first photo.
    EXPECT_TRUE(dlg.SaveAlbum());
    EXPECT_NE(FileBytes(album), before);
    EXPECT_EQ(NamesInFile(m_data.path()).size(), 9);
    EXPECT_EQ(messages.shown().size(), shown);

    // The album's name taken by a folder: the previous file is gone with it, but the folder
    // and its content stay and nothing else is left.
    ASSERT_TRUE(QFile::remove(album));
    ASSERT_TRUE(QDir().mkpath(album + "/inside"));
    EXPECT_FALSE(dlg.SaveAlbum());
    EXPECT_EQ(EntriesOf(album), QStringList({"inside"}));
    ASSERT_EQ(messages.shown().size(), shown + 1);
    EXPECT_EQ(messages.shown().back().text, kAlbumSaveError);
    EXPECT_EQ(EntriesOf(m_data.path()), QStringList({"Photos.dat"}));
    ASSERT_TRUE(QDir(album).removeRecursively());
}

TEST(PictureSaveFault, EveryFailedPictureSaveLeavesNoFileAndNamesIt)
{
    TempDir dir;
    const QString album = AlbumFilePath(dir.path());
    ASSERT_TRUE(WriteAlbumFile(album, NumberedRecords(dir, 3)));
    const QByteArray albumBytes = FileBytes(album);
    const ImgBitmap picture = TestPicture();
    ASSERT_TRUE(picture.IsAllocated());
    const QString first = dir.file("p0.bmp");

    const auto expectWriteFailed = [&](const PictureSaveResult &result, const QString &dataDir,
                                       const QString &path, const char *what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(result.error, PictureSaveError::WriteFailed);
        EXPECT_EQ(result.path, path);
        EXPECT_EQ(PictureSaveErrorText(result, dataDir), PictureWriteFailedText(path));
    };

    for (const InjectedStep &injected : kInjectedSteps) {
        g_failingStep = injected.step;
        FaultHook hook(&failChosenStep);
        expectWriteFailed(SaveNewPicture(picture, dir.path()), dir.path(), first, injected.name);
        EXPECT_EQ(EntriesOf(dir.path()), QStringList({"Photos.dat"})) << injected.name;
        EXPECT_EQ(FileBytes(album), albumBytes) << injected.name;
    }

    {
        // The 12918-byte picture on a disk full after 1000 bytes.
        const int child = RunWithFileSizeLimit(1000, [&] {
            const PictureSaveResult result = SaveNewPicture(picture, dir.path());
            return (result.error == PictureSaveError::WriteFailed ? 0 : 1)
                   | (PictureSaveErrorText(result, dir.path()) == PictureWriteFailedText(first) ? 0 : 2);
        });
        EXPECT_EQ(child, 0);
        EXPECT_EQ(EntriesOf(dir.path()), QStringList({"Photos.dat"}));
        EXPECT_EQ(FileBytes(album), albumBytes);
    }

    {
        DirectoryBecameFile fault(dir.path());
        ASSERT_TRUE(fault.ok());
        expectWriteFailed(SaveNewPicture(picture, dir.path()), dir.path(), first,
                          "data folder became a regular file");
        EXPECT_TRUE(fault.fileUntouched());
    }
    EXPECT_EQ(EntriesOf(dir.path()), QStringList({"Photos.dat"}));
    EXPECT_EQ(FileBytes(album), albumBytes);

    {
        g_nameToTake = first;
        FaultHook hook(&takeNameWhileWriting);
        expectWriteFailed(SaveNewPicture(picture, dir.path()), dir.path(), first,
                          "name taken by a folder before the rename");
        EXPECT_TRUE(QFileInfo(first).isDir());
        EXPECT_TRUE(EntriesOf(first).isEmpty());
        EXPECT_EQ(EntriesOf(dir.path()), QStringList({"Photos.dat", "p0.bmp"}));
        EXPECT_EQ(FileBytes(album), albumBytes);
        ASSERT_TRUE(QDir().rmdir(first));
    }

    // With the faults gone the same picture is saved, whole, under the first name.
    const PictureSaveResult saved = SaveNewPicture(picture, dir.path());
    EXPECT_EQ(saved.error, PictureSaveError::None);
    EXPECT_EQ(saved.path, first);
    EXPECT_EQ(EntriesOf(dir.path()), QStringList({"Photos.dat", "p0.bmp"}));
    EXPECT_EQ(QImage(first).size(), QSize(160, 160));
}
