#include "imaging/StoredForm.h"

#include <algorithm>

namespace imaging {
namespace {

bool hasGrayColorTable(const QImage &image)
{
    const QList<QRgb> table = image.colorTable();
    return !table.isEmpty() && std::all_of(table.begin(), table.end(), [](QRgb c) {
        return qAlpha(c) == 255 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
    });
}

bool isGrayByFormat(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return true;
    case QImage::Format_Indexed8:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return hasGrayColorTable(image);
    default:
        return false;
    }
}

uint8_t overWhite(int value, int alpha)
{
    return uint8_t((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

QImage flattenOntoWhite(const QImage &image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int a = qAlpha(line[x]);
            line[x] = qRgb(overWhite(qRed(line[x]), a), overWhite(qGreen(line[x]), a), overWhite(qBlue(line[x]), a));
        }
    }
    result.reinterpretAsFormat(QImage::Format_RGB32);
    return result;
}

} // namespace

QImage toStoredForm(const QImage &image)
{
    if (image.isNull())
        return image;
    if (isGrayByFormat(image))
        return image.convertToFormat(QImage::Format_Grayscale8);
    if (image.hasAlphaChannel())
        return flattenOntoWhite(image);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace imaging
