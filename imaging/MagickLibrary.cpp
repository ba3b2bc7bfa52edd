#include "imaging/MagickLibrary.h"

#include "imaging/Limits.h"

#include <dlfcn.h>

#include <optional>

namespace imaging {

const char *const kMagickLibraryName = VELLUMO_MAGICK_LIBRARY;

namespace {

constexpr MagickSizeType kMiB = 1024 * 1024;

template <typename Function>
bool find(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Kept loaded for the rest of the run once initialised: it keeps threads and caches of its own.
std::optional<MagickLibrary> load()
{
    void *library = dlopen(kMagickLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    MagickLibrary m{};
    decltype(&::MagickCoreGenesis) genesis = nullptr;
    decltype(&::SetMagickResourceLimit) setLimit = nullptr;
    if (!find(library, "MagickCoreGenesis", genesis) || !find(library, "SetMagickResourceLimit", setLimit)
        || !find(library, "AcquireExceptionInfo", m.AcquireExceptionInfo)
        || !find(library, "DestroyExceptionInfo", m.DestroyExceptionInfo)
        || !find(library, "AcquireImageInfo", m.AcquireImageInfo)
        || !find(library, "DestroyImageInfo", m.DestroyImageInfo)
        || !find(library, "SetImageInfo", m.SetImageInfo) || !find(library, "PingBlob", m.PingBlob)
        || !find(library, "BlobToImage", m.BlobToImage) || !find(library, "ExportImagePixels", m.ExportImagePixels)
        || !find(library, "DestroyImageList", m.DestroyImageList)) {
        dlclose(library);
        return std::nullopt;
    }
    genesis(nullptr, MagickFalse);
    // The system policy may lower these further. Magick keeps 16 bits per channel here, so a
    // picture at the pixel limit needs about 2 GiB of pixel cache.
    setLimit(AreaResource, MagickSizeType(kMaxPixels));
    setLimit(WidthResource, 65535);
    setLimit(HeightResource, 65535);
    setLimit(MemoryResource, 1024 * kMiB);
    setLimit(MapResource, 2048 * kMiB);
    setLimit(DiskResource, 4096 * kMiB);
    return m;
}

} // namespace

const MagickLibrary *magickLibrary()
{
    static const std::optional<MagickLibrary> library = load();
    return library ? &*library : nullptr;
}

} // namespace imaging
