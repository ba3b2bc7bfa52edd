#pragma once

#include <cstdint>

namespace imaging {

// The largest picture held in memory: 250 megapixels keep a 32-bit copy under 1 GiB.
constexpr int64_t kMaxPixels = 250'000'000;

// The largest file read whole when it cannot be mapped, and the largest file of an older
// format handed to its decoder; none of those formats compresses well enough to need more.
constexpr int64_t kMaxFileBytes = int64_t(1) << 30;

inline bool fitsPixelLimit(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

} // namespace imaging
