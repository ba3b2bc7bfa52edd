#pragma once

#include "render/CropGeometry.h"

// Implemented by the window that holds a crop control: told the frame each time the
// user finishes dragging it, so it can redraw its preview of the cropped picture.
class CropFrameOwner {
public:
    virtual ~CropFrameOwner() = default;
    virtual void RenderPreview(CropRect frame) = 0;
};
