#include "cli/RenderRequest.h"

#include "album/Settings.h"
#include "cli/Arguments.h"
#include "cli/OptionValues.h"
#include "cli/ToolFailure.h"

RenderRequest ParseRenderRequest(const ParsedArguments &arguments, const Settings &settings)
{
    if (arguments.has("frame") && arguments.has("crop"))
        FailUsage(QStringLiteral("--frame and --crop cannot be given together"));
    if (arguments.has("view") && arguments.has("crop"))
        FailUsage(QStringLiteral("--view does not apply to --crop, which is in source pixels"));

    RenderRequest request;
    request.grayLevel = arguments.has("gray") ? ParseGrayDepth(arguments.value("gray"))
                                              : settings.grayLevel();
    request.contrast = arguments.has("contrast") ? ParseContrast(arguments.value("contrast"))
                                                 : settings.contrast();
    if (arguments.has("view"))
        request.framing.view = ParseViewSize(arguments.value("view"));
    if (arguments.has("frame"))
        request.framing.frame = ParseFrameEdges(arguments.value("frame"));
    if (arguments.has("crop"))
        request.framing.crop = ParseCropRect(arguments.value("crop"));
    request.fullDecode = arguments.has("full-decode");
    return request;
}
