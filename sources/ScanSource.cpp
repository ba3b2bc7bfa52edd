#include "sources/ScanSource.h"

SourcePicture PictureFromScanner(QWidget *parent, const ScanOptions &options,
                                 const ScanHooks &hooks)
{
    const QString failed = QStringLiteral("There was an error scanning the image.");
    ScanResult scan = ScanOnePage(parent, options, hooks);
    switch (scan.outcome) {
    case ScanOutcome::NoDevices:
        return {{}, QStringLiteral("No scanning devices are available")};
    case ScanOutcome::DeviceUnavailable:
        return {{}, QStringLiteral("The scanning device is not currently available.")};
    case ScanOutcome::Failed:
        return {{}, failed};
    case ScanOutcome::Cancelled:
        return {};
    case ScanOutcome::Scanned:
        break;
    }
    if (!scan.image.IsAllocated())
        return {{}, failed};
    return {scan.image, {}};
}
