#pragma once

#include <QByteArray>

#include <cstdint>

// Files put together byte by byte from their formats' descriptions.
namespace crafted {

// An APP1 segment's EXIF data whose TIFF block, in either byte order, holds only the
// orientation: "Exif\0\0" (6 bytes), "II" or "MM", 42, the directory's offset (8) at 10, its
// entry count (1) at 14, then the entry: tag 0x0112 at 16, type SHORT (3) at 18, count (1) at
// 20, the code at 24.
QByteArray exifOrientationBlock(int orientation, bool bigEndian = false);
// The JPEG with that APP1 segment; valid headers of that size with almost no pixels behind them.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation, bool bigEndian = false);
QByteArray pngHeader(uint32_t width, uint32_t height);
QByteArray bmpHeader(uint32_t width, uint32_t height);
QByteArray pcxHeader(uint16_t width, uint16_t height);
// A complete run-length coded BMP that ends its pixels at once: a few bytes for any size.
QByteArray emptyRunLengthBmp(uint32_t width, uint32_t height);

} // namespace crafted
