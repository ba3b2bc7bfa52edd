#include "imaging/PixelData.h"

namespace imaging {

const Pyramid &PixelData::pyramid() const
{
    std::call_once(m_pyramidOnce, [this] { m_pyramid = std::make_unique<Pyramid>(*this); });
    return *m_pyramid;
}

} // namespace imaging
