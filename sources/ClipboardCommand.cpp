// "Paste from Clipboard": the picture copied in another program.
#include "windows/AlbumDlg.h"

#include "widgets/MessageBox.h"
#include "windows/PictureEditorDlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

void CAlbumDlg::OnPasteFromClipboard()
{
    if (m_records.isFull())
        return;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage()) {
        ShowMessageBox(this, QStringLiteral("You must first copy an image to the clipboard."),
                       QStringLiteral("Copy from Clipboard"), MessageButtons::Ok,
                       MessageIcon::Exclamation);
        return;
    }
    CPictureEditorDlg editor(this);
    editor.m_source = ImgBitmap::FromQImage(qvariant_cast<QImage>(data->imageData()));
    if (!editor.m_source.IsAllocated()) {
        ShowMessageBox(this,
                       QStringLiteral("There was an error copying the image from the clipboard."),
                       QStringLiteral("Copy from Clipboard"), MessageButtons::Ok,
                       MessageIcon::Exclamation);
        return;
    }
    RunEditor(editor);
}
