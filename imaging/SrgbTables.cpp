#include "imaging/SrgbTables.h"

#include <cmath>

namespace imaging {
namespace {

double decode(double code)
{
    const double v = code / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// One entry per linear step so that encoding is a lookup; filled between the linear values
// of the half-way codes, which makes every code round-trip exactly.
std::array<uint8_t, 65536> makeEncodeTable()
{
    std::array<uint8_t, 65536> table{};
    uint32_t next = 0;
    for (int code = 0; code < 256; ++code) {
        const uint32_t end = code == 255 ? 65536 : uint32_t(std::ceil(decode(code + 0.5) * kLinearScale));
        for (; next < end; ++next)
            table[next] = uint8_t(code);
    }
    return table;
}

} // namespace

const std::array<uint16_t, 256> &srgbToLinear16()
{
    static const std::array<uint16_t, 256> table = [] {
        std::array<uint16_t, 256> t{};
        for (int code = 0; code < 256; ++code)
            t[code] = uint16_t(std::lround(decode(code) * kLinearScale));
        return t;
    }();
    return table;
}

const std::array<uint8_t, 65536> &linear16ToSrgbTable()
{
    static const std::array<uint8_t, 65536> table = makeEncodeTable();
    return table;
}

} // namespace imaging
