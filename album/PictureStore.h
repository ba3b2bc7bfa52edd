#pragma once

#include <QString>

class ImgBitmap;

// Picture files of the album: written under the first free "p<number>.bmp" of the data
// directory, and removed only when they are such a file of the data directory.
enum class PictureSaveError { None, NoFreeName, PathTooLong, WriteFailed };

struct PictureSaveResult {
    PictureSaveError error = PictureSaveError::None;
    QString path;          // the file written, or the one that could not be
    int systemError = 0;   // WriteFailed: errno of the failed write
};

// Never overwrites an existing file and never leaves a half-written one.
PictureSaveResult SaveNewPicture(const ImgBitmap &picture, const QString &dataDir);

// What to tell the user about a failed save, naming the file or the folder.
QString PictureSaveErrorText(const PictureSaveResult &result, const QString &dataDir);

// True for a regular file named "p<number>.bmp" directly in the data directory: the only
// files that removing a photo may delete. A damaged or foreign album file can name anything.
bool IsAlbumPictureFile(const QString &path, const QString &dataDir);

// Deletes the picture file when IsAlbumPictureFile allows it; false when it was left alone
// or could not be deleted.
bool RemovePictureFile(const QString &path, const QString &dataDir);
