// Options and scans of one open device of SANE's test backend.
#include "sources/ScanDevice.h"

#include "sources/ScanBackend.h"

#include <sane/saneopts.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class ScanDeviceTest : public testing::Test {
protected:
    void SetUp() override { setenv("SANE_CONFIG_DIR", VELLUMO_SANE_CONFIG_DIR, 1); }
};

int pageWidth(ScanDevice &device)
{
    SANE_Parameters parameters{};
    return device.parameters(parameters) == SANE_STATUS_GOOD ? parameters.pixels_per_line : -1;
}

} // namespace

TEST_F(ScanDeviceTest, OptionsTakeEachTypeAndRefuseWhatDoesNotFit)
{
    const ScanBackend backend;
    ASSERT_TRUE(backend.isStarted());
    ScanDevice device(QStringLiteral("test:0"));
    ASSERT_TRUE(device.isOpen()) << ScanStatusText(device.openStatus()).toStdString();

    // Resolution is fixed point here: the page width follows it.
    ASSERT_EQ(device.setOption(SANE_NAME_SCAN_RESOLUTION, 40), SANE_STATUS_GOOD);
    const int at40 = pageWidth(device);
    ASSERT_EQ(device.setOption(SANE_NAME_SCAN_RESOLUTION, 20), SANE_STATUS_GOOD);
    EXPECT_NEAR(pageWidth(device) * 2, at40, 2);

    // Integer and boolean.
    const int before = pageWidth(device);
    EXPECT_EQ(device.setOption("ppl-loss", 5), SANE_STATUS_GOOD);
    EXPECT_EQ(pageWidth(device), before - 5);
    EXPECT_EQ(device.setOption("three-pass", true), SANE_STATUS_UNSUPPORTED); // inactive in gray
    EXPECT_EQ(device.setOption(SANE_NAME_SCAN_MODE, "Color"), SANE_STATUS_GOOD);
    EXPECT_EQ(device.setOption("three-pass", true), SANE_STATUS_GOOD);

    EXPECT_EQ(device.setOption("no-such-option", 1), SANE_STATUS_UNSUPPORTED);
    EXPECT_EQ(device.setOption(SANE_NAME_GAMMA_VECTOR, 1), SANE_STATUS_UNSUPPORTED); // an array
    EXPECT_EQ(device.setOption(SANE_NAME_SCAN_MODE, QString(4096, QLatin1Char('x'))), SANE_STATUS_INVAL);
    EXPECT_EQ(device.setOption(SANE_NAME_SCAN_RESOLUTION, 1e9), SANE_STATUS_INVAL);
    EXPECT_NE(device.setOption(SANE_NAME_SCAN_MODE, "Infrared"), SANE_STATUS_GOOD);
}
