#pragma once

#include "cli/RenderRequest.h"
#include "render/HandheldRender.h"

#include <QString>

// The picture the editor saves of an image file with that frame, through its own render and
// from the decode it uses (ChooseJpegReduction), byte for byte; unless the request asks for
// the full decode. The picture's sourceRect and trimmed are in the reduced pixels when the
// JPEG was decoded at a reduced size. Fails naming the file when it cannot be read or the frame covers
// none of its pixels.
HandheldPicture RenderImageFile(const QString &path, const RenderRequest &request);
