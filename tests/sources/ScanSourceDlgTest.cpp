#include "sources/ScanSourceDlg.h"

#include "album/Settings.h"
#include "support/QtPrinters.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

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
