#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace imaging {

// One reduced level: linear light 0..65535, `channels` values per pixel, rows packed.
struct LinearLevel {
    int width = 0;
    int height = 0;
    int channels = 1;
    std::vector<uint16_t> values;

    const uint16_t *row(int y) const { return values.data() + size_t(y) * size_t(width) * size_t(channels); }
};

} // namespace imaging
