#pragma once

#include <QByteArray>

#include <cstdint>

// Files put together byte by byte for the loading tests.
namespace crafted {

// A JPEG whose EXIF data gives that orientation code.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation);

// Valid headers announcing a picture of that size, with almost no pixel data behind them.
QByteArray pngHeader(uint32_t width, uint32_t height);
QByteArray bmpHeader(uint32_t width, uint32_t height);
QByteArray pcxHeader(uint16_t width, uint16_t height);

// A complete, valid run-length coded BMP of that size that ends its pixels at once: a few
// bytes that decode to a picture of any size.
QByteArray emptyRunLengthBmp(uint32_t width, uint32_t height);

} // namespace crafted
