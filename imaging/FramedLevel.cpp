#include "imaging/FramedLevel.h"

#include "imaging/PixelData.h"
#include "imaging/RegionSum.h"

#include <algorithm>

namespace imaging {

LinearLevel framedLevel(const PixelData &pixels, int k, const QRect &frame, QPoint &origin)
{
    const LinearLevel &source = pixels.pyramid().level(k);
    origin = QPoint(frame.left() >> k, frame.top() >> k);

    LinearLevel level;
    level.channels = source.channels;
    level.width = (frame.right() >> k) - origin.x() + 1;
    level.height = (frame.bottom() >> k) - origin.y() + 1;
    level.values.resize(size_t(level.width) * size_t(level.height) * size_t(level.channels));
    const size_t rowValues = size_t(level.width) * size_t(level.channels);
    for (int y = 0; y < level.height; ++y) {
        const uint16_t *from = source.row(origin.y() + y) + size_t(origin.x()) * size_t(source.channels);
        std::copy(from, from + rowValues, level.values.begin() + std::ptrdiff_t(size_t(y) * rowValues));
    }

    // Only the outermost rows and columns can be cut by the frame.
    RegionSum sum(pixels, k);
    const auto replaceIfCut = [&](int x, int y) {
        const QRect cell((origin.x() + x) << k, (origin.y() + y) << k, 1 << k, 1 << k);
        const QRect covered = cell.intersected(frame);
        if (covered == cell)
            return;
        const std::array<uint64_t, 3> sums = sum(covered);
        const uint64_t area = uint64_t(covered.width()) * uint64_t(covered.height());
        uint16_t *out = level.values.data() + (size_t(y) * size_t(level.width) + size_t(x)) * size_t(level.channels);
        for (int c = 0; c < level.channels; ++c)
            out[c] = uint16_t((sums[size_t(c)] + area / 2) / area);
    };
    for (int x = 0; x < level.width; ++x) {
        replaceIfCut(x, 0);
        replaceIfCut(x, level.height - 1);
    }
    for (int y = 1; y + 1 < level.height; ++y) {
        replaceIfCut(0, y);
        replaceIfCut(level.width - 1, y);
    }
    return level;
}

} // namespace imaging
