#include "sources/ScanSession.h"

#include "sources/ScanDevice.h"
#include "sources/ScanSourceDlg.h"
#include "sources/ScanWorker.h"

#include <sane/saneopts.h>

namespace {

QString chooseInDialog(QWidget *parent, const ScanBackend &backend, const QList<ScanDeviceInfo> &devices)
{
    ScanSourceDlg dialog(devices, [&backend] { return backend.listDevices(); }, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedDevice() : QString();
}

ScanResult failure(ScanOutcome outcome, const QString &detail = {})
{
    return {outcome, ImgBitmap(), detail};
}

} // namespace

ScanResult ScanOnePage(QWidget *parent, const ScanOptions &options)
{
    return ScanOnePage(parent, options, ScanHooks{});
}

ScanResult ScanOnePage(QWidget *parent, const ScanOptions &options, const ScanHooks &hooks)
{
    const ScanBackend backend;
    const QList<ScanDeviceInfo> devices = backend.listDevices();
    if (devices.isEmpty())
        return failure(ScanOutcome::NoDevices);

    const QString name = hooks.chooseDevice ? hooks.chooseDevice(devices)
                                            : chooseInDialog(parent, backend, devices);
    if (name.isEmpty())
        return failure(ScanOutcome::Cancelled);

    ScanDevice device(name);
    if (!device.isOpen())
        return failure(ScanOutcome::DeviceUnavailable, ScanStatusText(device.openStatus()));
    if (options.resolutionDpi) {
        const SANE_Status status = device.setOption(SANE_NAME_SCAN_RESOLUTION, *options.resolutionDpi);
        if (status != SANE_STATUS_GOOD && status != SANE_STATUS_UNSUPPORTED)
            return failure(ScanOutcome::Failed, ScanStatusText(status));
    }
    if (hooks.prepareDevice)
        hooks.prepareDevice(device);

    const ScanAttempt attempt = ScanWithProgress(parent, device, hooks.progressShown);
    // A stopped acquisition gives no picture, like a failed one, and is reported alike.
    if (attempt.cancelled)
        return failure(ScanOutcome::Failed, ScanStatusText(SANE_STATUS_CANCELLED));
    if (attempt.page.image.isNull())
        return failure(ScanOutcome::Failed, attempt.page.detail);
    return {ScanOutcome::Scanned, ImgBitmap::FromQImage(attempt.page.image), QString()};
}
