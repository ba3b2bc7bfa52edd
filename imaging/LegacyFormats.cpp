#include "imaging/LegacyFormats.h"

#include <array>
#include <cstring>

namespace imaging {
namespace {

struct Signature {
    int offset;
    const char *bytes;
    int length;
    const char *coder;
};

const std::array<Signature, 6> kSignatures = {{
    {0, "\xb1\x68\xde\x3a", 4, "DCX"},
    {0, "8BPS", 4, "PSD"},
    {128, "DICM", 4, "DCM"},
    {0, "\x01\xda", 2, "SGI"},
    {0, "\x59\xa6\x6a\x95", 4, "SUN"},
    {2048, "PCD_IPI", 7, "PCD"},
}};

struct Suffix {
    const char *suffix;
    const char *coder;
};

// Formats that carry no signature of their own.
const std::array<Suffix, 10> kSuffixes = {{
    {"tga", "TGA"}, {"icb", "TGA"}, {"vda", "TGA"}, {"vst", "TGA"},
    {"pict", "PICT"}, {"pct", "PICT"}, {"pic", "PICT"},
    {"mac", "MAC"}, {"pntg", "MAC"}, {"pcd", "PCD"},
}};

// Manufacturer byte, a known version and run-length encoding.
bool looksLikePcx(std::span<const uint8_t> head)
{
    return head.size() >= 128 && head[0] == 0x0a && std::memchr("\x00\x02\x03\x04\x05", head[1], 5)
        && head[2] == 1;
}

} // namespace

std::string legacyCoderFor(const QString &suffix, std::span<const uint8_t> head)
{
    if (looksLikePcx(head))
        return "PCX";
    for (const Signature &s : kSignatures) {
        if (head.size() >= size_t(s.offset + s.length) && std::memcmp(head.data() + s.offset, s.bytes, size_t(s.length)) == 0)
            return s.coder;
    }
    for (const Suffix &s : kSuffixes) {
        if (suffix.compare(QLatin1String(s.suffix), Qt::CaseInsensitive) == 0)
            return s.coder;
    }
    return {};
}

} // namespace imaging
