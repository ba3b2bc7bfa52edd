#include "album/PictureFileName.h"

#include "album/PathExists.h"

QString PictureFilePath(const QString &dataDir, int number)
{
    return dataDir + QStringLiteral("/p%1.bmp").arg(number);
}

std::optional<QString> FindFreePictureFile(const QString &dataDir)
{
    for (int number = 0; number < kPictureNumbers; ++number) {
        const QString path = PictureFilePath(dataDir, number);
        // Any failure to stat, not only a missing file, leaves the number free.
        if (!PathExists(path))
            return path;
    }
    return std::nullopt;
}
