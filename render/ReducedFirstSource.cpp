#include "render/ReducedFirstSource.h"

#include "render/JpegReduction.h"
#include "imaging/FileBytes.h"
#include "imaging/Limits.h"

#include <QFile>

namespace {

// The file read again, not kept mapped since it was opened: it may have been overwritten
// in place meanwhile, and reading a mapping of a file cut short ends the program. A file
// that no longer holds the picture that was opened gives nothing.
QImage decodeFullPicture(const QString &path, const imaging::JpegInfo &opened, const std::atomic<bool> &stop)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > imaging::kMaxFileBytes)
        return {};
    const QByteArray contents = file.readAll();
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t *>(contents.constData()),
                                         size_t(contents.size()));
    if (imaging::readJpegInfo(bytes) != opened)
        return {};
    return imaging::decodeJpeg(bytes, 1, &stop);
}

} // namespace

std::unique_ptr<ReducedFirstSource> ReducedFirstSource::Open(const QString &path, QSize control)
{
    const imaging::FileBytes file(path);
    const std::optional<imaging::JpegInfo> info = imaging::readJpegInfo(file.bytes());
    if (!info)
        return nullptr;
    const int denominator = ChooseEditorJpegReduction(*info, control);
    if (denominator == 1)
        return nullptr;
    const ImgBitmap reduced = ImgBitmap::FromQImage(imaging::decodeJpeg(file.bytes(), denominator));
    if (!reduced.IsAllocated())
        return nullptr;
    return std::unique_ptr<ReducedFirstSource>(new ReducedFirstSource(path, *info, control, reduced));
}

ReducedFirstSource::ReducedFirstSource(QString path, imaging::JpegInfo info, QSize control, ImgBitmap reduced)
    : m_path(std::move(path))
    , m_info(info)
    , m_control(control)
    , m_reduced(std::move(reduced))
{
}

ReducedFirstSource::~ReducedFirstSource()
{
    m_stop = true;
    waitForFullDecode();
}

ReducedFirstSource::Render ReducedFirstSource::render(const CropRect &frame, const ViewPlacement &placement,
                                                      int grayLevel, int contrast) const
{
    const CropRect sourceRect = MapFrameToSource(frame, placement);
    Render out;
    // At scale 1 and offset 0 a frame is its own source rectangle.
    if (const std::optional<JpegReduction> reduction = ChooseJpegReduction(m_info, sourceRect, m_control)) {
        out.picture = RenderHandheld(m_reduced, reduction->sourceRect, ViewPlacement{}, grayLevel, contrast);
        return out;
    }
    if (const ImgBitmap full = fullPicture(); full.IsAllocated()) {
        out.picture = RenderHandheld(full, frame, placement, grayLevel, contrast);
        return out;
    }
    out.needsFullPicture = true;
    const int denominator = ChooseEditorJpegReduction(m_info, m_control);
    if (const std::optional<CropRect> standIn = MapToReducedJpeg(m_info, sourceRect, denominator))
        out.picture = RenderHandheld(m_reduced, *standIn, ViewPlacement{}, grayLevel, contrast);
    return out;
}

void ReducedFirstSource::startFullDecode(std::function<void()> finished)
{
    if (m_worker.joinable())
        return;
    m_worker = std::thread([this, finished = std::move(finished)] {
        ImgBitmap full = ImgBitmap::FromQImage(decodeFullPicture(m_path, m_info, m_stop));
        if (m_stop)
            return;
        // Here rather than in the first render, which would wait for it.
        full.PrepareReductions();
        {
            const std::lock_guard lock(m_mutex);
            m_full = std::move(full);
        }
        finished();
    });
}

void ReducedFirstSource::waitForFullDecode()
{
    if (m_worker.joinable())
        m_worker.join();
}

ImgBitmap ReducedFirstSource::fullPicture() const
{
    const std::lock_guard lock(m_mutex);
    return m_full;
}
