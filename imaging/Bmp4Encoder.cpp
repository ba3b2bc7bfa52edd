#include "imaging/Bmp4Encoder.h"

#include <cstdint>

namespace imaging {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kColorTableSize = 16 * 4;
constexpr int kPixelsPerMetre = 2835; // 72 dpi

// Byte by byte so the file is the same whatever the host's byte order.
void put16(QByteArray &out, uint32_t value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, uint32_t value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

} // namespace

QByteArray encodeBmp4(const QImage &indices, const GrayPalette &palette)
{
    const int width = indices.width();
    const int height = indices.height();
    const int rowSize = ((width + 1) / 2 + 3) / 4 * 4;
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kColorTableSize;
    const uint32_t imageSize = uint32_t(rowSize) * uint32_t(height);

    QByteArray out;
    out.reserve(int(pixelOffset + imageSize));
    out.append("BM");
    put32(out, pixelOffset + imageSize);
    put32(out, 0); // two reserved words
    put32(out, pixelOffset);

    put32(out, kInfoHeaderSize);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height)); // positive: bottom-up
    put16(out, 1);                // planes
    put16(out, 4);                // bits per pixel
    put32(out, 0);                // BI_RGB
    put32(out, imageSize);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 16); // colours used
    put32(out, 0);  // all colours important

    for (int i = 0; i < 16; ++i) {
        const char gray = i < int(palette.grays.size()) ? char(palette.grays[size_t(i)]) : 0;
        out.append(gray).append(gray).append(gray).append('\0'); // blue, green, red, reserved
    }

    for (int y = height - 1; y >= 0; --y) {
        const uchar *line = indices.constScanLine(y);
        QByteArray row(rowSize, '\0');
        for (int x = 0; x < width; ++x)
            row[x / 2] = char(row[x / 2] | ((line[x] & 0x0f) << (x % 2 == 0 ? 4 : 0)));
        out.append(row);
    }
    return out;
}

} // namespace imaging
