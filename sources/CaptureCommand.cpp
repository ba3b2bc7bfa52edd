// "Capture Photo from the Screen": an area of the screen that the user drags out.
#include "windows/AlbumDlg.h"

#include "windows/PreviewPanel.h"
#include "windows/PictureEditorDlg.h"
#include "sources/CaptureOverlay.h"

void CAlbumDlg::OnCapturePhoto()
{
    if (m_records.isFull())
        return;
    CPictureEditorDlg editor(this);
    // The instruction stays on the panel until the next picture is shown there.
    m_panel->drawCaptureInstruction();
    QImage area;
    if (CaptureScreenArea(area) < 0)
        return;
    editor.m_source = ImgBitmap::FromQImage(area);
    RunEditor(editor);
}
