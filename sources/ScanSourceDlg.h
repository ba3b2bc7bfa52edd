#pragma once

#include "sources/ScanBackend.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;

// "Select Source": the scanning devices by vendor and model, the one used last selected.
// Refresh lists them again; OK remembers the selected one for next time.
class ScanSourceDlg : public QDialog {
    Q_OBJECT
public:
    using DeviceLister = std::function<QList<ScanDeviceInfo>()>;

    ScanSourceDlg(const QList<ScanDeviceInfo> &devices, DeviceLister relist, QWidget *parent = nullptr);

    // The selected device's name; empty when the list is empty.
    QString selectedDevice() const;
    void accept() override;

private:
    void showDevices(const QList<ScanDeviceInfo> &devices, const QString &preferred);
    void updateOk();

    DeviceLister m_relist;
    QListWidget *m_list = nullptr;
    QPushButton *m_ok = nullptr;
};
