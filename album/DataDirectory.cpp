#include "album/DataDirectory.h"

#include "album/PathExists.h"
#include "album/PhotoRecord.h"
#include "album/Settings.h"
#include "album/PictureFileName.h"

#include <QDir>
#include <QStandardPaths>

QString DefaultDataDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString AbsoluteDataDirectory(const QString &stored)
{
    if (stored.isEmpty() || QDir::isAbsolutePath(stored))
        return stored;
    if (stored == QLatin1String("~"))
        return QDir::homePath();
    if (stored.startsWith(QLatin1String("~/")))
        return QDir::homePath() + stored.mid(1);
    return QDir::homePath() + QLatin1Char('/') + stored;
}

QString ResolveDataDirectory(Settings &settings, QString *notFound)
{
    const QString stored = AbsoluteDataDirectory(settings.dataDir());
    if (!stored.isEmpty() && PathExists(stored))
        return stored;
    if (notFound)
        *notFound = stored;
    const QString fallback = DefaultDataDirectory();
    settings.setDataDir(fallback);
    settings.sync();
    return fallback;
}

QString DataDirectoryNotFoundText(const QString &notFound, const QString &used)
{
    return QStringLiteral("The data folder %1 was not found (is its drive connected?). "
                          "The album in %2 is used instead.")
        .arg(notFound, used);
}

bool DataDirectoryFitsRecords(const QString &dataDir)
{
    return PathFitsRecord(PictureFilePath(dataDir, kPictureNumbers - 1));
}
