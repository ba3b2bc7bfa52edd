#include "app/AlbumApp.h"

#include "album/AlbumDlg.h"
#include "res/Resources.h"

#include <QApplication>

int CAlbumApp::InitInstance()
{
    // Settings live under Quillmere/Vellumo; the data folder fallback uses the same names.
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    QApplication::setWindowIcon(ApplicationIcon());

    CAlbumDlg dlg;
    dlg.exec();
    return 0;
}
