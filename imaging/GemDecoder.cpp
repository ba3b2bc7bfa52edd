#include "imaging/GemDecoder.h"

#include "imaging/ByteReading.h"
#include "imaging/Limits.h"

#include <QFileInfo>

#include <cstring>
#include <span>
#include <vector>

namespace imaging {
namespace {

using Bytes = std::span<const uint8_t>;
using bytes::be16;

// Big-endian words: version, header length in words, planes, pattern length, pixel width and
// height in micrometres, width, height; an extended header may follow.
struct Header {
    uint32_t words;
    uint32_t planes;
    uint32_t patternLength;
    uint32_t width;
    uint32_t height;
};

bool readHeader(Bytes d, Header &h)
{
    if (d.size() < 16)
        return false;
    const uint32_t version = be16(d, 0);
    h = {be16(d, 2), be16(d, 4), be16(d, 6), be16(d, 12), be16(d, 14)};
    return (version == 1 || version == 2) && h.words >= 8 && size_t(h.words) * 2 <= d.size()
        && h.planes >= 1 && h.planes <= 8 && h.patternLength >= 1 && h.patternLength <= 8;
}

// An "XIMG" header with the RGB colour model holds 3 words (0..1000) for each pixel value.
QList<QRgb> colorTable(Bytes d, const Header &h)
{
    const size_t colors = size_t(1) << h.planes;
    QList<QRgb> table;
    const bool ximg = h.words >= 11 + 3 * colors && std::memcmp(d.data() + 16, "XIMG", 4) == 0 && be16(d, 20) == 0;
    for (size_t i = 0; i < colors; ++i) {
        if (ximg) {
            const auto level = [&](size_t c) { return int((std::min<uint32_t>(be16(d, 22 + 6 * i + 2 * c), 1000) * 255 + 500) / 1000); };
            table << qRgb(level(0), level(1), level(2));
        } else {
            const int gray = 255 - int((i * 255 + (colors - 1) / 2) / (colors - 1));
            table << qRgb(gray, gray, gray);
        }
    }
    return table;
}

// One plane of one row: exactly `out.size()` bytes, or false when the data runs out or a
// run would pass the end of the row.
bool decodePlaneRow(Bytes d, size_t &i, std::span<uint8_t> out, size_t patternLength)
{
    size_t o = 0;
    while (o < out.size()) {
        if (i >= d.size())
            return false;
        const uint8_t code = d[i++];
        size_t count = code & 0x7f;
        if (code == 0 || code == 0x80) {
            if (i >= d.size())
                return false;
            count = d[i++];
        }
        if (code == 0) { // a pattern repeated; a count of 0 (a repeated row) belongs at a row's start
            if (count == 0 || i + patternLength > d.size() || o + count * patternLength > out.size())
                return false;
            for (size_t k = 0; k < count * patternLength; ++k)
                out[o + k] = d[i + k % patternLength];
            i += patternLength;
            count *= patternLength;
        } else if (code == 0x80) { // literal bytes
            if (i + count > d.size() || o + count > out.size())
                return false;
            std::memcpy(out.data() + o, d.data() + i, count);
            i += count;
        } else { // solid run of set or clear bytes
            if (o + count > out.size())
                return false;
            std::memset(out.data() + o, code & 0x80 ? 0xff : 0x00, count);
        }
        o += count;
    }
    return true;
}

// Pixel value: bit p from plane p.
void combinePlanes(const std::vector<uint8_t> &planes, size_t rowBytes, uint32_t planeCount, uchar *row, uint32_t width)
{
    for (uint32_t x = 0; x < width; ++x) {
        uchar value = 0;
        for (uint32_t p = 0; p < planeCount; ++p)
            value |= uchar(((planes[p * rowBytes + x / 8] >> (7 - x % 8)) & 1) << p);
        row[x] = value;
    }
}

QImage decodeRows(Bytes d, const Header &h)
{
    QImage image(int(h.width), int(h.height), QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    image.setColorTable(colorTable(d, h));
    const size_t rowBytes = (size_t(h.width) + 7) / 8;
    std::vector<uint8_t> planes(rowBytes * h.planes);
    size_t i = size_t(h.words) * 2;
    for (uint32_t y = 0; y < h.height;) {
        uint32_t repeat = 1;
        if (i + 4 <= d.size() && d[i] == 0 && d[i + 1] == 0 && d[i + 2] == 0xff) {
            repeat = d[i + 3];
            i += 4;
            if (repeat == 0)
                return {};
        }
        for (uint32_t p = 0; p < h.planes; ++p) {
            if (!decodePlaneRow(d, i, {planes.data() + p * rowBytes, rowBytes}, h.patternLength))
                return {};
        }
        combinePlanes(planes, rowBytes, h.planes, image.scanLine(int(y)), h.width);
        for (uint32_t r = 1; r < repeat && y + r < h.height; ++r)
            std::memcpy(image.scanLine(int(y + r)), image.scanLine(int(y)), h.width);
        y += repeat;
    }
    return image;
}

} // namespace

QImage decodeGem(const QString &path, const uchar *data, size_t size)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("img"), Qt::CaseInsensitive) != 0)
        return {};
    const Bytes d(data, size);
    Header h;
    if (!readHeader(d, h) || !fitsPixelLimit(h.width, h.height))
        return {};
    return decodeRows(d, h);
}

} // namespace imaging
