#include "cli/ReducedJpeg.h"

#include "editor/ViewGeometry.h"
#include "imaging/EncodedCompleteness.h"
#include "imaging/ImagingLibrary.h"
#include "imaging/Limits.h"

#include <QFile>
#include <QImageReader>
#include <QPoint>

#include <array>

namespace {

const QByteArray kFormat = QByteArrayLiteral("jpeg");

// Moves of the right and bottom edges by up to two pixels, the smallest first.
const std::array<QPoint, 13> kEdgeNudges = {
    QPoint(0, 0),   QPoint(-1, 0), QPoint(1, 0),  QPoint(0, -1), QPoint(0, 1),
    QPoint(-1, -1), QPoint(1, 1),  QPoint(-1, 1), QPoint(1, -1), QPoint(-2, 0),
    QPoint(2, 0),   QPoint(0, -2), QPoint(0, 2)};

bool dividesBoth(QSize size, int denominator)
{
    return size.width() % denominator == 0 && size.height() % denominator == 0;
}

// Qt's JPEG reader fills in a cut-off file and reports success.
bool isComplete(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const uchar *mapped = file.map(0, file.size());
    return mapped && imaging::isEncodingComplete(kFormat, {mapped, size_t(file.size())});
}

} // namespace

QSize JpegHeader::shown() const
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

std::optional<JpegHeader> ReadJpegHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(3) != QByteArrayLiteral("\xFF\xD8\xFF"))
        return std::nullopt;
    file.close();
    // Naming the format skips probing every image plug-in.
    QImageReader reader(path, kFormat);
    const QSize stored = reader.size();
    if (!stored.isValid() || !imaging::fitsPixelLimit(stored.width(), stored.height()))
        return std::nullopt;
    return JpegHeader{stored, reader.transformation()};
}

std::optional<JpegReduction> ChooseJpegReduction(const JpegHeader &header, const CropRect &sourceRect)
{
    const std::optional<QSize> fitted = FitIntoHandheld(sourceRect);
    if (!fitted)
        return std::nullopt;
    for (const int denominator : {8, 4, 2}) {
        // The decode leaves out the source's last partial squares, at its right and bottom as
        // stored; turned or mirrored, they would be elsewhere in the picture as shown.
        if (header.transformation != QImageIOHandler::TransformationNone
            && !dividesBoth(header.stored, denominator))
            continue;
        if (sourceRect.right - sourceRect.left < 2 * denominator * fitted->width()
            || sourceRect.bottom - sourceRect.top < 2 * denominator * fitted->height())
            continue;
        const JpegHeader reduced{QSize(header.stored.width() / denominator,
                                       header.stored.height() / denominator),
                                 header.transformation};
        const QSize shown = reduced.shown();
        const auto toReduced = [denominator](int value) {
            return qRound(double(value) / denominator);
        };
        // Rounding can change the proportions enough to change the fitted size by a pixel;
        // the nearest rectangle that keeps it moves an edge by an output pixel at most.
        for (const QPoint nudge : kEdgeNudges) {
            const CropRect candidate{toReduced(sourceRect.left), toReduced(sourceRect.top),
                                     toReduced(sourceRect.right) + nudge.x(),
                                     toReduced(sourceRect.bottom) + nudge.y()};
            const bool inside = candidate.right <= shown.width() && candidate.bottom <= shown.height();
            if (inside && FitIntoHandheld(candidate) == fitted)
                return JpegReduction{denominator, reduced.stored, candidate};
        }
    }
    return std::nullopt;
}

QImage DecodeReducedJpeg(const QString &path, const JpegReduction &reduction)
{
    // The same allocation bounds as every other decode.
    StartImaging();
    QImageReader reader(path, kFormat);
    reader.setAutoTransform(true);
    // A clip of whole squares lets the reader have libjpeg decode at exactly 1/denominator
    // with nothing scaled afterwards; a size alone would be met by scaling a larger decode.
    reader.setClipRect(QRect(QPoint(0, 0), reduction.decodedSize * reduction.denominator));
    reader.setScaledSize(reduction.decodedSize);
    QImage image;
    if (!reader.read(&image) || !isComplete(path))
        return {};
    return image;
}
