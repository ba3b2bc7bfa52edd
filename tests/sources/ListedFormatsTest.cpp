#include "imaging/Bitmap.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

// Every format of the "Add Photo" filter list that ImageMagick can write here is made from
// one picture and must load with its size. (FlashPix, DICOM, MacPaint and MS Paint files
// cannot be written by ImageMagick, so they have no fixture.)
TEST(ListedFormatsTest, EveryWritableListedFormatLoads)
{
    const QString convert = QStringLiteral("/usr/bin/convert");
    if (!QFileInfo(convert).isExecutable())
        GTEST_SKIP() << "ImageMagick is not installed";
    TempDir dir;
    QImage base(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            base.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    ASSERT_TRUE(base.save(dir.file("base.png")));

    const std::pair<const char *, const char *> formats[] = {
        {"bmp", "bmp"}, {"jpg", "jpg"}, {"pcx", "pcx"}, {"pcd", "pcd"}, {"psd", "psd"},
        {"png", "png"}, {"tga", "tga"}, {"pct", "pict"}, {"ico", "ico"}, {"dcx", "dcx"},
        {"tiff", "tiff"}, {"tif", "tif"}, {"img", "sun"}};
    for (const auto &[suffix, coder] : formats) {
        const QString file = dir.file(QStringLiteral("picture.%1").arg(QLatin1String(suffix)));
        QProcess make;
        make.start(convert, {dir.file("base.png"), QStringLiteral("%1:%2").arg(QLatin1String(coder), file)});
        ASSERT_TRUE(make.waitForFinished(30000));
        ASSERT_TRUE(QFileInfo(file).size() > 0) << suffix;
        ImgBitmap picture;
        EXPECT_TRUE(picture.Load(file)) << suffix;
        // Photo CD stores fixed sizes; every other format keeps the picture's own.
        if (QLatin1String(suffix) != QLatin1String("pcd")) {
            EXPECT_EQ(picture.GetWidth(), 64) << suffix;
            EXPECT_EQ(picture.GetHeight(), 48) << suffix;
        }
    }
}
