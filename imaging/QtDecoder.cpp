#include "imaging/QtDecoder.h"

#include "imaging/EncodedCompleteness.h"
#include "imaging/Limits.h"

#include <QBuffer>
#include <QImageReader>

namespace imaging {

QImage decodeWithQt(std::span<const uint8_t> bytes)
{
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {};
    const QByteArray format = reader.format();
    const QSize announced = reader.size();
    if (announced.isValid() && !fitsPixelLimit(announced.width(), announced.height()))
        return {};
    QImage image;
    if (!reader.read(&image) || !fitsPixelLimit(image.width(), image.height()))
        return {};
    if (!isEncodingComplete(format, bytes))
        return {};
    return image;
}

} // namespace imaging
