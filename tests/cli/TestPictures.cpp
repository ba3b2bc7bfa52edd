#include "TestPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

void SaveImage(const QImage &image, const QString &path)
{
    QImageWriter writer(path);
    writer.setQuality(92);
    if (!writer.write(image))
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation)
{
    // A little-endian TIFF block whose first directory holds one entry: Orientation, a SHORT.
    QByteArray tiff("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18);
    tiff += char(orientation);
    tiff += QByteArray(7, '\0'); // the value's padding, then no next directory
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1");
    const quint16 length = quint16(exif.size() + 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

QImage HandheldGrays(const QImage &indexed)
{
    QImage grays(indexed.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < indexed.height(); ++y) {
        for (int x = 0; x < indexed.width(); ++x)
            grays.scanLine(y)[x] = uchar(qRed(indexed.pixel(x, y)));
    }
    return grays;
}

QImage HandheldGrays(const QString &bmpPath)
{
    const QImage picture(bmpPath);
    if (picture.isNull() || picture.format() != QImage::Format_Indexed8)
        throw std::runtime_error("not an indexed picture: " + bmpPath.toStdString());
    return HandheldGrays(picture);
}

BlockDifference CompareBlocks(const QImage &a, const QImage &b)
{
    const QImage ga = HandheldGrays(a);
    const QImage gb = HandheldGrays(b);
    BlockDifference difference;
    int blocks = 0;
    for (int by = 0; by < ga.height(); by += 8) {
        for (int bx = 0; bx < ga.width(); bx += 8, ++blocks) {
            double sum = 0;
            for (int y = by; y < by + 8; ++y)
                for (int x = bx; x < bx + 8; ++x)
                    sum += ga.constScanLine(y)[x] - gb.constScanLine(y)[x];
            difference.largest = std::max(difference.largest, std::abs(sum) / 64);
            difference.average += std::abs(sum) / 64;
        }
    }
    difference.average /= blocks;
    return difference;
}

QMap<QString, QByteArray> FolderSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> snapshot;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        QFile file(entry.filePath());
        snapshot.insert(entry.fileName(),
                        entry.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return snapshot;
}
