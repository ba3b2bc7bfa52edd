#include "AlbumToolRun.h"
#include "TestPictures.h"
#include "album/AlbumBytes.h"
#include "imaging/TestImages.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

struct FramingExample {
    QSize source;
    QString view;
    QString initialFrame; // the editor's, in control pixels
    QString sourceRect;   // S as X,Y,W,H
    QSize fitted;
    QPoint placed;
};

QByteArray render(const AlbumToolHome &home, const QString &image, const QStringList &options)
{
    TempDir out;
    const ToolRun run = home.run(QStringList{"render"} + options + QStringList{image, out.file("r.bmp")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(EntryNames(out.path()), QStringList{"r.bmp"});
    return QFile::exists(out.file("r.bmp")) ? ReadBytes(out.file("r.bmp")) : QByteArray();
}

// The white picture's place on the black square.
QRect whiteArea(const QByteArray &bmp)
{
    const QImage grays = HandheldGrays(QImage::fromData(bmp, "BMP"));
    QRect area;
    for (int y = 0; y < grays.height(); ++y) {
        for (int x = 0; x < grays.width(); ++x) {
            if (grays.pixelColor(x, y).value() == 255)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

TEST(AlbumToolRender, ViewAndFrameReproduceTheEditorsFraming)
{
    // The editor's framing examples: three picture sizes, two crop-control sizes.
    const FramingExample examples[] = {
        {{100, 80}, "236x236", "78,78,158,158", "10,0,80,80", {160, 160}, {0, 0}},
        {{640, 480}, "236x236", "33,33,202,202", "79,0,478,478", {160, 160}, {0, 0}},
        {{203, 150}, "200x220", "30,40,170,180", "26,0,150,149", {160, 158}, {0, 1}},
    };
    AlbumToolHome home;
    TempDir images;
    for (const FramingExample &e : examples) {
        SCOPED_TRACE(testing::Message() << e.source.width() << "x" << e.source.height());
        const QString photo = images.file("photo.png");
        SaveImage(testimg::photoLike(e.source.width(), e.source.height(), 9), photo);
        const QByteArray initial = render(home, photo, {"--view", e.view});
        EXPECT_EQ(render(home, photo, {"--view", e.view, "--frame", e.initialFrame}), initial);
        EXPECT_EQ(render(home, photo, {"--crop", e.sourceRect}), initial);
        // A frame a pixel further right takes other source pixels.
        QStringList moved = e.initialFrame.split(',');
        moved[0] = QString::number(moved[0].toInt() + 1);
        moved[2] = QString::number(moved[2].toInt() + 1);
        EXPECT_NE(render(home, photo, {"--view", e.view, "--frame", moved.join(',')}), initial);

        const QString white = images.file("white.png");
        QImage blank(e.source, QImage::Format_RGB32);
        blank.fill(Qt::white);
        SaveImage(blank, white);
        EXPECT_EQ(whiteArea(render(home, white, {"--view", e.view})), QRect(e.placed, e.fitted));
    }
    const QString white = images.file("white.png");
    EXPECT_EQ(whiteArea(render(home, white, {"--crop", "0,0,200,100"})), QRect(0, 40, 160, 80));
    EXPECT_EQ(whiteArea(render(home, white, {"--crop", "3,0,50,150"})), QRect(53, 0, 53, 160));
}

TEST(AlbumToolRender, WritesOnlyItsPictureWithTheEditorsSettings)
{
    AlbumToolHome home;
    TempDir images;
    const QString photo = images.file("photo.png");
    SaveImage(testimg::photoLike(150, 110, 10), photo);

    const QByteArray fourGrays = render(home, photo, {});
    EXPECT_FALSE(QFile::exists(home.settingsFile()));
    EXPECT_FALSE(QFile::exists(home.defaultDataDir()));
    EXPECT_EQ(fourGrays.size(), 12918);
    EXPECT_EQ(fourGrays, render(home, photo, {"--gray", "4", "--contrast", "0"}));

    home.settings()->setValue("Parameters/Gray Level", 2);
    home.settings()->setValue("Parameters/Contrast", -250);
    const QByteArray sixteenGrays = render(home, photo, {});
    EXPECT_EQ(sixteenGrays, render(home, photo, {"--gray", "16", "--contrast", "-250"}));
    EXPECT_NE(sixteenGrays, render(home, photo, {"--gray", "16", "--contrast", "0"}));
    EXPECT_FALSE(QFile::exists(home.defaultDataDir()));
}
