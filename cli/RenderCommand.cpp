#include "cli/Commands.h"

#include "album/Settings.h"
#include "cli/Arguments.h"
#include "cli/ImageRender.h"
#include "cli/ToolFailure.h"

void RenderPicture(const ParsedArguments &arguments, Console &)
{
    const QString &image = arguments.positionals.at(1);
    const QString &output = arguments.positionals.at(2);
    const RenderRequest request = ParseRenderRequest(arguments, Settings());
    const HandheldPicture picture = RenderImageFile(image, request);
    if (!picture.picture.SaveBmp4(output))
        Fail(QStringLiteral("cannot write the picture file %1").arg(output));
}
