#pragma once

#include "sources/PortalResponse.h"

#include <QEventLoop>
#include <QObject>

#include <optional>

// Asks the desktop's screenshot portal (org.freedesktop.portal.Screenshot) for a still of the
// screen, without a dialog, and stays on the session bus until its Response: the portals
// answer through a signal of the request, and a caller that has gone is not answered.
class PortalScreenshot : public QObject {
    Q_OBJECT
public:
    PortalStill take();

private slots:
    void onResponse(uint response, const QVariantMap &results);

private:
    QEventLoop m_wait;
    std::optional<PortalStill> m_answer;
};
