#include "album/WriteFailure.h"

#include <cerrno>
#include <cstring>

QString WriteFailureReason(int error, const QString &folder)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Check to see if the disk is full.");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("The folder %1 is read-only.").arg(folder);
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("The folder %1 no longer exists.").arg(folder);
    default:
        return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
    }
}
