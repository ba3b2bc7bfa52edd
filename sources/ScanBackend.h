#pragma once

#include <QList>
#include <QString>

// One scanning device as SANE lists it.
struct ScanDeviceInfo {
    QString name; // what opens it, e.g. "test:0"
    QString vendor;
    QString model;

    // "vendor model", the way people know the device.
    QString displayName() const;
};

// SANE started for as long as this lives (sane_init, sane_exit). SANE keeps global state:
// one at a time, and every ScanDevice must end before it.
class ScanBackend {
public:
    ScanBackend();
    ~ScanBackend();
    ScanBackend(const ScanBackend &) = delete;
    ScanBackend &operator=(const ScanBackend &) = delete;

    bool isStarted() const { return m_started; }
    // The devices SANE finds now, including network ones; empty when SANE did not start.
    QList<ScanDeviceInfo> listDevices() const;

private:
    bool m_started = false;
};
