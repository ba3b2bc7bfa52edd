#include "AlbumToolRun.h"
#include "TestPictures.h"
#include "album/AlbumBytes.h"
#include "imaging/TestImages.h"
#include "support/QtPrinters.h"

#include "album/AlbumFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

// The picture render writes for the image with these options, to compare add's with.
QByteArray rendered(const AlbumToolHome &home, const QString &image, const QStringList &options)
{
    TempDir out;
    const ToolRun run = home.run(QStringList{"render"} + options + QStringList{image, out.file("r.bmp")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return ReadBytes(out.file("r.bmp"));
}

} // namespace

TEST(AlbumToolAdd, AddedPhotosFollowTheAlbumInOrder)
{
    AlbumToolHome home;
    TempDir data;
    TempDir images;
    WriteBytes(data.file("Photos.dat"), HeaderBytes() + RecordBytes("Old", "/elsewhere/x.bmp", 1));
    const QString summer = images.file("Sommer Straße am Meer.png");
    const QString night = images.file("日本\tnight.jpeg.png");
    SaveImage(testimg::photoLike(300, 200, 1), summer);
    SaveImage(testimg::photoLike(120, 260, 2), night);

    ToolRun run = home.run({"add", "--data-dir", data.path(), "--gray", "16", summer, night});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
    const QStringList progress = run.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(progress.size(), 2) << run.err.toStdString();
    EXPECT_TRUE(progress[0].contains("1/2") && progress[0].contains(summer));
    EXPECT_TRUE(progress[1].contains("2/2") && progress[1].contains(night));

    run = home.run({"add", "--data-dir", data.path(), "--name", "Hütte", "--gray", "4", summer});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "") << "no progress line for a single image";

    run = home.run({"list", "--data-dir", data.path()});
    // Names: the first 15 characters Windows-1252 holds, without the extension.
    EXPECT_EQ(run.out, QString("1\tOld\t4\t/elsewhere/x.bmp\tmissing\n"
                               "2\tSommer Straße a\t16\t%1\n"
                               "3\tnight.jpeg\t16\t%2\n"
                               "4\tHütte\t4\t%3\n")
                           .arg(data.file("p0.bmp"), data.file("p1.bmp"), data.file("p2.bmp")));
    EXPECT_EQ(ReadBytes(data.file("p0.bmp")), rendered(home, summer, {"--gray", "16"}));
    EXPECT_EQ(ReadBytes(data.file("p1.bmp")), rendered(home, night, {"--gray", "16"}));
    EXPECT_EQ(ReadBytes(data.file("p2.bmp")), rendered(home, summer, {"--gray", "4"}));
    EXPECT_EQ(EntryNames(data.path()), QStringList({"Photos.dat", "p0.bmp", "p1.bmp", "p2.bmp"}));
}

TEST(AlbumToolAdd, GrayDepthAndContrastDefaultToTheEditorsSettings)
{
    AlbumToolHome home;
    TempDir data;
    TempDir images;
    const QString image = images.file("dunes.png");
    SaveImage(testimg::photoLike(260, 180, 3), image);

    // An unknown stored gray level is kept in the album and renders 16 grays, as in the editor.
    home.settings()->setValue("Parameters/Gray Level", 7);
    home.settings()->setValue("Parameters/Contrast", 400);
    ASSERT_EQ(home.run({"add", "--data-dir", data.path(), image}).status, 0);
    home.settings()->setValue("Parameters/Gray Level", 1);
    home.settings()->setValue("Parameters/Contrast", -300);
    ASSERT_EQ(home.run({"add", "--data-dir", data.path(), image}).status, 0);

    const AlbumReadResult album = ReadAlbumFile(AlbumFilePath(data.path()));
    ASSERT_EQ(album.records.size(), 2u);
    EXPECT_EQ(album.records[0].grayLevel, 7);
    EXPECT_EQ(album.records[1].grayLevel, Gray4);
    EXPECT_EQ(ReadBytes(data.file("p0.bmp")), rendered(home, image, {"--gray", "16", "--contrast", "400"}));
    EXPECT_EQ(ReadBytes(data.file("p1.bmp")), rendered(home, image, {"--gray", "4", "--contrast", "-300"}));
    EXPECT_NE(ReadBytes(data.file("p0.bmp")), rendered(home, image, {"--gray", "16", "--contrast", "0"}));
}

TEST(AlbumToolAdd, StopsWhenTheAlbumIsFull)
{
    AlbumToolHome home;
    TempDir data;
    TempDir images;
    const QString first = images.file("first.png");
    const QString second = images.file("second.png");
    SaveImage(testimg::photoLike(64, 64, 4), first);
    SaveImage(testimg::photoLike(64, 64, 5), second);
    ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(data.path()), NumberedRecords(kMaxRecords - 1)));

    const ToolRun run = home.run({"add", "--data-dir", data.path(), first, second});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("full") && run.err.contains(second)) << run.err.toStdString();
    const AlbumReadResult album = ReadAlbumFile(AlbumFilePath(data.path()));
    ASSERT_EQ(album.records.size(), std::size_t(kMaxRecords));
    EXPECT_EQ(RecordName(album.records.back()), "first");
    EXPECT_EQ(EntryNames(data.path()), QStringList({"Photos.dat", "p0.bmp"}));
}

TEST(AlbumToolAdd, AnAlbumThatCannotBeSavedKeepsNoNewPicture)
{
    AlbumToolHome home;
    TempDir data;
    TempDir images;
    const QString image = images.file("lake.png");
    SaveImage(testimg::photoLike(90, 70, 6), image);
    ASSERT_TRUE(QDir(data.path()).mkdir("Photos.dat"));

    const ToolRun run = home.run({"add", "--data-dir", data.path(), image});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(data.file("Photos.dat"))) << run.err.toStdString();
    EXPECT_EQ(EntryNames(data.path()), QStringList({"Photos.dat"}));
}
