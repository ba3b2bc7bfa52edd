#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <string>

namespace imaging {

// How much of the start of a file the signatures below need.
constexpr int kLegacySignatureBytes = 4096;

// The ImageMagick coder for a file in one of the older formats Qt has no reader for, recognised
// by its signature (in `head`, the start of the file) or, for formats without one, by the
// file name's suffix; empty for any other file. Only these coders are ever handed a file, which
// keeps the rest of Magick's readers (some of them scripting formats) away from whatever the
// user opens.
std::string legacyCoderFor(const QString &suffix, std::span<const uint8_t> head);

} // namespace imaging
