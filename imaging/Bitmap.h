#pragma once

#include "imaging/GrayPalette.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>

namespace imaging {
class PixelData;
}

// A picture on its way to the handheld: 32-bit colour, 8-bit gray, or after ReduceColors
// 8-bit indices into a GrayPalette; rows top-down.
//
// A value: copies are independent. They are also cheap, because the pixels are immutable and
// shared until a copy changes them, and Trim only narrows the part of the shared pixels a
// bitmap looks at, so copying a large picture and trimming the copy reads nothing. Copies of
// one loaded picture also share the half-size levels Size builds for strong reductions.
//
// Every operation on a bitmap that is not allocated does nothing (or returns false / 0).
class ImgBitmap {
public:
    // The first picture of an image file, decoded by Qt (by content, EXIF orientation applied)
    // or for older formats Qt lacks (PCX, DCX, PSD, TGA variants, PICT, MacPaint, DICOM, ...)
    // by Magick++. Refuses pictures over 250 megapixels before allocating them, and damaged or
    // cut-off files. On failure the bitmap is left not allocated.
    bool Load(const QString &path);
    bool IsAllocated() const;
    int GetWidth() const;
    int GetHeight() const;

    // EXIF orientation code; 1 after Load and FromQImage since decoding already applies it.
    // Only recorded here, for whoever shows the picture.
    int GetOrientation() const;
    void SetOrientation(int code);

    // Exactly w by h: each axis shrunk by averaging the area each new pixel covers or enlarged
    // by linear interpolation, in linear light. Colour stays colour and gray stays gray; an
    // indexed bitmap is resampled by its grays and stays indexed with the same palette, each
    // pixel taking the nearest entry. w or h <= 0, or a result over 250 megapixels, leaves the
    // bitmap not allocated.
    void Size(int w, int h);
    // Cropped to r (in this bitmap's pixels) clipped to the bitmap; nothing left -> not allocated.
    void Trim(const QRect &r);

    // To 8-bit gray: luma 0.299 R + 0.587 G + 0.114 B rounded; an indexed bitmap to its grays.
    void GrayScale();
    // The darkest value to 0 and the brightest to 255, linearly; unchanged when all are equal.
    // Colour is stretched by its darkest and brightest component, alike for all three channels.
    void StretchIntensity();
    // v' = 128 + (v - 128) * k, rounded and clamped, k = 1 + c/1000 for c <= 0 and
    // 1 / (1 - 0.95 c/1000) above: 0 changes nothing, -1000 gives flat 128, +1000 almost a
    // threshold at 128. c is clamped to -1000..1000. Per channel on colour.
    // Both tone changes turn an indexed bitmap back into its grays first.
    void Contrast(int c);
    // Stucki error diffusion of the gray values (colour is turned to gray first) to the nearest
    // palette grays; the result is indexed with that palette. An empty palette or one with more
    // than 256 entries changes nothing.
    void ReduceColors(const GrayPalette &palette);

    // Every pixel that gray (clamped to 0..255), keeping the kind: the nearest entry when indexed.
    void Fill(int gray);
    // The w by h block at the top-left of src copied over this bitmap with its corner at (x, y),
    // clipped to both bitmaps. The block takes this bitmap's kind: indices are copied when both
    // use the same palette, other pixels go by their gray (the nearest palette entry when this
    // is indexed, luma when this is gray) or, into colour, by their colour.
    void Combine(const ImgBitmap &src, int w, int h, int x, int y);

    // A 4-bit BMP, bottom-up, with the palette's grays first in its 16-entry colour table.
    // An indexed bitmap with at most 16 palette entries is written as it is; anything else is
    // written with each pixel's gray mapped to the nearest of Gray16, without dithering (reduce
    // it first for a dithered picture). Written beside `path` and renamed over it; false, with
    // no file left behind, on any failure.
    bool SaveBmp4(const QString &path) const;
    // The bytes SaveBmp4 writes; empty when there is no picture.
    QByteArray EncodeBmp4() const;

    // For display. Indexed bitmaps give Format_Indexed8 with the grays as colour table.
    QImage ToQImage() const;
    // Any picture (clipboard, screen grab, scanner) in stored form: gray formats stay gray,
    // transparency is flattened onto white. Orientation 1.
    static ImgBitmap FromQImage(const QImage &image);

    bool IsIndexed() const;
    // The palette of an indexed bitmap, else null; valid until this bitmap changes.
    const GrayPalette *Palette() const;

private:
    void adopt(std::shared_ptr<const imaging::PixelData> pixels);
    void adopt(QImage image, const GrayPalette *palette = nullptr);
    QImage tonePixels() const;

    std::shared_ptr<const imaging::PixelData> m_pixels;
    QRect m_view; // the part of m_pixels this bitmap is
    int m_orientation = 1;
};
