#pragma once

#include "sources/ScanAcquire.h"

#include <functional>

class QProgressDialog;
class QWidget;
class ScanDevice;

struct ScanAttempt {
    AcquiredPage page;
    bool cancelled = false; // the user stopped it: no picture, whatever arrived
};

// Scans one page on a worker thread while a modal progress dialog ("Scan Image",
// "Scanning...") shows the percent done, or a busy bar while the length is unknown. While
// it runs only the worker calls SANE: Cancel has it cancel the scan, at once when the
// device offers a descriptor to wait on, else when its read in progress returns. Returns
// only after the worker has ended.
// `shown`, when set, is called with the dialog once its loop runs, before any progress.
ScanAttempt ScanWithProgress(QWidget *parent, ScanDevice &device,
                             const std::function<void(QProgressDialog &)> &shown = {});
