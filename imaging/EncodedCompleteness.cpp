#include "imaging/EncodedCompleteness.h"

#include "imaging/ByteReading.h"

#include <cstdlib>
#include <cstring>

namespace imaging {
namespace {

using Bytes = std::span<const uint8_t>;
using bytes::le16;
using bytes::le32;

bool isRestartOrStuffing(uint8_t byteAfterFF)
{
    return byteAfterFF == 0x00 || (byteAfterFF >= 0xd0 && byteAfterFF <= 0xd7);
}

// From just after a scan header to the 0xFF of the marker that ends its entropy-coded data.
bool skipEntropyCodedData(Bytes d, size_t &i)
{
    for (;;) {
        const void *ff = i < d.size() ? std::memchr(d.data() + i, 0xff, d.size() - i) : nullptr;
        if (!ff)
            return false;
        i = size_t(static_cast<const uint8_t *>(ff) - d.data());
        if (i + 1 >= d.size())
            return false;
        if (d[i + 1] == 0xff)
            i += 1; // fill byte before a marker
        else if (isRestartOrStuffing(d[i + 1]))
            i += 2;
        else
            return true;
    }
}

// Marker segments and scans from the start-of-image marker up to the end-of-image marker.
bool jpegComplete(Bytes d)
{
    if (d.size() < 4 || d[0] != 0xff || d[1] != 0xd8)
        return false;
    size_t i = 2;
    for (;;) {
        if (i >= d.size() || d[i] != 0xff)
            return false;
        while (i < d.size() && d[i] == 0xff)
            ++i;
        if (i >= d.size())
            return false;
        const uint8_t marker = d[i++];
        if (marker == 0xd9)
            return true;
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7))
            continue; // no length field
        if (i + 2 > d.size())
            return false;
        const size_t length = size_t(d[i]) << 8 | d[i + 1];
        if (length < 2 || i + length > d.size())
            return false;
        i += length;
        if (marker == 0xda && !skipEntropyCodedData(d, i))
            return false;
    }
}

// Run-length coded pixels must reach their end-of-bitmap code.
bool bmpRunLengthComplete(Bytes d, size_t i, bool fourBit)
{
    while (i + 1 < d.size()) {
        const uint8_t count = d[i];
        const uint8_t code = d[i + 1];
        i += 2;
        if (count > 0 || code == 0)
            continue; // a run, or end of line
        if (code == 1)
            return true;
        if (code == 2) {
            i += 2; // move by (dx, dy)
            continue;
        }
        const size_t literalBytes = fourBit ? (code + 1u) / 2 : code;
        i += (literalBytes + 1) & ~size_t(1); // literal runs are padded to even length
    }
    return false;
}

bool bmpComplete(Bytes d)
{
    constexpr size_t kFileHeader = 14;
    if (d.size() < kFileHeader + 16 || d[0] != 'B' || d[1] != 'M')
        return false;
    const uint64_t pixelOffset = le32(d, 10);
    const uint32_t headerSize = le32(d, kFileHeader);
    uint64_t width = 0;
    uint64_t height = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t compression = 0;
    if (headerSize == 12) { // OS/2 1.x core header
        width = le16(d, 18);
        height = le16(d, 20);
        bitsPerPixel = le16(d, 24);
    } else {
        if (d.size() < kFileHeader + 20)
            return false;
        width = uint64_t(std::abs(int64_t(int32_t(le32(d, 18)))));
        height = uint64_t(std::abs(int64_t(int32_t(le32(d, 22)))));
        bitsPerPixel = le16(d, 28);
        compression = le32(d, 30);
    }
    if (pixelOffset > d.size())
        return false;
    if (compression == 1 || compression == 2)
        return bmpRunLengthComplete(d, size_t(pixelOffset), compression == 2);
    const uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return pixelOffset + rowBytes * height <= d.size();
}

// Data sub-blocks up to their empty terminator.
bool skipGifSubBlocks(Bytes d, size_t &i)
{
    while (i < d.size()) {
        const uint8_t length = d[i++];
        if (length == 0)
            return true;
        i += length;
    }
    return false;
}

size_t gifColorTableBytes(uint8_t flags)
{
    return flags & 0x80 ? 3 * (size_t(2) << (flags & 7)) : 0;
}

// Up to the end of the first image's data.
bool gifComplete(Bytes d)
{
    if (d.size() < 13 || std::memcmp(d.data(), "GIF8", 4) != 0)
        return false;
    size_t i = 13 + gifColorTableBytes(d[10]);
    while (i < d.size()) {
        const uint8_t introducer = d[i++];
        if (introducer == 0x21) { // extension: label, then sub-blocks
            ++i;
            if (!skipGifSubBlocks(d, i))
                return false;
        } else if (introducer == 0x2c) { // image descriptor, colour table, code size, data
            if (i + 9 > d.size())
                return false;
            i += 9 + gifColorTableBytes(d[i + 8]) + 1;
            return skipGifSubBlocks(d, i);
        } else {
            return false;
        }
    }
    return false;
}

} // namespace

bool isEncodingComplete(const QByteArray &format, std::span<const uint8_t> data)
{
    if (format == "jpeg" || format == "jpg")
        return jpegComplete(data);
    if (format == "bmp" || format == "dib")
        return bmpComplete(data);
    if (format == "gif")
        return gifComplete(data);
    return true;
}

} // namespace imaging
