#include "sources/ScanWorker.h"

#include "sources/ScanDevice.h"
#include "sources/ScanStopSignal.h"

#include <QProgressDialog>

#include <thread>

namespace {

void showPercent(QProgressDialog &dialog, int percent)
{
    if (percent < 0) {
        dialog.setRange(0, 0);
    } else {
        dialog.setRange(0, 100);
        dialog.setValue(percent);
    }
}

} // namespace

ScanAttempt ScanWithProgress(QWidget *parent, ScanDevice &device,
                             const std::function<void(QProgressDialog &)> &shown)
{
    QProgressDialog dialog(QStringLiteral("Scanning..."), QStringLiteral("Cancel"), 0, 100, parent);
    dialog.setWindowTitle(QStringLiteral("Scan Image"));
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);

    // The worker talks to the dialog only through queued calls; any still queued when the
    // dialog goes are dropped with it, and it goes only after the worker has ended.
    ScanStopSignal stop;
    bool finished = false;
    ScanAttempt attempt;
    // Queued before the worker starts, so it runs before anything the worker reports.
    if (shown)
        QMetaObject::invokeMethod(&dialog, [&] { shown(dialog); }, Qt::QueuedConnection);
    std::thread worker([&] {
        attempt.page = AcquirePage(device, stop, [&dialog](int percent) {
            QMetaObject::invokeMethod(&dialog, [&dialog, percent] { showPercent(dialog, percent); },
                                      Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(&dialog, [&] {
            finished = true;
            dialog.accept();
        }, Qt::QueuedConnection);
    });

    // Cancel, Escape and closing the window all end the loop before the worker reports.
    dialog.exec();
    if (!finished)
        stop.raise();
    worker.join();
    attempt.cancelled = !finished;
    return attempt;
}
