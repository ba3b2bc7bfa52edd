#include "AlbumToolRun.h"
#include "album/AlbumBytes.h"
#include "support/QtPrinters.h"

#include "album/AlbumFile.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QStringList namesIn(const QString &dataDir)
{
    QStringList names;
    for (const PhotoRecord &record : ReadAlbumFile(AlbumFilePath(dataDir)).records)
        names << RecordName(record);
    return names;
}

} // namespace

TEST(AlbumToolEdit, RemoveDeletesOnlyThePictureFilesOfTheDataDirectory)
{
    AlbumToolHome home;
    TempDir data;
    TempDir elsewhere;
    for (const char *name : {"p0.bmp", "p1.bmp", "p7.bmp"})
        WriteBytes(data.file(name), name);
    WriteBytes(elsewhere.file("p3.bmp"), "not the album's");
    ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(data.path()),
                               {MakeRecord("zero", data.file("p0.bmp"), Gray4),
                                MakeRecord("foreign", elsewhere.file("p3.bmp"), Gray4),
                                MakeRecord("seven", data.file("p7.bmp"), Gray16),
                                MakeRecord("gone", data.file("p9.bmp"), Gray4)}));

    ToolRun run = home.run({"remove", "--data-dir", data.path(), "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.contains(elsewhere.file("p3.bmp"))) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(elsewhere.file("p3.bmp")));
    EXPECT_EQ(namesIn(data.path()), QStringList({"zero", "seven", "gone"}));

    run = home.run({"remove", "--data-dir", data.path(), "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(namesIn(data.path()), QStringList({"zero", "gone"}));
    EXPECT_EQ(EntryNames(data.path()), QStringList({"Photos.dat", "p0.bmp", "p1.bmp"}));

    // A picture file that is already missing is no reason to keep the photo.
    run = home.run({"remove", "--data-dir", data.path(), "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(namesIn(data.path()), QStringList({"zero"}));
}

TEST(AlbumToolEdit, RenameAndMoveChangeTheAlbumAsTheWindowDoes)
{
    AlbumToolHome home;
    TempDir data;
    ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(data.path()), NumberedRecords(3)));
    const auto edit = [&](const QStringList &arguments) {
        const ToolRun run = home.run(QStringList{arguments[0], "--data-dir", data.path()} + arguments.mid(1));
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return namesIn(data.path());
    };

    EXPECT_EQ(edit({"rename", "2", "Größe €15 ÿ"}), QStringList({"n0", "Größe €15 ÿ", "n2"}));
    EXPECT_EQ(edit({"rename", "3", "Fifteen chars.."}), QStringList({"n0", "Größe €15 ÿ", "Fifteen chars.."}));
    EXPECT_EQ(edit({"move", "1", "down"}), QStringList({"Größe €15 ÿ", "n0", "Fifteen chars.."}));
    EXPECT_EQ(edit({"move", "3", "up"}), QStringList({"Größe €15 ÿ", "Fifteen chars..", "n0"}));
    EXPECT_EQ(edit({"move", "2", "up"}), QStringList({"Fifteen chars..", "Größe €15 ÿ", "n0"}));

    const AlbumReadResult album = ReadAlbumFile(AlbumFilePath(data.path()));
    ASSERT_EQ(album.records.size(), 3u);
    EXPECT_EQ(RecordPath(album.records[0]), "/p/2") << "a record moves with its picture";
    EXPECT_EQ(RecordPath(album.records[2]), "/p/0");
}
