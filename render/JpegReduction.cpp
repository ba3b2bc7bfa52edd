#include "render/JpegReduction.h"

#include "render/ViewGeometry.h"

#include <QPoint>

#include <array>

namespace {

constexpr std::array<int, 3> kDenominators = {8, 4, 2};

// Moves of the right and bottom edges by up to two pixels, the smallest first.
const std::array<QPoint, 13> kEdgeNudges = {
    QPoint(0, 0),   QPoint(-1, 0), QPoint(1, 0),  QPoint(0, -1), QPoint(0, 1),
    QPoint(-1, -1), QPoint(1, 1),  QPoint(-1, 1), QPoint(1, -1), QPoint(-2, 0),
    QPoint(2, 0),   QPoint(0, -2), QPoint(0, 2)};

bool dividesBoth(QSize size, int denominator)
{
    return size.width() % denominator == 0 && size.height() % denominator == 0;
}

bool spansTwice(QSize span, QSize needed)
{
    return span.width() >= 2 * needed.width() && span.height() >= 2 * needed.height();
}

} // namespace

std::optional<CropRect> MapToReducedJpeg(const imaging::JpegInfo &info, const CropRect &sourceRect, int denominator)
{
    const std::optional<QSize> fitted = FitIntoHandheld(sourceRect);
    if (!fitted || (info.orientation != 1 && !dividesBoth(info.stored, denominator)))
        return std::nullopt;
    const QSize shown = info.reduced(denominator).shown();
    const auto toReduced = [denominator](int value) { return qRound(double(value) / denominator); };
    // Rounding can change the proportions enough to change the fitted size by a pixel; the
    // nearest rectangle that keeps it moves an edge by an output pixel at most.
    for (const QPoint nudge : kEdgeNudges) {
        const CropRect candidate{toReduced(sourceRect.left), toReduced(sourceRect.top),
                                 toReduced(sourceRect.right) + nudge.x(), toReduced(sourceRect.bottom) + nudge.y()};
        const bool inside = candidate.left >= 0 && candidate.top >= 0 && candidate.right <= shown.width()
                            && candidate.bottom <= shown.height();
        if (inside && FitIntoHandheld(candidate) == fitted)
            return candidate;
    }
    return std::nullopt;
}

std::optional<CropRect> ReducedJpegSourceRect(const imaging::JpegInfo &info, const CropRect &sourceRect,
                                              int denominator)
{
    const std::optional<QSize> fitted = FitIntoHandheld(sourceRect);
    const QSize span(sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top);
    if (!fitted || !spansTwice(span, *fitted * denominator))
        return std::nullopt;
    return MapToReducedJpeg(info, sourceRect, denominator);
}

int ChooseEditorJpegReduction(const imaging::JpegInfo &info, QSize control)
{
    const ViewGeometry view = ComputeViewGeometry(info.shown(), control);
    const CropRect initial = MapFrameToSource(view.initialFrame, view.placement);
    for (const int denominator : kDenominators) {
        if (spansTwice(info.reduced(denominator).shown(), view.scaledSize)
            && ReducedJpegSourceRect(info, initial, denominator))
            return denominator;
    }
    return 1;
}

std::optional<JpegReduction> ChooseJpegReduction(const imaging::JpegInfo &info, const CropRect &sourceRect,
                                                 QSize control)
{
    const int denominator = ChooseEditorJpegReduction(info, control);
    if (denominator == 1)
        return std::nullopt;
    if (const std::optional<CropRect> reduced = ReducedJpegSourceRect(info, sourceRect, denominator))
        return JpegReduction{denominator, *reduced};
    return std::nullopt;
}
