#pragma once

#include "imaging/LinearLevel.h"

#include <vector>

namespace imaging {

class PixelBuffer;

// Successive halvings of a picture down to a single pixel, so that a strong reduction of a
// large frame reads a few hundred thousand pixels instead of the whole frame. Pixel (x, y)
// of level k is the linear-light mean of the block of 2^k by 2^k source pixels at
// (x * 2^k, y * 2^k); where that block runs past an odd edge the last row or column stands
// in for the missing ones, so an edge pixel still (nearly) holds the mean of real pixels.
class Pyramid {
public:
    explicit Pyramid(const PixelBuffer &source);

    // Levels below full resolution; level k (1..levelCount()) is 2^k times smaller.
    int levelCount() const { return int(m_levels.size()); }
    const LinearLevel &level(int k) const { return m_levels[size_t(k - 1)]; }

private:
    std::vector<LinearLevel> m_levels;
};

} // namespace imaging
