#include "sources/ScanBackend.h"

#include <sane/sane.h>

QString ScanDeviceInfo::displayName() const
{
    return vendor + QLatin1Char(' ') + model;
}

ScanBackend::ScanBackend()
{
    SANE_Int version = 0;
    m_started = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
}

ScanBackend::~ScanBackend()
{
    if (m_started)
        sane_exit();
}

QList<ScanDeviceInfo> ScanBackend::listDevices() const
{
    QList<ScanDeviceInfo> devices;
    const SANE_Device **list = nullptr;
    if (!m_started || sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return devices;
    for (; *list; ++list) {
        const SANE_Device &device = **list;
        if (device.name)
            devices.append({QString::fromUtf8(device.name), QString::fromUtf8(device.vendor),
                            QString::fromUtf8(device.model)});
    }
    return devices;
}
