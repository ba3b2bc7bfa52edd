#include "render/ViewGeometry.h"

#include <algorithm>

namespace {

int truncated(double value)
{
    return static_cast<int>(value);
}

} // namespace

ViewGeometry ComputeViewGeometry(QSize source, QSize control)
{
    const int w = source.width();
    const int h = source.height();
    const int c = std::min(control.width(), control.height());

    ViewGeometry view;
    float scale = 1.0f;
    if (w > c || h > c)
        scale = static_cast<float>(c - 10) / static_cast<float>(std::max(w, h));
    const int sw = truncated(static_cast<double>(w) * static_cast<double>(scale));
    const int sh = truncated(static_cast<double>(h) * static_cast<double>(scale));
    const int offsetX = (control.width() - sw) / 2;
    const int offsetY = (control.height() - sh) / 2;

    view.placement = {scale, offsetX, offsetY};
    view.scaledSize = QSize(sw, sh);
    view.bounds = {offsetX, offsetY, offsetX + sw, offsetY + sh};
    const int side = std::min(sw, sh);
    const int left = (control.width() - side) / 2;
    const int top = (control.height() - side) / 2;
    view.initialFrame = {left, top, left + side, top + side};
    return view;
}

CropRect MapFrameToSource(const CropRect &frame, const ViewPlacement &placement)
{
    const double scale = placement.scale;
    auto map = [scale](int value, int offset) { return truncated((value - offset) / scale); };
    return {map(frame.left, placement.offsetX), map(frame.top, placement.offsetY),
            map(frame.right, placement.offsetX), map(frame.bottom, placement.offsetY)};
}

CropRect ClipToPicture(const CropRect &sourceRect, QSize source)
{
    const CropRect clipped{std::max(sourceRect.left, 0), std::max(sourceRect.top, 0),
                           std::min(sourceRect.right, source.width()),
                           std::min(sourceRect.bottom, source.height())};
    if (clipped.left >= clipped.right || clipped.top >= clipped.bottom)
        return {};
    return clipped;
}

CropRect MirrorVertically(const CropRect &rect, int pictureHeight)
{
    return {rect.left, pictureHeight - rect.bottom, rect.right, pictureHeight - rect.top};
}

std::optional<QSize> FitIntoHandheld(const CropRect &sourceRect)
{
    const int w0 = sourceRect.right - sourceRect.left;
    const int h0 = sourceRect.bottom - sourceRect.top;
    if (w0 <= 0 || h0 <= 0)
        return std::nullopt;
    // Division first, then multiplication: 160.0 / 77 * 77 stays just below 160.
    const QSize fitted = w0 > h0
        ? QSize(kHandheldSide, truncated(static_cast<double>(kHandheldSide) / w0 * h0))
        : QSize(truncated(static_cast<double>(kHandheldSide) / h0 * w0), kHandheldSide);
    // A sliver of a wide picture can round down to nothing.
    if (fitted.isEmpty())
        return std::nullopt;
    return fitted;
}

QPoint CentreIn(QSize picture, QSize canvas)
{
    return QPoint((canvas.width() - picture.width()) / 2, (canvas.height() - picture.height()) / 2);
}
