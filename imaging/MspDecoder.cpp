#include "imaging/MspDecoder.h"

#include "imaging/ByteReading.h"
#include "imaging/Limits.h"

#include <cstring>
#include <span>

namespace imaging {
namespace {

using Bytes = std::span<const uint8_t>;

// Little-endian words: two signature words, width, height, aspect ratios, a checksum, padding.
constexpr size_t kHeaderBytes = 32;

bool hasSignature(Bytes d, const char *signature)
{
    return d.size() >= kHeaderBytes && std::memcmp(d.data(), signature, 4) == 0;
}

// Null when the memory could not be had.
QImage blankPicture(uint32_t width, uint32_t height)
{
    QImage image(int(width), int(height), QImage::Format_Mono);
    if (!image.isNull())
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return image;
}

// One row of version 2: runs of (0, count, value) and literal strings (count, bytes...) that
// together give exactly `out.size()` bytes.
bool decodeRow(Bytes in, std::span<uint8_t> out)
{
    size_t i = 0;
    size_t o = 0;
    while (i < in.size()) {
        const size_t type = in[i++];
        const bool run = type == 0;
        const size_t count = run ? (i < in.size() ? in[i++] : 0) : type;
        const size_t used = run ? 1 : count;
        if (i + used > in.size() || o + count > out.size())
            return false;
        if (run)
            std::memset(out.data() + o, in[i], count);
        else
            std::memcpy(out.data() + o, in.data() + i, count);
        i += used;
        o += count;
    }
    return o == out.size();
}

QImage decodeVersion1(Bytes d, uint32_t width, uint32_t height)
{
    const size_t rowBytes = (size_t(width) + 7) / 8;
    if (kHeaderBytes + rowBytes * height > d.size())
        return {};
    QImage image = blankPicture(width, height);
    if (image.isNull())
        return {};
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), d.data() + kHeaderBytes + rowBytes * size_t(y), rowBytes);
    return image;
}

QImage decodeVersion2(Bytes d, uint32_t width, uint32_t height)
{
    const size_t mapEnd = kHeaderBytes + 2 * size_t(height);
    if (mapEnd > d.size())
        return {};
    size_t total = 0;
    for (size_t y = 0; y < height; ++y)
        total += bytes::le16(d, kHeaderBytes + 2 * y);
    if (mapEnd + total > d.size())
        return {};
    QImage image = blankPicture(width, height);
    if (image.isNull())
        return {};
    const size_t rowBytes = (size_t(width) + 7) / 8;
    size_t at = mapEnd;
    for (int y = 0; y < image.height(); ++y) {
        const size_t length = bytes::le16(d, kHeaderBytes + 2 * size_t(y));
        if (!decodeRow(d.subspan(at, length), {image.scanLine(y), rowBytes}))
            return {};
        at += length;
    }
    return image;
}

} // namespace

QImage decodeMsp(const uchar *data, size_t size)
{
    const Bytes d(data, size);
    const bool version1 = hasSignature(d, "DanM");
    if (!version1 && !hasSignature(d, "LinS"))
        return {};
    const uint32_t width = bytes::le16(d, 4);
    const uint32_t height = bytes::le16(d, 6);
    if (!fitsPixelLimit(width, height))
        return {};
    return version1 ? decodeVersion1(d, width, height) : decodeVersion2(d, width, height);
}

} // namespace imaging
