#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

namespace imaging {

// The first picture of an image file's bytes in stored form (see toStoredForm), top-down with
// its EXIF orientation applied: a JPEG through libjpeg, other files through Qt's readers, and
// the older formats Qt lacks through ImageMagick, which `suffix` (the file name's, without the
// dot; may be empty) helps recognise. Null when none can read it, when it is damaged or cut
// off, or when it is larger than kMaxPixels.
QImage decodeImage(std::span<const uint8_t> bytes, const QString &suffix);

// The same for the file at `path`, mapped or read (see FileBytes).
QImage readImageFile(const QString &path);

} // namespace imaging
