#include "imaging/LinearRows.h"

#include "imaging/PixelBuffer.h"

#include <QRgb>

#include <type_traits>

namespace imaging {

LinearRows::LinearRows(const PixelBuffer &fullResolution)
    : m_full(&fullResolution)
    , m_width(fullResolution.image().width())
    , m_height(fullResolution.image().height())
    , m_channels(fullResolution.channels())
{
}

LinearRows::LinearRows(const LinearLevel &reduced)
    : m_reduced(&reduced)
    , m_width(reduced.width)
    , m_height(reduced.height)
    , m_channels(reduced.channels)
{
}

template <class Value>
const Value *LinearRows::span(int y, int x0, int count, std::vector<Value> &scratch) const
{
    const size_t values = size_t(count) * size_t(m_channels);
    if (m_reduced) {
        const uint16_t *stored = m_reduced->row(y) + size_t(x0) * size_t(m_channels);
        if constexpr (std::is_same_v<Value, uint16_t>) {
            return stored;
        } else {
            scratch.assign(stored, stored + values);
            return scratch.data();
        }
    }

    scratch.resize(values);
    const auto &linear = [this]() -> const auto & {
        if constexpr (std::is_same_v<Value, uint16_t>)
            return m_full->linearOfByte();
        else
            return m_full->linearOfByteAsFloat();
    }();
    Value *out = scratch.data();
    const uchar *line = m_full->image().constScanLine(y);
    if (m_full->kind() == PixelKind::Color) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(line) + x0;
        for (int i = 0; i < count; ++i) {
            *out++ = linear[qRed(pixels[i])];
            *out++ = linear[qGreen(pixels[i])];
            *out++ = linear[qBlue(pixels[i])];
        }
    } else {
        for (int i = 0; i < count; ++i)
            out[i] = linear[line[x0 + i]];
    }
    return scratch.data();
}

template const uint16_t *LinearRows::span(int, int, int, std::vector<uint16_t> &) const;
template const float *LinearRows::span(int, int, int, std::vector<float> &) const;

} // namespace imaging
