#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace imaging {

// Whether a file for that ImageMagick coder holds all of its pixel data. Magick's PSD and SGI
// readers accept a cut-off file without a warning, so their layout is checked against the
// file's length; the other coders used report a cut-off file themselves.
bool isLegacyEncodingComplete(const std::string &coder, std::span<const uint8_t> data);

} // namespace imaging
