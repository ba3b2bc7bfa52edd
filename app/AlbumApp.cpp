#include "app/AlbumApp.h"

#include "windows/AlbumDlg.h"
#include "res/Resources.h"

#include <QApplication>

int CAlbumApp::InitInstance(const QString &fileToOpen)
{
    // Settings live under Quillmere/Vellumo; the data folder fallback uses the same names.
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    QApplication::setWindowIcon(ApplicationIcon());
    // Desktops match the windows to the launcher and the software centre entry by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLUMO_APP_ID));

    CAlbumDlg dlg;
    if (!fileToOpen.isEmpty())
        dlg.OpenFileWhenShown(fileToOpen);
    dlg.exec();
    return 0;
}
