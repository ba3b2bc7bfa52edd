#pragma once

#include "imaging/GrayPalette.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <optional>

namespace imaging {

enum class PixelKind {
    Color,   // QImage::Format_RGB32
    Gray,    // QImage::Format_Grayscale8
    Indexed, // QImage::Format_Indexed8, indices into a GrayPalette
};

// A picture's stored pixels and the linear light of each stored byte: what its reductions
// are built from. Never changed once made.
class PixelBuffer {
public:
    // `image` must be RGB32 or Grayscale8, or Indexed8 when a palette is given.
    explicit PixelBuffer(QImage image, std::optional<GrayPalette> palette = std::nullopt);
    PixelBuffer(const PixelBuffer &) = delete;
    PixelBuffer &operator=(const PixelBuffer &) = delete;

    const QImage &image() const { return m_image; }
    PixelKind kind() const { return m_kind; }
    const GrayPalette *palette() const { return m_palette ? &*m_palette : nullptr; }
    int channels() const { return m_kind == PixelKind::Color ? 3 : 1; }
    // Linear light (0..65535) of each stored byte of a one-channel picture, or of each colour component.
    const std::array<uint16_t, 256> &linearOfByte() const { return m_linearOfByte; }
    const std::array<float, 256> &linearOfByteAsFloat() const { return m_linearOfByteAsFloat; }

private:
    QImage m_image;
    PixelKind m_kind;
    std::optional<GrayPalette> m_palette;
    std::array<uint16_t, 256> m_linearOfByte;
    std::array<float, 256> m_linearOfByteAsFloat;
};

} // namespace imaging
