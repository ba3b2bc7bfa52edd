#include "sources/PortalScreenshot.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QRandomGenerator>
#include <QTimer>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
// A non-interactive screenshot takes a second or two; a portal silent for this long is stuck,
// and the window must not wait for it for ever.
constexpr int kAnswerLimitMs = 30000;
}

PortalStill PortalScreenshot::take()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return {{}, CaptureFailure::kNoPortal};
    m_answer.reset();
    const QString token = QStringLiteral("vellumo%1").arg(QRandomGenerator::global()->generate());
    QString request = PortalRequestPath(bus.baseService(), token);
    const char *slot = SLOT(onResponse(uint, QVariantMap));
    bus.connect(kService, request, kRequest, QStringLiteral("Response"), this, slot);
    // Set up before the call, so that the portal leaving the bus cannot go unnoticed.
    QDBusServiceWatcher gone(kService, bus, QDBusServiceWatcher::WatchForUnregistration);
    connect(&gone, &QDBusServiceWatcher::serviceUnregistered, &m_wait, &QEventLoop::quit);

    QDBusMessage call = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                       QStringLiteral("Screenshot"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("interactive"), false}};
    const QDBusMessage reply = bus.call(call);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        // Portals older than handle_token answer on a request path of their own choosing.
        const QString handle = qvariant_cast<QDBusObjectPath>(reply.arguments().constFirst()).path();
        if (handle != request) {
            bus.disconnect(kService, request, kRequest, QStringLiteral("Response"), this, slot);
            request = handle;
            bus.connect(kService, request, kRequest, QStringLiteral("Response"), this, slot);
        }
        // The user's input waits, as it does while a grab runs.
        if (!m_answer) {
            QTimer::singleShot(kAnswerLimitMs, &m_wait, &QEventLoop::quit);
            m_wait.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }
    bus.disconnect(kService, request, kRequest, QStringLiteral("Response"), this, slot);
    return m_answer.value_or(PortalStill{{}, CaptureFailure::kNoPortal});
}

void PortalScreenshot::onResponse(uint response, const QVariantMap &results)
{
    m_answer = ReadScreenshotResponse(response, results);
    m_wait.quit();
}
