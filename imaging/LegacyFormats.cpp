#include "imaging/LegacyFormats.h"

#include <QFileInfo>

#include <array>

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
bool looksLikePcx(const QByteArray &head)
{
    return head.size() >= 128 && head[0] == 0x0a && QByteArray("\x00\x02\x03\x04\x05", 5).contains(head[1])
        && head[2] == 1;
}

} // namespace

std::string legacyCoderFor(const QString &path, const QByteArray &head)
{
    if (looksLikePcx(head))
        return "PCX";
    for (const Signature &s : kSignatures) {
        if (head.size() >= s.offset + s.length && head.mid(s.offset, s.length) == QByteArray(s.bytes, s.length))
            return s.coder;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Suffix &s : kSuffixes) {
        if (suffix == QLatin1String(s.suffix))
            return s.coder;
    }
    return {};
}

} // namespace imaging
