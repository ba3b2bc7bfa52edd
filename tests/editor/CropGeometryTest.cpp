#include "editor/CropGeometry.h"

#include "CropRectPrinter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr CropRect kFrame{10, 10, 50, 50};
constexpr CropRect kWide{0, 0, 999, 999};
constexpr CropRect kBox{0, 0, 100, 100};

struct Drag {
    const char *name;
    CropRect bounds;
    CropRect frame;
    QPoint press;
    std::vector<std::pair<QPoint, CropRect>> steps; // mouse position, frame after it
};

// Each step must also report the frame it started from.
void RunDrags(std::initializer_list<Drag> drags)
{
    for (const Drag &drag : drags) {
        SCOPED_TRACE(drag.name);
        CropGeometry geometry;
        const CropRect &b = drag.bounds;
        geometry.SetBounds(b.left, b.top, b.right, b.bottom);
        geometry.SetFrame(drag.frame.left, drag.frame.top, drag.frame.right, drag.frame.bottom);
        ASSERT_TRUE(geometry.Press(drag.press));
        for (const auto &[to, expected] : drag.steps) {
            const CropRect before = geometry.GetFrame();
            EXPECT_EQ(geometry.MouseMove(to), before);
            EXPECT_EQ(geometry.GetFrame(), expected);
        }
    }
}

// The frame after a press at point and a move one right and two down: shows which
// part of the frame the press took hold of.
CropRect NudgedFrom(CropGeometry geometry, QPoint point)
{
    if (geometry.Press(point))
        geometry.MouseMove(point + QPoint(1, 2));
    return geometry.GetFrame();
}

} // namespace

TEST(CropGeometryTest, HandlesAndFrameDecidePressAndCursor)
{
    const CropRect topLeft{11, 12, 50, 50}, topRight{10, 12, 51, 50};
    const CropRect bottomLeft{11, 10, 50, 52}, bottomRight{10, 10, 51, 52};
    const CropRect moved{11, 12, 51, 52};
    const struct {
        QPoint point;
        CropRect nudged;
        Qt::CursorShape cursor;
    } cases[] = {
        {{5, 5}, topLeft, Qt::SizeFDiagCursor}, // handles reach 5 px past the corner
        {{14, 14}, topLeft, Qt::SizeFDiagCursor},
        {{54, 14}, topRight, Qt::SizeBDiagCursor},
        {{5, 54}, bottomLeft, Qt::SizeBDiagCursor},
        {{50, 50}, bottomRight, Qt::SizeFDiagCursor},
        {{15, 15}, moved, Qt::SizeAllCursor},
        {{10, 30}, moved, Qt::SizeAllCursor}, // left and top edges are inside
        {{30, 10}, moved, Qt::SizeAllCursor},
        {{50, 30}, kFrame, Qt::ArrowCursor}, // right and bottom edges are not
        {{30, 50}, kFrame, Qt::ArrowCursor},
        {{55, 55}, kFrame, Qt::ArrowCursor},
    };
    const CropGeometry geometry;
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.point.x() << ", " << c.point.y());
        EXPECT_EQ(NudgedFrom(geometry, c.point), c.nudged);
        EXPECT_EQ(geometry.CursorAt(c.point), c.cursor);
    }
}

TEST(CropGeometryTest, OverlappingHandlesAreTestedInDifferentOrdersForCursorAndPress)
{
    // Top-right over bottom-right, and bottom-left over bottom-right: the cursor looks
    // at bottom-right first, a press at the others.
    CropGeometry flat;
    flat.SetFrame(10, 10, 50, 16);
    EXPECT_EQ(flat.CursorAt({50, 12}), Qt::SizeFDiagCursor);
    EXPECT_EQ(NudgedFrom(flat, {50, 12}), (CropRect{10, 12, 51, 16}));
    CropGeometry narrow;
    narrow.SetFrame(10, 10, 16, 50);
    EXPECT_EQ(narrow.CursorAt({12, 50}), Qt::SizeFDiagCursor);
    EXPECT_EQ(NudgedFrom(narrow, {12, 50}), (CropRect{11, 10, 16, 52}));
}

TEST(CropGeometryTest, OnlyAPressThatHitStartsADragAndOnlyItsReleaseReports)
{
    CropGeometry geometry;
    EXPECT_FALSE(geometry.Press({200, 200}));
    EXPECT_FALSE(geometry.Release());
    EXPECT_EQ(geometry.MouseMove({100, 100}), std::nullopt);

    ASSERT_TRUE(geometry.Press({30, 30}));
    EXPECT_TRUE(geometry.Release());
    EXPECT_FALSE(geometry.Release());

    ASSERT_TRUE(geometry.Press({30, 30}));
    geometry.CancelDrag();
    EXPECT_FALSE(geometry.Release());
    EXPECT_EQ(geometry.MouseMove({40, 40}), std::nullopt);
    EXPECT_EQ(geometry.GetFrame(), kFrame);
}

TEST(CropGeometryTest, SetFrameAndSetBoundsLeaveTheFrameWhereTheyPutIt)
{
    CropGeometry geometry;
    geometry.SetBounds(0, 0, 100, 100);
    geometry.SetFrame(-20, -20, 200, 200);
    EXPECT_EQ(geometry.GetFrame(), (CropRect{-20, -20, 200, 200}));
    EXPECT_EQ(geometry.CursorAt({204, 204}), Qt::SizeFDiagCursor);
    EXPECT_EQ(geometry.CursorAt({10, 10}), Qt::SizeAllCursor); // the old handle is gone

    geometry.SetFrame(10, 10, 50, 50);
    geometry.SetBounds(20, 20, 40, 40);
    EXPECT_EQ(geometry.GetFrame(), kFrame);
    // The next step applies them, even without moving: pushed right and down past
    // the minimum, then back to the maximum.
    RunDrags({{"too big", {20, 20, 40, 40}, kFrame, {30, 30}, {{{30, 30}, {0, 0, 40, 40}}}}});
}

TEST(CropGeometryTest, MovingKeepsTheSizeAndIsPushedBackInside)
{
    RunDrags({
        {"left limit, then free", kBox, kFrame, {30, 30},
         {{{10, 30}, {0, 10, 40, 50}}, {{15, 30}, {5, 10, 45, 50}}}},
        {"top limit", kBox, kFrame, {30, 30}, {{{25, -100}, {5, 0, 45, 40}}}},
        {"right and bottom limits", kBox, kFrame, {30, 30}, {{{500, 500}, {60, 60, 100, 100}}}},
        {"wider than the bounds", kBox, {10, 10, 150, 50}, {30, 30},
         {{{31, 30}, {-40, 10, 100, 50}}}},
        {"taller than the bounds", kBox, {10, 10, 50, 150}, {30, 30},
         {{{30, 31}, {10, -40, 50, 100}}}},
    });

    // The handles go along.
    CropGeometry geometry;
    ASSERT_TRUE(geometry.Press({30, 30}));
    geometry.MouseMove({130, 30});
    EXPECT_EQ(geometry.CursorAt({154, 54}), Qt::SizeFDiagCursor);
    EXPECT_EQ(geometry.CursorAt({54, 54}), Qt::ArrowCursor);
}

TEST(CropGeometryTest, CornersFollowTheMouseWithTheirCorrections)
{
    RunDrags({
        {"step by step", kWide, kFrame, {10, 10},
         {{{12, 13}, {12, 13, 50, 50}}, {{15, 20}, {15, 20, 50, 50}}}},
        {"top-left at the top limit", kWide, kFrame, {10, 10}, {{{5, -5}, {10, 0, 50, 50}}}},
        {"top-left past the opposite corner", kWide, kFrame, {10, 10},
         {{{70, 70}, {30, 50, 50, 50}}}},
        {"top-right past the opposite corner", kWide, kFrame, {50, 10},
         {{{-10, 70}, {10, 50, 30, 50}}}},
        {"bottom-right past the opposite corner", kWide, kFrame, {50, 50},
         {{{-10, -10}, {10, 10, 30, 10}}}},
        {"bottom-left past the opposite corner takes the top along", kWide, kFrame, {10, 50},
         {{{70, -10}, {50, -10, 50, -10}}, {{70, -20}, {50, -20, 50, -20}}}},
        {"top-left x limit, then y limit", kBox, kFrame, {10, 10}, {{{-20, -30}, {30, 0, 50, 50}}}},
        {"top-right x limit", kBox, kFrame, {50, 10}, {{{120, 20}, {10, 20, 100, 50}}}},
        {"bottom-left x limit", kBox, kFrame, {10, 50}, {{{-5, 60}, {0, 10, 50, 60}}}},
        {"bottom-right x limit", kBox, kFrame, {50, 50}, {{{150, 40}, {10, 10, 100, 40}}}},
        {"bottom-left y limit", kBox, kFrame, {10, 50}, {{{20, 120}, {40, 10, 50, 100}}}},
        {"bottom-right y limit", kBox, kFrame, {50, 50}, {{{60, 130}, {10, 10, 30, 100}}}},
        {"y limit pushes left over right", kBox, kFrame, {10, 10}, {{{40, -50}, {50, 0, 50, 50}}}},
        {"y limit pushes right over left", kBox, kFrame, {50, 10}, {{{20, -50}, {10, 0, 10, 50}}}},
    });
}
