#include "TestPictures.h"
#include "album/AlbumBytes.h"
#include "imaging/TestImages.h"
#include "support/TempDir.h"

#include "cli/ImageRender.h"
#include "editor/JpegReduction.h"
#include "imaging/FileBytes.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include <cmath>

namespace {

RenderRequest sixteenGrays(std::optional<CropRect> crop, bool fullDecode)
{
    RenderRequest request;
    request.framing.crop = crop;
    request.grayLevel = 2;
    request.fullDecode = fullDecode;
    return request;
}

} // namespace

TEST(ReducedJpeg, TheReductionKeepsTwiceTheHandheldResolution)
{
    const imaging::JpegInfo upright{{6000, 4000}};
    // The editor's initial frame of a 6000 by 4000 picture spans 3983 by 3982 source pixels.
    std::optional<JpegReduction> reduction = ChooseJpegReduction(upright, {1008, 0, 4991, 3982});
    ASSERT_TRUE(reduction.has_value());
    EXPECT_EQ(reduction->denominator, 8);
    const CropRect &r = reduction->sourceRect;
    EXPECT_EQ(FitIntoHandheld(r), QSize(160, 159)) << "the full decode's fitted size";
    EXPECT_LE(std::abs(r.left - 126) + std::abs(r.right - 624) + std::abs(r.bottom - 498), 2);

    // 640 source pixels leave 320 at half size, no more.
    reduction = ChooseJpegReduction(upright, {100, 100, 740, 740});
    ASSERT_TRUE(reduction.has_value());
    EXPECT_EQ(reduction->denominator, 2);
    EXPECT_EQ(reduction->sourceRect, (CropRect{50, 50, 370, 370}));
    EXPECT_FALSE(ChooseJpegReduction(upright, {100, 100, 739, 739}).has_value());

    // The last partial squares are not decoded: S keeps within the whole ones.
    reduction = ChooseJpegReduction({{6028, 3391}}, {1318, 0, 4709, 3391});
    ASSERT_TRUE(reduction.has_value());
    EXPECT_EQ(reduction->denominator, 8);
    EXPECT_EQ(reduction->sourceRect, (CropRect{165, 0, 588, 423}));

    // A turned picture is reduced in its stored orientation, and only by whole fractions.
    const imaging::JpegInfo turned{{4000, 6000}, 6};
    reduction = ChooseJpegReduction(turned, {0, 0, 6000, 4000});
    ASSERT_TRUE(reduction.has_value());
    EXPECT_EQ(reduction->denominator, 8);
    EXPECT_EQ(reduction->sourceRect, (CropRect{0, 0, 750, 500}));
    EXPECT_FALSE(ChooseJpegReduction({{4001, 6000}, 2}, {0, 0, 4001, 6000}));
}

TEST(ReducedJpeg, ARenderFromTheReducedDecodeStaysWithinTheRoundingOfTheFullOne)
{
    TempDir dir;
    // Sized so that the reduced decodes leave out the last partial squares.
    const QString upright = dir.file("upright.jpg");
    SaveImage(testimg::photoLike(2690, 2045, 11), upright);
    // Stored turned by a quarter, shown upright by its EXIF orientation (6: rotate clockwise).
    const QString turned = dir.file("turned.jpg");
    QByteArray stored;
    QBuffer buffer(&stored);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(92);
    ASSERT_TRUE(writer.write(testimg::photoLike(2048, 2688, 12)));
    WriteBytes(turned, WithExifOrientation(stored, 6));

    struct Case {
        QString path;
        QSize shown;
        std::optional<CropRect> crop;
        int denominator;
    };
    const Case cases[] = {
        {upright, {2690, 2045}, std::nullopt, 4},
        {upright, {2690, 2045}, CropRect{300, 200, 1500, 1100}, 2},
        {turned, {2688, 2048}, std::nullopt, 4},
        {turned, {2688, 2048}, CropRect{200, 300, 1100, 1500}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.path.toStdString() << (c.crop ? " cropped" : " initial frame"));
        const imaging::FileBytes file(c.path);
        const std::optional<imaging::JpegInfo> header = imaging::readJpegInfo(file.bytes());
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->shown(), c.shown);
        const HandheldPicture full = RenderImageFile(c.path, sixteenGrays(c.crop, true));
        const std::optional<JpegReduction> reduction = ChooseJpegReduction(*header, full.sourceRect);
        ASSERT_TRUE(reduction.has_value());
        EXPECT_EQ(reduction->denominator, c.denominator);

        const HandheldPicture reduced = RenderImageFile(c.path, sixteenGrays(c.crop, false));
        EXPECT_EQ(reduced.fitted, full.fitted);
        EXPECT_EQ(reduced.placed, full.placed);
        const BlockDifference difference = CompareBlocks(reduced.picture.ToQImage(), full.picture.ToQImage());
        // Sixteen grays are 17 apart. Rounding the frame to the reduced pixels moves no block
        // by a third of a step; a frame half an output pixel off moves some by half a step.
        EXPECT_LT(difference.largest, 6.0);
        EXPECT_LT(difference.average, 2.0);
    }
}
