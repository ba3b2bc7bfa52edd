#pragma once

#include "imaging/Bitmap.h"
#include "sources/ScanBackend.h"

#include <QString>

#include <functional>
#include <optional>

class QProgressDialog;
class QWidget;
class ScanDevice;

struct ScanOptions {
    // Set on the device when it has a resolution option; otherwise its own default.
    std::optional<int> resolutionDpi;
};

enum class ScanOutcome {
    Scanned,
    NoDevices,
    Cancelled, // the user cancelled the source dialog
    DeviceUnavailable,
    Failed,    // no picture: the device failed or the user stopped the scan
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::Failed;
    ImgBitmap image; // allocated only when Scanned
    QString detail;  // SANE's status text or what went wrong, for notes and debugging only
};

// Scans one page: SANE lists the devices, the user picks one in ScanSourceDlg (the last one
// preselected), and the page is read at the device's own settings under a progress dialog.
// Messages are the caller's to show.
ScanResult ScanOnePage(QWidget *parent, const ScanOptions &options = {});

// Stand-ins for the interactive steps.
struct ScanHooks {
    // Picks the device instead of the source dialog; an empty name cancels.
    std::function<QString(const QList<ScanDeviceInfo> &devices)> chooseDevice;
    // Adjusts the open device before the scan.
    std::function<void(ScanDevice &device)> prepareDevice;
    // Called with the progress dialog once its loop runs.
    std::function<void(QProgressDialog &dialog)> progressShown;
};
ScanResult ScanOnePage(QWidget *parent, const ScanOptions &options, const ScanHooks &hooks);
