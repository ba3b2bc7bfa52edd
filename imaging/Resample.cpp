#include "imaging/Resample.h"

#include "imaging/AxisWeights.h"
#include "imaging/FramedLevel.h"
#include "imaging/Limits.h"
#include "imaging/LinearRows.h"
#include "imaging/PixelConvert.h"
#include "imaging/SrgbTables.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace imaging {
namespace {

// The deepest level whose view of the frame still has twice the output's pixels along both axes.
int levelFor(const PixelData &pixels, const QRect &frame, int width, int height, PyramidUse use)
{
    int wanted = 0;
    while (int64_t(frame.width()) >= (int64_t(2 * width) << (wanted + 1))
           && int64_t(frame.height()) >= (int64_t(2 * height) << (wanted + 1)))
        ++wanted;
    if (use == PyramidUse::Never || wanted == 0)
        return 0;
    return std::min(wanted, pixels.pyramid().levelCount());
}

// One row through the horizontal weights; `span` holds the linear values from source pixel `spanStart` on.
template <int Channels>
void resampleRow(const float *span, int spanStart, const AxisWeights &weights, float *out)
{
    static_assert(Channels == 1 || Channels == 3);
    for (size_t i = 0; i < weights.first.size(); ++i) {
        const float *in = span + size_t(weights.first[i] - spanStart) * Channels;
        const float *w = weights.weight.data() + weights.offset[i];
        // Separate sums rather than an array, so they stay in registers.
        float a = 0;
        float b = 0;
        float c = 0;
        for (int n = 0; n < weights.count[i]; ++n, in += Channels) {
            a += w[n] * in[0];
            if constexpr (Channels == 3) {
                b += w[n] * in[1];
                c += w[n] * in[2];
            }
        }
        *out++ = a;
        if constexpr (Channels == 3) {
            *out++ = b;
            *out++ = c;
        }
    }
}

// Rows of the source after the horizontal pass, each computed once: the rows an output row
// needs are contiguous and at most `capacity` long, so all of them are held at once, and
// later output rows never go back.
class ResampledRows {
public:
    ResampledRows(const LinearRows &source, const AxisWeights &horizontal, int capacity)
        : m_source(source)
        , m_horizontal(horizontal)
        , m_spanStart(horizontal.first.front())
        , m_spanLength(horizontal.first.back() + horizontal.count.back() - m_spanStart)
        , m_rowIndex(size_t(capacity), -1)
        , m_rows(size_t(capacity), std::vector<float>(horizontal.first.size() * size_t(source.channels())))
    {
    }

    const float *row(int y)
    {
        const size_t slot = size_t(y) % m_rows.size();
        if (m_rowIndex[slot] != y) {
            const float *span = m_source.span(y, m_spanStart, m_spanLength, m_scratch);
            if (m_source.channels() == 3)
                resampleRow<3>(span, m_spanStart, m_horizontal, m_rows[slot].data());
            else
                resampleRow<1>(span, m_spanStart, m_horizontal, m_rows[slot].data());
            m_rowIndex[slot] = y;
        }
        return m_rows[slot].data();
    }

private:
    const LinearRows &m_source;
    const AxisWeights &m_horizontal;
    int m_spanStart;
    int m_spanLength;
    std::vector<int> m_rowIndex;
    std::vector<std::vector<float>> m_rows;
    std::vector<float> m_scratch;
};

// `nearest` maps grays to palette indices for an indexed picture.
void storeRow(PixelKind kind, const std::array<uint8_t, 256> &nearest, const float *linear, int width, uchar *out)
{
    if (kind == PixelKind::Color) {
        QRgb *pixel = reinterpret_cast<QRgb *>(out);
        for (int x = 0; x < width; ++x, linear += 3)
            pixel[x] = qRgb(linearToSrgb(linear[0]), linearToSrgb(linear[1]), linearToSrgb(linear[2]));
    } else if (kind == PixelKind::Gray) {
        for (int x = 0; x < width; ++x)
            out[x] = linearToSrgb(linear[x]);
    } else {
        for (int x = 0; x < width; ++x)
            out[x] = nearest[linearToSrgb(linear[x])];
    }
}

} // namespace

SharedPixels resampleFrame(const PixelData &pixels, const QRect &frame, int width, int height, PyramidUse use)
{
    if (!fitsPixelLimit(width, height) || frame.isEmpty())
        return nullptr;
    const GrayPalette *palette = pixels.palette();
    QImage result = blankPixels(pixels.kind(), palette, width, height);
    if (result.isNull())
        return nullptr;
    const std::array<uint8_t, 256> nearest = palette ? palette->NearestIndices() : std::array<uint8_t, 256>{};

    const int level = levelFor(pixels, frame, width, height, use);
    QPoint origin;
    const LinearLevel reduced = level == 0 ? LinearLevel() : framedLevel(pixels, level, frame, origin);
    const LinearRows source = level == 0 ? LinearRows(pixels) : LinearRows(reduced);
    const double scale = double(int64_t(1) << level);
    const AxisWeights horizontal = axisWeights(frame.left() / scale - origin.x(),
                                               (frame.left() + frame.width()) / scale - origin.x(), width,
                                               source.width());
    const AxisWeights vertical = axisWeights(frame.top() / scale - origin.y(),
                                             (frame.top() + frame.height()) / scale - origin.y(), height,
                                             source.height());

    ResampledRows rows(source, horizontal, vertical.maxCount());
    std::vector<float> linear(size_t(width) * size_t(source.channels()));
    std::vector<const float *> contributing(size_t(vertical.maxCount()));
    for (int y = 0; y < height; ++y) {
        const int count = vertical.count[y];
        const float *w = vertical.weight.data() + vertical.offset[y];
        for (int n = 0; n < count; ++n)
            contributing[size_t(n)] = rows.row(vertical.first[y] + n);
        for (size_t i = 0; i < linear.size(); ++i) {
            float sum = 0;
            for (int n = 0; n < count; ++n)
                sum += w[n] * contributing[size_t(n)][i];
            linear[i] = sum;
        }
        storeRow(pixels.kind(), nearest, linear.data(), width, result.scanLine(y));
    }
    return std::make_shared<PixelData>(std::move(result), palette ? std::optional(*palette) : std::nullopt);
}

} // namespace imaging
