#include "imaging/GrayPalette.h"

#include <cstdlib>

GrayPalette GrayPalette::Gray4()
{
    return {{0, 100, 200, 255}};
}

GrayPalette GrayPalette::Gray16()
{
    GrayPalette palette;
    for (int i = 0; i < 16; ++i)
        palette.grays.push_back(uint8_t(17 * i));
    return palette;
}

std::array<uint8_t, 256> GrayPalette::NearestIndices() const
{
    std::array<uint8_t, 256> nearest{};
    for (int gray = 0; gray < 256; ++gray) {
        int best = 0;
        for (int i = 1; i < int(grays.size()); ++i) {
            if (std::abs(grays[i] - gray) < std::abs(grays[best] - gray))
                best = i;
        }
        nearest[gray] = uint8_t(best);
    }
    return nearest;
}
