#pragma once

#include "imaging/PixelData.h"

#include <QRect>

namespace imaging {

enum class PyramidUse { Allowed, Never };

// `frame` of `pixels` resampled to exactly width by height, each axis on its own: shrunk by
// area averaging, enlarged by linear interpolation, always in linear light (see axisWeights).
// With PyramidUse::Allowed a strong reduction reads the smallest half-size level that still
// has at least twice the output's resolution over the frame, which keeps the cost bounded for
// any frame. Level pixels cut by the frame's edges are averaged exactly from full resolution,
// so the only approximation is inside the frame, within a level or so of the exact average.
//
// The result has the kind of `pixels`. An indexed picture is resampled by its grays and each
// pixel then takes the nearest palette entry: it stays indexed with the same palette, which
// is what enlarging a reduced picture to use it as a canvas expects.
// Null when the result would be empty or too large to hold.
SharedPixels resampleFrame(const PixelData &pixels, const QRect &frame, int width, int height, PyramidUse use);

} // namespace imaging
