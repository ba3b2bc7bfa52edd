#include "cli/Framing.h"

#include "cli/ToolFailure.h"

namespace {

bool contains(const CropRect &outer, const CropRect &inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
           && inner.bottom <= outer.bottom;
}

QString edges(const CropRect &r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

} // namespace

Framing ChooseFraming(const FramingRequest &request, QSize source)
{
    if (request.crop) {
        const CropRect picture{0, 0, source.width(), source.height()};
        if (!contains(picture, *request.crop))
            Fail(QStringLiteral("--crop (edges %1) does not lie within the %2x%3 picture")
                     .arg(edges(*request.crop))
                     .arg(source.width())
                     .arg(source.height()));
        return {*request.crop, ViewPlacement{}};
    }

    const ViewGeometry view = ComputeViewGeometry(source, request.view);
    if (!request.frame)
        return {view.initialFrame, view.placement};
    if (!contains(view.bounds, *request.frame))
        Fail(QStringLiteral("--frame %1 does not lie within the picture's area %2 of the %3x%4 view")
                 .arg(edges(*request.frame), edges(view.bounds))
                 .arg(request.view.width())
                 .arg(request.view.height()));
    return {*request.frame, view.placement};
}
