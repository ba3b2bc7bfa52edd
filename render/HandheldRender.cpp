#include "render/HandheldRender.h"

GrayPalette PaletteForGrayLevel(int grayLevel)
{
    return grayLevel == 1 ? GrayPalette::Gray4() : GrayPalette::Gray16();
}

std::optional<HandheldPicture> RenderHandheld(const ImgBitmap &source, const CropRect &frame,
                                              const ViewPlacement &placement, int grayLevel,
                                              int contrast)
{
    const QSize size(source.GetWidth(), source.GetHeight());
    HandheldPicture out;
    out.sourceRect = MapFrameToSource(frame, placement);
    const std::optional<QSize> fitted = FitIntoHandheld(out.sourceRect);
    out.trimmed = ClipToPicture(out.sourceRect, size);
    if (!fitted || out.trimmed == CropRect{})
        return std::nullopt;
    if (source.GetOrientation() == 2)
        out.trimmed = MirrorVertically(out.trimmed, size.height());
    out.fitted = *fitted;

    ImgBitmap result = source;
    result.Trim(out.trimmed.toQRect());
    result.Size(out.fitted.width(), out.fitted.height());
    result.GrayScale();
    result.StretchIntensity();
    result.Contrast(contrast);
    result.ReduceColors(PaletteForGrayLevel(grayLevel));

    const QSize square(kHandheldSide, kHandheldSide);
    out.placed = CentreIn(out.fitted, square);
    // The block is the whole square whatever W and H are; only the picture itself is copied.
    out.picture = OnBlackCanvas(result, square, square, out.placed);
    return out;
}

ImgBitmap OnBlackCanvas(const ImgBitmap &picture, QSize canvas, QSize block, QPoint at)
{
    // Starting from a copy gives the canvas the picture's depth and gray palette.
    ImgBitmap out = picture;
    out.Size(canvas.width(), canvas.height());
    out.Fill(0);
    out.Combine(picture, block.width(), block.height(), at.x(), at.y());
    return out;
}

ImgBitmap ComposePreview(const ImgBitmap &handheld, QSize control)
{
    const QSize square(kHandheldSide, kHandheldSide);
    return OnBlackCanvas(handheld, control, square, CentreIn(square, control));
}
