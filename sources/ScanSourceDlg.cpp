#include "sources/ScanSourceDlg.h"

#include "widgets/DialogUnits.h"
#include "album/Settings.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ScanSourceDlg::ScanSourceDlg(const QList<ScanDeviceInfo> &devices, DeviceLister relist, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_relist(std::move(relist))
{
    setFont(DialogFont());
    setWindowTitle(QStringLiteral("Select Source"));
    setFixedSize(DialogRect(0, 0, 206, 106).size());

    auto *label = new QLabel(QStringLiteral("&Sources:"), this);
    label->setGeometry(DialogRect(7, 7, 136, 8));

    m_list = new QListWidget(this);
    m_list->setGeometry(DialogRect(7, 18, 136, 81));
    label->setBuddy(m_list);
    connect(m_list, &QListWidget::currentRowChanged, this, &ScanSourceDlg::updateOk);
    connect(m_list, &QListWidget::itemActivated, this, &ScanSourceDlg::accept);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(DialogRect(150, 18, 50, 14));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &ScanSourceDlg::accept);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(DialogRect(150, 36, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &ScanSourceDlg::reject);

    auto *refresh = new QPushButton(QStringLiteral("&Refresh"), this);
    refresh->setGeometry(DialogRect(150, 85, 50, 14));
    connect(refresh, &QPushButton::clicked, this, [this] { showDevices(m_relist(), selectedDevice()); });

    showDevices(devices, Settings().scanner());
}

QString ScanSourceDlg::selectedDevice() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void ScanSourceDlg::accept()
{
    if (selectedDevice().isEmpty())
        return;
    Settings().setScanner(selectedDevice());
    QDialog::accept();
}

void ScanSourceDlg::showDevices(const QList<ScanDeviceInfo> &devices, const QString &preferred)
{
    m_list->clear();
    for (const ScanDeviceInfo &device : devices) {
        auto *item = new QListWidgetItem(device.displayName(), m_list);
        item->setData(Qt::UserRole, device.name);
        // Two scanners of one model differ only by their device name.
        item->setToolTip(device.name);
        if (device.name == preferred)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
    updateOk();
}

void ScanSourceDlg::updateOk()
{
    m_ok->setEnabled(m_list->currentItem() != nullptr);
}
