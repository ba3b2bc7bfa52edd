#pragma once

#include "cli/RenderRequest.h"
#include "render/HandheldRender.h"

#include <QString>

// The picture the editor would make of an image file, through its own render. A JPEG is
// decoded at a reduced size when the frame still spans twice the handheld picture there,
// unless the request asks for the full decode; the picture's sourceRect and trimmed are then
// in the reduced pixels. Fails naming the file when it cannot be read or the frame covers
// none of its pixels.
HandheldPicture RenderImageFile(const QString &path, const RenderRequest &request);
