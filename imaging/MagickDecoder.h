#pragma once

#include <QImage>
#include <QString>

namespace imaging {

// The first frame of a file in one of the older formats Qt has no reader for (see
// legacyCoderFor), decoded by Magick++ into RGBA8888, or RGB888 when it has no transparency.
// Null for any other file, for a picture over kMaxPixels (refused from its header), for a
// cut-off file, and on any error or warning while decoding.
QImage decodeWithMagick(const QString &path);

} // namespace imaging
