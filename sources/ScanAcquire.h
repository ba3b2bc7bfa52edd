#pragma once

#include <QImage>
#include <QString>

#include <functional>

class ScanDevice;
class ScanStopSignal;

struct AcquiredPage {
    QImage image;   // null unless the whole page arrived
    QString detail; // why not: SANE's status text, or what was wrong with the data
};

// Scans one page from an open device at its current settings, every frame of it, and ends
// the scan (sane_cancel). Stops without a picture once `stop` is raised: at once while it
// waits for a device that offers a select descriptor, else when the read in progress
// returns. `progress` hears the percent done (-1 while unknown) each time it changes, on
// the calling thread. Never throws.
AcquiredPage AcquirePage(ScanDevice &device, const ScanStopSignal &stop,
                         const std::function<void(int percent)> &progress);
