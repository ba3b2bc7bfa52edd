#pragma once

#include "imaging/PixelBuffer.h"
#include "imaging/Pyramid.h"

#include <memory>
#include <mutex>

namespace imaging {

// Pixels shared by every copy and view of a bitmap. Never changed once made, so copies need
// no locking and the half-size chain, built on first demand, serves all of them.
class PixelData : public PixelBuffer {
public:
    using PixelBuffer::PixelBuffer;

    // Thread-safe; built from the whole picture on the first call.
    const Pyramid &pyramid() const;

private:
    mutable std::once_flag m_pyramidOnce;
    mutable std::unique_ptr<Pyramid> m_pyramid;
};

using SharedPixels = std::shared_ptr<const PixelData>;

} // namespace imaging
