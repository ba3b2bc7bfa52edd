// Whole scans from SANE's test backend, which the repository's configuration enables alone.
#include "sources/ScanSession.h"

#include "sources/ScanDevice.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>

#include <sane/saneopts.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using Settings = std::vector<std::pair<const char *, QVariant>>;

const QString kDevice = QStringLiteral("test:0");

class ScanSessionTest : public testing::Test {
protected:
    void SetUp() override { setenv("SANE_CONFIG_DIR", VELLUMO_SANE_CONFIG_DIR, 1); }
};

// Scans `device` after applying `settings` in order; `reported` gets the page size the
// device announces once they are set.
ScanResult scan(const QString &device, const ScanOptions &options, const Settings &settings = {},
                SANE_Parameters *reported = nullptr)
{
    ScanHooks hooks;
    hooks.chooseDevice = [device](const QList<ScanDeviceInfo> &) { return device; };
    hooks.prepareDevice = [&](ScanDevice &open) {
        for (const auto &[name, value] : settings) {
            EXPECT_EQ(open.setOption(name, value), SANE_STATUS_GOOD) << name;
        }
        if (reported) {
            EXPECT_EQ(open.parameters(*reported), SANE_STATUS_GOOD);
        }
    };
    return ScanOnePage(nullptr, options, hooks);
}

// 0 when a session finds no devices without asking for one, else which check failed.
int scanWithoutBackends()
{
    TempDir empty;
    QFile dll(empty.file(QStringLiteral("dll.conf")));
    if (!dll.open(QIODevice::WriteOnly))
        return 1;
    dll.close();
    setenv("SANE_CONFIG_DIR", empty.path().toLocal8Bit().constData(), 1);

    bool asked = false;
    ScanHooks hooks;
    hooks.chooseDevice = [&](const QList<ScanDeviceInfo> &) {
        asked = true;
        return kDevice;
    };
    const ScanResult result = ScanOnePage(nullptr, {}, hooks);
    return result.outcome != ScanOutcome::NoDevices ? 2 : asked ? 3 : result.image.IsAllocated() ? 4 : 0;
}

QSize sizeOf(const SANE_Parameters &parameters)
{
    return QSize(parameters.pixels_per_line, parameters.lines);
}

} // namespace

TEST_F(ScanSessionTest, EveryKindOfPageArrivesWholeAtTheReportedSize)
{
    const struct {
        const char *kind;
        Settings settings;
    } kinds[] = {
        {"gray", {}},
        {"lineart", {{SANE_NAME_BIT_DEPTH, 1}}},
        {"gray 16", {{SANE_NAME_BIT_DEPTH, 16}}},
        {"colour", {{SANE_NAME_SCAN_MODE, "Color"}}},
        {"colour 16", {{SANE_NAME_SCAN_MODE, "Color"}, {SANE_NAME_BIT_DEPTH, 16}}},
        {"three-pass", {{SANE_NAME_SCAN_MODE, "Color"}, {"three-pass", true}, {"three-pass-order", "GBR"}}},
        {"hand scanner", {{"hand-scanner", true}}},
        {"padded lines", {{"ppl-loss", 3}}},
    };
    // Black and white in turn: each whole page must come out as the one colour.
    const std::pair<const char *, int> pictures[] = {{"Solid black", 0}, {"Solid white", 255}};
    for (size_t k = 0; k < std::size(kinds); ++k) {
        const auto &kind = kinds[k];
        const auto &[picture, gray] = pictures[k % 2];
        SCOPED_TRACE(std::string(kind.kind) + ", " + picture);
        Settings settings = kind.settings;
        settings.emplace_back("test-picture", picture);
        SANE_Parameters reported{};
        const ScanResult result = scan(kDevice, {25}, settings, &reported);
        ASSERT_EQ(result.outcome, ScanOutcome::Scanned) << result.detail.toStdString();
        const QImage image = result.image.ToQImage();
        if (reported.lines == -1) {
            EXPECT_EQ(image.width(), reported.pixels_per_line);
            EXPECT_GT(image.height(), 0);
        } else {
            EXPECT_EQ(image.size(), sizeOf(reported));
        }
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                wrong += image.pixel(x, y) != qRgb(gray, gray, gray);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(ScanSessionTest, DevicesAreListedAndScanAtTheirOwnOrTheRequestedResolution)
{
    QList<ScanDeviceInfo> listed;
    ScanHooks hooks;
    hooks.chooseDevice = [&](const QList<ScanDeviceInfo> &devices) {
        listed = devices;
        return devices.value(1).name;
    };
    SANE_Parameters reported{};
    hooks.prepareDevice = [&](ScanDevice &device) { EXPECT_EQ(device.parameters(reported), SANE_STATUS_GOOD); };
    const ScanResult defaults = ScanOnePage(nullptr, {}, hooks);
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0].name, kDevice);
    EXPECT_EQ(listed[1].name, QStringLiteral("test:1"));
    EXPECT_FALSE(listed[1].vendor.isEmpty());
    EXPECT_FALSE(listed[1].model.isEmpty());
    ASSERT_EQ(defaults.outcome, ScanOutcome::Scanned) << defaults.detail.toStdString();
    const QSize full(defaults.image.GetWidth(), defaults.image.GetHeight());
    EXPECT_EQ(full, sizeOf(reported));


    SANE_Parameters reportedLow{}, reportedHigh{};
    const int lowDpi = 20;
    const ScanResult low = scan(kDevice, {lowDpi}, {}, &reportedLow);
    const ScanResult high = scan(kDevice, {lowDpi * 2}, {}, &reportedHigh);
    ASSERT_EQ(low.outcome, ScanOutcome::Scanned) << low.detail.toStdString();
    ASSERT_EQ(high.outcome, ScanOutcome::Scanned) << high.detail.toStdString();
    EXPECT_EQ(QSize(low.image.GetWidth(), low.image.GetHeight()), sizeOf(reportedLow));
    EXPECT_EQ(QSize(high.image.GetWidth(), high.image.GetHeight()), sizeOf(reportedHigh));
    EXPECT_NEAR(high.image.GetWidth(), 2 * low.image.GetWidth(), 2);
    EXPECT_NEAR(high.image.GetHeight(), 2 * low.image.GetHeight(), 2);
}

TEST_F(ScanSessionTest, NoConfiguredBackendMeansNoDevices)
{
    // SANE reads its configuration folder once per process, so a fresh process scans.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(scanWithoutBackends()), testing::ExitedWithCode(0), "");
}

TEST_F(ScanSessionTest, DevicesThatCannotOpenAreUnavailable)
{
    for (const QString &name : {QStringLiteral("test:99"), QStringLiteral("nosuchbackend:0")}) {
        const ScanResult result = scan(name, {25});
        EXPECT_EQ(result.outcome, ScanOutcome::DeviceUnavailable) << name.toStdString();
        EXPECT_FALSE(result.detail.isEmpty());
        EXPECT_FALSE(result.image.IsAllocated());
    }
}

TEST_F(ScanSessionTest, DeviceErrorsWhileReadingGiveNoPicture)
{
    const std::pair<SANE_Status, const char *> errors[] = {
        {SANE_STATUS_JAMMED, "SANE_STATUS_JAMMED"},
        {SANE_STATUS_IO_ERROR, "SANE_STATUS_IO_ERROR"},
        {SANE_STATUS_EOF, "SANE_STATUS_EOF"}, // the end before any data
    };
    for (const auto &[status, value] : errors) {
        // The read waits until the backend's writer thread has handed over its first 64 KiB
        // of the larger page and pauses: stopping it while it starts up or writes can hang.
        const ScanResult result = scan(kDevice, {100}, {{"select-fd", true}, {"read-delay", true},
                                                        {"read-delay-duration", 100000},
                                                        {"read-return-value", value}});
        SCOPED_TRACE(value);
        EXPECT_EQ(result.outcome, ScanOutcome::Failed);
        EXPECT_FALSE(result.image.IsAllocated());
        if (status == SANE_STATUS_EOF) {
            EXPECT_FALSE(result.detail.isEmpty());
        } else {
            EXPECT_EQ(result.detail, ScanStatusText(status));
        }
    }
    // The device keeps working after a failed scan.
    EXPECT_EQ(scan(kDevice, {25}).outcome, ScanOutcome::Scanned);
}
