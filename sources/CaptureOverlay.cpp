#include "sources/CaptureOverlay.h"

#include "sources/ScreenStill.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

namespace {

// From the press to the mouse, the mouse's row and column excluded, in either direction.
QRect dragArea(QPoint press, QPoint mouse)
{
    return {QPoint(std::min(press.x(), mouse.x()), std::min(press.y(), mouse.y())),
            QSize(std::abs(mouse.x() - press.x()), std::abs(mouse.y() - press.y()))};
}

} // namespace

CaptureOverlay::CaptureOverlay(const QPixmap &screen, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_screen(screen)
    , m_band(new QRubberBand(QRubberBand::Rectangle, this))
{
    setWindowModality(Qt::ApplicationModal);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int CaptureOverlay::exec()
{
    m_done = false;
    m_result = -1;
    // One window over every screen; a Wayland window cannot place itself, so there it fills
    // the screen the desktop gives it, as with a single screen.
    if (screen()->virtualSiblings().size() > 1 && QGuiApplication::platformName() != QLatin1String("wayland")) {
        setGeometry(screen()->virtualGeometry());
        show();
    } else {
        showFullScreen();
    }
    activateWindow();
    QEventLoop loop;
    while (!m_done && isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    hide();
    return m_result;
}

void CaptureOverlay::finish(int result)
{
    m_result = result;
    m_done = true;
    m_dragging = false;
    m_band->hide();
}

void CaptureOverlay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    painter.drawPixmap(QPoint(0, 0), m_screen);
}

void CaptureOverlay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        finish(-1);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_origin = event->position().toPoint();
    m_dragging = true;
    m_band->setGeometry(QRect(m_origin, QSize()));
    m_band->show();
}

void CaptureOverlay::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        m_band->setGeometry(dragArea(m_origin, event->position().toPoint()));
}

void CaptureOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    const QRect area = dragArea(m_origin, event->position().toPoint());
    const qreal ratio = m_screen.devicePixelRatio();
    const QRect pixels = QRect(qRound(area.x() * ratio), qRound(area.y() * ratio),
                               qRound(area.width() * ratio), qRound(area.height() * ratio))
                             .intersected(QRect(QPoint(0, 0), m_screen.size()));
    if (pixels.isEmpty()) {
        finish(-1);
        return;
    }
    m_captured = m_screen.copy(pixels).toImage();
    finish(0);
}

void CaptureOverlay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        finish(-1);
}

int CaptureScreenArea(QImage &area, QString &failure)
{
    const ScreenStill still = TakeScreenStill();
    failure = still.failure;
    if (!failure.isEmpty())
        return -1;
    CaptureOverlay overlay(still.picture);
    const int result = overlay.exec();
    if (result == 0)
        area = overlay.captured();
    return result;
}
