#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

class QRubberBand;

// A still of the screen, shown full screen without a frame, on which the user drags the
// area to copy with the left mouse button. Escape, the right button or an empty area
// give nothing.
class CaptureOverlay : public QWidget {
    Q_OBJECT
public:
    explicit CaptureOverlay(const QPixmap &screen, QWidget *parent = nullptr);

    // Runs until the user has dragged an area or given up: 0 with the area in captured(),
    // or -1.
    int exec();
    const QImage &captured() const { return m_captured; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void finish(int result);

    QPixmap m_screen;
    QRubberBand *m_band = nullptr;
    QPoint m_origin;
    bool m_dragging = false;
    QImage m_captured;
    int m_result = -1;
    bool m_done = false;
};

// Takes a still of the screens and lets the user drag an area of it: 0 with the area in
// `area`, or -1: with `failure` empty when the user gave up, else saying why there was no still.
int CaptureScreenArea(QImage &area, QString &failure);
