#include "cli/ImageRender.h"

#include "cli/ToolFailure.h"
#include "render/JpegReduction.h"
#include "imaging/FileBytes.h"

namespace {

std::optional<HandheldPicture> renderReduced(const QString &path, const RenderRequest &request)
{
    const imaging::FileBytes file(path);
    const std::optional<imaging::JpegInfo> info = imaging::readJpegInfo(file.bytes());
    if (!info)
        return std::nullopt;
    const Framing framing = ChooseFraming(request.framing, info->shown());
    const std::optional<JpegReduction> reduction =
        ChooseJpegReduction(*info, MapFrameToSource(framing.frame, framing.placement), request.framing.view);
    if (!reduction)
        return std::nullopt;
    const QImage image = imaging::decodeJpeg(file.bytes(), reduction->denominator);
    if (image.isNull())
        return std::nullopt;
    // At scale 1 and offset 0 the frame is its own source rectangle.
    return RenderHandheld(ImgBitmap::FromQImage(image), reduction->sourceRect, ViewPlacement{},
                          request.grayLevel, request.contrast);
}

} // namespace
HandheldPicture RenderImageFile(const QString &path, const RenderRequest &request)
{
    if (!request.fullDecode) {
        // Anything the reduced decode cannot do falls back to the full one, which reports it.
        if (std::optional<HandheldPicture> picture = renderReduced(path, request))
            return std::move(*picture);
    }
    ImgBitmap source;
    if (!source.Load(path))
        Fail(QStringLiteral("cannot read the image %1").arg(path));
    const Framing framing =
        ChooseFraming(request.framing, QSize(source.GetWidth(), source.GetHeight()));
    std::optional<HandheldPicture> picture = RenderHandheld(
        source, framing.frame, framing.placement, request.grayLevel, request.contrast);
    if (!picture)
        Fail(QStringLiteral("the frame covers none of the pixels of %1").arg(path));
    return std::move(*picture);
}
