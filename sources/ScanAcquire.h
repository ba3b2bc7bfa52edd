#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <functional>

class ScanDevice;

struct AcquiredPage {
    QImage image;   // null unless the whole page arrived
    QString detail; // why not: SANE's status text, or what was wrong with the data
};

// Scans one page from an open device at its current settings, every frame of it, and ends
// the scan (sane_cancel). Stops without a picture once `cancelled` is set, at the latest
// when the read in progress returns. `progress` hears the percent
// done (-1 while unknown) each time it changes, on the calling thread. Never throws.
AcquiredPage AcquirePage(ScanDevice &device, const std::atomic<bool> &cancelled,
                         const std::function<void(int percent)> &progress);
