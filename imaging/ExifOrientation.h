#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <span>

namespace imaging {

// The orientation code (1 to 8) of EXIF data as an APP1 segment holds it ("Exif\0\0", then
// a TIFF header and its first directory); 1 when there is none or it makes no sense.
int exifOrientation(std::span<const uint8_t> app1);

// Codes 5 to 8 turn the picture by a quarter, so its shown width is its stored height.
bool turnsByQuarter(int orientation);
QSize shownSize(QSize stored, int orientation);

// The stored picture as it is to be shown: mirrored, turned or both as the code says.
QImage orientForDisplay(const QImage &stored, int orientation);

} // namespace imaging
