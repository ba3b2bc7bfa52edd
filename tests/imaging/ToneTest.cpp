#include "TestImages.h"

#include "imaging/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// One pixel per gray, 0..255.
ImgBitmap ramp()
{
    return ImgBitmap::FromQImage(testimg::gray(256, 1, [](int x, int) { return x; }));
}

QImage contrasted(int c)
{
    ImgBitmap bitmap = ramp();
    bitmap.Contrast(c);
    return bitmap.ToQImage();
}

TEST(BitmapGrayScale, LumaIsRoundedNotTruncated)
{
    // 0.299 * 3 = 0.897, 0.587 * 1 = 0.587 and 0.114 * 5 = 0.57 all round up to 1;
    // 0.299 * 255 = 76.245, 0.587 * 255 = 149.685, 0.114 * 255 = 29.07.
    const QRgb colors[] = {qRgb(3, 0, 0), qRgb(0, 1, 0), qRgb(0, 0, 5), qRgb(255, 0, 0), qRgb(0, 255, 0),
                           qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(0, 0, 0)};
    const int expected[] = {1, 1, 1, 76, 150, 29, 255, 0};
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::color(8, 1, [&](int x, int) { return colors[x]; }));
    bitmap.GrayScale();
    const QImage gray = bitmap.ToQImage();
    ASSERT_EQ(gray.format(), QImage::Format_Grayscale8);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(testimg::grayAt(gray, x, 0), expected[x]) << "pixel " << x;
}

TEST(BitmapGrayScale, IndexedBecomesItsGrays)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::gray(4, 1, [](int x, int) { return x * 85; }));
    bitmap.ReduceColors(GrayPalette::Gray4());
    const QImage reduced = bitmap.ToQImage();
    bitmap.GrayScale();
    EXPECT_FALSE(bitmap.IsIndexed());
    const QImage gray = bitmap.ToQImage();
    ASSERT_EQ(gray.format(), QImage::Format_Grayscale8);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(testimg::grayAt(gray, x, 0), testimg::grayAt(reduced, x, 0));
}

TEST(BitmapContrast, ZeroChangesNothingAndTheEndsAreFlatOrThreshold)
{
    const QImage same = contrasted(0);
    const QImage flat = contrasted(-1000);
    const QImage threshold = contrasted(1000);
    for (int v = 0; v < 256; ++v) {
        EXPECT_EQ(testimg::grayAt(same, v, 0), v);
        EXPECT_EQ(testimg::grayAt(flat, v, 0), 128);
        // k = 20 there: only 122..134 keep an in-between value.
        if (v <= 121) {
            EXPECT_EQ(testimg::grayAt(threshold, v, 0), 0) << v;
        }
        if (v >= 135) {
            EXPECT_EQ(testimg::grayAt(threshold, v, 0), 255) << v;
        }
    }
    EXPECT_EQ(testimg::grayAt(threshold, 128, 0), 128);
}

TEST(BitmapContrast, HalfReductionHalvesTheDistanceFrom128)
{
    const QImage half = contrasted(-500);
    EXPECT_EQ(testimg::grayAt(half, 0, 0), 64);
    EXPECT_EQ(testimg::grayAt(half, 200, 0), 164);
    EXPECT_EQ(testimg::grayAt(half, 255, 0), 192); // 191.5 rounds up
}

TEST(BitmapContrast, MovesAwayFromOrTowards128MonotonicallyAndClampsItsArgument)
{
    for (int c : {-800, -300, 250, 700}) {
        const QImage out = contrasted(c);
        for (int v = 0; v < 256; ++v) {
            const int moved = testimg::grayAt(out, v, 0);
            if (c > 0) {
                EXPECT_GE(std::abs(moved - 128), std::abs(v - 128) - 1) << c << " " << v;
            } else {
                EXPECT_LE(std::abs(moved - 128), std::abs(v - 128) + 1) << c << " " << v;
            }
            if (v > 0) {
                EXPECT_GE(moved, testimg::grayAt(out, v - 1, 0)) << c << " " << v;
            }
        }
    }
    EXPECT_EQ(contrasted(5000), contrasted(1000));
    EXPECT_EQ(contrasted(-5000), contrasted(-1000));
}

TEST(BitmapContrast, ColourIsChangedPerChannelAndStaysColour)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::color(1, 1, [](int, int) { return qRgb(0, 128, 255); }));
    bitmap.Contrast(-500);
    const QImage out = bitmap.ToQImage();
    ASSERT_EQ(out.format(), QImage::Format_RGB32);
    EXPECT_EQ(out.pixel(0, 0), qRgb(64, 128, 192));
}

TEST(BitmapStretchIntensity, MapsDarkestToBlackAndBrightestToWhiteLinearly)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::gray(101, 1, [](int x, int) { return 50 + x; }));
    bitmap.StretchIntensity();
    const QImage out = bitmap.ToQImage();
    for (int x = 0; x <= 100; ++x)
        EXPECT_EQ(testimg::grayAt(out, x, 0), (x * 255 + 50) / 100) << x;
}

TEST(BitmapStretchIntensity, FlatPictureIsUnchanged)
{
    for (int g : {0, 77, 255}) {
        ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::gray(5, 3, [&](int, int) { return g; }));
        bitmap.StretchIntensity();
        EXPECT_EQ(testimg::meanGray(bitmap.ToQImage()), g);
    }
}

TEST(BitmapStretchIntensity, ColourUsesOneRangeForAllChannels)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::color(2, 1, [](int x, int) {
        return x == 0 ? qRgb(40, 60, 80) : qRgb(100, 120, 140);
    }));
    bitmap.StretchIntensity();
    const QImage out = bitmap.ToQImage();
    // Range 40..140: 60 -> 51, 80 -> 102, 100 -> 153, 120 -> 204.
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 51, 102));
    EXPECT_EQ(out.pixel(1, 0), qRgb(153, 204, 255));
}

} // namespace
