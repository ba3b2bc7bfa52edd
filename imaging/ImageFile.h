#pragma once

#include <QImage>
#include <QString>

namespace imaging {

// The first picture of a file in stored form (see toStoredForm), top-down with its EXIF
// orientation applied: Qt's readers first, Magick++ for the older formats Qt lacks. Null when
// neither can read it, when it is damaged or cut off, or when it is larger than kMaxPixels.
QImage readImageFile(const QString &path);

} // namespace imaging
