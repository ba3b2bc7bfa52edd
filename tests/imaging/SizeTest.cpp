#include "TestImages.h"

#include "imaging/Bitmap.h"
#include "imaging/PixelData.h"
#include "imaging/Resample.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ImgBitmap sized(const QImage &image, int w, int h)
{
    ImgBitmap bitmap = ImgBitmap::FromQImage(image);
    bitmap.Size(w, h);
    return bitmap;
}

int linearMean(std::initializer_list<int> codes)
{
    double sum = 0;
    for (int c : codes)
        sum += testimg::toLinear(c);
    return testimg::toSrgb(sum / double(codes.size()));
}

TEST(BitmapSize, GivesExactlyTheAskedSizeAndKeepsTheKind)
{
    ImgBitmap indexed = ImgBitmap::FromQImage(testimg::photoLike(23, 17, 3));
    indexed.ReduceColors(GrayPalette::Gray4());
    const ImgBitmap sources[] = {ImgBitmap::FromQImage(testimg::photoLike(23, 17, 3)),
                                 ImgBitmap::FromQImage(testimg::gray(23, 17, [](int x, int y) { return x * y; })),
                                 indexed};
    const QSize sizes[] = {{1, 1}, {23, 17}, {7, 5}, {60, 3}, {3, 60}, {160, 160}, {22, 18}, {1, 40}};
    for (const ImgBitmap &source : sources) {
        for (const QSize &size : sizes) {
            ImgBitmap bitmap = source;
            bitmap.Size(size.width(), size.height());
            ASSERT_TRUE(bitmap.IsAllocated());
            EXPECT_EQ(bitmap.GetWidth(), size.width());
            EXPECT_EQ(bitmap.GetHeight(), size.height());
            EXPECT_EQ(bitmap.ToQImage().format(), source.ToQImage().format());
            EXPECT_EQ(bitmap.IsIndexed(), source.IsIndexed());
            if (source.IsIndexed()) {
                EXPECT_EQ(*bitmap.Palette(), *source.Palette());
            }
        }
    }
}

TEST(BitmapSize, NonPositiveSizeLeavesNothing)
{
    for (const QSize &size : {QSize(0, 5), QSize(5, 0), QSize(-1, 3)}) {
        ImgBitmap bitmap = sized(testimg::gray(4, 4, [](int, int) { return 9; }), size.width(), size.height());
        EXPECT_FALSE(bitmap.IsAllocated());
        EXPECT_EQ(bitmap.GetWidth(), 0);
    }
}

TEST(BitmapSize, SameSizeChangesNothing)
{
    const QImage photo = testimg::photoLike(31, 19, 4);
    EXPECT_EQ(sized(photo, 31, 19).ToQImage(), photo);
    const QImage gray = testimg::gray(31, 19, [](int x, int y) { return (x * 37 + y * 11) % 256; });
    EXPECT_EQ(sized(gray, 31, 19).ToQImage(), gray);
}

TEST(BitmapSize, ShrinkingAveragesInLinearLight)
{
    // A fine black and white checker must become the gray that emits half the light, not 127.5.
    const QImage checker = testimg::gray(8, 8, [](int x, int y) { return (x + y) % 2 ? 255 : 0; });
    const int expected = linearMean({0, 255});
    ASSERT_GT(expected, 180);
    for (const QSize &size : {QSize(1, 1), QSize(4, 4), QSize(2, 1)}) {
        const QImage out = sized(checker, size.width(), size.height()).ToQImage();
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                EXPECT_EQ(testimg::grayAt(out, x, y), expected);
        }
    }
}

TEST(BitmapSize, PartlyCoveredPixelsCountByTheirCoveredFraction)
{
    // Three pixels into two: each output takes one pixel whole and half of the middle one.
    const QImage out = sized(testimg::gray(3, 1, [](int x, int) { return x == 0 ? 255 : 0; }), 2, 1).ToQImage();
    EXPECT_EQ(testimg::grayAt(out, 0, 0), testimg::toSrgb(1.0 / 1.5));
    EXPECT_EQ(testimg::grayAt(out, 1, 0), 0);
}

TEST(BitmapSize, EnlargingInterpolatesBetweenPixelCentres)
{
    // Two pixels into four: centres fall at -0.25, 0.25, 0.75 and 1.25 source pixels.
    const QImage out = sized(testimg::gray(2, 1, [](int x, int) { return x * 255; }), 4, 1).ToQImage();
    EXPECT_EQ(testimg::grayAt(out, 0, 0), 0);
    EXPECT_EQ(testimg::grayAt(out, 1, 0), testimg::toSrgb(0.25));
    EXPECT_EQ(testimg::grayAt(out, 2, 0), testimg::toSrgb(0.75));
    EXPECT_EQ(testimg::grayAt(out, 3, 0), 255);
}

TEST(BitmapSize, AxesAreIndependentWhenOneShrinksAndTheOtherGrows)
{
    // Columns alternate black and white (to be averaged), rows go from black to white (to be interpolated).
    const QImage source = testimg::color(4, 2, [](int x, int y) {
        const int g = y == 1 ? 255 : 0;
        return x % 2 ? qRgb(g, g, g) : qRgb(0, 0, 0);
    });
    const QImage out = sized(source, 2, 4).ToQImage();
    const int rows[] = {0, testimg::toSrgb(0.125), testimg::toSrgb(0.375), linearMean({0, 255})};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(out.pixel(x, y), qRgb(rows[y], rows[y], rows[y])) << x << "," << y;
    }
}

TEST(BitmapSize, FlatPicturesStayFlatAtAnySize)
{
    // Weights that do not add up to one, or reads past an edge (ASan), show up here.
    const int sides[] = {1, 2, 3, 5, 7, 13, 64, 67};
    for (int sw : sides) {
        for (int sh : {1, 3, 11}) {
            const QImage source = testimg::color(sw, sh, [](int, int) { return qRgb(200, 90, 13); });
            for (int w : sides) {
                const QImage out = sized(source, w, 17 - sh).ToQImage();
                for (int y = 0; y < out.height(); ++y) {
                    for (int x = 0; x < out.width(); ++x)
                        ASSERT_EQ(out.pixel(x, y), qRgb(200, 90, 13)) << sw << "x" << sh << " to " << w;
                }
            }
        }
    }
}

TEST(BitmapSize, ReadsOnlyTheTrimmedPart)
{
    // A gray frame inside a white border: nothing of the border may leak in at any size, also
    // not when a strong reduction goes through half-size levels whose pixels the frame cuts.
    struct Case {
        QSize picture;
        QRect frame;
        QSize out;
    };
    const Case cases[] = {
        {{60, 40}, {7, 5, 41, 31}, {10, 7}},   {{60, 40}, {7, 5, 41, 31}, {41, 31}},
        {{60, 40}, {7, 5, 41, 31}, {90, 50}},  {{60, 40}, {7, 5, 41, 31}, {3, 80}},
        {{700, 500}, {13, 9, 611, 467}, {40, 30}}, {{700, 500}, {1, 255, 698, 244}, {7, 3}},
        {{701, 499}, {96, 64, 605, 435}, {20, 20}},
    };
    for (const Case &c : cases) {
        const QImage source = testimg::gray(c.picture.width(), c.picture.height(), [&](int x, int y) {
            return c.frame.contains(x, y) ? 70 : 255;
        });
        ImgBitmap bitmap = ImgBitmap::FromQImage(source);
        bitmap.Trim(c.frame);
        bitmap.Size(c.out.width(), c.out.height());
        EXPECT_EQ(testimg::meanGray(bitmap.ToQImage()), 70)
            << c.frame.width() << "x" << c.frame.height() << " to " << c.out.width() << "x" << c.out.height();
    }
}

// Mean absolute difference between two colour pictures of one size, over all channels.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

TEST(BitmapSize, HalfSizeLevelsStayCloseToTheExactAverage)
{
    const imaging::PixelData pixels(testimg::photoLike(1500, 1100, 5));
    const QRect frames[] = {QRect(0, 0, 1500, 1100), QRect(37, 51, 1203, 911), QRect(501, 333, 700, 650),
                            QRect(3, 1, 1497, 1099)};
    for (const QRect &frame : frames) {
        for (const QSize &size : {QSize(160, 117), QSize(97, 61), QSize(160, 160)}) {
            const auto fast = imaging::resampleFrame(pixels, frame, size.width(), size.height(),
                                                     imaging::PyramidUse::Allowed);
            const auto exact = imaging::resampleFrame(pixels, frame, size.width(), size.height(),
                                                      imaging::PyramidUse::Never);
            EXPECT_LT(meanDifference(fast->image(), exact->image()), 1.5)
                << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height() << " to "
                << size.width() << "x" << size.height();
        }
    }
}

} // namespace
