#include "imaging/QtDecoder.h"

#include "imaging/EncodedCompleteness.h"
#include "imaging/Limits.h"

#include <QFile>
#include <QImageReader>

namespace imaging {
namespace {

bool fileIsComplete(const QString &path, const QByteArray &format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (const uchar *mapped = file.map(0, file.size()))
        return isEncodingComplete(format, {mapped, size_t(file.size())});
    const QByteArray bytes = file.readAll();
    return isEncodingComplete(format, {reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())});
}

} // namespace

QImage decodeWithQt(const QString &path)
{
    QImageReader reader(path);
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
    if (!fileIsComplete(path, format))
        return {};
    return image;
}

} // namespace imaging
