#pragma once

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

// A still of the whole desktop, every screen, in the coordinates of the desktop's top left
// corner; or, when none can be had, why (a CaptureFailure text).
struct ScreenStill {
    QPixmap picture;
    QString failure;
};

// One screen's picture and its place on the desktop, in the desktop's coordinates.
struct ScreenGrab {
    QRect geometry;
    QPixmap picture;
};

// The screens' pictures at their places on `desktop`, black where no screen is, at the device
// pixel ratio `ratio`; null when a screen gave no picture.
QPixmap JoinScreenGrabs(const QRect &desktop, qreal ratio, const QList<ScreenGrab> &grabs);

// On Wayland only the desktop may read the screen, so the still comes from its screenshot
// portal (also when running through XWayland, whose grab is black where Wayland windows are);
// on X11 every screen is grabbed.
bool IsWaylandSession();
ScreenStill TakeScreenStill();
