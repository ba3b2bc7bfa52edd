// "Add Photo": a picture from an image file, chosen or dropped on the album window.
#include "windows/AlbumDlg.h"

#include "widgets/MessageBox.h"
#include "album/Settings.h"
#include "widgets/WaitCursor.h"
#include "windows/PictureEditorDlg.h"
#include "sources/ImageFileFilter.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>

void CAlbumDlg::OnAddPhotoFromFile()
{
    if (m_records.isFull())
        return;
    Settings settings;
    QFileDialog chooser(this);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setOption(QFileDialog::HideNameFilterDetails);
    chooser.setNameFilters(ChooserNameFilters());
    const QString lastFolder = settings.lastImportDir();
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        chooser.setDirectory(lastFolder);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString file = chooser.selectedFiles().constFirst();
    settings.setLastImportDir(QFileInfo(file).absolutePath());
    settings.sync();
    AddPhotoFromFile(file);
}

bool CAlbumDlg::AddPhotoFromFile(const QString &file)
{
    CPictureEditorDlg editor(this);
    bool loaded = false;
    {
        WaitCursor wait;
        loaded = editor.LoadSource(file);
    }
    if (!loaded) {
        ShowMessageBox(this, QStringLiteral("There was an reading the picture file."),
                       QStringLiteral("Add Photo"), MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    if (!RunEditor(editor))
        return false;
    SaveAlbum();
    return true;
}

void CAlbumDlg::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_records.isFull() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CAlbumDlg::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    // One after the other, each through the editor, as "Add Photo" would.
    for (const QUrl &url : urls) {
        if (m_records.isFull())
            break;
        if (url.isLocalFile())
            AddPhotoFromFile(url.toLocalFile());
    }
}
