#pragma once

#include "imaging/PixelData.h"

#include <QImage>
#include <QRect>

#include <cstdint>

namespace imaging {

// Luma 0.299 R + 0.587 G + 0.114 B, rounded.
inline uint8_t luma(QRgb rgb)
{
    return uint8_t((299 * qRed(rgb) + 587 * qGreen(rgb) + 114 * qBlue(rgb) + 500) / 1000);
}

// An uninitialised picture of that kind; Indexed needs the palette, which becomes its colour table.
QImage blankPixels(PixelKind kind, const GrayPalette *palette, int width, int height);

// `area` of `pixels` as a picture of another kind: a colour becomes its luma, an index the gray it
// names, a gray g the colour (g, g, g), and a gray its nearest palette entry. Indices into the same
// palette are copied as they are.
QImage convertPixels(const PixelData &pixels, const QRect &area, PixelKind kind, const GrayPalette *palette);

} // namespace imaging
