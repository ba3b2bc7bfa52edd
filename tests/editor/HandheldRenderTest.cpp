#include "editor/HandheldRender.h"
#include "CropRectPrinter.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

// Top half white, bottom half black.
ImgBitmap halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    return ImgBitmap::FromQImage(image);
}

std::set<int> graysIn(const ImgBitmap &bitmap)
{
    const QImage image = bitmap.ToQImage().convertToFormat(QImage::Format_Grayscale8);
    std::set<int> grays;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            grays.insert(qGray(image.pixel(x, y)));
    return grays;
}

int grayAt(const ImgBitmap &bitmap, int x, int y)
{
    return qGray(bitmap.ToQImage().pixel(x, y));
}

} // namespace

TEST(HandheldRenderTest, WidePictureIsCentredOnBlackInTheChosenPalette)
{
    // 300 by 150 source pixels at scale 1 fit as 160 by 80, placed at (0, 40).
    QImage image(300, 150, QImage::Format_RGB32);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 300; ++x)
            image.setPixel(x, y, qRgb(x % 256, (x + y) % 256, y));
    const ImgBitmap source = ImgBitmap::FromQImage(image);
    for (int grayLevel : {1, 2, 3}) {
        const auto rendered = RenderHandheld(source, {0, 0, 300, 150}, {1.0f, 0, 0}, grayLevel, 0);
        ASSERT_TRUE(rendered.has_value());
        EXPECT_EQ(rendered->fitted, QSize(160, 80));
        EXPECT_EQ(rendered->placed, QPoint(0, 40));
        const ImgBitmap &picture = rendered->picture;
        EXPECT_EQ(picture.GetWidth(), 160);
        EXPECT_EQ(picture.GetHeight(), 160);
        ASSERT_TRUE(picture.IsIndexed());
        // Any gray level but 1 renders in 16 grays.
        const GrayPalette palette = grayLevel == 1 ? GrayPalette::Gray4() : GrayPalette::Gray16();
        EXPECT_EQ(picture.Palette()->grays, palette.grays);
        const std::set<int> allowed(palette.grays.begin(), palette.grays.end());
        for (int gray : graysIn(picture))
            EXPECT_TRUE(allowed.count(gray)) << gray;
        for (int x = 0; x < 160; x += 7) {
            EXPECT_EQ(grayAt(picture, x, 39), 0);
            EXPECT_EQ(grayAt(picture, x, 120), 0);
        }
        // The stretch spreads the picture's grays over the whole range.
        EXPECT_TRUE(graysIn(picture).count(255));
    }
}

TEST(HandheldRenderTest, OrientationTwoTakesTheMirroredRows)
{
    ImgBitmap source = halves(100, 100);
    // The frame covers the top half; stored bottom-up, that is the black half.
    const CropRect topHalf{0, 0, 100, 50};
    const auto upright = RenderHandheld(source, topHalf, {1.0f, 0, 0}, 2, 0);
    source.SetOrientation(2);
    const auto mirrored = RenderHandheld(source, topHalf, {1.0f, 0, 0}, 2, 0);
    ASSERT_TRUE(upright && mirrored);
    EXPECT_EQ(upright->trimmed, topHalf);
    EXPECT_EQ(mirrored->trimmed, (CropRect{0, 50, 100, 100}));
    EXPECT_EQ(grayAt(upright->picture, 80, 80), 255);
    EXPECT_EQ(grayAt(mirrored->picture, 80, 80), 0);
}

TEST(HandheldRenderTest, FramesWithoutSourcePixelsGiveNothing)
{
    const ImgBitmap source = halves(100, 100);
    EXPECT_FALSE(RenderHandheld(source, {20, 20, 20, 60}, {1.0f, 0, 0}, 2, 0));
    EXPECT_FALSE(RenderHandheld(source, {20, 20, 60, 20}, {1.0f, 0, 0}, 2, 0));
    // Dragged off the picture altogether.
    EXPECT_FALSE(RenderHandheld(source, {150, 150, 200, 200}, {1.0f, 0, 0}, 2, 0));
}

TEST(HandheldRenderTest, PreviewCentresTheHandheldPictureInTheControl)
{
    const ImgBitmap source = halves(100, 100);
    const auto rendered = RenderHandheld(source, {0, 0, 100, 100}, {1.0f, 0, 0}, 1, 0);
    ASSERT_TRUE(rendered);
    const ImgBitmap preview = ComposePreview(rendered->picture, QSize(236, 236));
    EXPECT_EQ(preview.GetWidth(), 236);
    EXPECT_EQ(preview.GetHeight(), 236);
    // The picture occupies (38, 38) to (198, 198).
    EXPECT_EQ(grayAt(preview, 37, 60), 0);
    EXPECT_EQ(grayAt(preview, 40, 40), 255);
    EXPECT_EQ(grayAt(preview, 197, 60), 255);
    EXPECT_EQ(grayAt(preview, 198, 60), 0);
    EXPECT_EQ(grayAt(preview, 100, 37), 0);
}
