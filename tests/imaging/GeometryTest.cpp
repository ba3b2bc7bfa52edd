#include "TestImages.h"

#include "imaging/Bitmap.h"

#include <gtest/gtest.h>

namespace {

// Every pixel different, so a misplaced one shows.
QImage numbered(int width, int height)
{
    return testimg::gray(width, height, [&](int x, int y) { return (y * width + x) % 251; });
}

TEST(BitmapTrim, KeepsTheClippedRectangle)
{
    const QImage source = numbered(20, 10);
    struct Case {
        QRect rect;
        QRect kept;
    };
    const Case cases[] = {{QRect(3, 2, 5, 4), QRect(3, 2, 5, 4)},
                          {QRect(-4, -3, 10, 8), QRect(0, 0, 6, 5)},
                          {QRect(15, 7, 30, 30), QRect(15, 7, 5, 3)},
                          {QRect(-5, -5, 100, 100), QRect(0, 0, 20, 10)}};
    for (const Case &c : cases) {
        ImgBitmap bitmap = ImgBitmap::FromQImage(source);
        bitmap.Trim(c.rect);
        ASSERT_TRUE(bitmap.IsAllocated());
        EXPECT_EQ(bitmap.ToQImage(), source.copy(c.kept));
    }
}

TEST(BitmapTrim, NothingLeftLeavesNoBitmap)
{
    for (const QRect &outside : {QRect(20, 0, 5, 5), QRect(-6, 0, 5, 5), QRect(2, 2, 0, 4), QRect(0, 10, 3, 3)}) {
        ImgBitmap bitmap = ImgBitmap::FromQImage(numbered(20, 10));
        bitmap.Trim(outside);
        EXPECT_FALSE(bitmap.IsAllocated());
        EXPECT_EQ(bitmap.GetWidth(), 0);
        EXPECT_TRUE(bitmap.ToQImage().isNull());
    }
}

TEST(BitmapTrim, TrimOfATrimIsRelativeToIt)
{
    const QImage source = numbered(30, 20);
    ImgBitmap bitmap = ImgBitmap::FromQImage(source);
    bitmap.Trim(QRect(5, 4, 20, 12));
    bitmap.Trim(QRect(2, 3, 50, 4));
    EXPECT_EQ(bitmap.ToQImage(), source.copy(QRect(7, 7, 18, 4)));
    bitmap.GrayScale(); // gray already: must keep looking at the same pixels
    bitmap.Contrast(0);
    EXPECT_EQ(bitmap.ToQImage(), source.copy(QRect(7, 7, 18, 4)));
}

TEST(BitmapCopies, AreIndependent)
{
    const QImage source = numbered(12, 9);
    const ImgBitmap original = ImgBitmap::FromQImage(source);
    ImgBitmap trimmed = original;
    trimmed.Trim(QRect(1, 1, 3, 3));
    ImgBitmap filled = original;
    filled.Fill(0);
    ImgBitmap combined = original;
    combined.Combine(filled, 4, 4, 2, 2);
    EXPECT_EQ(original.ToQImage(), source);
    EXPECT_EQ(trimmed.GetWidth(), 3);
    EXPECT_EQ(testimg::meanGray(filled.ToQImage()), 0);
    EXPECT_EQ(testimg::grayAt(combined.ToQImage(), 3, 3), 0);
}

TEST(BitmapFill, KeepsKindAndPalette)
{
    ImgBitmap color = ImgBitmap::FromQImage(testimg::photoLike(6, 4, 2));
    color.Fill(300);
    EXPECT_EQ(color.ToQImage().format(), QImage::Format_RGB32);
    EXPECT_EQ(color.ToQImage().pixel(5, 3), qRgb(255, 255, 255));

    ImgBitmap gray = ImgBitmap::FromQImage(testimg::gray(6, 4, [](int x, int) { return x; }));
    gray.Fill(77);
    EXPECT_EQ(gray.ToQImage(), testimg::gray(6, 4, [](int, int) { return 77; }));

    ImgBitmap indexed = ImgBitmap::FromQImage(testimg::photoLike(6, 4, 2));
    indexed.ReduceColors(GrayPalette::Gray4());
    indexed.Fill(110); // nearest entry: 100
    ASSERT_TRUE(indexed.IsIndexed());
    EXPECT_EQ(*indexed.Palette(), GrayPalette::Gray4());
    EXPECT_EQ(testimg::meanGray(indexed.ToQImage()), 100);
    EXPECT_EQ(indexed.ToQImage().pixelIndex(0, 0), 1);
}

// What Combine should give, worked out pixel by pixel.
QImage expectedCombination(const QImage &target, const QImage &src, int w, int h, int x, int y)
{
    QImage result = target.copy();
    for (int sy = 0; sy < std::min(h, src.height()); ++sy) {
        for (int sx = 0; sx < std::min(w, src.width()); ++sx) {
            if (QRect(0, 0, target.width(), target.height()).contains(x + sx, y + sy))
                result.scanLine(y + sy)[x + sx] = src.constScanLine(sy)[sx];
        }
    }
    return result;
}

TEST(BitmapCombine, IsClippedAtEveryEdge)
{
    const QImage target = testimg::gray(10, 8, [](int, int) { return 255; });
    const QImage src = testimg::gray(5, 4, [](int x, int y) { return 10 + 10 * y + x; });
    const QPoint places[] = {{-2, -2}, {8, 6}, {-3, 6}, {7, -1}, {3, 2}, {10, 0}, {0, 8}, {-5, 0}};
    for (const QPoint &at : places) {
        for (const QSize &block : {QSize(5, 4), QSize(3, 2), QSize(50, 40)}) {
            ImgBitmap bitmap = ImgBitmap::FromQImage(target);
            bitmap.Combine(ImgBitmap::FromQImage(src), block.width(), block.height(), at.x(), at.y());
            const QImage expected = expectedCombination(target, src, block.width(), block.height(), at.x(), at.y());
            EXPECT_EQ(bitmap.ToQImage(), expected) << at.x() << "," << at.y() << " " << block.width() << "x" << block.height();
        }
    }
}

TEST(BitmapCombine, TakesFromTheTrimmedPartOfTheSource)
{
    const QImage big = numbered(20, 20);
    ImgBitmap src = ImgBitmap::FromQImage(big);
    src.Trim(QRect(6, 9, 4, 3));
    ImgBitmap bitmap = ImgBitmap::FromQImage(testimg::gray(6, 6, [](int, int) { return 255; }));
    bitmap.Combine(src, 10, 10, 1, 2);
    EXPECT_EQ(bitmap.ToQImage(), expectedCombination(testimg::gray(6, 6, [](int, int) { return 255; }),
                                                     big.copy(QRect(6, 9, 4, 3)), 10, 10, 1, 2));
}

TEST(BitmapCombine, ConvertsTheBlockToThisBitmapsKind)
{
    const QImage grayBlock = testimg::gray(2, 1, [](int x, int) { return x ? 180 : 40; });
    ImgBitmap color = ImgBitmap::FromQImage(testimg::color(3, 1, [](int, int) { return qRgb(1, 2, 3); }));
    color.Combine(ImgBitmap::FromQImage(grayBlock), 2, 1, 1, 0);
    EXPECT_EQ(color.ToQImage().pixel(1, 0), qRgb(40, 40, 40));
    EXPECT_EQ(color.ToQImage().pixel(2, 0), qRgb(180, 180, 180));

    ImgBitmap gray = ImgBitmap::FromQImage(testimg::gray(2, 1, [](int, int) { return 0; }));
    gray.Combine(ImgBitmap::FromQImage(testimg::color(1, 1, [](int, int) { return qRgb(0, 255, 0); })), 1, 1, 1, 0);
    EXPECT_EQ(testimg::grayAt(gray.ToQImage(), 1, 0), 150); // luma of pure green

    ImgBitmap indexed = ImgBitmap::FromQImage(testimg::gray(3, 1, [](int, int) { return 255; }));
    indexed.ReduceColors(GrayPalette::Gray4());
    indexed.Combine(ImgBitmap::FromQImage(grayBlock), 2, 1, 0, 0);
    ASSERT_TRUE(indexed.IsIndexed());
    EXPECT_EQ(*indexed.Palette(), GrayPalette::Gray4());
    EXPECT_EQ(testimg::grayAt(indexed.ToQImage(), 0, 0), 0);   // 40 is nearest to 0
    EXPECT_EQ(testimg::grayAt(indexed.ToQImage(), 1, 0), 200); // 180 is nearest to 200
}

TEST(BitmapCombine, EditorCanvasKeepsIndicesAndPalette)
{
    // The editor's preview: the reduced picture centred on a black canvas made from a copy of it.
    ImgBitmap result = ImgBitmap::FromQImage(testimg::photoLike(120, 90, 8));
    result.ReduceColors(GrayPalette::Gray4());
    ImgBitmap preview = result;
    preview.Size(160, 160);
    preview.Fill(0);
    preview.Combine(result, 160, 160, 20, 35);
    ASSERT_TRUE(preview.IsIndexed());
    EXPECT_EQ(*preview.Palette(), GrayPalette::Gray4());
    const QImage out = preview.ToQImage();
    const QImage inner = result.ToQImage();
    EXPECT_EQ(out.copy(20, 35, 120, 90), inner);
    EXPECT_EQ(out.pixelIndex(19, 35), 0);
    EXPECT_EQ(out.pixelIndex(140, 124), 0);
    EXPECT_EQ(out.pixelIndex(0, 159), 0);
}

} // namespace
