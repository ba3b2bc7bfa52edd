#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>

namespace imaging {

// Whether the encoded file holds all of its first picture. libjpeg and Qt's BMP and GIF
// readers fill in the missing part of a cut-off file and report success, so for those formats
// (by Qt's format name) the structure is walked to its end; the other readers report a cut-off
// file themselves and are taken as complete.
bool isEncodingComplete(const QByteArray &format, std::span<const uint8_t> data);

} // namespace imaging
