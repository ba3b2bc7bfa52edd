#include "imaging/RegionSum.h"

#include "imaging/PixelData.h"

#include <algorithm>
#include <bit>

namespace imaging {

RegionSum::RegionSum(const PixelData &pixels, int deepest)
{
    m_levels.emplace_back(pixels);
    for (int k = 1; k <= deepest; ++k)
        m_levels.emplace_back(pixels.pyramid().level(k));
}

std::array<uint64_t, 3> RegionSum::operator()(const QRect &region)
{
    std::array<uint64_t, 3> sums{};
    const std::vector<Piece> across = pieces(region.left(), region.left() + region.width());
    for (const Piece &y : pieces(region.top(), region.top() + region.height())) {
        for (const Piece &x : across)
            addPiece(x, y, sums);
    }
    return sums;
}

// [begin, end) as aligned runs: each run of 2^j pixels starts at a multiple of 2^j.
std::vector<RegionSum::Piece> RegionSum::pieces(int begin, int end) const
{
    const int deepest = int(m_levels.size()) - 1;
    std::vector<Piece> result;
    while (begin < end) {
        int log2Size = begin == 0 ? deepest : std::min(std::countr_zero(unsigned(begin)), deepest);
        while (begin + (1 << log2Size) > end)
            --log2Size;
        result.push_back({begin, log2Size});
        begin += 1 << log2Size;
    }
    return result;
}

void RegionSum::addPiece(const Piece &x, const Piece &y, std::array<uint64_t, 3> &sums)
{
    const int level = std::min(x.log2Size, y.log2Size);
    const LinearRows &rows = m_levels[size_t(level)];
    const int channels = rows.channels();
    const int columns = 1 << (x.log2Size - level);
    const int firstRow = y.start >> level;
    // Each value at level j stands for the mean of 4^j pixels.
    const uint64_t pixelsPerValue = uint64_t(1) << (2 * level);
    for (int row = firstRow; row < firstRow + (1 << (y.log2Size - level)); ++row) {
        const uint16_t *values = rows.span(row, x.start >> level, columns, m_scratch);
        for (int i = 0; i < columns * channels; ++i)
            sums[size_t(i % channels)] += values[i] * pixelsPerValue;
    }
}

} // namespace imaging
