#include "sources/ScanFrameAssembler.h"

#include "imaging/Limits.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// A frame within the pixel limit needs at most this many bytes (RGB at 16 bits); larger
// announced frames are corrupt parameters, not pictures.
constexpr int64_t kMaxFrameBytes = imaging::kMaxPixels * 6;

bool isOneColour(SANE_Frame format)
{
    return format == SANE_FRAME_RED || format == SANE_FRAME_GREEN || format == SANE_FRAME_BLUE;
}

uint8_t sampleAt(const uint8_t *line, int64_t index, int depth)
{
    switch (depth) {
    case 1: // lineart: a set bit is black
        return (line[index >> 3] >> (7 - (index & 7))) & 1 ? 0 : 255;
    case 8:
        return line[index];
    default: {
        uint16_t value;
        std::memcpy(&value, line + 2 * index, sizeof value);
        return uint8_t((value * 255 + 32767) / 65535);
    }
    }
}

} // namespace

bool ScanFrameAssembler::beginFrame(const SANE_Parameters &p)
{
    if (m_inFrame || isComplete())
        return false;
    const bool oneColour = isOneColour(p.format);
    if (p.format != SANE_FRAME_GRAY && p.format != SANE_FRAME_RGB && !oneColour)
        return false;
    // One bit per sample is defined for lineart only.
    if (p.depth != 8 && p.depth != 16 && (p.depth != 1 || p.format != SANE_FRAME_GRAY))
        return false;
    if (p.pixels_per_line <= 0 || p.bytes_per_line <= 0 || (p.lines <= 0 && p.lines != -1))
        return false;
    const int components = p.format == SANE_FRAME_RGB ? 3 : 1;
    const int64_t pixelBytes = (int64_t(p.pixels_per_line) * components * p.depth + 7) / 8;
    if (p.bytes_per_line < pixelBytes
        || int64_t(p.bytes_per_line) * std::max(p.lines, 1) > kMaxFrameBytes)
        return false;

    const unsigned colour = oneColour ? 1u << (p.format - SANE_FRAME_RED) : 0;
    if (m_framesDone == 0) {
        if (!imaging::fitsPixelLimit(p.pixels_per_line, std::max(p.lines, 1)))
            return false;
        m_width = p.pixels_per_line;
        m_channels = oneColour || p.format == SANE_FRAME_RGB ? 3 : 1;
        m_framesNeeded = oneColour ? 3 : 1;
        m_maxRows = p.lines > 0 ? p.lines : imaging::kMaxPixels / m_width;
        try {
            if (p.lines > 0)
                m_samples.reserve(size_t(p.lines) * m_width * m_channels);
        } catch (const std::bad_alloc &) {
            return false;
        }
    } else if (!oneColour || (m_coloursSeen & colour) || p.pixels_per_line != m_width
               || (p.lines != -1 && p.lines != m_rows)) {
        return false;
    }

    m_coloursSeen |= colour;
    m_channelOffset = oneColour ? p.format - SANE_FRAME_RED : 0;
    m_frame = p;
    m_line.assign(size_t(pixelBytes), 0);
    m_linePos = 0;
    m_frameRow = 0;
    m_inFrame = true;
    return true;
}

bool ScanFrameAssembler::append(const uint8_t *data, size_t size)
{
    if (!m_inFrame)
        return false;
    while (size > 0) {
        // Bytes past the pixels are the line's padding: counted, not kept.
        const int64_t keep = std::clamp<int64_t>(int64_t(m_line.size()) - m_linePos, 0, int64_t(size));
        if (keep > 0)
            std::copy_n(data, keep, m_line.data() + m_linePos);
        const int64_t take = std::min<int64_t>(m_frame.bytes_per_line - m_linePos, int64_t(size));
        m_linePos += take;
        data += take;
        size -= size_t(take);
        if (m_linePos == m_frame.bytes_per_line) {
            m_linePos = 0;
            if (!takeLine()) {
                m_inFrame = false;
                return false;
            }
        }
    }
    return true;
}

bool ScanFrameAssembler::takeLine()
{
    // Some devices send more lines than they announced; the announced picture is complete.
    if (m_frame.lines > 0 && m_frameRow >= m_frame.lines)
        return true;
    if (m_frameRow >= m_maxRows)
        return false;
    const size_t rowSamples = size_t(m_width) * m_channels;
    if (m_framesDone == 0) {
        try {
            m_samples.resize(size_t(m_frameRow + 1) * rowSamples);
        } catch (const std::bad_alloc &) {
            return false;
        }
    }
    const int components = m_frame.format == SANE_FRAME_RGB ? 3 : 1;
    uint8_t *row = m_samples.data() + size_t(m_frameRow) * rowSamples + m_channelOffset;
    for (int64_t x = 0; x < m_width; ++x)
        for (int c = 0; c < components; ++c)
            row[x * m_channels + c] = sampleAt(m_line.data(), x * components + c, m_frame.depth);
    ++m_frameRow;
    return true;
}

bool ScanFrameAssembler::endFrame()
{
    if (!m_inFrame)
        return false;
    m_inFrame = false;
    const bool cutShort = m_frame.lines > 0 ? m_frameRow < m_frame.lines : m_linePos != 0;
    if (cutShort || m_frameRow == 0)
        return false;
    if (m_framesDone == 0)
        m_rows = m_maxRows = m_frameRow;
    else if (m_frameRow != m_rows)
        return false;
    ++m_framesDone;
    return true;
}

bool ScanFrameAssembler::isComplete() const
{
    return m_framesNeeded > 0 && m_framesDone == m_framesNeeded;
}

QImage ScanFrameAssembler::image() const
{
    if (!isComplete())
        return QImage();
    QImage image(m_width, int(m_rows), m_channels == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const size_t rowSamples = size_t(m_width) * m_channels;
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t *from = m_samples.data() + y * rowSamples;
        if (m_channels == 1) {
            std::copy_n(from, m_width, image.scanLine(y));
        } else {
            QRgb *to = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < m_width; ++x)
                to[x] = qRgb(from[3 * x], from[3 * x + 1], from[3 * x + 2]);
        }
    }
    return image;
}

int ScanFrameAssembler::percentDone() const
{
    if (m_framesNeeded == 0)
        return 0;
    if (m_frame.lines <= 0)
        return -1;
    const int64_t frameBytes = int64_t(m_frame.bytes_per_line) * m_frame.lines;
    const int64_t inFrame = m_inFrame ? std::min(frameBytes, m_frameRow * m_frame.bytes_per_line + m_linePos) : 0;
    return int(100 * (m_framesDone * frameBytes + inFrame) / (m_framesNeeded * frameBytes));
}
