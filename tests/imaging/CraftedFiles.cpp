#include "CraftedFiles.h"

#include <cstdlib>
#include <initializer_list>

namespace crafted {
namespace {

// Each value in |size| bytes, little-endian when size > 0.
QByteArray put(int size, std::initializer_list<uint32_t> values)
{
    QByteArray out;
    for (uint32_t value : values) {
        for (int i = 0; i < std::abs(size); ++i)
            out.append(char(value >> 8 * (size > 0 ? i : -size - 1 - i)));
    }
    return out;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    uint32_t crc = 0xffffffffu;
    for (char c : type + data) {
        crc ^= uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
    }
    return put(-4, {uint32_t(data.size())}) + type + data + put(-4, {~crc});
}

// File and info headers of a BMP whose pixels follow a colour table of `colors` entries.
QByteArray bmpHeaders(uint32_t width, uint32_t height, uint32_t bits, uint32_t compression, uint32_t colors, uint32_t pixelBytes)
{
    const uint32_t offset = 54 + 4 * colors;
    return "BM" + put(4, {offset + pixelBytes, 0, offset, 40, width, height}) + put(2, {1, bits})
         + put(4, {compression, pixelBytes, 0, 0, colors, 0});
}

} // namespace

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation, bool bigEndian)
{
    // A TIFF block whose first directory holds one entry: Orientation, a SHORT at the start of its value field.
    const int order = bigEndian ? -1 : 1;
    const QByteArray tiff = (bigEndian ? "MM" : "II") + put(2 * order, {42}) + put(4 * order, {8}) + put(2 * order, {1, 0x0112, 3})
                          + put(4 * order, {1}) + put(2 * order, {uint32_t(orientation), 0}) + put(4 * order, {0});
    return jpeg.left(2) + "\xff\xe1" + put(-2, {uint32_t(8 + tiff.size())}) + QByteArray("Exif\0\0", 6) + tiff + jpeg.mid(2);
}

QByteArray pngHeader(uint32_t width, uint32_t height)
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", put(-4, {width, height}) + put(1, {8, 2, 0, 0, 0}))
         + pngChunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) + pngChunk("IEND", {});
}

QByteArray bmpHeader(uint32_t width, uint32_t height)
{
    return bmpHeaders(width, height, 24, 0, 0, 16) + QByteArray(16, '\0');
}

QByteArray emptyRunLengthBmp(uint32_t width, uint32_t height)
{
    return bmpHeaders(width, height, 8, 1, 2, 2) + put(4, {0x000000, 0xffffff}) + put(1, {0, 1});
}

QByteArray pcxHeader(uint16_t width, uint16_t height)
{
    // ZSoft, version 3.0, run-length coded, 8 bits; window; dpi; EGA palette; one plane.
    return put(1, {0x0a, 5, 1, 8}) + put(2, {0, 0, width - 1u, height - 1u, 72, 72}) + QByteArray(49, '\0') + put(1, {1})
         + put(2, {width + (width & 1u), 1}) + QByteArray(58, '\0') + QByteArray(64, char(0xc1));
}

} // namespace crafted
