#include "sources/ScanAcquire.h"

#include "sources/ScanDevice.h"
#include "sources/ScanFrameAssembler.h"
#include "sources/ScanStopSignal.h"

#include <array>
#include <new>

namespace {

// One frame's data into the assembler; an empty text when it all arrived.
QString readFrame(ScanDevice &device, ScanFrameAssembler &assembler, const ScanStopSignal &stop,
                  const std::function<void(int)> &progress, int &percent)
{
    std::array<SANE_Byte, 65536> buffer;
    SANE_Int dataReady = -1;
    const bool canWait = device.selectFd(dataReady);
    for (;;) {
        if (stop.raised() || (canWait && !stop.waitForData(dataReady)))
            return ScanStatusText(SANE_STATUS_CANCELLED);
        SANE_Int length = 0;
        const SANE_Status status = device.read(buffer.data(), SANE_Int(buffer.size()), length);
        if (status == SANE_STATUS_EOF)
            break;
        if (status != SANE_STATUS_GOOD)
            return ScanStatusText(status);
        if (length < 0 || length > SANE_Int(buffer.size()) || !assembler.append(buffer.data(), size_t(length)))
            return QStringLiteral("The scanner sent more than a picture can hold.");
        if (assembler.percentDone() != percent) {
            percent = assembler.percentDone();
            progress(percent);
        }
    }
    if (!assembler.endFrame())
        return QStringLiteral("The scanner's picture was cut short.");
    return QString();
}

QString readFrames(ScanDevice &device, ScanFrameAssembler &assembler, const ScanStopSignal &stop,
                   const std::function<void(int)> &progress)
{
    int percent = 0;
    progress(percent);
    for (;;) {
        if (stop.raised())
            return ScanStatusText(SANE_STATUS_CANCELLED);
        SANE_Status status = device.start();
        if (status != SANE_STATUS_GOOD)
            return ScanStatusText(status);
        SANE_Parameters parameters{};
        status = device.parameters(parameters);
        if (status != SANE_STATUS_GOOD)
            return ScanStatusText(status);
        if (!assembler.beginFrame(parameters))
            return QStringLiteral("The scanner's picture format is not supported or too large.");
        if (const QString problem = readFrame(device, assembler, stop, progress, percent); !problem.isEmpty())
            return problem;
        if (parameters.last_frame)
            break;
    }
    if (!assembler.isComplete())
        return QStringLiteral("The scanner did not send every colour of the picture.");
    return QString();
}

} // namespace

AcquiredPage AcquirePage(ScanDevice &device, const ScanStopSignal &stop,
                         const std::function<void(int percent)> &progress)
{
    AcquiredPage page;
    try {
        ScanFrameAssembler assembler;
        page.detail = readFrames(device, assembler, stop, progress);
        if (page.detail.isEmpty())
            page.image = assembler.image();
    } catch (const std::bad_alloc &) {
        page.image = QImage();
    }
    if (page.image.isNull() && page.detail.isEmpty())
        page.detail = QStringLiteral("There is not enough memory for the scanned picture.");
    // The scan ends here whether it completed or not, so the device is ready for the next.
    device.cancel();
    return page;
}
