// Any bytes as a picture file the user adds: the first byte picks the file's suffix, which
// steers the loader between Qt and the decoder for older formats; the rest is the file.
// Loading must not crash, and a loaded picture must be one the album window can prepare.
#include "FuzzSupport.h"

#include "imaging/Bitmap.h"
#include "imaging/GrayPalette.h"

#include <cstdlib>
#include <iterator>

namespace {

const char *const kSuffixes[] = {"jpg", "png", "bmp", "gif", "tif", "pcx", "tga", "psd", "msp", "img"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString path = fuzz::WorkDir() + "/picture." + kSuffixes[data[0] % std::size(kSuffixes)];
    if (!fuzz::WriteInput(path, data + 1, size - 1))
        std::abort();
    ImgBitmap picture;
    if (!picture.Load(path)) {
        if (picture.IsAllocated())
            std::abort();
        return 0;
    }
    if (!picture.IsAllocated() || picture.GetWidth() <= 0 || picture.GetHeight() <= 0
        || int64_t(picture.GetWidth()) * picture.GetHeight() > 250'000'000)
        std::abort();
    // What the album does with a new photo: down to the handheld's size, in its grays.
    picture.Size(160, 160);
    picture.ReduceColors(GrayPalette::Gray4());
    if (!picture.IsIndexed() || picture.ToQImage().size() != QSize(160, 160))
        std::abort();
    return 0;
}
