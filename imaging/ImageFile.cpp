#include "imaging/ImageFile.h"

#include "imaging/ImagingLibrary.h"
#include "imaging/MagickDecoder.h"
#include "imaging/QtDecoder.h"
#include "imaging/StoredForm.h"

namespace imaging {

QImage readImageFile(const QString &path)
{
    StartImaging();
    QImage image = decodeWithQt(path);
    if (image.isNull())
        image = decodeWithMagick(path);
    return toStoredForm(image);
}

} // namespace imaging
