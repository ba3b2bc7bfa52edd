#pragma once

#include "render/CropGeometry.h"

#include <QPixmap>
#include <QWidget>

// The picture editor's picture area (control 1011): the scaled picture with the crop
// frame over it. The user moves the frame by dragging inside it and resizes it by
// dragging a corner handle; finishing a drag asks the parent, when it is a
// CropFrameOwner, to render its preview.
class CCropFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kControlId = 1011;

    explicit CCropFrame(QWidget *parent = nullptr);

    // Taken at the first paint; a picture set after that is not shown.
    void SetBackground(const QPixmap &picture);
    // Limits for dragging only: the current frame is left where it is.
    void SetBounds(int minX, int minY, int maxX, int maxY);
    void SetFrame(int left, int top, int right, int bottom);
    CropRect GetFrame() const { return m_geometry.GetFrame(); }

    // How the editor mapped the picture into this control; kept here for it.
    float m_scale = 1.0f;
    int m_offsetX = 0;
    int m_offsetY = 0;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ComposeBackBuffer();
    void UpdateFrameChange(const CropRect &before);

    CropGeometry m_geometry;
    QPixmap m_background;
    QPixmap m_backBuffer;
    bool m_painted = false;
};
