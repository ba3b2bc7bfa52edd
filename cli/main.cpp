// vellumo-album: the album creator's commands for scripts. Everything but main() lives in
// vellumo_cli, so the tests run the same code.
#include "cli/AlbumTool.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    // Image reading needs the application object for its plug-ins, never a display.
    QCoreApplication application(argc, argv);
    // The settings and the default data folder are found by these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMO_VERSION));
    // A damaged image is reported in one line of our own, not in the decoder's words.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunAlbumTool(QCoreApplication::arguments().mid(1), out, err);
}
