#include "imaging/MagickDecoder.h"

#include "imaging/LegacyCompleteness.h"
#include "imaging/LegacyFormats.h"
#include "imaging/Limits.h"
#include "imaging/MagickLibrary.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace imaging {
namespace {

// One decode's ImageMagick objects, released when it ends; any exception recorded, warnings
// (such as a cut-off file) included, fails it.
class MagickSession {
public:
    MagickSession(const MagickLibrary &magick, const std::string &coder)
        : m_magick(magick)
        , m_exception(magick.AcquireExceptionInfo())
        , m_info(magick.AcquireImageInfo())
    {
        // Only the named coder, whatever the contents claim, and only the first frame.
        std::snprintf(m_info->filename, sizeof m_info->filename, "%s:", coder.c_str());
        m_magick.SetImageInfo(m_info, 1, m_exception);
        m_info->scene = 0;
        m_info->number_scenes = 1;
    }
    ~MagickSession()
    {
        for (Image *image : {m_header, m_image}) {
            if (image)
                m_magick.DestroyImageList(image);
        }
        m_magick.DestroyImageInfo(m_info);
        m_magick.DestroyExceptionInfo(m_exception);
    }
    MagickSession(const MagickSession &) = delete;
    MagickSession &operator=(const MagickSession &) = delete;

    bool ok() const { return m_exception->severity == UndefinedException; }

    // The header only; null on failure.
    const Image *ping(std::span<const uint8_t> bytes)
    {
        m_header = m_magick.PingBlob(m_info, bytes.data(), bytes.size(), m_exception);
        return ok() ? m_header : nullptr;
    }
    const Image *read(std::span<const uint8_t> bytes)
    {
        m_image = m_magick.BlobToImage(m_info, bytes.data(), bytes.size(), m_exception);
        return ok() ? m_image : nullptr;
    }
    bool exportRow(const Image *image, int y, const char *map, uchar *out)
    {
        return m_magick.ExportImagePixels(image, 0, y, image->columns, 1, map, CharPixel, out, m_exception)
               && ok();
    }

private:
    const MagickLibrary &m_magick;
    ExceptionInfo *m_exception;
    ImageInfo *m_info;
    Image *m_header = nullptr;
    Image *m_image = nullptr;
};

bool headerDescribesPicture(const MagickLibrary &magick, std::span<const uint8_t> head, const std::string &coder)
{
    MagickSession session(magick, coder);
    const Image *header = session.ping(head);
    return header && header->columns > 0 && header->rows > 0;
}

} // namespace

QImage decodeWithMagick(std::span<const uint8_t> bytes, const QString &suffix)
{
    if (bytes.empty() || int64_t(bytes.size()) > kMaxFileBytes)
        return {};
    const std::span<const uint8_t> head = bytes.first(std::min(bytes.size(), size_t(kLegacySignatureBytes)));
    const std::string coder = legacyCoderFor(suffix, head);
    if (coder.empty())
        return {};
    const MagickLibrary *magick = magickLibrary();
    if (!magick)
        return {};
    // Formats recognised by the suffix alone (they carry no signature) must show a picture's
    // header in their first bytes before the whole of it is handed over.
    const bool knownBySuffixOnly = coder == "TGA" || coder == "PICT" || coder == "MAC";
    if (knownBySuffixOnly && !headerDescribesPicture(*magick, head, coder))
        return {};
    if (!isLegacyEncodingComplete(coder, bytes))
        return {};
    MagickSession session(*magick, coder);
    const Image *header = session.ping(bytes);
    // Some coders cannot tell the size without decoding; Magick's own limits cover those.
    if (!header || (header->columns > 0 && !fitsPixelLimit(int64_t(header->columns), int64_t(header->rows))))
        return {};
    const Image *image = session.read(bytes);
    if (!image || !fitsPixelLimit(int64_t(image->columns), int64_t(image->rows)))
        return {};
    // Without a matte channel some coders leave the opacity unset, so only ask for what is there.
    const bool alpha = image->matte != MagickFalse;
    QImage pixels(int(image->columns), int(image->rows), alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (pixels.isNull())
        return {};
    for (int y = 0; y < pixels.height(); ++y) {
        if (!session.exportRow(image, y, alpha ? "RGBA" : "RGB", pixels.scanLine(y)))
            return {};
    }
    return pixels;
}

} // namespace imaging
