#pragma once

#include "imaging/GrayPalette.h"

#include <QImage>

namespace imaging {

// Each pixel of a Grayscale8 picture to the nearest palette gray, left to right and top to
// bottom, the rounding error spread over the pixels not yet visited with Stucki's weights:
//            *  8  4
//      2  4  8  4  2
//      1  2  4  2  1     (/ 42)
// Error that would fall outside the picture is dropped. The result is Indexed8 with the
// palette as its colour table. Needs palette.IsUsable().
QImage stuckiDither(const QImage &gray, const GrayPalette &palette);

} // namespace imaging
