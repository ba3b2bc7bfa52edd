#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include <array>
#include <optional>

// A rectangle the way the rest of the program thinks of one: right and bottom are
// one past the last column and row.
struct CropRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const CropRect &) const = default;

    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static CropRect fromQRect(const QRect &rect)
    {
        return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
    }
};

// True when point lies inside rect, its right column and bottom row excluded.
bool PtInRect(const CropRect &rect, QPoint point);

// The crop frame's rectangle, its corner handles and the drag that changes them,
// in the crop control's client coordinates. Bounds are the scaled picture's area;
// they only hold the frame in while it is dragged.
class CropGeometry {
public:
    CropGeometry();

    void SetBounds(int minX, int minY, int maxX, int maxY);
    void SetFrame(int left, int top, int right, int bottom);
    CropRect GetFrame() const { return m_frame; }

    // Starts a drag when point is on a handle or inside the frame.
    bool Press(QPoint point);
    // Ends the drag; true when there was one, so the editor should redraw its preview.
    bool Release();
    // Ends the drag with no preview, for a drag the control lost track of.
    void CancelDrag();
    // One drag step to point; returns the frame as it was before, or nothing when no
    // drag is running.
    std::optional<CropRect> MouseMove(QPoint point);
    // The cursor to show over point while nothing is dragged.
    Qt::CursorShape CursorAt(QPoint point) const;

    // The handles of frame, in the order top-left, top-right, bottom-left, bottom-right.
    static std::array<CropRect, 4> HandlesAround(const CropRect &frame);

private:
    enum DragMode {
        None = 0,
        Move = 1,
        TopLeft = 2,
        TopRight = 3,
        BottomLeft = 4,
        BottomRight = 5,
    };

    void UpdateHandles();
    void MoveStep(QPoint point);
    void CornerStep(QPoint point);

    CropRect m_frame{10, 10, 50, 50};
    CropRect m_bounds{0, 0, 999, 999};
    CropRect m_handleTL;
    CropRect m_handleTR;
    CropRect m_handleBL;
    CropRect m_handleBR;
    DragMode m_dragMode = None;
    QPoint m_lastPoint;
};
