#pragma once

#include "imaging/Pyramid.h"

#include <QPoint>
#include <QRect>

namespace imaging {

class PixelData;

// The pixels of pyramid level k under `frame` (in full-resolution pixels). Each level pixel
// that the frame covers only in part holds instead the exact linear-light mean of the
// full-resolution pixels it covers, so nothing outside the frame leaks into its edges.
// `origin` receives the level position of the first pixel returned.
LinearLevel framedLevel(const PixelData &pixels, int k, const QRect &frame, QPoint &origin);

} // namespace imaging
