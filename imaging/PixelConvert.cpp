#include "imaging/PixelConvert.h"

#include <algorithm>
#include <array>

namespace imaging {
namespace {

// The gray of every possible stored byte of a one-channel picture.
std::array<uint8_t, 256> grayOfByte(const PixelData &pixels)
{
    std::array<uint8_t, 256> gray{};
    for (int i = 0; i < 256; ++i)
        gray[i] = uint8_t(i);
    if (const GrayPalette *palette = pixels.palette()) {
        gray.fill(0);
        std::copy(palette->grays.begin(), palette->grays.end(), gray.begin());
    }
    return gray;
}

// Calls store(x, y, gray) for each pixel of `area`, with x and y relative to it.
template <class Store>
void forEachGray(const PixelData &pixels, const QRect &area, Store store)
{
    const std::array<uint8_t, 256> gray = grayOfByte(pixels);
    for (int y = 0; y < area.height(); ++y) {
        const uchar *line = pixels.image().constScanLine(area.top() + y);
        if (pixels.kind() == PixelKind::Color) {
            const QRgb *rgb = reinterpret_cast<const QRgb *>(line) + area.left();
            for (int x = 0; x < area.width(); ++x)
                store(x, y, luma(rgb[x]));
        } else {
            for (int x = 0; x < area.width(); ++x)
                store(x, y, gray[line[area.left() + x]]);
        }
    }
}

} // namespace

QImage blankPixels(PixelKind kind, const GrayPalette *palette, int width, int height)
{
    if (kind == PixelKind::Color)
        return QImage(width, height, QImage::Format_RGB32);
    if (kind == PixelKind::Gray)
        return QImage(width, height, QImage::Format_Grayscale8);
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (uint8_t g : palette->grays)
        table.append(qRgb(g, g, g));
    image.setColorTable(table);
    return image;
}

QImage convertPixels(const PixelData &pixels, const QRect &area, PixelKind kind, const GrayPalette *palette)
{
    const bool samePalette = kind == PixelKind::Indexed && pixels.palette() && *pixels.palette() == *palette;
    if (kind == pixels.kind() && (kind != PixelKind::Indexed || samePalette))
        return pixels.image().copy(area);

    QImage result = blankPixels(kind, palette, area.width(), area.height());
    if (result.isNull())
        return result;
    uchar *bits = result.bits();
    const qsizetype stride = result.bytesPerLine();
    if (kind == PixelKind::Color) {
        forEachGray(pixels, area, [&](int x, int y, uint8_t g) {
            reinterpret_cast<QRgb *>(bits + y * stride)[x] = qRgb(g, g, g);
        });
    } else if (kind == PixelKind::Gray) {
        forEachGray(pixels, area, [&](int x, int y, uint8_t g) { bits[y * stride + x] = g; });
    } else {
        const std::array<uint8_t, 256> nearest = palette->NearestIndices();
        forEachGray(pixels, area, [&](int x, int y, uint8_t g) { bits[y * stride + x] = nearest[g]; });
    }
    return result;
}

} // namespace imaging
