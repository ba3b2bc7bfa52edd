// Several images are rendered at once, one per core; the album is the one a single core makes.
#include "AlbumToolRun.h"
#include "TestPictures.h"
#include "album/AlbumBytes.h"
#include "album/AlbumFile.h"
#include "imaging/TestImages.h"

#include <gtest/gtest.h>

#include <QDir>

#include <sched.h>

TEST(AlbumToolAdd, ImagesRenderedTogetherAreAddedInTheGivenOrderAsOnOneCore)
{
    AlbumToolHome home;
    TempDir images;
    TempDir data;
    // The first takes longest, so on more than one core the next ones are rendered before it.
    const QStringList files = {images.file("large.png"), images.file("small1.png"), images.file("damaged.jpg"),
                               images.file("small2.png")};
    SaveImage(testimg::photoLike(2400, 1800, 31), files[0]);
    SaveImage(testimg::photoLike(40, 30, 32), files[1]);
    WriteBytes(files[2], "\xFF\xD8\xFF\xE0 not really a JPEG");
    SaveImage(testimg::photoLike(30, 40, 33), files[3]);
    cpu_set_t every;
    ASSERT_EQ(sched_getaffinity(0, sizeof every, &every), 0);

    QMap<QString, QByteArray> albums[2];
    for (const bool oneCore : {true, false}) {
        SCOPED_TRACE(oneCore ? "one core" : "every core");
        ASSERT_TRUE(QDir(data.path()).removeRecursively() && QDir().mkpath(data.path()));
        cpu_set_t cores = every; // the tool inherits this process's cores
        for (int core = CPU_SETSIZE - 1; oneCore && CPU_COUNT(&cores) > 1; --core)
            CPU_CLR(core, &cores);
        ASSERT_EQ(sched_setaffinity(0, sizeof cores, &cores), 0);
        const ToolRun run = home.run(QStringList{"add", "--data-dir", data.path(), "--gray", "16"} + files);
        ASSERT_EQ(sched_setaffinity(0, sizeof every, &every), 0);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("vellumo-album: 3/4 " + files[2] + " was not added: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith("\nvellumo-album: 1 of 4 images were not added\n")) << run.err.toStdString();
        QStringList names;
        for (const PhotoRecord &record : ReadAlbumFile(AlbumFilePath(data.path())).records)
            names << RecordName(record);
        EXPECT_EQ(names, QStringList({"large", "small1", "small2"}));
        albums[oneCore] = FolderSnapshot(data.path());
    }
    EXPECT_EQ(albums[0], albums[1]);
}
