#include "AlbumToolRun.h"
#include "album/AlbumBytes.h"
#include "support/QtPrinters.h"

#include "album/AlbumFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

TEST(AlbumToolList, PrintsEveryWholeRecordOfAnAlbumFile)
{
    AlbumToolHome home;
    TempDir data;
    WriteBytes(data.file("p0.bmp"), "picture");
    const QByteArray present = QFile::encodeName(data.file("p0.bmp"));
    WriteBytes(data.file("Photos.dat"),
               HeaderBytes() + RecordBytes("Caf\xE9", present, 1)
                   + RecordBytes("\x80 5 Stra\xDF" "e", "/nowhere/p1.bmp", 2)
                   + RecordBytes("Zo\xEB \x9F", present, 7)
                   + RecordBytes("partial", present, 1).left(150));

    const ToolRun run = home.run({"list", "--data-dir", data.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, QString("1\tCafé\t4\t%1\n"
                               "2\t€ 5 Straße\t16\t/nowhere/p1.bmp\tmissing\n"
                               "3\tZoë Ÿ\t7\t%1\n")
                           .arg(data.file("p0.bmp")));
}

TEST(AlbumToolList, AlbumsWithoutWholeRecordsPrintNothing)
{
    AlbumToolHome home;
    TempDir data;
    const auto listed = [&] {
        const ToolRun run = home.run({"list", "--data-dir", data.path()});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        return run.out;
    };
    EXPECT_EQ(listed(), "") << "no album file";
    WriteBytes(data.file("Photos.dat"), HeaderBytes());
    EXPECT_EQ(listed(), "") << "header only";
    WriteBytes(data.file("Photos.dat"), HeaderBytes() + RecordBytes("a", "/a", 1).left(279));
    EXPECT_EQ(listed(), "") << "a partial record";
    QFile::remove(data.file("Photos.dat"));
    ASSERT_TRUE(QDir(data.path()).mkdir("Photos.dat"));
    EXPECT_EQ(listed(), "") << "a folder in the album file's place";
}

TEST(AlbumToolList, WithoutDataDirTheAlbumCreatorsFolderIsUsed)
{
    AlbumToolHome home;
    TempDir data;
    WriteBytes(data.file("Photos.dat"), HeaderBytes() + RecordBytes("Mine", "/m.bmp", 2));

    // No setting: the default folder is created and written back.
    ToolRun run = home.run({"list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(QFileInfo(home.defaultDataDir()).isDir());
    EXPECT_EQ(home.settings()->value("Directories/DataDir").toString(), home.defaultDataDir());

    home.settings()->setValue("Directories/DataDir", data.path());
    run = home.run({"list"});
    EXPECT_EQ(run.out, "1\tMine\t16\t/m.bmp\tmissing\n");
    EXPECT_EQ(home.settings()->value("Directories/DataDir").toString(), data.path());

    // A setting that names nothing is replaced by the default folder.
    home.settings()->setValue("Directories/DataDir", data.file("gone"));
    run = home.run({"list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(home.settings()->value("Directories/DataDir").toString(), home.defaultDataDir());
}

TEST(AlbumToolList, AnOverfullAlbumShowsItsFirstHundredAndIsKeptBeforeASave)
{
    AlbumToolHome home;
    TempDir data;
    const QString album = AlbumFilePath(data.path());
    ASSERT_TRUE(WriteAlbumFile(album, NumberedRecords(kMaxRecords + 3)));
    const QByteArray asFound = ReadBytes(album);

    ToolRun run = home.run({"list", "--data-dir", data.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.count('\n'), kMaxRecords);
    EXPECT_TRUE(run.out.endsWith("100\tn99\t4\t/p/99\tmissing\n"));
    EXPECT_TRUE(run.err.contains("3 more photos")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(album + ".bak"));

    run = home.run({"move", "--data-dir", data.path(), "1", "down"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(album + ".bak"), asFound);
    const AlbumReadResult saved = ReadAlbumFile(album);
    ASSERT_EQ(saved.records.size(), std::size_t(kMaxRecords));
    EXPECT_EQ(RecordName(saved.records[0]), "n1");
    EXPECT_EQ(RecordName(saved.records[1]), "n0");
    EXPECT_EQ(saved.notLoaded, 0);
}
