#include "imaging/PixelBuffer.h"

#include "imaging/SrgbTables.h"

#include <algorithm>

namespace imaging {

PixelBuffer::PixelBuffer(QImage image, std::optional<GrayPalette> palette)
    : m_image(std::move(image))
    , m_kind(palette ? PixelKind::Indexed
                     : m_image.format() == QImage::Format_Grayscale8 ? PixelKind::Gray : PixelKind::Color)
    , m_palette(std::move(palette))
    , m_linearOfByte(srgbToLinear16())
{
    if (m_palette) {
        // Indices past the palette cannot occur; map them to black rather than leave them undefined.
        m_linearOfByte.fill(0);
        for (size_t i = 0; i < m_palette->grays.size(); ++i)
            m_linearOfByte[i] = srgbToLinear16()[m_palette->grays[i]];
    }
    std::copy(m_linearOfByte.begin(), m_linearOfByte.end(), m_linearOfByteAsFloat.begin());
}

} // namespace imaging
