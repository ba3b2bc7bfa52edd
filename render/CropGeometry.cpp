#include "render/CropGeometry.h"

namespace {

constexpr int kHandleHalf = 5; // handles are 10x10, centred on the frame's corners

CropRect HandleAt(int x, int y)
{
    return {x - kHandleHalf, y - kHandleHalf, x + kHandleHalf, y + kHandleHalf};
}

void Offset(CropRect &rect, int dx, int dy)
{
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
}

} // namespace

bool PtInRect(const CropRect &rect, QPoint point)
{
    return rect.left <= point.x() && point.x() < rect.right && rect.top <= point.y()
        && point.y() < rect.bottom;
}

CropGeometry::CropGeometry()
{
    UpdateHandles();
}

void CropGeometry::SetBounds(int minX, int minY, int maxX, int maxY)
{
    m_bounds = {minX, minY, maxX, maxY};
}

void CropGeometry::SetFrame(int left, int top, int right, int bottom)
{
    m_frame = {left, top, right, bottom};
    UpdateHandles();
}

bool CropGeometry::Press(QPoint point)
{
    DragMode mode = None;
    if (PtInRect(m_handleTL, point))
        mode = TopLeft;
    else if (PtInRect(m_handleTR, point))
        mode = TopRight;
    else if (PtInRect(m_handleBL, point))
        mode = BottomLeft;
    else if (PtInRect(m_handleBR, point))
        mode = BottomRight;
    else if (PtInRect(m_frame, point))
        mode = Move;
    if (mode == None)
        return false;
    m_dragMode = mode;
    m_lastPoint = point;
    return true;
}

bool CropGeometry::Release()
{
    if (m_dragMode == None)
        return false;
    m_dragMode = None;
    return true;
}

void CropGeometry::CancelDrag()
{
    m_dragMode = None;
}

std::optional<CropRect> CropGeometry::MouseMove(QPoint point)
{
    if (m_dragMode == None)
        return std::nullopt;
    const CropRect before = m_frame;
    if (m_dragMode == Move)
        MoveStep(point);
    else
        CornerStep(point);
    return before;
}

Qt::CursorShape CropGeometry::CursorAt(QPoint point) const
{
    if (PtInRect(m_handleTL, point) || PtInRect(m_handleBR, point))
        return Qt::SizeFDiagCursor;
    if (PtInRect(m_handleTR, point) || PtInRect(m_handleBL, point))
        return Qt::SizeBDiagCursor;
    if (PtInRect(m_frame, point))
        return Qt::SizeAllCursor;
    return Qt::ArrowCursor;
}

std::array<CropRect, 4> CropGeometry::HandlesAround(const CropRect &frame)
{
    return {HandleAt(frame.left, frame.top), HandleAt(frame.right, frame.top),
            HandleAt(frame.left, frame.bottom), HandleAt(frame.right, frame.bottom)};
}

void CropGeometry::UpdateHandles()
{
    const auto handles = HandlesAround(m_frame);
    m_handleTL = handles[0];
    m_handleTR = handles[1];
    m_handleBL = handles[2];
    m_handleBR = handles[3];
}

// The frame keeps its size; a frame wider or taller than the bounds ends up flush
// with the right or bottom limit.
void CropGeometry::MoveStep(QPoint point)
{
    Offset(m_frame, point.x() - m_lastPoint.x(), point.y() - m_lastPoint.y());
    if (m_frame.left < m_bounds.left)
        Offset(m_frame, m_bounds.left - m_frame.left, 0);
    if (m_frame.top < m_bounds.top)
        Offset(m_frame, 0, m_bounds.top - m_frame.top);
    if (m_frame.right > m_bounds.right)
        Offset(m_frame, m_bounds.right - m_frame.right, 0);
    if (m_frame.bottom > m_bounds.bottom)
        Offset(m_frame, 0, m_bounds.bottom - m_frame.bottom);
    UpdateHandles();
    m_lastPoint = point;
}

// The dragged corner follows the mouse; the corrections after it keep that corner
// inside the bounds and stop it crossing the opposite edges. Each one is applied
// once, in this order, so a large step can leave the frame as the last one set it.
void CropGeometry::CornerStep(QPoint point)
{
    const int dx = point.x() - m_lastPoint.x();
    const int dy = point.y() - m_lastPoint.y();
    m_lastPoint = point;

    const bool onLeft = m_dragMode == TopLeft || m_dragMode == BottomLeft;
    const bool onTop = m_dragMode == TopLeft || m_dragMode == TopRight;
    int &x = onLeft ? m_frame.left : m_frame.right;
    int &y = onTop ? m_frame.top : m_frame.bottom;
    const int oppositeX = onLeft ? m_frame.right : m_frame.left;
    const int inward = onLeft ? 1 : -1; // the x direction that narrows the frame

    x += dx;
    y += dy;

    const int xOvershoot = onLeft ? m_bounds.left - x : x - m_bounds.right;
    if (xOvershoot > 0)
        x = onLeft ? m_bounds.left : m_bounds.right;

    // Pulled back to the y limit, the corner also gives up as much width.
    const int yOvershoot = onTop ? m_bounds.top - y : y - m_bounds.bottom;
    if (yOvershoot > 0) {
        y = onTop ? m_bounds.top : m_bounds.bottom;
        x += inward * yOvershoot;
    }

    if (inward * (x - oppositeX) > 0)
        x = oppositeX;

    // Crossed over the opposite y edge, the corner stops there and the frame widens
    // by the crossing. The bottom-left corner instead takes the top edge along.
    const int crossing = m_frame.top - m_frame.bottom;
    if (crossing > 0) {
        if (m_dragMode == BottomLeft) {
            m_frame.top = m_frame.bottom;
        } else {
            y = onTop ? m_frame.bottom : m_frame.top;
            x -= inward * crossing;
        }
    }
    UpdateHandles();
}
