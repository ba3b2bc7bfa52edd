#include "imaging/ImagingLibrary.h"

#include <QImageReader>

#include <mutex>

void StartImaging()
{
    static std::once_flag once;
    // Enough for a 250-megapixel picture at 4 bytes per pixel, not more.
    std::call_once(once, [] { QImageReader::setAllocationLimit(1024); });
}
