#pragma once

#include "imaging/GrayPalette.h"
#include "imaging/Pyramid.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

namespace imaging {

enum class PixelKind {
    Color,   // QImage::Format_RGB32
    Gray,    // QImage::Format_Grayscale8
    Indexed, // QImage::Format_Indexed8, indices into a GrayPalette
};

// Pixels shared by every copy and view of a bitmap. Never changed once made, so copies need
// no locking and the half-size chain, built on first demand, serves all of them.
class PixelData {
public:
    // `image` must be RGB32 or Grayscale8, or Indexed8 when a palette is given.
    explicit PixelData(QImage image, std::optional<GrayPalette> palette = std::nullopt);
    PixelData(const PixelData &) = delete;
    PixelData &operator=(const PixelData &) = delete;

    const QImage &image() const { return m_image; }
    PixelKind kind() const { return m_kind; }
    const GrayPalette *palette() const { return m_palette ? &*m_palette : nullptr; }
    int channels() const { return m_kind == PixelKind::Color ? 3 : 1; }
    // Linear light (0..65535) of each stored byte of a one-channel picture, or of each colour component.
    const std::array<uint16_t, 256> &linearOfByte() const { return m_linearOfByte; }
    const std::array<float, 256> &linearOfByteAsFloat() const { return m_linearOfByteAsFloat; }

    // Thread-safe; built from the whole picture on the first call.
    const Pyramid &pyramid() const;

private:
    QImage m_image;
    PixelKind m_kind;
    std::optional<GrayPalette> m_palette;
    std::array<uint16_t, 256> m_linearOfByte;
    std::array<float, 256> m_linearOfByteAsFloat;
    mutable std::once_flag m_pyramidOnce;
    mutable std::unique_ptr<Pyramid> m_pyramid;
};

using SharedPixels = std::shared_ptr<const PixelData>;

} // namespace imaging
