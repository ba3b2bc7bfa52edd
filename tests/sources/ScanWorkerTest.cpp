// The scan on its worker thread under the progress dialog, from SANE's test backend.
#include "sources/ScanWorker.h"

#include "sources/ScanBackend.h"
#include "sources/ScanDevice.h"
#include "support/QtPrinters.h"

#include <QProgressDialog>

#include <sane/saneopts.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ScanWorkerTest : public testing::Test {
protected:
    void SetUp() override { setenv("SANE_CONFIG_DIR", VELLUMO_SANE_CONFIG_DIR, 1); }
};

} // namespace

TEST_F(ScanWorkerTest, CancelStopsTheDeviceAndTheNextScanRunsToTheEnd)
{
    const ScanBackend backend;
    ScanDevice device(QStringLiteral("test:0"));
    ASSERT_TRUE(device.isOpen());
    // A large page in slow transfers: read to the end it would take many seconds.
    ASSERT_EQ(device.setOption(SANE_NAME_SCAN_RESOLUTION, 600), SANE_STATUS_GOOD);
    ASSERT_EQ(device.setOption("read-delay", true), SANE_STATUS_GOOD);
    ASSERT_EQ(device.setOption("read-delay-duration", 200000), SANE_STATUS_GOOD);

    QString title, label;
    const ScanAttempt cancelled = ScanWithProgress(nullptr, device, [&](QProgressDialog &dialog) {
        title = dialog.windowTitle();
        label = dialog.labelText();
        dialog.cancel();
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
