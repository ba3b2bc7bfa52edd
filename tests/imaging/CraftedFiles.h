#pragma once

#include <QByteArray>

#include <cstdint>

// Files put together byte by byte from their formats' descriptions.
namespace crafted {

// The JPEG with that EXIF orientation, its TIFF block in either byte order; valid headers of
// that size with almost no pixels behind them.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation, bool bigEndian = false);
QByteArray pngHeader(uint32_t width, uint32_t height);
QByteArray bmpHeader(uint32_t width, uint32_t height);
QByteArray pcxHeader(uint16_t width, uint16_t height);
// A complete run-length coded BMP that ends its pixels at once: a few bytes for any size.
QByteArray emptyRunLengthBmp(uint32_t width, uint32_t height);

} // namespace crafted
