#include "TestImages.h"

#include "support/TempDir.h"

#include "imaging/Bitmap.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

uint32_t le(const QByteArray &bytes, int at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

ImgBitmap reducedPhoto(int width, int height, const GrayPalette &palette)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::photoLike(width, height, 9));
    bitmap.ReduceColors(palette);
    return bitmap;
}

TEST(BitmapSaveBmp4, HandheldPictureHasTheExpectedLayout)
{
    TempDir dir;
    const QString path = dir.file("photo.bmp");
    ASSERT_TRUE(reducedPhoto(160, 160, GrayPalette::Gray4()).SaveBmp4(path));
    const QByteArray bytes = testimg::readFile(path);
    ASSERT_EQ(bytes.size(), 12918);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(le(bytes, 2, 4), 12918u);  // file size
    EXPECT_EQ(le(bytes, 10, 4), 118u);   // pixel offset
    EXPECT_EQ(le(bytes, 14, 4), 40u);    // info header size
    EXPECT_EQ(le(bytes, 18, 4), 160u);   // width
    EXPECT_EQ(le(bytes, 22, 4), 160u);   // height, positive: bottom-up
    EXPECT_EQ(le(bytes, 26, 2), 1u);     // planes
    EXPECT_EQ(le(bytes, 28, 2), 4u);     // bits per pixel
    EXPECT_EQ(le(bytes, 30, 4), 0u);     // BI_RGB
    EXPECT_EQ(le(bytes, 46, 4), 16u);    // colours used
    EXPECT_TRUE(le(bytes, 50, 4) == 0 || le(bytes, 50, 4) == 16);
    for (uint32_t resolution : {le(bytes, 38, 4), le(bytes, 42, 4)})
        EXPECT_TRUE(resolution == 0 || resolution == 2835);
}

TEST(BitmapSaveBmp4, ColourTableHoldsThePaletteGraysThenBlack)
{
    TempDir dir;
    for (const GrayPalette &palette : {GrayPalette::Gray4(), GrayPalette::Gray16(), GrayPalette{{255, 30, 0}}}) {
        const QString path = dir.file("table.bmp");
        ASSERT_TRUE(reducedPhoto(9, 5, palette).SaveBmp4(path));
        const QByteArray bytes = testimg::readFile(path);
        for (int i = 0; i < 16; ++i) {
            const int gray = i < int(palette.grays.size()) ? palette.grays[size_t(i)] : 0;
            EXPECT_EQ(bytes.mid(54 + 4 * i, 4), QByteArray(3, char(gray)) + '\0') << "entry " << i;
        }
    }
}

TEST(BitmapSaveBmp4, QtReadsBackTheSameGrays)
{
    TempDir dir;
    const QSize sizes[] = {{160, 160}, {7, 3}, {9, 4}, {1, 1}, {33, 2}};
    for (const QSize &size : sizes) {
        for (const GrayPalette &palette : {GrayPalette::Gray4(), GrayPalette::Gray16()}) {
            const ImgBitmap bitmap = reducedPhoto(size.width(), size.height(), palette);
            const QString path = dir.file("back.bmp");
            ASSERT_TRUE(bitmap.SaveBmp4(path));
            // Rows padded to four bytes.
            EXPECT_EQ(QFileInfo(path).size(), 118 + size.height() * (((size.width() + 1) / 2 + 3) / 4 * 4));
            const QImage written = bitmap.ToQImage();
            const QImage read(path);
            ASSERT_FALSE(read.isNull());
            ASSERT_EQ(read.size(), size);
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x)
                    ASSERT_EQ(testimg::grayAt(read, x, y), testimg::grayAt(written, x, y)) << x << "," << y;
            }
        }
    }
}

TEST(BitmapSaveBmp4, ImageMagickReadsItAsFourBitOfTheRightSize)
{
    if (!testimg::hasImageMagick("identify"))
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    TempDir dir;
    const QString path = dir.file("im.bmp");
    ASSERT_TRUE(reducedPhoto(160, 120, GrayPalette::Gray4()).SaveBmp4(path));
    QString output;
    ASSERT_TRUE(testimg::runImageMagick("identify", {"-format", "%w %h %m", path}, &output));
    EXPECT_TRUE(output.trimmed() == "160 120 BMP" || output.trimmed() == "160 120 BMP3") << qPrintable(output);
    ASSERT_TRUE(testimg::runImageMagick("identify", {"-verbose", path}, &output));
    EXPECT_TRUE(output.contains("Colormap entries: 16")) << qPrintable(output);
}

TEST(BitmapSaveBmp4, OtherPicturesGoToTheNearestOfSixteenGrays)
{
    TempDir dir;
    const QImage gray = testimg::gray(16, 16, [](int x, int y) { return x * 16 + y; });
    const QString path = dir.file("gray.bmp");
    ASSERT_TRUE(ImgBitmap::FromQImage(gray).SaveBmp4(path));
    const QImage read(path);
    ASSERT_EQ(read.size(), gray.size());
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int g = testimg::grayAt(gray, x, y);
            EXPECT_EQ(testimg::grayAt(read, x, y), (g + 8) / 17 * 17) << g;
        }
    }
}

TEST(BitmapSaveBmp4, ReplacesAnExistingFile)
{
    TempDir dir;
    const QString path = dir.file("again.bmp");
    ASSERT_TRUE(testimg::writeFile(path, QByteArray(50000, 'x')));
    ASSERT_TRUE(reducedPhoto(160, 160, GrayPalette::Gray4()).SaveBmp4(path));
    EXPECT_EQ(QFileInfo(path).size(), 12918);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"again.bmp"});
}

TEST(BitmapSaveBmp4, FailureLeavesNothingBehind)
{
    TempDir dir;
    const ImgBitmap bitmap = reducedPhoto(16, 16, GrayPalette::Gray4());
    ASSERT_TRUE(testimg::writeFile(dir.file("plain"), {}));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));

    EXPECT_FALSE(bitmap.SaveBmp4(dir.file("plain/inside.bmp"))); // parent is a file
    EXPECT_FALSE(bitmap.SaveBmp4(dir.file("folder")));           // target is a folder
    EXPECT_FALSE(bitmap.SaveBmp4(dir.file("missing/x.bmp")));
    EXPECT_FALSE(ImgBitmap().SaveBmp4(dir.file("empty.bmp")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"folder", "plain"}));
    EXPECT_TRUE(QDir(dir.file("folder")).isEmpty());
}

} // namespace
