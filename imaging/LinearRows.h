#pragma once

#include "imaging/LinearLevel.h"

#include <cstdint>
#include <vector>

namespace imaging {

class PixelBuffer;

// Row spans of one level of a picture, full resolution or reduced, as linear light 0..65535.
class LinearRows {
public:
    explicit LinearRows(const PixelBuffer &fullResolution);
    explicit LinearRows(const LinearLevel &reduced);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int channels() const { return m_channels; }

    // `count` pixels of row y from x0, `channels()` values each, as uint16_t or float. Points
    // into the level, or into `scratch` when the stored pixels need converting.
    template <class Value>
    const Value *span(int y, int x0, int count, std::vector<Value> &scratch) const;

private:
    const PixelBuffer *m_full = nullptr;
    const LinearLevel *m_reduced = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_channels = 1;
};

} // namespace imaging
