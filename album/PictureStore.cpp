#include "album/PictureStore.h"

#include "album/PhotoRecord.h"
#include "album/PictureFileName.h"
#include "album/WriteFailure.h"
#include "imaging/Bitmap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

PictureSaveResult SaveNewPicture(const ImgBitmap &picture, const QString &dataDir)
{
    const std::optional<QString> path = FindFreePictureFile(dataDir);
    if (!path)
        return {PictureSaveError::NoFreeName, QString()};
    if (!PathFitsRecord(*path))
        return {PictureSaveError::PathTooLong, *path};
    if (!picture.SaveBmp4(*path))
        return {PictureSaveError::WriteFailed, *path, errno};
    return {PictureSaveError::None, *path};
}

QString PictureSaveErrorText(const PictureSaveResult &result, const QString &dataDir)
{
    switch (result.error) {
    case PictureSaveError::None:
        break;
    case PictureSaveError::NoFreeName:
        return QStringLiteral("All picture names from p0.bmp to p%1.bmp are taken in %2. "
                              "Remove some photos from the album first.")
            .arg(kPictureNumbers - 1)
            .arg(dataDir);
    case PictureSaveError::PathTooLong:
        return QStringLiteral("The picture cannot be saved in %1: the path %2 is longer than "
                              "the album can hold (%3 bytes).")
            .arg(dataDir, result.path)
            .arg(kPathFieldBytes);
    case PictureSaveError::WriteFailed:
        return QStringLiteral("Error saving the picture file %1.  %2")
            .arg(result.path, WriteFailureReason(result.systemError, dataDir));
    }
    return QString();
}

bool IsAlbumPictureFile(const QString &path, const QString &dataDir)
{
    static const QRegularExpression pictureName(QStringLiteral("^p(0|[1-9][0-9]{0,3})\\.bmp$"));
    const QFileInfo file(path);
    if (file.isSymLink() || !file.isFile() || !pictureName.match(file.fileName()).hasMatch())
        return false;
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return !folder.isEmpty() && folder == QFileInfo(dataDir).canonicalFilePath();
}

bool RemovePictureFile(const QString &path, const QString &dataDir)
{
    return IsAlbumPictureFile(path, dataDir) && QFile::remove(path);
}
