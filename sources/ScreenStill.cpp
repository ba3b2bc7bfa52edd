#include "sources/ScreenStill.h"

#include "imaging/ImageFile.h"
#include "sources/PortalScreenshot.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

bool IsWaylandSession()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("wayland")
           || (platform == QLatin1String("xcb") && qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland"));
}

namespace {

ScreenStill fromPortal(qreal ratio)
{
    const PortalStill answer = PortalScreenshot().take();
    if (!answer.failure.isEmpty())
        return {{}, answer.failure};
    // Read where it is and left there: some portals write every caller's still to one path.
    const QImage still = imaging::readImageFile(answer.file);
    if (still.isNull())
        return {{}, CaptureFailure::kUnreadable};
    QPixmap picture = QPixmap::fromImage(still);
    picture.setDevicePixelRatio(ratio);
    return {picture, {}};
}

ScreenStill grabEveryScreen(QScreen *primary)
{
    // X11 grabs its root window, which holds every screen; a platform that grabs a single
    // screen has the screens put together.
    const QRect desktop = primary->virtualGeometry();
    QPixmap picture = primary->grabWindow(0);
    if (!picture.isNull() && picture.deviceIndependentSize().toSize() != desktop.size()) {
        QList<ScreenGrab> grabs;
        for (QScreen *screen : primary->virtualSiblings())
            grabs.append({screen->geometry(), screen->grabWindow(0)});
        picture = JoinScreenGrabs(desktop, primary->devicePixelRatio(), grabs);
    }
    if (picture.isNull())
        return {{}, CaptureFailure::kNoGrab};
    return {picture, {}};
}

} // namespace

QPixmap JoinScreenGrabs(const QRect &desktop, qreal ratio, const QList<ScreenGrab> &grabs)
{
    QPixmap picture(desktop.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (const ScreenGrab &grab : grabs) {
        if (grab.picture.isNull())
            return {};
        painter.drawPixmap(grab.geometry.topLeft() - desktop.topLeft(), grab.picture);
    }
    painter.end();
    return picture;
}

ScreenStill TakeScreenStill()
{
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return {{}, CaptureFailure::kNoGrab};
    return IsWaylandSession() ? fromPortal(primary->devicePixelRatio()) : grabEveryScreen(primary);
}
