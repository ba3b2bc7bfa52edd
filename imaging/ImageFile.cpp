#include "imaging/ImageFile.h"

#include "imaging/FileBytes.h"
#include "imaging/ImagingLibrary.h"
#include "imaging/JpegDecoder.h"
#include "imaging/MagickDecoder.h"
#include "imaging/QtDecoder.h"
#include "imaging/StoredForm.h"

#include <QFileInfo>

namespace imaging {

QImage decodeImage(std::span<const uint8_t> bytes, const QString &suffix)
{
    StartImaging();
    QImage image = looksLikeJpeg(bytes) ? decodeJpeg(bytes, 1) : decodeWithQt(bytes);
    if (image.isNull())
        image = decodeWithMagick(bytes, suffix);
    return toStoredForm(image);
}

QImage readImageFile(const QString &path)
{
    const FileBytes file(path);
    return decodeImage(file.bytes(), QFileInfo(path).suffix());
}

} // namespace imaging
