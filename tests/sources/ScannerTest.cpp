// Devices, sessions and the window that picks one, with SANE's test backend (the run's only one).
#include "album/Settings.h"
#include "sources/ScanBackend.h"
#include "sources/ScanDevice.h"
#include "sources/ScanSession.h"
#include "sources/ScanSource.h"
#include "sources/ScanSourceDlg.h"
#include "sources/ScanStopSignal.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include <sane/saneopts.h>

#include <gtest/gtest.h>

#include <thread>
#include <unistd.h>

// In order: an option refused while inactive is taken once the mode makes it active.
TEST(ScanDevice, OptionsTakeEachTypeAndRefuseWhatDoesNotFit)
{
    const ScanBackend backend;
    ScanDevice device(QStringLiteral("test:0"));
    ASSERT_TRUE(device.isOpen()) << ScanStatusText(device.openStatus()).toStdString();
    const struct { const char *name; QVariant value; SANE_Status status; } steps[] = {
        {SANE_NAME_SCAN_RESOLUTION, 40, SANE_STATUS_GOOD},     {"ppl-loss", 5, SANE_STATUS_GOOD},
        {"three-pass", true, SANE_STATUS_UNSUPPORTED},         {SANE_NAME_SCAN_MODE, "Color", SANE_STATUS_GOOD},
        {"three-pass", true, SANE_STATUS_GOOD},                {"no-such-option", 1, SANE_STATUS_UNSUPPORTED},
        {SANE_NAME_GAMMA_VECTOR, 1, SANE_STATUS_UNSUPPORTED},  {SANE_NAME_SCAN_MODE, QString(4096, 'x'), SANE_STATUS_INVAL},
        {SANE_NAME_SCAN_RESOLUTION, 1e9, SANE_STATUS_INVAL},
    };
    for (const auto &s : steps)
        EXPECT_EQ(device.setOption(s.name, s.value), s.status) << s.name << ' ' << s.value.toString().left(9).toStdString();
}

// Black and white in turn from each of the test backend's two devices.
TEST(ScanSession, EveryKindOfPageArrivesWholeAtTheReportedSize)
{
    const struct { const char *kind; std::vector<std::pair<const char *, QVariant>> options; } kinds[] = {
        {"gray", {}}, {"lineart", {{SANE_NAME_BIT_DEPTH, 1}}}, {"hand scanner", {{"hand-scanner", true}}},
        {"colour 16", {{SANE_NAME_SCAN_MODE, "Color"}, {SANE_NAME_BIT_DEPTH, 16}}},
        {"three-pass", {{SANE_NAME_SCAN_MODE, "Color"}, {"three-pass", true}, {"three-pass-order", "GBR"}}},
    };
    for (size_t k = 0; k < std::size(kinds); ++k) {
        const int gray = k % 2 ? 255 : 0;
        QStringList listed;
        QSize reported;
        ScanHooks hooks;
        hooks.chooseDevice = [&](const QList<ScanDeviceInfo> &devices) {
            for (const ScanDeviceInfo &device : devices)
                listed << device.name + ' ' + device.vendor + ' ' + device.model;
            return QStringLiteral("test:%1").arg(k % 2);
        };
        hooks.prepareDevice = [&](ScanDevice &device) {
            for (const auto &[name, value] : kinds[k].options)
                EXPECT_EQ(device.setOption(name, value), SANE_STATUS_GOOD) << name;
            EXPECT_EQ(device.setOption("test-picture", gray ? "Solid white" : "Solid black"), SANE_STATUS_GOOD);
            SANE_Parameters page{};
            EXPECT_EQ(device.parameters(page), SANE_STATUS_GOOD);
            reported = QSize(page.pixels_per_line, page.lines);
        };
        const ScanResult result = ScanOnePage(nullptr, {25}, hooks);
        EXPECT_EQ(listed, QStringList({"test:0 Noname frontend-tester", "test:1 Noname frontend-tester"}));
        ASSERT_EQ(result.outcome, ScanOutcome::Scanned) << kinds[k].kind << ' ' << result.detail.toStdString();
        const QImage image = result.image.ToQImage().convertToFormat(QImage::Format_RGB32);
        QImage solid(reported.width(), reported.height() == -1 ? image.height() : reported.height(), QImage::Format_RGB32);
        solid.fill(qRgb(gray, gray, gray));
        EXPECT_TRUE(image.height() > 0 && image == solid) << kinds[k].kind << ' ' << image.width() << 'x' << image.height();
    }
}

TEST(ScanSession, NoConfiguredBackendMeansNoDevicesAndSaysSo)
{
    // SANE reads its configuration folder once per process, so a fresh process scans.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT({
        TempDir empty;
        QFile(empty.file("dll.conf")).open(QIODevice::WriteOnly);
        setenv("SANE_CONFIG_DIR", empty.path().toLocal8Bit().constData(), 1);
        ScanHooks hooks;
        hooks.chooseDevice = [](const QList<ScanDeviceInfo> &) -> QString { std::exit(3); };
        const SourcePicture scanned = PictureFromScanner(nullptr, {}, hooks);
        std::exit(scanned.failure == "No scanning devices are available" && !scanned.picture.IsAllocated() ? 0 : 2);
    }, testing::ExitedWithCode(0), "");
}

TEST(ScanStopSignal, WaitingEndsWhenDataComesOrTheSignalIsRaised)
{
    int channel[2];
    char drained = 0;
    ASSERT_EQ(pipe(channel), 0);
    ScanStopSignal stop;
    ASSERT_EQ(write(channel[1], "x", 1), 1);
    EXPECT_TRUE(stop.waitForData(channel[0]));
    ASSERT_EQ(read(channel[0], &drained, 1), 1);
    bool dataCame = true; // now only the raise can end the wait
    std::thread waiter([&] { dataCame = stop.waitForData(channel[0]); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // asleep in the wait by then
    stop.raise();
    waiter.join();
    EXPECT_FALSE(dataCame);
    close(channel[0]);
    close(channel[1]);
}

static QPushButton *button(const ScanSourceDlg &dialog, const QString &text)
{
    for (QPushButton *candidate : dialog.findChildren<QPushButton *>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

// The listed texts, the selected device in brackets and OK when it is enabled.
static QString shown(const ScanSourceDlg &dialog)
{
    QStringList texts;
    for (const QListWidgetItem *item : dialog.findChild<QListWidget *>()->findItems("*", Qt::MatchWildcard))
        texts << item->text();
    return texts.join('|') + " [" + dialog.selectedDevice() + ']' + (button(dialog, "OK")->isEnabled() ? " OK" : "");
}

// Opened on three devices, or on two and refreshed; a pick of the second row is remembered on OK only.
TEST(ScanSourceDlg, ListsVendorAndModelWithTheRememberedDeviceSelectedWhileItIsListed)
{
    const QList<ScanDeviceInfo> all = {{"acme:usb:001", "Acme", "FlatStar 2"}, {"test:1", "Noname", "frontend-tester"},
                                       {"net:host:gamma", "Gamma", "Sheet 9"}};
    const QString three = "Acme FlatStar 2|Noname frontend-tester|Gamma Sheet 9";
    const struct { QString remembered; std::optional<QList<ScanDeviceInfo>> refreshed; QString shown, pressed, kept; } rows[] = {
        {"net:host:gamma", {}, three + " [net:host:gamma] OK", {}, "net:host:gamma"},
        {"gone:0", {}, three + " [acme:usb:001] OK", {}, "gone:0"},
        {"test:1", QList{all[2], all[1]}, "Gamma Sheet 9|Noname frontend-tester [test:1] OK", {}, "test:1"},
        {"test:1", QList<ScanDeviceInfo>{}, " []", {}, "test:1"},
        {"test:1", QList{all[0]}, "Acme FlatStar 2 [acme:usb:001] OK", {}, "test:1"},
        {"acme:usb:001", {}, three + " [acme:usb:001] OK", "Cancel", "acme:usb:001"},
        {"acme:usb:001", {}, three + " [acme:usb:001] OK", "OK", "test:1"},
    };
    for (const auto &r : rows) {
        Settings().setScanner(r.remembered);
        ScanSourceDlg dialog(r.refreshed ? all.mid(0, 2) : all, [&r] { return *r.refreshed; });
        if (r.refreshed)
            button(dialog, "&Refresh")->click();
        EXPECT_EQ(shown(dialog), r.shown) << r.remembered.toStdString();
        if (!r.pressed.isEmpty()) {
            dialog.findChild<QListWidget *>()->setCurrentRow(1);
            button(dialog, r.pressed)->click();
            EXPECT_EQ(dialog.result(), r.pressed == "OK" ? QDialog::Accepted : QDialog::Rejected) << r.pressed.toStdString();
        }
        EXPECT_EQ(Settings().scanner(), r.kept) << r.remembered.toStdString() << ' ' << r.pressed.toStdString();
    }
}
