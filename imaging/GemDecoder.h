#pragma once

#include <QImage>
#include <QString>

#include <cstddef>

namespace imaging {

// A GEM raster picture ("*.img"). The format has no signature, so only a file with that
// suffix whose header makes sense (version 1 or 2, at least 8 header words, 1 to 8 planes,
// a pattern length of 1 to 8) is decoded: bit planes of run-length rows with pattern runs,
// solid runs, literal strings and repeated rows. One plane is black and white (bit 1 black);
// more planes use the palette of an extended ("XIMG", RGB) header, and without one are gray
// levels from white (no bit set) to black (all set). Indexed8; null for any other file, over
// kMaxPixels (refused from the header), or when the rows are damaged or cut off.
QImage decodeGem(const QString &path, const uchar *data, size_t size);

} // namespace imaging
