// Cancelling the progress, on the worker and through the whole session, with SANE's test
// backend.
#include "sources/ScanBackend.h"
#include "sources/ScanDevice.h"
#include "sources/ScanSession.h"
#include "sources/ScanWorker.h"
#include "support/QtPrinters.h"

#include <QProgressBar>
#include <QProgressDialog>

#include <sane/saneopts.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const QString kDevice = QStringLiteral("test:0");

class ScanCancelTest : public testing::Test {
protected:
    void SetUp() override { setenv("SANE_CONFIG_DIR", VELLUMO_SANE_CONFIG_DIR, 1); }
};

// A slow page: the device pauses before each 64 KiB and offers a descriptor to wait on.
// Its first percent arrives well within the first pause, where the backend's writer thread
// can safely be stopped, which it cannot be while it starts up or writes.
void slowPage(ScanDevice &device)
{
    EXPECT_EQ(device.setOption(SANE_NAME_SCAN_RESOLUTION, 150), SANE_STATUS_GOOD);
    EXPECT_EQ(device.setOption("read-delay", true), SANE_STATUS_GOOD);
    EXPECT_EQ(device.setOption("read-delay-duration", 200000), SANE_STATUS_GOOD);
    EXPECT_EQ(device.setOption("select-fd", true), SANE_STATUS_GOOD);
}

// Presses Cancel once the first percent of the page has arrived.
void cancelOnceDataFlows(QProgressDialog &dialog)
{
    const QProgressBar *bar = dialog.findChild<QProgressBar *>();
    ASSERT_NE(bar, nullptr);
    QObject::connect(bar, &QProgressBar::valueChanged, &dialog, [&dialog](int value) {
        if (value > 0)
            dialog.cancel();
    });
}

} // namespace

TEST_F(ScanCancelTest, CancelStopsTheWorkerAndTheNextScanRunsToTheEnd)
{
    const ScanBackend backend;
    ScanDevice device(kDevice);
    ASSERT_TRUE(device.isOpen());
    slowPage(device);

    QString title, label;
    const ScanAttempt cancelled = ScanWithProgress(nullptr, device, [&](QProgressDialog &dialog) {
        title = dialog.windowTitle();
        label = dialog.labelText();
        cancelOnceDataFlows(dialog);
    });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.page.image.isNull());
    EXPECT_EQ(title, QStringLiteral("Scan Image"));
    EXPECT_EQ(label, QStringLiteral("Scanning..."));

    ASSERT_EQ(device.setOption(SANE_NAME_SCAN_RESOLUTION, 25), SANE_STATUS_GOOD);
    ASSERT_EQ(device.setOption("read-delay", false), SANE_STATUS_GOOD);
    SANE_Parameters reported{};
    ASSERT_EQ(device.parameters(reported), SANE_STATUS_GOOD);
    const ScanAttempt whole = ScanWithProgress(nullptr, device);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.page.image.size(), QSize(reported.pixels_per_line, reported.lines));
    EXPECT_EQ(whole.page.detail, QString());
}

TEST_F(ScanCancelTest, CancellingTheSourceOrTheProgressEndsTheSessionWithoutPicture)
{
    ScanHooks dismissed;
    dismissed.chooseDevice = [](const QList<ScanDeviceInfo> &) { return QString(); };
    const ScanResult notChosen = ScanOnePage(nullptr, {}, dismissed);
    EXPECT_EQ(notChosen.outcome, ScanOutcome::Cancelled);
    EXPECT_FALSE(notChosen.image.IsAllocated());

    ScanHooks hooks;
    hooks.chooseDevice = [](const QList<ScanDeviceInfo> &) { return kDevice; };
    hooks.prepareDevice = slowPage;
    hooks.progressShown = cancelOnceDataFlows;
    const ScanResult stopped = ScanOnePage(nullptr, {}, hooks);
    EXPECT_EQ(stopped.outcome, ScanOutcome::Failed);
    EXPECT_FALSE(stopped.image.IsAllocated());
}
