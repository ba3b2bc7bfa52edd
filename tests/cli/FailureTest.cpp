#include "AlbumToolRun.h"
#include "TestPictures.h"
#include "album/AlbumBytes.h"
#include "imaging/TestImages.h"
#include "support/QtPrinters.h"

#include "album/AlbumFile.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

struct FailureCase {
    QStringList arguments;
    QString named; // what the message must name
};

void expectOneLine(const ToolRun &run, int status, const QString &named)
{
    EXPECT_EQ(run.status, status);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("vellumo-album: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString() << " does not name " << named.toStdString();
}

} // namespace

TEST(AlbumToolFailures, HelpAndVersion)
{
    AlbumToolHome home;
    const ToolRun help = home.run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *command : {"list", "add", "render", "remove", "rename", "move"})
        EXPECT_TRUE(help.out.contains(QStringLiteral("\n  %1 ").arg(command))) << command;
    for (const char *option : {"--data-dir", "--name", "--gray", "--contrast", "--view", "--frame",
                               "--crop", "--full-decode", "--help", "--version"})
        EXPECT_TRUE(help.out.contains(QStringLiteral(" %1 ").arg(option))) << option;
    EXPECT_EQ(home.run({"render", "-h"}).out, help.out);

    const ToolRun version = home.run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("vellumo-album 1.")) << version.out.toStdString();
}

TEST(AlbumToolFailures, WrongUsageExitsWithTwoBeforeTouchingAnything)
{
    AlbumToolHome home;
    TempDir data;
    const QString out = data.file("out.bmp");
    const FailureCase cases[] = {
        {{}, "no command"},
        {{"frobnicate"}, "frobnicate"},
        {{"list", "--bogus"}, "--bogus"},
        {{"list", "-x"}, "-x"},
        {{"list", "extra"}, "vellumo-album list"},
        {{"render", "a.png"}, "IMAGE OUT.bmp"},
        {{"remove"}, "remove POS"},
        {{"rename", "1"}, "rename POS NAME"},
        {{"render", "--gray", "8", "a.png", out}, "--gray"},
        {{"render", "--contrast", "1001", "a.png", out}, "--contrast"},
        {{"render", "--contrast", "high", "a.png", out}, "--contrast"},
        {{"render", "--view", "10x300", "a.png", out}, "--view"},
        {{"render", "--view=236", "a.png", out}, "--view"},
        {{"render", "--frame", "5,5,5,9", "a.png", out}, "--frame"},
        {{"render", "--frame", "1,2,3", "a.png", out}, "--frame"},
        {{"render", "--crop", "0,0,0,5", "a.png", out}, "--crop"},
        {{"render", "--crop", "-1,0,5,5", "a.png", out}, "--crop"},
        {{"render", "--frame", "1,1,9,9", "--crop", "0,0,5,5", "a.png", out}, "--frame"},
        {{"render", "--view", "300x300", "--crop", "0,0,5,5", "a.png", out}, "--view"},
        {{"render", "--data-dir", data.path(), "a.png", out}, "--data-dir"},
        {{"render", "--full-decode=yes", "a.png", out}, "--full-decode"},
        {{"add", "a.png", "--name"}, "--name"},
        {{"add", "--gray", "4", "--gray", "16", "a.png"}, "--gray"},
        {{"list", "--data-dir="}, "--data-dir"},
        {{"remove", "first"}, "first"},
        {{"remove", "0"}, "0"},
        {{"move", "1", "sideways"}, "sideways"},
    };
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        expectOneLine(home.run(c.arguments), 2, c.named);
    }
    EXPECT_FALSE(QFile::exists(home.settingsFile()));
    EXPECT_FALSE(QFile::exists(home.defaultDataDir()));
    EXPECT_EQ(EntryNames(data.path()), QStringList());
}

TEST(AlbumToolFailures, FailuresExitWithOneNamingTheCauseAndChangeNothing)
{
    AlbumToolHome home;
    TempDir data;
    TempDir files;
    ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(data.path()), NumberedRecords(2)));
    const QString photo = files.file("photo.png");
    SaveImage(testimg::photoLike(300, 200, 13), photo);
    const QString garbage = files.file("garbage.jpg");
    WriteBytes(garbage, QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG"));
    QByteArray jpeg;
    {
        const QString whole = files.file("whole.jpg");
        SaveImage(testimg::photoLike(1600, 1200, 14), whole);
        jpeg = ReadBytes(whole);
        QFile::remove(whole);
    }
    const QString cutOff = files.file("cut-off.jpg");
    WriteBytes(cutOff, jpeg.left(jpeg.size() * 2 / 3));
    const QString plain = files.file("plain.txt");
    WriteBytes(plain, "text");
    const QString out = files.file("out.bmp");

    const FailureCase cases[] = {
        {{"render", garbage, out}, garbage},
        {{"render", cutOff, out}, cutOff},
        {{"render", files.file("missing.png"), out}, files.file("missing.png")},
        {{"render", photo, plain + "/out.bmp"}, plain + "/out.bmp"},
        {{"render", "--frame", "4,40,200,190", photo, out}, "--frame"},
        {{"render", "--view", "100x100", "--frame", "5,20,96,80", photo, out}, "--frame"},
        {{"render", "--crop", "100,0,201,200", photo, out}, "--crop"},
        {{"add", "--data-dir", data.path(), garbage}, garbage},
        {{"add", "--data-dir", data.path(), cutOff}, cutOff},
        {{"add", "--data-dir", data.path(), "--name", "Sixteen chars!!!", photo}, "Sixteen chars!!!"},
        {{"add", "--data-dir", data.path(), "--name", "日本", photo}, "日本"},
        {{"add", "--data-dir", files.file("nowhere"), photo}, files.file("nowhere")},
        {{"add", "--data-dir", plain, photo}, plain},
        {{"list", "--data-dir", plain + "/sub"}, plain + "/sub"},
        {{"remove", "--data-dir", data.path(), "3"}, "3"},
        {{"rename", "--data-dir", data.path(), "3", "x"}, "3"},
        {{"rename", "--data-dir", data.path(), "1", "Tab\there"}, "Tab\there"},
        {{"move", "--data-dir", data.path(), "1", "up"}, "1"},
        {{"move", "--data-dir", data.path(), "2", "down"}, "2"},
    };
    const QMap<QString, QByteArray> dataBefore = FolderSnapshot(data.path());
    const QMap<QString, QByteArray> filesBefore = FolderSnapshot(files.path());
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        expectOneLine(home.run(c.arguments), 1, c.named);
        EXPECT_EQ(FolderSnapshot(data.path()), dataBefore);
        EXPECT_EQ(FolderSnapshot(files.path()), filesBefore);
    }
}
