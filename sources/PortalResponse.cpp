#include "sources/PortalResponse.h"

#include <QUrl>

namespace CaptureFailure {
const QString kNoPortal = QStringLiteral(
    "The screen could not be captured: no screenshot service of the desktop (xdg-desktop-portal) answered.");
const QString kCancelled = QStringLiteral("The screen could not be captured: the screenshot was cancelled.");
const QString kRefused = QStringLiteral("The screen could not be captured: the desktop refused the screenshot.");
const QString kNotLocalFile = QStringLiteral(
    "The screen could not be captured: the desktop did not give the screenshot as a local file.");
const QString kUnreadable = QStringLiteral(
    "The screen could not be captured: the desktop's screenshot could not be read.");
const QString kNoGrab = QStringLiteral("The screen could not be captured.");
} // namespace CaptureFailure

QString PortalRequestPath(const QString &uniqueName, const QString &token)
{
    QString sender = uniqueName.startsWith(':') ? uniqueName.mid(1) : uniqueName;
    sender.replace('.', '_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

PortalStill ReadScreenshotResponse(uint response, const QVariantMap &results)
{
    // 0 success, 1 cancelled by the user, 2 ended another way (refused, failed).
    if (response == 1)
        return {{}, CaptureFailure::kCancelled};
    if (response != 0)
        return {{}, CaptureFailure::kRefused};
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile() || !uri.host().isEmpty())
        return {{}, CaptureFailure::kNotLocalFile};
    return {uri.toLocalFile(), {}};
}
