#include "imaging/MagickDecoder.h"

#include "imaging/LegacyCompleteness.h"
#include "imaging/LegacyFormats.h"
#include "imaging/Limits.h"

#include <QFile>

#include <Magick++.h>

namespace imaging {
namespace {

// Files are read whole; none of these formats compresses well enough to need more.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

// Magick++ image options that read only the first frame with the named coder, whatever
// the contents claim, and turn warnings (such as a cut-off file) into exceptions.
void prepare(Magick::Image &image, const std::string &coder)
{
    image.quiet(false);
    image.magick(coder);
    image.subImage(0);
    image.subRange(1);
}

bool headerDescribesPicture(const QByteArray &head, const std::string &coder)
{
    try {
        const Magick::Blob blob(head.constData(), size_t(head.size()));
        Magick::Image header;
        prepare(header, coder);
        header.ping(blob);
        return header.columns() > 0 && header.rows() > 0;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

QImage decodeWithMagick(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    const QByteArray head = file.peek(kLegacySignatureBytes);
    const std::string coder = legacyCoderFor(path, head);
    if (coder.empty())
        return {};
    // A file that is only named like one of these formats (they carry no signature) must
    // show a picture's header in its first bytes before the whole of it is read.
    const bool knownBySuffixOnly = coder == "TGA" || coder == "PICT" || coder == "MAC";
    if (knownBySuffixOnly && !headerDescribesPicture(head, coder))
        return {};
    const QByteArray contents = file.readAll();
    const auto *bytes = reinterpret_cast<const uint8_t *>(contents.constData());
    if (!isLegacyEncodingComplete(coder, {bytes, size_t(contents.size())}))
        return {};
    try {
        const Magick::Blob blob(contents.constData(), size_t(contents.size()));
        Magick::Image header;
        prepare(header, coder);
        header.ping(blob);
        // Some coders cannot tell the size without decoding; Magick's own limits cover those.
        if (header.columns() > 0 && !fitsPixelLimit(int64_t(header.columns()), int64_t(header.rows())))
            return {};

        Magick::Image image;
        prepare(image, coder);
        image.read(blob);
        const auto width = int64_t(image.columns());
        const auto height = int64_t(image.rows());
        if (!fitsPixelLimit(width, height))
            return {};
        // Without a matte channel some coders leave the opacity unset, so only ask for what is there.
        const bool alpha = image.matte();
        QImage pixels(int(width), int(height), alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        if (pixels.isNull())
            return {};
        for (int y = 0; y < pixels.height(); ++y)
            image.write(0, y, size_t(width), 1, alpha ? "RGBA" : "RGB", Magick::CharPixel, pixels.scanLine(y));
        return pixels;
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace imaging
