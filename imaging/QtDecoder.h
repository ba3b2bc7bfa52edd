#pragma once

#include <QImage>

#include <cstdint>
#include <span>

namespace imaging {

// The first picture of the bytes as Qt reads it (format decided by content), EXIF orientation
// applied. Null when Qt has no reader for it, when it has more than kMaxPixels (refused from
// the header before anything is allocated where the reader can tell the size), or when the
// file is damaged or cut off.
QImage decodeWithQt(std::span<const uint8_t> bytes);

} // namespace imaging
