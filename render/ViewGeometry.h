#pragma once

#include "render/CropGeometry.h"

#include <QPoint>
#include <QSize>

#include <optional>

inline constexpr int kHandheldSide = 160;

// Where a source picture shows in the crop control: scaled to fit, centred.
struct ViewPlacement {
    float scale = 1.0f;      // control pixels per source pixel, at most 1
    int offsetX = 0;         // control x of the scaled picture's left edge
    int offsetY = 0;
};

struct ViewGeometry {
    ViewPlacement placement;
    QSize scaledSize;        // sw by sh
    CropRect bounds;         // the scaled picture's area, which the frame must stay in
    CropRect initialFrame;   // the largest square that fits the scaled picture, centred
};

// The scale is kept in single precision and every product in double precision; every
// conversion to an integer truncates toward zero. Pictures already read back on the
// handheld side were framed with exactly this arithmetic.
ViewGeometry ComputeViewGeometry(QSize source, QSize control);

// A frame in control pixels mapped onto source pixels (S).
CropRect MapFrameToSource(const CropRect &frame, const ViewPlacement &placement);

// S clipped to the picture (T); no overlap gives (0, 0, 0, 0).
CropRect ClipToPicture(const CropRect &sourceRect, QSize source);

// T for a picture stored bottom-up (orientation code 2).
CropRect MirrorVertically(const CropRect &rect, int pictureHeight);

// The size S takes in the handheld square, keeping its proportions (from S, not T);
// nothing when S, or its fitted size, has no area.
std::optional<QSize> FitIntoHandheld(const CropRect &sourceRect);

// Where a picture of that size sits, centred, in the handheld square or a larger canvas.
QPoint CentreIn(QSize picture, QSize canvas);
