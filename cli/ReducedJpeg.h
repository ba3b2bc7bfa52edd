#pragma once

#include "editor/CropGeometry.h"

#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

#include <optional>

// Decoding a JPEG at 1/2, 1/4 or 1/8 of its size (libjpeg's scaled decoding, asked for
// through QImageReader's clip rectangle and scaled size) when the picture is about to be
// reduced much further.

// A JPEG file's size, its header read and nothing decoded.
struct JpegHeader {
    QSize stored; // in the file's own orientation
    QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone;

    // The size as shown, its EXIF orientation applied.
    QSize shown() const;
};

// Nothing when the file does not start as a JPEG, its header cannot be read, or it is
// larger than pictures are allowed to be.
std::optional<JpegHeader> ReadJpegHeader(const QString &path);

struct JpegReduction {
    int denominator = 1;
    QSize decodedSize;   // in the file's own orientation
    CropRect sourceRect; // the source rectangle (S) in the reduced picture's pixels
};

// The strongest reduction at which S still spans at least twice the handheld picture's
// size on both axes, rounded to reduced pixels that fit into the same size (the right and
// bottom edges moved by up to two pixels where rounding alone would change that size);
// nothing when none does. A turned or mirrored picture is only reduced by a whole fraction
// of both its sides.
std::optional<JpegReduction> ChooseJpegReduction(const JpegHeader &header, const CropRect &sourceRect);

// The reduced picture, its EXIF orientation applied: pixel (x, y) is the source's square
// from (x, y) times the denominator. Null when the file is damaged or cut off.
QImage DecodeReducedJpeg(const QString &path, const JpegReduction &reduction);
