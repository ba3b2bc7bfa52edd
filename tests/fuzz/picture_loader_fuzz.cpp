// Any bytes as a picture file the user adds: the first byte picks the file's suffix, which
// steers the loader between its decoders; the rest are the file's bytes, decoded in memory by
// the function the file loader hands a file's mapped bytes to.
// Loading must not crash, and a loaded picture must be one the album window can prepare.
#include "imaging/Bitmap.h"
#include "imaging/GrayPalette.h"
#include "imaging/ImageFile.h"

#include <cstdlib>
#include <iterator>

namespace {

const char *const kSuffixes[] = {"jpg", "png", "bmp", "gif", "tif", "pcx", "tga", "psd", "msp", "img"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString suffix = QString::fromLatin1(kSuffixes[data[0] % std::size(kSuffixes)]);
    ImgBitmap picture = ImgBitmap::FromQImage(imaging::decodeImage({data + 1, size - 1}, suffix));
    if (!picture.IsAllocated())
        return 0;
    if (picture.GetWidth() <= 0 || picture.GetHeight() <= 0
        || int64_t(picture.GetWidth()) * picture.GetHeight() > 250'000'000)
        std::abort();
    // What the album does with a new photo: down to the handheld's size, in its grays.
    picture.Size(160, 160);
    picture.ReduceColors(GrayPalette::Gray4());
    if (!picture.IsIndexed() || picture.ToQImage().size() != QSize(160, 160))
        std::abort();
    return 0;
}
