// Every way a save can fail must leave the previous files as they were, no temporary or
// half-written file behind, and tell the user.
#include "ChildProcess.h"

#include "album/Settings.h"
#include "cli/AlbumTool.h"
#include "imaging/AtomicFile.h"
#include "imaging/TestImages.h"
#include "support/AlbumWindowFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

using imaging::AtomicWriteStep;

AtomicWriteStep g_failing;

// Runs `save` with that step of every atomic write failing.
bool failStep(AtomicWriteStep step, const std::function<bool()> &save)
{
    g_failing = step;
    imaging::setAtomicWriteFaultHook([](AtomicWriteStep now) { return now == g_failing; });
    const bool wrong = save();
    imaging::setAtomicWriteFaultHook(nullptr);
    return wrong;
}

// A folder replaced by a regular file while `save` runs.
bool folderBecameAFile(const QString &dir, const std::function<bool()> &save)
{
    const bool aside = QDir().rename(dir, dir + ".aside");
    WriteBytes(dir, "was a folder");
    const bool wrong = !aside || save() || ReadBytes(dir) != "was a folder";
    return !QFile::remove(dir) || !QDir().rename(dir + ".aside", dir) || wrong;
}

} // namespace

TEST_F(AlbumWindowTest, EveryFailedAlbumSaveKeepsThePreviousFileAndSaysWhy)
{
    writeAlbum(NumberedRecords(10, m_data.path()));
    const QString album = AlbumFilePath(m_data.path());
    const QByteArray before = ReadBytes(album);
    CAlbumDlg dlg;
    open(dlg);
    delete list(dlg)->takeItem(0); // so that a save would change the file
    QString reason;   // what the message must say after "Error saving photo album.  "
    const auto save = [&] {
        const size_t shown = m_messages.shown().size();
        return dlg.SaveAlbum() || shownSince(shown) != "Error: Error saving photo album.  " + reason;
    };
    const QString full = "Check to see if the disk is full.", io = "Input/output error.";
    const QString gone = "The folder " + m_data.path() + " no longer exists.";
    // Each run is true when the save went wrong the wrong way: it saved, or said nothing or the wrong thing.
    const std::tuple<const char *, QString, std::function<bool()>> faults[] = {
        {"failing open", io, [&] { return failStep(AtomicWriteStep::Open, save); }},
        {"short write", full, [&] { return failStep(AtomicWriteStep::Write, save); }},
        {"failing flush", io, [&] { return failStep(AtomicWriteStep::Flush, save); }},
        {"failing rename", io, [&] { return failStep(AtomicWriteStep::Rename, save); }},
        {"disk full after 1000 bytes", full, [&] { return RunInChild([&] { return save() ? 1 : 0; }, RLIMIT_FSIZE, 1000) != 0; }},
        {"data folder became a regular file", gone, [&] { return folderBecameAFile(m_data.path(), save); }},
        {"data folder gone", gone, [&] {
            const bool aside = QDir().rename(m_data.path(), m_data.path() + ".aside");
            return !aside | save() | !QDir().rename(m_data.path() + ".aside", m_data.path()); }},
        {"a user who may not write there", "The folder " + m_data.path() + " is read-only.",
         [&] { return RunInChild([&] { return setuid(65534) != 0 || save() ? 1 : 0; }) != 0; }},
    };
    for (const auto &[why, expected, run] : faults) {
        reason = expected;
        EXPECT_FALSE(run()) << why;
        EXPECT_EQ(ReadBytes(album), before) << why;
        EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat"})) << why;
    }
    // The album's name taken by a folder: the folder and its content stay, nothing else is left.
    ASSERT_TRUE(QFile::remove(album) && QDir().mkpath(album + "/inside"));
    reason = "Is a directory.";   // no cause of the three: the system's words
    EXPECT_FALSE(save());
    EXPECT_EQ(EntryNames(album), QStringList({"inside"}));
    EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat"}));
    // With every fault gone the same save goes through and drops the first photo.
    ASSERT_TRUE(QDir(album).removeRecursively());
    EXPECT_TRUE(dlg.SaveAlbum());
    EXPECT_EQ(NamesInFile(m_data.path()).size(), 9);
}

// The tool's add writes the picture, then the album: when the album cannot be saved, the picture goes again.
// An album that cannot be backed up is not saved, by the tool or the window.
TEST_F(AlbumWindowTest, AnAlbumThatCannotBeSavedOrBackedUpIsLeftWithoutTheAddedPictureAndSaysWhy)
{
    TempDir files;
    ASSERT_TRUE(testimg::photoLike(300, 200, 1).save(files.file("photo.png")));
    const QString album = AlbumFilePath(m_data.path());
    static int renames;
    const struct { const char *why; QByteArray trailing; QString said; } rows[] = {
        {"the album's rename failing", {}, "cannot save the album file " + album + ". Input/output error."},
        {"its backup's name taken by a folder", "x", "cannot keep the album file " + album + " as " + album + ".bak. Is a directory."},
    };
    for (const auto &r : rows) {
        writeAlbum(NumberedRecords(2, m_data.path()));
        WriteBytes(album, ReadBytes(album) + r.trailing);
        ASSERT_TRUE(r.trailing.isEmpty() || QDir().mkpath(album + ".bak"));
        const QByteArray before = ReadBytes(album);
        const QStringList entries = EntryNames(m_data.path());
        renames = 0;
        if (r.trailing.isEmpty())   // the picture's rename goes through, the album's fails
            imaging::setAtomicWriteFaultHook([](AtomicWriteStep step) { return step == AtomicWriteStep::Rename && ++renames == 2; });
        QString said;
        QTextStream out(&said);
        EXPECT_EQ(RunAlbumTool({"add", "--data-dir", m_data.path(), files.file("photo.png")}, out, out), 1) << r.why;
        imaging::setAtomicWriteFaultHook(nullptr);
        EXPECT_TRUE(said.endsWith("vellumo-album: " + r.said + "\n")) << r.why << ": " << qPrintable(said);
        EXPECT_EQ(ReadBytes(album), before) << r.why;
        EXPECT_EQ(EntryNames(m_data.path()), entries) << r.why;
    }
    CAlbumDlg dlg;   // the window too: the album it could not back up is left as it was
    open(dlg);
    const QByteArray before = ReadBytes(album);
    const size_t shown = m_messages.shown().size();
    EXPECT_FALSE(dlg.SaveAlbum());
    EXPECT_EQ(shownSince(shown), "Error: Error saving photo album.  Is a directory.");
    EXPECT_EQ(ReadBytes(album), before);
}

TEST(SettingsFault, AFolderThatBecameAFileMakesSyncFail)
{
    Settings settings;
    settings.setGrayLevel(2);
    ASSERT_TRUE(settings.sync()); // the folder exists and takes the file
    int level = 3;
    EXPECT_FALSE(folderBecameAFile(QFileInfo(QSettings().fileName()).absolutePath(), [&] {
        settings.setGrayLevel(level++);
        return settings.sync();
    }));
}
