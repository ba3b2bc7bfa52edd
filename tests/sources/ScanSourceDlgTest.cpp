#include "sources/ScanSourceDlg.h"

#include "app/Settings.h"
#include "support/QtPrinters.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QList<ScanDeviceInfo> kDevices = {{"acme:usb:001", "Acme", "FlatStar 2"},
                                        {"test:1", "Noname", "frontend-tester"},
                                        {"net:host:gamma", "Gamma", "Sheet 9"}};

QPushButton *button(const ScanSourceDlg &dialog, const QString &text)
{
    for (QPushButton *candidate : dialog.findChildren<QPushButton *>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

QStringList shown(const ScanSourceDlg &dialog)
{
    QStringList texts;
    const QListWidget *list = dialog.findChild<QListWidget *>();
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

TEST(ScanSourceDlg, ListsVendorAndModelWithTheRememberedDeviceSelected)
{
    const std::pair<QString, int> rows[] = {{"net:host:gamma", 2}, {"gone:0", 0}, {QString(), 0}};
    for (const auto &[remembered, selected] : rows) {
        Settings().setScanner(remembered);
        const ScanSourceDlg dialog(kDevices, [] { return QList<ScanDeviceInfo>(); });
        EXPECT_EQ(shown(dialog), QStringList({"Acme FlatStar 2", "Noname frontend-tester", "Gamma Sheet 9"}));
        EXPECT_EQ(dialog.selectedDevice(), kDevices[selected].name) << remembered.toStdString();
        EXPECT_TRUE(button(dialog, "OK")->isEnabled()) << remembered.toStdString();
    }
}

TEST(ScanSourceDlg, RefreshListsAgainAndKeepsTheSelectionWhileItIsThere)
{
    Settings().setScanner("test:1");
    QList<ScanDeviceInfo> next;
    ScanSourceDlg dialog(kDevices.mid(0, 2), [&next] { return next; });
    const struct { QList<ScanDeviceInfo> listed; QStringList shown; QString selected; } rows[] = {
        {{kDevices[2], kDevices[1]}, {"Gamma Sheet 9", "Noname frontend-tester"}, "test:1"},
        {{}, {}, QString()},
        {{kDevices[0]}, {"Acme FlatStar 2"}, "acme:usb:001"},
    };
    for (const auto &r : rows) {
        next = r.listed;
        button(dialog, "&Refresh")->click();
        EXPECT_EQ(shown(dialog), r.shown) << r.selected.toStdString();
        EXPECT_EQ(dialog.selectedDevice(), r.selected) << r.selected.toStdString();
        EXPECT_EQ(button(dialog, "OK")->isEnabled(), !r.selected.isEmpty()) << r.selected.toStdString();
    }
}

TEST(ScanSourceDlg, OkRemembersTheChoiceAndCancelDoesNot)
{
    const std::pair<QString, QString> rows[] = {{"Cancel", "acme:usb:001"}, {"OK", "test:1"}};
    for (const auto &[pressed, remembered] : rows) {
        Settings().setScanner("acme:usb:001");
        ScanSourceDlg dialog(kDevices, [] { return QList<ScanDeviceInfo>(); });
        dialog.findChild<QListWidget *>()->setCurrentRow(1);
        button(dialog, pressed)->click();
        EXPECT_EQ(dialog.result(), pressed == "OK" ? QDialog::Accepted : QDialog::Rejected) << pressed.toStdString();
        EXPECT_EQ(Settings().scanner(), remembered) << pressed.toStdString();
    }
}
