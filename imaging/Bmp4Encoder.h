#pragma once

#include "imaging/GrayPalette.h"

#include <QByteArray>
#include <QImage>

namespace imaging {

// A 4-bit-per-pixel Windows BMP of an Indexed8 picture whose indices are below 16, with the
// palette's grays first in its 16-entry colour table and black after them. Rows are stored
// bottom-up, padded to 4 bytes, the left pixel in the high nibble; all fields little-endian.
QByteArray encodeBmp4(const QImage &indices, const GrayPalette &palette);

} // namespace imaging
