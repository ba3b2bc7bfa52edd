#include "sources/ScanSettings.h"

#include <QSettings>

namespace {

const QString kScanner = QStringLiteral("Parameters/Scanner");

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillmere"),
                     QStringLiteral("Vellumo"));
}

} // namespace

QString RememberedScanner()
{
    return store().value(kScanner).toString();
}

void RememberScanner(const QString &deviceName)
{
    store().setValue(kScanner, deviceName);
}
