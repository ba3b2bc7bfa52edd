#pragma once

#include <QPixmap>
#include <QString>

// A still of the whole desktop, every screen, in the coordinates of the desktop's top left
// corner; or, when none can be had, why (a CaptureFailure text).
struct ScreenStill {
    QPixmap picture;
    QString failure;
};

// On Wayland only the desktop may read the screen, so the still comes from its screenshot
// portal (also when running through XWayland, whose grab is black where Wayland windows are);
// on X11 every screen is grabbed.
bool IsWaylandSession();
ScreenStill TakeScreenStill();
