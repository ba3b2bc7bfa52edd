#include "imaging/Pyramid.h"

#include "imaging/LinearRows.h"
#include "imaging/PixelBuffer.h"

#include <algorithm>

namespace imaging {
namespace {

// Half of a row pair: each output value the rounded mean of a 2x2 block, the last
// column repeated when the width is odd.
void halveRows(const uint16_t *a, const uint16_t *b, int width, int channels, uint16_t *out)
{
    const int outWidth = (width + 1) / 2;
    for (int x = 0; x < outWidth; ++x) {
        const uint16_t *a0 = a + size_t(2 * x) * channels;
        const uint16_t *b0 = b + size_t(2 * x) * channels;
        const size_t step = 2 * x + 1 < width ? size_t(channels) : 0;
        for (int c = 0; c < channels; ++c)
            *out++ = uint16_t((uint32_t(a0[c]) + a0[c + step] + b0[c] + b0[c + step] + 2) >> 2);
    }
}

LinearLevel emptyHalfOf(int width, int height, int channels)
{
    LinearLevel level;
    level.width = (width + 1) / 2;
    level.height = (height + 1) / 2;
    level.channels = channels;
    level.values.resize(size_t(level.width) * size_t(level.height) * size_t(channels));
    return level;
}

LinearLevel halve(const LinearRows &rows)
{
    LinearLevel half = emptyHalfOf(rows.width(), rows.height(), rows.channels());
    std::vector<uint16_t> upperScratch;
    std::vector<uint16_t> lowerScratch;
    for (int y = 0; y < half.height; ++y) {
        const uint16_t *upper = rows.span(2 * y, 0, rows.width(), upperScratch);
        const uint16_t *lower = rows.span(std::min(2 * y + 1, rows.height() - 1), 0, rows.width(), lowerScratch);
        halveRows(upper, lower, rows.width(), rows.channels(),
                  half.values.data() + size_t(y) * size_t(half.width) * size_t(half.channels));
    }
    return half;
}

} // namespace

Pyramid::Pyramid(const PixelBuffer &source)
{
    const LinearRows full(source);
    if (full.width() <= 1 && full.height() <= 1)
        return;
    m_levels.push_back(halve(full));
    while (m_levels.back().width > 1 || m_levels.back().height > 1)
        m_levels.push_back(halve(LinearRows(m_levels.back())));
}

} // namespace imaging
