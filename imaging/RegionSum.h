#pragma once

#include "imaging/LinearRows.h"

#include <QRect>

#include <array>
#include <cstdint>
#include <vector>

namespace imaging {

class PixelData;

// Sums of linear light over rectangles of full-resolution pixels, read from the coarsest
// pyramid levels that tile them exactly: each side is cut into aligned runs of 2^j pixels,
// and a piece 2^a by 2^b pixels is read at level min(a, b). A thin band along a frame's edge
// thus costs about as much as a row or column of the full picture, not the band's area.
class RegionSum {
public:
    // Uses pyramid levels up to `deepest` (0: full resolution only).
    RegionSum(const PixelData &pixels, int deepest);

    // Per channel, over `region`, which must lie inside the picture.
    std::array<uint64_t, 3> operator()(const QRect &region);

private:
    struct Piece {
        int start;
        int log2Size;
    };
    std::vector<Piece> pieces(int begin, int end) const;
    void addPiece(const Piece &x, const Piece &y, std::array<uint64_t, 3> &sums);

    std::vector<LinearRows> m_levels;
    std::vector<uint16_t> m_scratch;
};

} // namespace imaging
