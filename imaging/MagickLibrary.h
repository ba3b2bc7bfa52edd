#pragma once

#include <magick/MagickCore.h>

namespace imaging {

// The file name ImageMagick's C library is loaded by (its SONAME, found by the build; the
// build also states it in the CMake cache as VELLUMO_MAGICK_LIBRARY for packaging).
extern const char *const kMagickLibraryName;

// The few functions of ImageMagick's C library the decoder for older formats uses. The library
// is loaded only when such a file is opened, so that no other picture, and no program start,
// pays for it and the many libraries it brings.
struct MagickLibrary {
    decltype(&::AcquireExceptionInfo) AcquireExceptionInfo;
    decltype(&::DestroyExceptionInfo) DestroyExceptionInfo;
    decltype(&::AcquireImageInfo) AcquireImageInfo;
    decltype(&::DestroyImageInfo) DestroyImageInfo;
    decltype(&::SetImageInfo) SetImageInfo;
    decltype(&::PingBlob) PingBlob;
    decltype(&::BlobToImage) BlobToImage;
    decltype(&::ExportImagePixels) ExportImagePixels;
    decltype(&::DestroyImageList) DestroyImageList;
};

// Loaded, initialised and bounded on the first call (thread-safe); null when the library or
// one of its functions cannot be found.
const MagickLibrary *magickLibrary();

} // namespace imaging
