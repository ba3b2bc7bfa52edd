#include "windows/CropFrame.h"

#include "windows/CropFrameOwner.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The one-pixel outline of frame, inverted so it shows on any picture. Drawn as four
// strips that never overlap: a pixel inverted twice would look untouched.
void InvertOutline(QPainter &painter, const CropRect &frame)
{
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0)
        return;
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(frame.left, frame.top, width, 1, Qt::black);
    if (height > 1)
        painter.fillRect(frame.left, frame.bottom - 1, width, 1, Qt::black);
    if (height > 2) {
        painter.fillRect(frame.left, frame.top + 1, 1, height - 2, Qt::black);
        if (width > 1)
            painter.fillRect(frame.right - 1, frame.top + 1, 1, height - 2, Qt::black);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DrawHandle(QPainter &painter, const CropRect &handle)
{
    const QRect area = handle.toQRect();
    painter.fillRect(area, Qt::black);
    painter.fillRect(area.adjusted(1, 1, -1, -1), Qt::white);
}

} // namespace

CCropFrame::CCropFrame(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QString::number(kControlId));
    setMouseTracking(true);
}

void CCropFrame::SetBackground(const QPixmap &picture)
{
    if (!m_painted)
        m_background = picture;
}

void CCropFrame::SetBounds(int minX, int minY, int maxX, int maxY)
{
    m_geometry.SetBounds(minX, minY, maxX, maxY);
}

void CCropFrame::SetFrame(int left, int top, int right, int bottom)
{
    const CropRect before = m_geometry.GetFrame();
    m_geometry.SetFrame(left, top, right, bottom);
    UpdateFrameChange(before);
}

bool CCropFrame::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::UngrabMouse:
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
        // The rest of the drag goes elsewhere, so it ends here without a preview.
        m_geometry.CancelDrag();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CCropFrame::paintEvent(QPaintEvent *)
{
    if (!m_painted) {
        // The editor has sized the control and set its picture before showing it.
        const qreal ratio = devicePixelRatio();
        m_backBuffer = QPixmap((QSizeF(size()) * ratio).toSize());
        m_backBuffer.setDevicePixelRatio(ratio);
        m_painted = true;
    }
    ComposeBackBuffer();
    QPainter(this).drawPixmap(0, 0, m_backBuffer);
}

void CCropFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_geometry.Press(event->position().toPoint());
}

void CCropFrame::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    // The button came up where this control did not see it: that drag is over.
    if (!(event->buttons() & Qt::LeftButton))
        m_geometry.CancelDrag();
    if (const auto before = m_geometry.MouseMove(point))
        UpdateFrameChange(*before);
    else
        setCursor(m_geometry.CursorAt(point));
}

void CCropFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_geometry.Release())
        return;
    if (auto *owner = dynamic_cast<CropFrameOwner *>(parentWidget()))
        owner->RenderPreview(m_geometry.GetFrame());
}

void CCropFrame::ComposeBackBuffer()
{
    const CropRect frame = m_geometry.GetFrame();
    m_backBuffer.fill(Qt::black);
    QPainter painter(&m_backBuffer);
    painter.drawPixmap(0, 0, m_background);
    InvertOutline(painter, frame);
    for (const CropRect &handle : CropGeometry::HandlesAround(frame))
        DrawHandle(painter, handle);
}

// Only what the frame and its handles covered before and cover now needs repainting.
void CCropFrame::UpdateFrameChange(const CropRect &before)
{
    for (const CropRect &frame : {before, m_geometry.GetFrame()}) {
        update(frame.toQRect());
        for (const CropRect &handle : CropGeometry::HandlesAround(frame))
            update(handle.toQRect());
    }
}
