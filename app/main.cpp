#include "app/AlbumApp.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    CAlbumApp theApp;
    return theApp.InitInstance();
}
