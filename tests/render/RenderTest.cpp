// The 160 by 160 render: the crop frame's geometry, the view, the render and the reduced decode.
#include "render/CropGeometry.h"
#include "render/HandheldRender.h"
#include "render/ViewGeometry.h"
#include "imaging/TestImages.h"
#include "support/QtPrinters.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr CropRect kFrame{10, 10, 50, 50}; // before the editor sets anything; bounds (0, 0, 999, 999)
constexpr CropRect kWide{0, 0, 999, 999}, kBox{0, 0, 100, 100};

struct Drag { const char *why; CropRect bounds, frame; QPoint press; std::vector<std::pair<QPoint, CropRect>> steps; }; // steps: to, frame after

// Each step must also report the frame it started from.
void RunDrags(std::initializer_list<Drag> drags)
{
    for (const Drag &drag : drags) {
        CropGeometry geometry;
        geometry.SetBounds(drag.bounds.left, drag.bounds.top, drag.bounds.right, drag.bounds.bottom);
        geometry.SetFrame(drag.frame.left, drag.frame.top, drag.frame.right, drag.frame.bottom);
        ASSERT_TRUE(geometry.Press(drag.press)) << drag.why;
        for (const auto &[to, expected] : drag.steps) {
            const CropRect before = geometry.GetFrame();
            EXPECT_EQ(geometry.MouseMove(to), before) << drag.why;
            EXPECT_EQ(geometry.GetFrame(), expected) << drag.why;
        }
    }
}

} // namespace

TEST(CropGeometry, HandlesAndFrameDecidePressAndCursor)
{
    CropGeometry flat, narrow; // overlapping handles: press and cursor try them in other orders
    flat.SetFrame(10, 10, 50, 16);
    narrow.SetFrame(10, 10, 16, 50);
    // Where a press there and a move by (1, 2) leave the frame.
    const struct { const char *why; CropGeometry geometry; QPoint point; CropRect nudged; Qt::CursorShape cursor; } rows[] = {
        {"top-left handle 5 px past the corner", {}, {5, 5}, {11, 12, 50, 50}, Qt::SizeFDiagCursor}, {"top-left handle inside", {}, {14, 14}, {11, 12, 50, 50}, Qt::SizeFDiagCursor},
        {"top-right handle", {}, {54, 14}, {10, 12, 51, 50}, Qt::SizeBDiagCursor}, {"bottom-left handle", {}, {5, 54}, {11, 10, 50, 52}, Qt::SizeBDiagCursor},
        {"bottom-right handle", {}, {50, 50}, {10, 10, 51, 52}, Qt::SizeFDiagCursor}, {"left edge is inside", {}, {10, 30}, {11, 12, 51, 52}, Qt::SizeAllCursor},
        {"top edge is inside", {}, {30, 10}, {11, 12, 51, 52}, Qt::SizeAllCursor}, {"right edge is outside", {}, {50, 30}, kFrame, Qt::ArrowCursor},
        {"bottom edge is outside", {}, {30, 50}, kFrame, Qt::ArrowCursor},
        {"press top-right, cursor bottom-right", flat, {50, 12}, {10, 12, 51, 16}, Qt::SizeFDiagCursor},
        {"press bottom-left, cursor bottom-right", narrow, {12, 50}, {11, 10, 16, 52}, Qt::SizeFDiagCursor},
    };
    for (auto r : rows) {
        EXPECT_EQ(r.geometry.CursorAt(r.point), r.cursor) << r.why;
        if (r.geometry.Press(r.point))
            r.geometry.MouseMove(r.point + QPoint(1, 2));
        EXPECT_EQ(r.geometry.GetFrame(), r.nudged) << r.why;
    }
}

TEST(CropGeometry, MovingKeepsTheSizeAndIsPushedBackAtEachEdge)
{
    RunDrags({
        {"past the left edge, then by the pointer's motion", kBox, kFrame, {30, 30}, {{{10, 30}, {0, 10, 40, 50}}, {{15, 30}, {5, 10, 45, 50}}}},
        {"one short of the left edge", kBox, kFrame, {30, 30}, {{{21, 30}, {1, 10, 41, 50}}}}, {"past the top edge", kBox, kFrame, {30, 30}, {{{25, -100}, {5, 0, 45, 40}}}},
        {"one short of the top edge", kBox, kFrame, {30, 30}, {{{30, 21}, {10, 1, 50, 41}}}}, {"past the right edge", kBox, kFrame, {30, 30}, {{{100, 31}, {60, 11, 100, 51}}}},
        {"one short of the right edge", kBox, kFrame, {30, 30}, {{{79, 30}, {59, 10, 99, 50}}}}, {"past the bottom edge", kBox, kFrame, {30, 30}, {{{31, 100}, {11, 60, 51, 100}}}},
        {"one short of the bottom edge", kBox, kFrame, {30, 30}, {{{30, 79}, {10, 59, 50, 99}}}},
        {"wider than the bounds", kBox, {10, 10, 150, 50}, {30, 30}, {{{31, 30}, {-40, 10, 100, 50}}}}, {"taller than the bounds", kBox, {10, 10, 50, 150}, {30, 30}, {{{30, 31}, {10, -40, 50, 100}}}},
        {"bounds set after the frame: up to the minimum, back to the maximum", {20, 20, 40, 40}, kFrame, {30, 30}, {{{30, 30}, {0, 0, 40, 40}}}},
    });
}

TEST(CropGeometry, CornersFollowTheMouseWithTheirCorrections)
{
    RunDrags({
        {"step by step", kWide, kFrame, {10, 10}, {{{12, 13}, {12, 13, 50, 50}}, {{15, 20}, {15, 20, 50, 50}}}},
        {"top-left at the top limit", kWide, kFrame, {10, 10}, {{{5, -5}, {10, 0, 50, 50}}}}, {"top-left past the opposite corner", kWide, kFrame, {10, 10}, {{{70, 70}, {30, 50, 50, 50}}}},
        {"top-right past the opposite corner", kWide, kFrame, {50, 10}, {{{-10, 70}, {10, 50, 30, 50}}}}, {"bottom-right past the opposite corner", kWide, kFrame, {50, 50}, {{{-10, -10}, {10, 10, 30, 10}}}},
        {"bottom-left past the opposite corner takes the top along", kWide, kFrame, {10, 50}, {{{70, -10}, {50, -10, 50, -10}}, {{70, -20}, {50, -20, 50, -20}}}},
        {"top-left x limit, then y limit", kBox, kFrame, {10, 10}, {{{-20, -30}, {30, 0, 50, 50}}}}, {"top-right x limit", kBox, kFrame, {50, 10}, {{{120, 20}, {10, 20, 100, 50}}}},
        {"bottom-left x limit", kBox, kFrame, {10, 50}, {{{-5, 60}, {0, 10, 50, 60}}}}, {"bottom-right x limit", kBox, kFrame, {50, 50}, {{{150, 40}, {10, 10, 100, 40}}}},
        {"bottom-left y limit", kBox, kFrame, {10, 50}, {{{20, 120}, {40, 10, 50, 100}}}}, {"bottom-right y limit", kBox, kFrame, {50, 50}, {{{60, 130}, {10, 10, 30, 100}}}},
        {"y limit pushes left over right", kBox, kFrame, {10, 10}, {{{40, -50}, {50, 0, 50, 50}}}}, {"y limit pushes right over left", kBox, kFrame, {50, 10}, {{{20, -50}, {10, 0, 10, 50}}}},
    });
}

TEST(ViewGeometry, FramesTheWorkedExamplesOfThreePictureSizes)
{
    const struct { QSize source, control, scaled; QPoint offset; CropRect frame, sourceRect; QSize fitted; QPoint placed; } rows[] = {
        {{100, 80}, {236, 236}, {100, 80}, {68, 78}, {78, 78, 158, 158}, {10, 0, 90, 80}, {160, 160}, {0, 0}},
        {{640, 480}, {236, 236}, {226, 169}, {5, 33}, {33, 33, 202, 202}, {79, 0, 557, 478}, {160, 160}, {0, 0}},
        // The single-precision scale lies just below 190/203: 189 wide, not 190.
        {{203, 150}, {200, 220}, {189, 140}, {5, 40}, {30, 40, 170, 180}, {26, 0, 176, 149}, {160, 158}, {0, 1}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(testing::Message() << r.source.width() << "x" << r.source.height());
        const ViewGeometry view = ComputeViewGeometry(r.source, r.control);
        EXPECT_EQ(view.scaledSize, r.scaled);
        EXPECT_EQ(QPoint(view.placement.offsetX, view.placement.offsetY), r.offset);
        EXPECT_EQ(view.bounds, CropRect::fromQRect(QRect(r.offset, r.scaled)));
        EXPECT_EQ(view.initialFrame, r.frame);
        EXPECT_EQ(MapFrameToSource(view.initialFrame, view.placement), r.sourceRect);
        EXPECT_EQ(FitIntoHandheld(r.sourceRect), r.fitted);
        EXPECT_EQ(CentreIn(r.fitted, QSize(160, 160)), r.placed);
    }
}

TEST(ViewGeometry, FitKeepsProportionsDividingFirstAndNeedsAnArea)
{
    const std::pair<CropRect, std::optional<QSize>> rows[] = {
        {{0, 0, 150, 300}, QSize(80, 160)}, {{5, 5, 82, 82}, QSize(159, 160)}, {{0, 0, 154, 77}, QSize(160, 79)}, // 160.0 / 77 * 77, 160.0 / 154 * 77 lie just below 160, 80
        {{10, 10, 10, 50}, std::nullopt}, {{10, 10, 50, 10}, std::nullopt}, {{0, 0, 5000, 20}, std::nullopt}, // a sliver: nothing
    };
    for (const auto &[sourceRect, fitted] : rows)
        EXPECT_EQ(FitIntoHandheld(sourceRect), fitted) << sourceRect.right;
    EXPECT_EQ(ClipToPicture({120, 0, 150, 10}, {100, 80}), CropRect{}) << "no overlap with the picture";
}

// Worked examples at 160 by 160 and scale 1, so nothing is resized; grays that land on palette entries leave nothing to dither.
TEST(HandheldRender, FlattensOntoWhiteStretchesChangesTheContrastMirrorsForCodeTwoAndCentresThePreview)
{
    const auto sides = [](QRgb left, QRgb right) { // the right half opaque, over the left
        QImage image(160, 160, QImage::Format_ARGB32);
        image.fill(left);
        QPainter(&image).fillRect(80, 0, 80, 160, QColor(right));
        return ImgBitmap::FromQImage(image);
    };
    const ImgBitmap narrow = sides(qRgb(100, 100, 100), qRgb(110, 110, 110));
    const struct { const char *why; ImgBitmap source; int grayLevel, contrast, left, right; } rows[] = {
        {"transparent black shows the white paper", sides(qRgba(0, 0, 0, 0), qRgb(0, 0, 0)), 2, 0, 255, 0}, {"100 and 110 stretched to 0 and 255", narrow, 2, 0, 0, 255},
        {"in 4 grays too", narrow, 1, 0, 0, 255}, // any level but 1 renders 16 grays, where 17 and 238 need no dithering:
        {"then contrast -133, k = 0.867: 128 - 128 k = 17.02, 128 + 127 k = 238.1", narrow, 3, -133, 17, 238},
    };
    for (const auto &r : rows) {
        const auto rendered = RenderHandheld(r.source, {0, 0, 160, 160}, {1.0f, 0, 0}, r.grayLevel, r.contrast);
        ASSERT_TRUE(rendered) << r.why;
        const QImage picture = rendered->picture.ToQImage();
        EXPECT_EQ(picture.colorCount(), r.grayLevel == 1 ? 4 : 16) << r.why;
        EXPECT_EQ(std::pair(testimg::graysIn(picture.copy(0, 0, 80, 160)), testimg::graysIn(picture.copy(80, 0, 80, 160))), std::pair(std::set{r.left}, std::set{r.right})) << r.why;
    }
    ImgBitmap halves = ImgBitmap::FromQImage(testimg::gray(300, 150, [](int, int y) { return y < 75 ? 255 : 0; })); // top half white
    halves.SetOrientation(2); // stored bottom-up: the top half of the frame is the black half
    const auto mirrored = RenderHandheld(halves, {0, 0, 300, 75}, {1.0f, 0, 0}, 2, 0);
    ASSERT_TRUE(mirrored);
    EXPECT_EQ(mirrored->trimmed, (CropRect{0, 75, 300, 150}));
    EXPECT_EQ(testimg::grayAt(mirrored->picture.ToQImage(), 80, 80), 0);
    for (const CropRect &none : {CropRect{20, 20, 20, 60}, CropRect{20, 20, 60, 20}, CropRect{350, 10, 400, 60}})
        EXPECT_FALSE(RenderHandheld(halves, none, {1.0f, 0, 0}, 2, 0)) << "no source pixels at " << none.left;
    // The preview shows the handheld picture centred in the control: (38, 38) to (198, 198).
    const ImgBitmap white = ImgBitmap::FromQImage(testimg::gray(160, 160, [](int, int) { return 255; }));
    const QImage preview = ComposePreview(white, {236, 236}).ToQImage();
    for (int at : {37, 38, 197, 198})
        EXPECT_EQ(QPoint(testimg::grayAt(preview, at, 100), testimg::grayAt(preview, 100, at)), at >= 38 && at < 198 ? QPoint(255, 255) : QPoint(0, 0)) << at;
}
