#include "album/PathExists.h"

#include <QFile>

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
