#include "cli/OpenAlbum.h"

#include "album/DataDirectory.h"
#include "album/Settings.h"
#include "cli/Arguments.h"
#include "cli/ToolFailure.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

QString ChooseDataDirectory(const ParsedArguments &arguments, QTextStream &err)
{
    QString dir;
    if (arguments.has("data-dir")) {
        dir = arguments.value("data-dir");
        if (dir.isEmpty())
            FailUsage(QStringLiteral("--data-dir needs a folder"));
        dir = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    } else {
        Settings settings;
        QString notFound;
        dir = ResolveDataDirectory(settings, &notFound);
        // The window says so too: photos added now go to another album than the user's.
        if (!notFound.isEmpty())
            err << QStringLiteral("vellumo-album: warning: ") << DataDirectoryNotFoundText(notFound, dir) << Qt::endl;
    }
    const QFileInfo info(dir);
    if (!info.exists())
        Fail(QStringLiteral("the data directory %1 does not exist").arg(dir));
    if (!info.isDir())
        Fail(QStringLiteral("the data directory %1 is not a folder").arg(dir));
    return dir;
}

AlbumSession OpenAlbum(const ParsedArguments &arguments, QTextStream &err, AlbumSession::Access access)
{
    AlbumSession album(ChooseDataDirectory(arguments, err), access);
    if (album.notLoaded() > 0) {
        err << QStringLiteral("vellumo-album: warning: %1 holds %2 more photos than an album "
                              "can take (%3); they are left out, and the file as found is kept "
                              "as Photos.dat.bak when the album is next saved")
                   .arg(album.albumPath())
                   .arg(album.notLoaded())
                   .arg(kMaxRecords)
            << Qt::endl;
    } else if (album.keepsFileAsFound()) {
        err << QStringLiteral("vellumo-album: warning: %1 does not end with a whole photo; the file "
                              "as found is kept as Photos.dat.bak when the album is next saved")
                   .arg(album.albumPath())
            << Qt::endl;
    }
    return album;
}
