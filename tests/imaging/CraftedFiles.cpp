#include "CraftedFiles.h"

namespace crafted {
namespace {

void putLe(QByteArray &out, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

void putBe(QByteArray &out, uint32_t value, int size)
{
    for (int i = size - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xff));
}

uint32_t crc32(const QByteArray &bytes)
{
    uint32_t crc = 0xffffffffu;
    for (char c : bytes) {
        crc ^= uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
    }
    return ~crc;
}

void putPngChunk(QByteArray &out, const QByteArray &type, const QByteArray &data)
{
    putBe(out, uint32_t(data.size()), 4);
    out.append(type).append(data);
    putBe(out, crc32(type + data), 4);
}

} // namespace

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray tiff("II*\0", 4);
    putLe(tiff, 8, 4);      // first directory right after the header
    putLe(tiff, 1, 2);      // one entry:
    putLe(tiff, 0x0112, 2); //   Orientation
    putLe(tiff, 3, 2);      //   SHORT
    putLe(tiff, 1, 4);      //   one value
    putLe(tiff, uint32_t(orientation), 4);
    putLe(tiff, 0, 4); // no further directory

    QByteArray segment("\xff\xe1", 2);
    putBe(segment, uint32_t(2 + 6 + tiff.size()), 2);
    segment.append(QByteArray("Exif\0\0", 6)).append(tiff);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray pngHeader(uint32_t width, uint32_t height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putBe(header, width, 4);
    putBe(header, height, 4);
    header.append(char(8)).append(char(2)).append(3, '\0'); // 8-bit RGB, deflate, no filter, no interlace
    putPngChunk(png, "IHDR", header);
    putPngChunk(png, "IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8));
    putPngChunk(png, "IEND", {});
    return png;
}

// File and info headers of a BMP whose pixels follow a colour table of `colors` entries.
QByteArray bmpHeaders(uint32_t width, uint32_t height, int bitsPerPixel, int compression, int colors, int pixelBytes)
{
    const uint32_t offset = 54 + 4 * uint32_t(colors);
    QByteArray bmp("BM");
    putLe(bmp, offset + uint32_t(pixelBytes), 4);
    putLe(bmp, 0, 4);
    putLe(bmp, offset, 4);
    putLe(bmp, 40, 4);
    putLe(bmp, width, 4);
    putLe(bmp, height, 4);
    putLe(bmp, 1, 2);
    putLe(bmp, uint32_t(bitsPerPixel), 2);
    putLe(bmp, uint32_t(compression), 4);
    putLe(bmp, uint32_t(pixelBytes), 4);
    putLe(bmp, 0, 4);
    putLe(bmp, 0, 4);
    putLe(bmp, uint32_t(colors), 4);
    putLe(bmp, 0, 4);
    return bmp;
}

QByteArray bmpHeader(uint32_t width, uint32_t height)
{
    return bmpHeaders(width, height, 24, 0, 0, 16) + QByteArray(16, '\0');
}

QByteArray emptyRunLengthBmp(uint32_t width, uint32_t height)
{
    QByteArray bmp = bmpHeaders(width, height, 8, 1, 2, 2);
    putLe(bmp, 0x000000, 4); // black
    putLe(bmp, 0xffffff, 4); // white
    return bmp.append('\0').append('\1'); // end of bitmap
}

QByteArray pcxHeader(uint16_t width, uint16_t height)
{
    QByteArray pcx;
    pcx.append(char(0x0a)).append(char(5)).append(char(1)).append(char(8)); // ZSoft, v3.0, RLE, 8 bits
    putLe(pcx, 0, 2);
    putLe(pcx, 0, 2);
    putLe(pcx, width - 1u, 2);
    putLe(pcx, height - 1u, 2);
    putLe(pcx, 72, 2);
    putLe(pcx, 72, 2);
    pcx.append(48, '\0'); // EGA palette
    pcx.append('\0');     // reserved
    pcx.append(char(1));  // planes
    putLe(pcx, width + (width & 1u), 2);
    putLe(pcx, 1, 2);
    pcx.append(58, '\0');
    return pcx + QByteArray(64, char(0xc1));
}

} // namespace crafted
