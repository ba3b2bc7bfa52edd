#include "editor/ViewGeometry.h"
#include "CropRectPrinter.h"

#include <gtest/gtest.h>

namespace {

struct Example {
    QSize source;
    QSize control;
    QSize scaled;
    QPoint offset;
    CropRect frame;
    CropRect sourceRect;
    QSize fitted;
    QPoint placed;
};

} // namespace

TEST(ViewGeometryTest, FramingExamplesFromThreePictureSizes)
{
    const Example examples[] = {
        {{100, 80}, {236, 236}, {100, 80}, {68, 78}, {78, 78, 158, 158}, {10, 0, 90, 80}, {160, 160}, {0, 0}},
        {{640, 480}, {236, 236}, {226, 169}, {5, 33}, {33, 33, 202, 202}, {79, 0, 557, 478}, {160, 160}, {0, 0}},
        // The single-precision scale lies just below 190/203: 189 wide, not 190.
        {{203, 150}, {200, 220}, {189, 140}, {5, 40}, {30, 40, 170, 180}, {26, 0, 176, 149}, {160, 158}, {0, 1}},
    };
    for (const Example &e : examples) {
        SCOPED_TRACE(testing::Message() << e.source.width() << "x" << e.source.height());
        const ViewGeometry view = ComputeViewGeometry(e.source, e.control);
        EXPECT_EQ(view.scaledSize, e.scaled);
        EXPECT_EQ(view.placement.offsetX, e.offset.x());
        EXPECT_EQ(view.placement.offsetY, e.offset.y());
        EXPECT_EQ(view.bounds, (CropRect{e.offset.x(), e.offset.y(), e.offset.x() + e.scaled.width(),
                                         e.offset.y() + e.scaled.height()}));
        EXPECT_EQ(view.initialFrame, e.frame);
        const CropRect s = MapFrameToSource(view.initialFrame, view.placement);
        EXPECT_EQ(s, e.sourceRect);
        const std::optional<QSize> fitted = FitIntoHandheld(s);
        ASSERT_TRUE(fitted.has_value());
        EXPECT_EQ(*fitted, e.fitted);
        EXPECT_EQ(CentreIn(*fitted, QSize(kHandheldSide, kHandheldSide)), e.placed);
    }
    EXPECT_EQ(ComputeViewGeometry({100, 80}, {236, 236}).placement.scale, 1.0f);
    EXPECT_EQ(ComputeViewGeometry({640, 480}, {236, 236}).placement.scale, 226.0f / 640.0f);
}

TEST(ViewGeometryTest, FitKeepsProportionsDividingFirst)
{
    EXPECT_EQ(FitIntoHandheld({0, 0, 300, 150}), QSize(160, 80));
    EXPECT_EQ(CentreIn({160, 80}, {160, 160}), QPoint(0, 40));
    EXPECT_EQ(FitIntoHandheld({0, 0, 150, 300}), QSize(80, 160));
    EXPECT_EQ(CentreIn({80, 160}, {160, 160}), QPoint(40, 0));
    // 160.0 / 77 * 77 lies just below 160.
    EXPECT_EQ(FitIntoHandheld({5, 5, 82, 82}), QSize(159, 160));
    EXPECT_EQ(CentreIn({159, 160}, {160, 160}), QPoint(0, 0));
    // No area, or a sliver that rounds down to nothing: no fit rather than a division by zero.
    EXPECT_EQ(FitIntoHandheld({10, 10, 10, 50}), std::nullopt);
    EXPECT_EQ(FitIntoHandheld({10, 10, 50, 10}), std::nullopt);
    EXPECT_EQ(FitIntoHandheld({0, 0, 5000, 20}), std::nullopt);
}

TEST(ViewGeometryTest, ClippingAndMirroringStayInsideThePicture)
{
    const QSize picture(100, 80);
    EXPECT_EQ(ClipToPicture({-10, -5, 50, 200}, picture), (CropRect{0, 0, 50, 80}));
    EXPECT_EQ(ClipToPicture({120, 0, 150, 10}, picture), CropRect{});
    EXPECT_EQ(ClipToPicture({30, 30, 20, 40}, picture), CropRect{});
    EXPECT_EQ(MirrorVertically({10, 0, 50, 30}, 80), (CropRect{10, 50, 50, 80}));
    EXPECT_EQ(MirrorVertically(MirrorVertically({1, 2, 3, 4}, 80), 80), (CropRect{1, 2, 3, 4}));
}
