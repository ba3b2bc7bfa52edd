#include "sources/ScanSourceDlg.h"

#include "app/Settings.h"
#include "support/QtPrinters.h"

#include <QListWidget>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

const QList<ScanDeviceInfo> kDevices = {
    {QStringLiteral("acme:usb:001"), QStringLiteral("Acme"), QStringLiteral("FlatStar 2")},
    {QStringLiteral("test:1"), QStringLiteral("Noname"), QStringLiteral("frontend-tester")},
    {QStringLiteral("net:host:gamma"), QStringLiteral("Gamma"), QStringLiteral("Sheet 9")},
};

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

QStringList displayNames(const QList<ScanDeviceInfo> &devices)
{
    QStringList names;
    for (const ScanDeviceInfo &device : devices)
        names << device.vendor + QLatin1Char(' ') + device.model;
    return names;
}

} // namespace

TEST(ScanSourceDlgTest, ListsVendorAndModelWithTheRememberedDeviceSelected)
{
    Settings().setScanner(kDevices[2].name);
    const ScanSourceDlg remembered(kDevices, [] { return QList<ScanDeviceInfo>(); });
    EXPECT_EQ(shown(remembered), displayNames(kDevices));
    EXPECT_EQ(remembered.selectedDevice(), kDevices[2].name);
    EXPECT_EQ(remembered.findChild<QListWidget *>()->currentItem()->text(), displayNames(kDevices)[2]);
    ASSERT_NE(button(remembered, QStringLiteral("OK")), nullptr);
    EXPECT_TRUE(button(remembered, QStringLiteral("OK"))->isEnabled());

    // A remembered device that is gone leaves the first one selected.
    Settings().setScanner(QStringLiteral("gone:0"));
    const ScanSourceDlg gone(kDevices, [] { return QList<ScanDeviceInfo>(); });
    EXPECT_EQ(gone.selectedDevice(), kDevices[0].name);
}

TEST(ScanSourceDlgTest, RefreshListsAgainAndKeepsTheSelectionWhileItIsThere)
{
    Settings().setScanner(kDevices[1].name);
    QList<ScanDeviceInfo> next = {kDevices[2], kDevices[1]};
    int listings = 0;
    ScanSourceDlg dialog(kDevices.mid(0, 2), [&] {
        ++listings;
        return next;
    });
    QPushButton *refresh = button(dialog, QStringLiteral("&Refresh"));
    QPushButton *ok = button(dialog, QStringLiteral("OK"));
    ASSERT_NE(refresh, nullptr);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(listings, 0);

    refresh->click();
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(shown(dialog), displayNames(next));
    EXPECT_EQ(dialog.selectedDevice(), kDevices[1].name);

    next = {};
    refresh->click();
    EXPECT_TRUE(shown(dialog).isEmpty());
    EXPECT_EQ(dialog.selectedDevice(), QString());
    EXPECT_FALSE(ok->isEnabled());

    next = {kDevices[0]};
    refresh->click();
    EXPECT_EQ(dialog.selectedDevice(), kDevices[0].name);
    EXPECT_TRUE(ok->isEnabled());
}

TEST(ScanSourceDlgTest, OkRemembersTheChoiceAndCancelDoesNot)
{
    Settings().setScanner(kDevices[0].name);
    ScanSourceDlg cancelled(kDevices, [] { return QList<ScanDeviceInfo>(); });
    cancelled.findChild<QListWidget *>()->setCurrentRow(2);
    button(cancelled, QStringLiteral("Cancel"))->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(Settings().scanner(), kDevices[0].name);

    ScanSourceDlg chosen(kDevices, [] { return QList<ScanDeviceInfo>(); });
    chosen.findChild<QListWidget *>()->setCurrentRow(1);
    button(chosen, QStringLiteral("OK"))->click();
    EXPECT_EQ(chosen.result(), QDialog::Accepted);
    EXPECT_EQ(Settings().scanner(), kDevices[1].name);
    QSettings raw(QStringLiteral("Quillmere"), QStringLiteral("Vellumo"));
    EXPECT_EQ(raw.value(QStringLiteral("Parameters/Scanner")).toString(), kDevices[1].name);
}
