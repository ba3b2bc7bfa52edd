#include "TestImages.h"

#include "imaging/Bitmap.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

const GrayPalette kPalettes[] = {GrayPalette::Gray4(), GrayPalette::Gray16()};

ImgBitmap reduced(const QImage &image, const GrayPalette &palette)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(image);
    bitmap.ReduceColors(palette);
    return bitmap;
}

TEST(BitmapReduceColors, ResultIsIndexedWithThePalette)
{
    for (const GrayPalette &palette : kPalettes) {
        const ImgBitmap bitmap = reduced(testimg::photoLike(40, 30, 1), palette);
        ASSERT_TRUE(bitmap.IsIndexed());
        ASSERT_NE(bitmap.Palette(), nullptr);
        EXPECT_EQ(*bitmap.Palette(), palette);
        EXPECT_EQ(bitmap.GetWidth(), 40);
        EXPECT_EQ(bitmap.GetHeight(), 30);
        const QImage out = bitmap.ToQImage();
        ASSERT_EQ(out.format(), QImage::Format_Indexed8);
        for (int y = 0; y < out.height(); ++y) {
            for (int x = 0; x < out.width(); ++x)
                ASSERT_LT(out.pixelIndex(x, y), int(palette.grays.size()));
        }
    }
}

TEST(BitmapReduceColors, PictureOfPaletteGraysIsUnchanged)
{
    std::mt19937 random(7);
    for (const GrayPalette &palette : kPalettes) {
        std::uniform_int_distribution<size_t> pick(0, palette.grays.size() - 1);
        const QImage source = testimg::gray(37, 23, [&](int, int) { return palette.grays[pick(random)]; });
        const QImage out = reduced(source, palette).ToQImage();
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x)
                ASSERT_EQ(testimg::grayAt(out, x, y), testimg::grayAt(source, x, y)) << x << "," << y;
        }
    }
}

TEST(BitmapReduceColors, FlatGrayKeepsItsMeanAndUsesTheTwoNeighbouringLevels)
{
    for (const GrayPalette &palette : kPalettes) {
        for (int gray : {10, 50, 128, 150, 230, 250}) {
            const QImage out = reduced(testimg::gray(96, 96, [&](int, int) { return gray; }), palette).ToQImage();
            EXPECT_NEAR(testimg::meanGray(out), gray, 1.0) << "gray " << gray;

            std::set<int> used;
            for (int y = 0; y < out.height(); ++y) {
                for (int x = 0; x < out.width(); ++x)
                    used.insert(testimg::grayAt(out, x, y));
            }
            int below = 0;
            int above = 255;
            for (uint8_t g : palette.grays) {
                if (g <= gray)
                    below = std::max<int>(below, g);
                if (g >= gray)
                    above = std::min<int>(above, g);
            }
            EXPECT_EQ(used, (std::set<int>{below, above})) << "gray " << gray;
        }
    }
}

TEST(BitmapReduceColors, ColourIsDitheredByItsLuma)
{
    // Luma of (200, 40, 90) is 0.299 * 200 + 0.587 * 40 + 0.114 * 90 = 93.54 -> 94.
    const QImage out = reduced(testimg::color(64, 64, [](int, int) { return qRgb(200, 40, 90); }),
                               GrayPalette::Gray4()).ToQImage();
    EXPECT_NEAR(testimg::meanGray(out), 94, 1.0);
}

TEST(BitmapReduceColors, UnusablePaletteChangesNothing)
{
    const QImage source = testimg::gray(5, 5, [](int x, int y) { return x * 40 + y; });
    ImgBitmap bitmap = reduced(source, GrayPalette{});
    EXPECT_FALSE(bitmap.IsIndexed());
    EXPECT_EQ(bitmap.ToQImage(), source);
    bitmap.ReduceColors(GrayPalette{std::vector<uint8_t>(257, 0)});
    EXPECT_EQ(bitmap.ToQImage(), source);
}

} // namespace
