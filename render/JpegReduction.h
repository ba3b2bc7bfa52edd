#pragma once

#include "render/CropGeometry.h"
#include "imaging/JpegDecoder.h"

#include <QSize>

#include <optional>

// Decoding a JPEG at 1/2, 1/4 or 1/8 of its size (libjpeg's scaled decoding) when the picture
// is about to be reduced much further: the reduced picture must keep at least twice the detail
// of what is made from it.

// S (a source rectangle of the full picture, as shown) in the pixels of the picture decoded at
// 1/denominator, rounded to reduced pixels that fit into the same handheld size (the right and
// bottom edges moved by up to two pixels where rounding alone would change that size); nothing
// when no such rectangle lies within the reduced picture. A turned or mirrored picture is only
// mapped at a whole fraction of both its sides: the decode leaves out the source's last partial
// squares, at its right and bottom as stored, which turned or mirrored are elsewhere as shown.
std::optional<CropRect> MapToReducedJpeg(const imaging::JpegInfo &info, const CropRect &sourceRect, int denominator);

// MapToReducedJpeg, only when S still spans at least twice the handheld picture's size on both
// axes at that reduction.
std::optional<CropRect> ReducedJpegSourceRect(const imaging::JpegInfo &info, const CropRect &sourceRect,
                                              int denominator);

struct JpegReduction {
    int denominator = 1;
    CropRect sourceRect; // S in the reduced picture's pixels
};

// The strongest reduction that leaves the editor's view of the picture in a crop control of
// that size, and the render of its initial frame, at least twice the detail they need; 1 when
// none does.
int ChooseEditorJpegReduction(const imaging::JpegInfo &info, QSize control);

// The decode a frame (S) is rendered from, in the editor and in vellumo-album alike: the
// reduction the editor opens the picture at (ChooseEditorJpegReduction) when S still keeps
// twice the detail there (ReducedJpegSourceRect); nothing, the full decode, otherwise. It
// depends on the picture and the frame only, so the same frame gives the same picture file
// whatever was decoded before.
std::optional<JpegReduction> ChooseJpegReduction(const imaging::JpegInfo &info, const CropRect &sourceRect,
                                                 QSize control);
