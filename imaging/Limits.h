#pragma once

#include <cstdint>

namespace imaging {

// The largest picture held in memory: 250 megapixels keep a 32-bit copy under 1 GiB.
constexpr int64_t kMaxPixels = 250'000'000;

inline bool fitsPixelLimit(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

} // namespace imaging
