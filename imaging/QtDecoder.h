#pragma once

#include <QImage>
#include <QString>

namespace imaging {

// The first picture of the file as Qt reads it (format decided by content), EXIF orientation
// applied. Null when Qt has no reader for it, when it has more than kMaxPixels (refused from
// the header before anything is allocated where the reader can tell the size), or when the
// file is damaged or cut off.
QImage decodeWithQt(const QString &path);

} // namespace imaging
