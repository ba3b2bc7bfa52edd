#include "imaging/ExifOrientation.h"

#include "imaging/ByteReading.h"

#include <QTransform>

#include <cstring>

namespace imaging {
namespace {

constexpr uint32_t kOrientationTag = 0x0112;
constexpr uint32_t kShortType = 3;

} // namespace

int exifOrientation(std::span<const uint8_t> app1)
{
    constexpr size_t kTiff = 6; // after "Exif\0\0"
    if (app1.size() < kTiff + 8 || std::memcmp(app1.data(), "Exif\0\0", kTiff) != 0)
        return 1;
    const std::span<const uint8_t> tiff = app1.subspan(kTiff);
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M'))
        return 1;
    const auto u16 = [&](size_t at) { return little ? bytes::le16(tiff, at) : bytes::be16(tiff, at); };
    const auto u32 = [&](size_t at) { return little ? bytes::le32(tiff, at) : bytes::be32(tiff, at); };
    const size_t directory = u32(4);
    if (directory > tiff.size() - 2)
        return 1;
    const size_t entries = u16(directory);
    for (size_t i = 0; i < entries; ++i) {
        const size_t entry = directory + 2 + 12 * i;
        if (entry + 12 > tiff.size())
            return 1;
        if (u16(entry) == kOrientationTag && u16(entry + 2) == kShortType && u32(entry + 4) == 1) {
            const int code = int(u16(entry + 8));
            return code >= 1 && code <= 8 ? code : 1;
        }
    }
    return 1;
}

bool turnsByQuarter(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

QSize shownSize(QSize stored, int orientation)
{
    return turnsByQuarter(orientation) ? stored.transposed() : stored;
}

QImage orientForDisplay(const QImage &stored, int orientation)
{
    // Codes 5 and 7 mirror first (vertically and horizontally), then turn clockwise like 6.
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.mirrored(true, true);
    case 4:
        return stored.mirrored(false, true);
    case 5:
        return stored.mirrored(false, true).transformed(QTransform().rotate(90));
    case 6:
        return stored.transformed(QTransform().rotate(90));
    case 7:
        return stored.mirrored(true, false).transformed(QTransform().rotate(90));
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}

} // namespace imaging
