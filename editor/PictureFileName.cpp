#include "editor/PictureFileName.h"

#include <QFile>

#include <sys/stat.h>

QString PictureFilePath(const QString &dataDir, int number)
{
    return dataDir + QStringLiteral("/p%1.bmp").arg(number);
}

std::optional<QString> FindFreePictureFile(const QString &dataDir)
{
    for (int number = 0; number < kPictureNumbers; ++number) {
        const QString path = PictureFilePath(dataDir, number);
        struct stat info {};
        // Any failure to stat, not only a missing file, leaves the number free.
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            return path;
    }
    return std::nullopt;
}
