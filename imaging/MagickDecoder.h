#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

namespace imaging {

// The first frame of a file in one of the older formats Qt has no reader for (see
// legacyCoderFor, which `suffix`, the file name's, helps), decoded by ImageMagick into
// RGBA8888, or RGB888 when it has no transparency. Null for any other file, for a file over
// kMaxFileBytes, for a picture over kMaxPixels (refused from its header), for a cut-off file,
// on any error or warning while decoding, and when ImageMagick cannot be loaded.
QImage decodeWithMagick(std::span<const uint8_t> bytes, const QString &suffix);

} // namespace imaging
