#pragma once

#include <QString>
#include <QVariantMap>

// The texts a failed screen capture shows, with the caption "Capture".
namespace CaptureFailure {
extern const QString kNoPortal;
extern const QString kCancelled;
extern const QString kRefused;
extern const QString kNotLocalFile;
extern const QString kUnreadable;
extern const QString kNoGrab;
} // namespace CaptureFailure

// The object path of the Request that a portal call with `token` makes for the caller
// `uniqueName` (":1.42" and "t" give .../request/1_42/t): known before the call, so that the
// Response cannot come before the caller listens for it.
QString PortalRequestPath(const QString &uniqueName, const QString &token);

// What the Screenshot portal's Response said: the local file holding the still, or why there
// is none.
struct PortalStill {
    QString file;
    QString failure;
};
PortalStill ReadScreenshotResponse(uint response, const QVariantMap &results);
