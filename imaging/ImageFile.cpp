#include "imaging/ImageFile.h"

#include "imaging/GemDecoder.h"
#include "imaging/ImagingLibrary.h"
#include "imaging/MagickDecoder.h"
#include "imaging/MappedFile.h"
#include "imaging/MspDecoder.h"
#include "imaging/QtDecoder.h"
#include "imaging/StoredForm.h"

namespace imaging {

QImage readImageFile(const QString &path)
{
    StartImaging();
    QImage image = decodeWithQt(path);
    if (image.isNull())
        image = decodeWithMagick(path);
    if (image.isNull()) {
        const MappedFile file(path);
        image = decodeMsp(file.data(), file.size());
        if (image.isNull())
            image = decodeGem(path, file.data(), file.size());
    }
    return toStoredForm(image);
}

} // namespace imaging
