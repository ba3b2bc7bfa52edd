// "Scan Photo": one page from a scanner.
#include "windows/AlbumDlg.h"

#include "widgets/MessageBox.h"
#include "windows/PictureEditorDlg.h"
#include "sources/ScanSession.h"

namespace {

void scanMessage(QWidget *parent, const QString &text)
{
    ShowMessageBox(parent, text, QStringLiteral("Scan Image"), MessageButtons::Ok,
                   MessageIcon::Exclamation);
}

} // namespace

void CAlbumDlg::OnScanPhoto()
{
    if (m_records.isFull())
        return;
    ScanResult scan = ScanOnePage(this, m_scanOptions, m_scanHooks);
    switch (scan.outcome) {
    case ScanOutcome::NoDevices:
        scanMessage(this, QStringLiteral("No scanning devices are available"));
        return;
    case ScanOutcome::DeviceUnavailable:
        scanMessage(this, QStringLiteral("The scanning device is not currently available."));
        return;
    case ScanOutcome::Failed:
        scanMessage(this, QStringLiteral("There was an error scanning the image."));
        return;
    case ScanOutcome::Cancelled:
        return;
    case ScanOutcome::Scanned:
        break;
    }
    CPictureEditorDlg editor(this);
    editor.m_source = scan.image;
    if (!editor.m_source.IsAllocated()) {
        scanMessage(this, QStringLiteral("There was an error scanning the image."));
        return;
    }
    RunEditor(editor);
}
