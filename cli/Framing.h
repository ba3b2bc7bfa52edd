#pragma once

#include "render/ViewGeometry.h"

#include <QSize>

#include <optional>

// What the command line asks of the framing: the editor's initial frame in a crop control
// of the given size, a frame in that control's pixels, or a rectangle of source pixels.
struct FramingRequest {
    QSize view{236, 236};
    std::optional<CropRect> frame;
    std::optional<CropRect> crop;
};

// A frame and the placement that maps it onto the source, as RenderHandheld takes them.
struct Framing {
    CropRect frame;
    ViewPlacement placement;
};

// A crop is rendered at scale 1 and offset 0, so that its source rectangle is the crop itself.
// Fails (bad input) when a given frame leaves the picture's area in the control or a crop
// leaves the picture, which the editor's frame never can.
Framing ChooseFraming(const FramingRequest &request, QSize source);
