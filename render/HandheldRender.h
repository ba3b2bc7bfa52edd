#pragma once

#include "render/ViewGeometry.h"
#include "imaging/Bitmap.h"

#include <optional>

// One picture for the handheld, and how it was framed.
struct HandheldPicture {
    ImgBitmap picture;       // 160 by 160, indexed with the chosen gray palette
    CropRect sourceRect;     // the frame in source pixels (S)
    CropRect trimmed;        // the part of the source actually used (T)
    QSize fitted;            // W by H
    QPoint placed;           // where the W by H picture sits on the black square
};

// The palette for a gray level: 1 gives 4 grays, any other value 16.
GrayPalette PaletteForGrayLevel(int grayLevel);

// Crop, fit into 160 by 160, gray, stretch, contrast, dither, centre on black.
// Nothing when the frame maps to no source pixels.
std::optional<HandheldPicture> RenderHandheld(const ImgBitmap &source, const CropRect &frame,
                                              const ViewPlacement &placement, int grayLevel,
                                              int contrast);

// A black canvas of the given size, at the picture's depth and palette, with the block of
// the picture's top-left corner copied onto it at `at` (clipped to both).
ImgBitmap OnBlackCanvas(const ImgBitmap &picture, QSize canvas, QSize block, QPoint at);

// The 160 by 160 picture centred on black at a preview control's size.
ImgBitmap ComposePreview(const ImgBitmap &handheld, QSize control);
