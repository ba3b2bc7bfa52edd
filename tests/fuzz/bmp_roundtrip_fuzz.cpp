// Random indexed pictures with a 4- or 16-gray palette, encoded as a 4-bit BMP in memory and
// read back by Qt: every pixel must come back as the gray it was given.
#include "imaging/Bitmap.h"
#include "imaging/GrayPalette.h"

#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const bool sixteen = data[0] & 1;
    const bool ownGrays = data[0] & 2;
    // Odd widths exercise the half-byte and every row padding; the layout has nothing that
    // changes with larger sizes, which would only make each input slower.
    const int width = 1 + data[1] % 64;
    const int height = 1 + data[2] % 64;
    data += 3;
    size -= 3;
    GrayPalette palette = sixteen ? GrayPalette::Gray16() : GrayPalette::Gray4();
    if (ownGrays) {
        for (uint8_t &gray : palette.grays) {
            if (size == 0)
                return 0;
            gray = *data++;
            --size;
        }
    }

    // Each pixel an entry of the palette, as its gray: reducing exact palette grays diffuses
    // no error, so the bitmap becomes indexed with exactly these grays.
    QImage grays(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = size_t(y) * size_t(width) + size_t(x);
            const uint8_t pick = size ? data[i % size] >> ((i / size) % 4 * 2) : uint8_t(i);
            grays.scanLine(y)[x] = palette.grays[pick % palette.grays.size()];
        }
    ImgBitmap picture = ImgBitmap::FromQImage(grays);
    picture.ReduceColors(palette);
    if (!picture.IsIndexed())
        std::abort();

    // 14 + 40 header bytes, 16 colours of 4, then rows of 4 bits a pixel padded to 4 bytes.
    const QByteArray bmp = picture.EncodeBmp4();
    if (bmp.size() != 14 + 40 + 64 + (width * 4 + 31) / 32 * 4 * height)
        std::abort();
    const QImage back = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
    if (back.size() != grays.size())
        std::abort();
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(back.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const int gray = grays.constScanLine(y)[x];
            if (line[x] != qRgb(gray, gray, gray))
                std::abort();
        }
    }
    return 0;
}
