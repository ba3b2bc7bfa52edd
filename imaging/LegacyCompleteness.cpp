#include "imaging/LegacyCompleteness.h"

#include "imaging/ByteReading.h"

#include <algorithm>

namespace imaging {
namespace {

using Bytes = std::span<const uint8_t>;
using bytes::be16;
using bytes::be32;
using bytes::be64;

// Skips a section that starts with its own length; false when it runs past the end.
bool skipSection(Bytes d, size_t &i, int lengthBytes)
{
    if (i + size_t(lengthBytes) > d.size())
        return false;
    const uint64_t length = lengthBytes == 8 ? be64(d, i) : be32(d, i);
    if (length > d.size())
        return false;
    i += size_t(lengthBytes) + size_t(length);
    return i <= d.size();
}

// Header, colour mode data, resources, layers, then the merged picture that is read.
bool psdComplete(Bytes d)
{
    if (d.size() < 26)
        return false;
    const bool big = be16(d, 4) == 2; // PSB: longer lengths and row counts
    const uint64_t channels = be16(d, 12);
    const uint64_t height = be32(d, 14);
    const uint64_t width = be32(d, 18);
    const uint64_t depth = be16(d, 22);
    size_t i = 26;
    if (!skipSection(d, i, 4) || !skipSection(d, i, 4) || !skipSection(d, i, big ? 8 : 4) || i + 2 > d.size())
        return false;
    const uint32_t compression = be16(d, i);
    i += 2;
    const uint64_t rows = channels * height;
    if (compression == 0)
        return i + rows * ((width * depth + 7) / 8) <= d.size();
    if (compression != 1)
        return true; // zip: the reader reports missing data itself
    // Run-length rows: a table of byte counts, then the rows.
    const size_t countBytes = big ? 4 : 2;
    if (i + rows * countBytes > d.size())
        return false;
    uint64_t total = 0;
    for (uint64_t r = 0; r < rows; ++r)
        total += big ? be32(d, i + r * 4) : be16(d, i + r * 2);
    return i + rows * countBytes + total <= d.size();
}

// A 512-byte header, then either plain rows or run-length rows found through offset tables.
bool sgiComplete(Bytes d)
{
    constexpr size_t kHeader = 512;
    if (d.size() < kHeader)
        return false;
    const bool runLength = d[2] == 1;
    const uint64_t bytesPerValue = d[3];
    const uint64_t width = be16(d, 6);
    const uint64_t height = be16(d, 8);
    const uint64_t channels = std::max<uint32_t>(be16(d, 10), 1);
    const uint64_t rows = height * channels;
    if (!runLength)
        return kHeader + rows * width * bytesPerValue <= d.size();
    if (kHeader + rows * 8 > d.size())
        return false;
    for (uint64_t r = 0; r < rows; ++r) {
        const uint64_t start = be32(d, kHeader + r * 4);
        const uint64_t length = be32(d, kHeader + (rows + r) * 4);
        if (start + length > d.size())
            return false;
    }
    return true;
}

} // namespace

bool isLegacyEncodingComplete(const std::string &coder, std::span<const uint8_t> data)
{
    if (coder == "PSD")
        return psdComplete(data);
    if (coder == "SGI")
        return sgiComplete(data);
    return true;
}

} // namespace imaging
