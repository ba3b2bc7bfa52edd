#pragma once

#include <QString>
#include <QVariant>

#include <sane/sane.h>

// SANE's words for a status, e.g. "Document feeder jammed".
QString ScanStatusText(SANE_Status status);

// One open scanning device (sane_open, sane_close); the ScanBackend must outlive it.
// Every call on a device that did not open fails with SANE_STATUS_INVAL.
//
// Calls may come from another thread than the one that opened the device, but from one
// thread at a time: SANE allows cancelling from another thread while a read waits, yet
// backends such as `test` then race with themselves, so we never do.
class ScanDevice {
public:
    explicit ScanDevice(const QString &name);
    ~ScanDevice();
    ScanDevice(const ScanDevice &) = delete;
    ScanDevice &operator=(const ScanDevice &) = delete;

    bool isOpen() const { return m_handle != nullptr; }
    SANE_Status openStatus() const { return m_openStatus; }

    // Sets the active, settable option of that name: a number for integer, fixed-point and
    // boolean options, text for string options. SANE_STATUS_UNSUPPORTED when the device has
    // no such option it lets us set, or it takes arrays or another type.
    SANE_Status setOption(const char *name, const QVariant &value);

    SANE_Status start();
    SANE_Status parameters(SANE_Parameters &parameters);
    SANE_Status read(SANE_Byte *buffer, SANE_Int maxLength, SANE_Int &length);
    // A descriptor that turns readable when the started scan has data, if the device has one.
    bool selectFd(SANE_Int &fd);
    // Ends the scan in progress, or the finished one.
    void cancel();

private:
    SANE_Handle m_handle = nullptr;
    SANE_Status m_openStatus = SANE_STATUS_GOOD;
};
