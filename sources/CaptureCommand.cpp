// "Capture Photo from the Screen": an area of the screen that the user drags out.
#include "album/AlbumDlg.h"

#include "album/PreviewPanel.h"
#include "app/MessageBox.h"
#include "editor/PictureEditorDlg.h"
#include "sources/CaptureOverlay.h"

void CAlbumDlg::OnCapturePhoto()
{
    if (m_records.isFull())
        return;
    CPictureEditorDlg editor(this);
    // The instruction stays on the panel until the next picture is shown there.
    m_panel->drawCaptureInstruction();
    QImage area;
    QString failure;
    if (CaptureScreenArea(area, failure) < 0) {
        if (failure.isEmpty())
            return;
        ShowMessageBox(this, failure, QStringLiteral("Capture"), MessageButtons::Ok, MessageIcon::Exclamation);
        ShowSelectedPicture();
        return;
    }
    editor.m_source = ImgBitmap::FromQImage(area);
    RunEditor(editor);
}
