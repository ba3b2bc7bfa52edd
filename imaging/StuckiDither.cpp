#include "imaging/StuckiDither.h"

#include "imaging/PixelConvert.h"

#include <algorithm>
#include <array>
#include <vector>

namespace imaging {
namespace {

constexpr int kMargin = 2; // error rows are padded so the kernel never needs a bounds check

// Spreads a pixel's error over the two rows below, around column x. The two pixels after it
// in its own row get theirs through `ahead`, kept out of memory because the next pixel needs
// it at once.
void diffuse(float error, int x, float (&ahead)[2], float *below1, float *below2)
{
    const float e = error * (1.0f / 42.0f);
    ahead[0] = ahead[1] + 8 * e;
    ahead[1] = 4 * e;
    below1[x - 2] += 2 * e;
    below1[x - 1] += 4 * e;
    below1[x] += 8 * e;
    below1[x + 1] += 4 * e;
    below1[x + 2] += 2 * e;
    below2[x - 2] += e;
    below2[x - 1] += 2 * e;
    below2[x] += 4 * e;
    below2[x + 1] += 2 * e;
    below2[x + 2] += e;
}

} // namespace

QImage stuckiDither(const QImage &gray, const GrayPalette &palette)
{
    const int width = gray.width();
    QImage result = blankPixels(PixelKind::Indexed, &palette, width, gray.height());
    if (result.isNull())
        return result;
    const std::array<uint8_t, 256> nearest = palette.NearestIndices();
    // The chosen gray as a float, looked up directly: it is on the path from one pixel to the next.
    std::array<float, 256> nearestGray{};
    for (int v = 0; v < 256; ++v)
        nearestGray[size_t(v)] = palette.grays[nearest[size_t(v)]];

    // Error from the rows above still to be added to the current row and the two below it,
    // rotated as rows advance.
    std::array<std::vector<float>, 3> error;
    for (auto &row : error)
        row.assign(size_t(width + 2 * kMargin), 0.0f);

    for (int y = 0; y < gray.height(); ++y) {
        const uchar *in = gray.constScanLine(y);
        uchar *out = result.scanLine(y);
        const float *fromAbove = error[0].data() + kMargin;
        float *below1 = error[1].data() + kMargin;
        float *below2 = error[2].data() + kMargin;
        float ahead[2] = {0, 0};
        for (int x = 0; x < width; ++x) {
            const float wanted = in[x] + fromAbove[x] + ahead[0];
            const int rounded = int(std::clamp(wanted, 0.0f, 255.0f) + 0.5f);
            out[x] = nearest[size_t(rounded)];
            diffuse(wanted - nearestGray[size_t(rounded)], x, ahead, below1, below2);
        }
        std::rotate(error.begin(), error.begin() + 1, error.end());
        std::fill(error[2].begin(), error[2].end(), 0.0f);
    }
    return result;
}

} // namespace imaging
