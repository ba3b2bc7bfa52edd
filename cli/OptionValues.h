#pragma once

#include "render/CropGeometry.h"

#include <QSize>
#include <QString>

#include <cstdint>

// The values of the command line; a malformed one fails as wrong usage, naming the option.

// "4" or "16", as the album stores it: Gray4 or Gray16.
std::int32_t ParseGrayDepth(const QString &value);
// -1000 to 1000, the range of the editor's slider.
int ParseContrast(const QString &value);
// "WxH" of a crop control; each side must leave room for the control's 5-pixel margins.
QSize ParseViewSize(const QString &value);
// "L,T,R,B" in crop-control pixels, right and bottom exclusive.
CropRect ParseFrameEdges(const QString &value);
// "X,Y,W,H" in source pixels, as the rectangle's edges.
CropRect ParseCropRect(const QString &value);
// A 1-based album position.
int ParsePosition(const QString &value);
