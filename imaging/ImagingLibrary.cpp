#include "imaging/ImagingLibrary.h"

#include "imaging/Limits.h"

#include <QImageReader>

#include <Magick++.h>

#include <mutex>

namespace {

constexpr MagickCore::MagickSizeType kMiB = 1024 * 1024;

} // namespace

void StartImaging()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Enough for a 250-megapixel picture at 4 bytes per pixel, not more.
        QImageReader::setAllocationLimit(1024);

        Magick::InitializeMagick(nullptr);
        // The system policy may lower these further. Magick keeps 16 bits per channel here,
        // so a picture at the pixel limit needs about 2 GiB of pixel cache.
        Magick::ResourceLimits::area(MagickCore::MagickSizeType(imaging::kMaxPixels));
        Magick::ResourceLimits::width(65535);
        Magick::ResourceLimits::height(65535);
        Magick::ResourceLimits::memory(1024 * kMiB);
        Magick::ResourceLimits::map(2048 * kMiB);
        Magick::ResourceLimits::disk(4096 * kMiB);
    });
}
