#pragma once

#include <QImage>
#include <QSize>

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

namespace imaging {

// Whether the bytes start as a JPEG does; every such file goes to the decoder below.
bool looksLikeJpeg(std::span<const uint8_t> bytes);

// What a JPEG's header tells, nothing decoded.
struct JpegInfo {
    QSize stored;        // in the file's own orientation
    int orientation = 1; // EXIF orientation code

    QSize shown() const;
    // As decodeJpeg gives it at 1/denominator: whole squares only.
    JpegInfo reduced(int denominator) const;
    bool operator==(const JpegInfo &) const = default;
};

// Nothing when the header cannot be read or announces more than kMaxPixels.
std::optional<JpegInfo> readJpegInfo(std::span<const uint8_t> bytes);

// The picture decoded by libjpeg at 1/denominator (1, 2, 4 or 8) of its size, its EXIF
// orientation applied: pixel (x, y) of the reduced picture as stored stands for the source's
// square from (x, y) times the denominator, and the last partial squares at its right and
// bottom are left out. RGB32, or Grayscale8 for a gray JPEG. Null when the file is damaged or
// cut off, larger than kMaxPixels, or when `cancel` becomes true while it is decoded.
QImage decodeJpeg(std::span<const uint8_t> bytes, int denominator, const std::atomic<bool> *cancel = nullptr);

} // namespace imaging
