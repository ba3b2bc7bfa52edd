#include "app/DataDirectory.h"

#include "album/PhotoRecord.h"
#include "app/Settings.h"
#include "editor/PictureFileName.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>

bool PathExists(const QString &path)
{
    QString probe = path;
    if (probe.size() > 1 && probe.endsWith(QLatin1Char('/')))
        probe.chop(1);
    if (probe.isEmpty())
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(probe).constData(), &info) == 0;
}

QString DefaultDataDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString ResolveDataDirectory(Settings &settings, QString *notFound)
{
    const QString stored = settings.dataDir();
    if (!stored.isEmpty() && PathExists(stored))
        return stored;
    if (notFound)
        *notFound = stored;
    const QString fallback = DefaultDataDirectory();
    settings.setDataDir(fallback);
    settings.sync();
    return fallback;
}

bool DataDirectoryFitsRecords(const QString &dataDir)
{
    return PathFitsRecord(PictureFilePath(dataDir, kPictureNumbers - 1));
}
