#include "editor/CropFrame.h"
#include "editor/CropFrameOwner.h"

#include "CropRectPrinter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Stands in for the picture editor: holds the crop control and records its requests.
class FakeEditor : public QWidget, public CropFrameOwner {
public:
    FakeEditor()
    {
        crop->setGeometry(12, 12, 236, 236);
        crop->SetBounds(0, 0, 236, 236);
        resize(260, 260);
        show();
    }

    void RenderPreview(CropRect frame) override { previews.push_back(frame); }

    CCropFrame *crop = new CCropFrame(this);
    std::vector<CropRect> previews;
};

// Delivered straight to the widget: with no button down the test library moves the
// cursor instead, and these moves must also carry buttons that disagree with it.
void MoveHolding(QWidget *widget, QPoint point, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(point), widget->mapToGlobal(QPointF(point)),
                     Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void Drag(QWidget *widget, QPoint from, const std::vector<QPoint> &path,
          Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button, {}, from);
    for (QPoint point : path)
        MoveHolding(widget, point, button);
    QTest::mouseRelease(widget, button, {}, path.empty() ? from : path.back());
}

} // namespace

TEST(CropFrameTest, EachFinishedDragAsksTheEditorForOnePreview)
{
    FakeEditor editor;
    CCropFrame *crop = editor.crop;
    EXPECT_EQ(crop->objectName(), "1011");

    Drag(crop, {30, 30}, {{40, 45}, {50, 60}});
    EXPECT_EQ(crop->GetFrame(), (CropRect{30, 40, 70, 80}));
    EXPECT_EQ(editor.previews, std::vector<CropRect>{crop->GetFrame()});

    // A handle dragged out of the control: points there are signed.
    Drag(crop, {70, 80}, {{-10, -10}});
    EXPECT_EQ(crop->GetFrame(), (CropRect{30, 40, 80, 40}));
    // Moving is held inside the bounds; a click without moving asks all the same.
    crop->SetFrame(10, 10, 50, 50);
    Drag(crop, {30, 30}, {{-100, 400}});
    Drag(crop, {20, 210}, {});
    EXPECT_EQ(editor.previews, (std::vector<CropRect>{{30, 40, 70, 80}, {30, 40, 80, 40},
                                                      {0, 196, 40, 236}, {0, 196, 40, 236}}));

    // Presses that take hold of nothing ask for nothing.
    Drag(crop, {100, 100}, {{20, 210}, {30, 220}});
    Drag(crop, {40, 210}, {{50, 210}}); // the right edge is outside
    Drag(crop, {20, 210}, {{30, 220}}, Qt::RightButton);
    EXPECT_EQ(crop->GetFrame(), (CropRect{0, 196, 40, 236}));
    EXPECT_EQ(editor.previews.size(), 4u);

    // Nor does another button end a drag.
    QTest::mousePress(crop, Qt::LeftButton, {}, {20, 210});
    QTest::mouseClick(crop, Qt::RightButton, {}, {20, 210});
    EXPECT_EQ(editor.previews.size(), 4u);
    QTest::mouseRelease(crop, Qt::LeftButton, {}, {20, 210});
    EXPECT_EQ(editor.previews.size(), 5u);
}

TEST(CropFrameTest, WorksInAParentThatIsNotAnEditor)
{
    QWidget parent;
    auto *crop = new CCropFrame(&parent);
    Drag(crop, {30, 30}, {{35, 30}});
    EXPECT_EQ(crop->GetFrame(), (CropRect{15, 10, 55, 50}));
    CCropFrame alone;
    Drag(&alone, {30, 30}, {{30, 35}});
    EXPECT_EQ(alone.GetFrame(), (CropRect{10, 15, 50, 55}));
}

TEST(CropFrameTest, CursorShowsWhatAPressWouldTake)
{
    FakeEditor editor;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    CCropFrame *crop = editor.crop;
    const std::pair<QPoint, Qt::CursorShape> hovers[] = {
        {{12, 8}, Qt::SizeFDiagCursor}, {{48, 8}, Qt::SizeBDiagCursor},
        {{8, 52}, Qt::SizeBDiagCursor}, {{52, 52}, Qt::SizeFDiagCursor},
        {{30, 30}, Qt::SizeAllCursor},  {{50, 30}, Qt::ArrowCursor},
        {{30, 20}, Qt::SizeAllCursor},
    };
    for (const auto &[point, shape] : hovers) {
        QTest::mouseMove(crop, point);
        EXPECT_EQ(crop->cursor().shape(), shape) << "at " << point.x() << ", " << point.y();
    }

    // While dragging, it stays what it was when the drag began.
    QTest::mousePress(crop, Qt::LeftButton, {}, {30, 20});
    MoveHolding(crop, {200, 200}, Qt::LeftButton);
    EXPECT_EQ(crop->cursor().shape(), Qt::SizeAllCursor);
    QTest::mouseRelease(crop, Qt::LeftButton, {}, {200, 200});
}

TEST(CropFrameTest, LosingTheMouseEndsTheDragWithoutPreview)
{
    const std::pair<const char *, std::function<void(FakeEditor &)>> losses[] = {
        {"grab taken", [](FakeEditor &editor) {
             QEvent ungrab(QEvent::UngrabMouse);
             QApplication::sendEvent(editor.crop, &ungrab);
         }},
        {"focus lost", [](FakeEditor &editor) {
             QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
             QApplication::sendEvent(editor.crop, &focusOut);
         }},
        {"window deactivated", [](FakeEditor &editor) {
             QEvent deactivate(QEvent::WindowDeactivate);
             QApplication::sendEvent(&editor, &deactivate);
         }},
        {"button released elsewhere",
         [](FakeEditor &editor) { MoveHolding(editor.crop, {45, 45}, Qt::NoButton); }},
    };
    for (const auto &[name, loseTheMouse] : losses) {
        SCOPED_TRACE(name);
        FakeEditor editor;
        QTest::mousePress(editor.crop, Qt::LeftButton, {}, {30, 30});
        MoveHolding(editor.crop, {35, 30}, Qt::LeftButton);
        loseTheMouse(editor);
        MoveHolding(editor.crop, {60, 60}, Qt::LeftButton);
        QTest::mouseRelease(editor.crop, Qt::LeftButton, {}, {60, 60});
        EXPECT_EQ(editor.crop->GetFrame(), (CropRect{15, 10, 55, 50}));
        EXPECT_TRUE(editor.previews.empty());
    }
}
