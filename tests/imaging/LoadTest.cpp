#include "CraftedFiles.h"
#include "TestImages.h"

#include "support/TempDir.h"

#include "imaging/Bitmap.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

TEST(BitmapLoad, ReadsWhatQtWrites)
{
    TempDir dir;
    const QImage photo = testimg::photoLike(61, 37, 10);
    for (const char *format : {"png", "jpg", "bmp", "tiff", "webp"}) {
        const QString path = dir.file(QString("photo.") + format);
        ASSERT_TRUE(testimg::writeFile(path, encoded(photo, format, 95)));
        ImgBitmap bitmap;
        ASSERT_TRUE(bitmap.Load(path)) << format;
        EXPECT_EQ(bitmap.GetWidth(), 61);
        EXPECT_EQ(bitmap.GetHeight(), 37);
        EXPECT_EQ(bitmap.GetOrientation(), 1);
        EXPECT_EQ(bitmap.ToQImage().format(), QImage::Format_RGB32);
    }
    ImgBitmap png;
    ASSERT_TRUE(png.Load(dir.file("photo.png")));
    EXPECT_EQ(png.ToQImage(), photo);
}

TEST(BitmapLoad, GrayFilesStayGray)
{
    TempDir dir;
    const QImage gray = testimg::gray(20, 10, [](int x, int y) { return x * 12 + y; });
    ASSERT_TRUE(testimg::writeFile(dir.file("gray.png"), encoded(gray, "png")));
    ImgBitmap bitmap;
    ASSERT_TRUE(bitmap.Load(dir.file("gray.png")));
    EXPECT_EQ(bitmap.ToQImage(), gray);
}

TEST(BitmapLoad, ExifOrientationIsApplied)
{
    // Left half red, right half blue, top half with green: told to turn clockwise, red ends up
    // on top and the green half on the right.
    const QImage upright = testimg::color(40, 20, [](int x, int y) {
        return qRgb(x < 20 ? 255 : 0, y < 10 ? 255 : 0, x < 20 ? 0 : 255);
    });
    TempDir dir;
    const QString path = dir.file("turned.jpg");
    ASSERT_TRUE(testimg::writeFile(path, crafted::withExifOrientation(encoded(upright, "jpg", 100), 6)));
    ImgBitmap bitmap;
    ASSERT_TRUE(bitmap.Load(path));
    EXPECT_EQ(bitmap.GetWidth(), 20);
    EXPECT_EQ(bitmap.GetHeight(), 40);
    EXPECT_EQ(bitmap.GetOrientation(), 1);
    const QImage out = bitmap.ToQImage();
    EXPECT_TRUE(near(out.pixel(15, 5), qRgb(255, 255, 0), 40));
    EXPECT_TRUE(near(out.pixel(4, 5), qRgb(255, 0, 0), 40));
    EXPECT_TRUE(near(out.pixel(15, 35), qRgb(0, 255, 255), 40));
    EXPECT_TRUE(near(out.pixel(4, 35), qRgb(0, 0, 255), 40));
}

TEST(BitmapLoad, TransparencyIsFlattenedOntoWhite)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 255));
    image.setPixel(2, 0, qRgba(255, 0, 0, 128));
    TempDir dir;
    ASSERT_TRUE(testimg::writeFile(dir.file("alpha.png"), encoded(image, "png")));
    ImgBitmap bitmap;
    ASSERT_TRUE(bitmap.Load(dir.file("alpha.png")));
    const QImage out = bitmap.ToQImage();
    EXPECT_EQ(out.format(), QImage::Format_RGB32);
    EXPECT_EQ(out.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(out.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(out.pixel(2, 0), qRgb(255, 127, 127));
    EXPECT_EQ(ImgBitmap::FromQImage(image).ToQImage(), out);
}

TEST(BitmapLoad, OlderFormatsComeThroughImageMagick)
{
    if (!testimg::hasImageMagick("convert"))
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    TempDir dir;
    const QImage photo = testimg::photoLike(45, 27, 11);
    ASSERT_TRUE(testimg::writeFile(dir.file("source.png"), encoded(photo, "png")));
    // Qt has no PCX reader at all, and rejects the TGA that ImageMagick writes.
    for (const char *format : {"pcx", "tga"}) {
        const QString path = dir.file(QString("legacy.") + format);
        ASSERT_TRUE(testimg::runImageMagick("convert", {dir.file("source.png"), path}));
        ImgBitmap bitmap;
        ASSERT_TRUE(bitmap.Load(path)) << format;
        EXPECT_EQ(bitmap.GetOrientation(), 1);
        const QImage out = bitmap.ToQImage();
        ASSERT_EQ(out.size(), photo.size()) << format;
        for (int y = 0; y < 27; ++y) {
            for (int x = 0; x < 45; ++x)
                ASSERT_TRUE(near(out.pixel(x, y), photo.pixel(x, y), 8)) << format << " " << x << "," << y;
        }
    }
}

TEST(BitmapFromQImage, KeepsGrayAndMakesEverythingElseColour)
{
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 10, 10), qRgb(240, 240, 240)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    const QImage fromIndexed = ImgBitmap::FromQImage(indexed).ToQImage();
    EXPECT_EQ(fromIndexed.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(testimg::grayAt(fromIndexed, 0, 0), 240);

    indexed.setColorTable({qRgb(10, 10, 10), qRgb(240, 0, 0)});
    EXPECT_EQ(ImgBitmap::FromQImage(indexed).ToQImage().pixel(0, 0), qRgb(240, 0, 0));

    const QImage rgb888 = testimg::photoLike(5, 4, 12).convertToFormat(QImage::Format_RGB888);
    const ImgBitmap fromRgb = ImgBitmap::FromQImage(rgb888);
    EXPECT_EQ(fromRgb.ToQImage().format(), QImage::Format_RGB32);
    EXPECT_EQ(fromRgb.ToQImage(), rgb888.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(fromRgb.GetOrientation(), 1);
    EXPECT_FALSE(ImgBitmap::FromQImage(QImage()).IsAllocated());
}

} // namespace
