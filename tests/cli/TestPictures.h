#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>

// Image files and picture checks for the command-line tests.

// Saved by the file name's suffix; JPEGs at quality 92.
void SaveImage(const QImage &image, const QString &path);
// A JPEG's bytes with an EXIF block giving the orientation code, as a camera writes it.
QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation);
// The gray of every pixel of a picture file the tool wrote, through its colour table.
QImage HandheldGrays(const QString &bmpPath);
QImage HandheldGrays(const QImage &indexed);
// The largest and the average difference between the mean grays of the 8 by 8 blocks of two
// handheld pictures: dithering places single pixels differently, the blocks show the picture.
struct BlockDifference {
    double largest = 0;
    double average = 0;
};
BlockDifference CompareBlocks(const QImage &a, const QImage &b);
// Every entry directly in the folder with its bytes (empty for a folder), to show that
// a failed command changed nothing.
QMap<QString, QByteArray> FolderSnapshot(const QString &folder);
