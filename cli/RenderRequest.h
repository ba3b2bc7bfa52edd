#pragma once

#include "cli/Framing.h"

#include <cstdint>

struct ParsedArguments;
class Settings;

// Everything a render of one image depends on.
struct RenderRequest {
    FramingRequest framing;
    std::int32_t grayLevel = 1; // as the album stores it; any value but 1 renders 16 grays
    int contrast = 0;
    bool fullDecode = false;    // never decode a JPEG at a reduced size
};

// The options of add and render; the gray depth and contrast they leave out come from the
// settings, as the editor starts with them (stored values kept as they are).
RenderRequest ParseRenderRequest(const ParsedArguments &arguments, const Settings &settings);
