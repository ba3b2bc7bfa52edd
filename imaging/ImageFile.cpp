#include "imaging/ImageFile.h"

#include "imaging/FileBytes.h"
#include "imaging/GemDecoder.h"
#include "imaging/ImagingLibrary.h"
#include "imaging/JpegDecoder.h"
#include "imaging/MagickDecoder.h"
#include "imaging/MspDecoder.h"
#include "imaging/QtDecoder.h"
#include "imaging/StoredForm.h"

#include <QFileInfo>

namespace imaging {

QImage decodeImage(std::span<const uint8_t> bytes, const QString &suffix)
{
    StartImaging();
    QImage image = looksLikeJpeg(bytes) ? decodeJpeg(bytes, 1) : decodeWithQt(bytes);
    // The older formats read here have signatures or headers of their own: try them before
    // ImageMagick, which is loaded only when a file needs it.
    if (image.isNull())
        image = decodeMsp(bytes.data(), bytes.size());
    if (image.isNull())
        image = decodeGem(suffix, bytes.data(), bytes.size());
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
