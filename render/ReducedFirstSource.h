#pragma once

#include "render/HandheldRender.h"
#include "imaging/Bitmap.h"
#include "imaging/JpegDecoder.h"

#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// A large JPEG opened for the editor at a reduced size (ChooseEditorJpegReduction), so that the
// editor shows it at once: the view and the initial frame's render are made from that. Each
// frame is rendered from the decode ChooseJpegReduction picks for it, as vellumo-album does:
// the reduced picture, or the full-size one, which a worker thread decodes when first needed.
class ReducedFirstSource {
public:
    // Nothing when the file is no JPEG, a reduction gains nothing for a crop control of that
    // size, or the reduced decode fails; the caller then loads the file whole, which also
    // reports a file that cannot be read.
    static std::unique_ptr<ReducedFirstSource> Open(const QString &path, QSize control);
    // Stops a running decode and waits for its thread.
    ~ReducedFirstSource();
    ReducedFirstSource(const ReducedFirstSource &) = delete;
    ReducedFirstSource &operator=(const ReducedFirstSource &) = delete;

    // The full picture's size, as shown.
    QSize size() const { return m_info.shown(); }
    const ImgBitmap &reduced() const { return m_reduced; }

    struct Render {
        std::optional<HandheldPicture> picture; // nothing when the frame maps to no pixels here
        bool needsFullPicture = false;          // the picture stands in for the full picture's
    };
    // The render of a frame of the full picture (RenderHandheld) from the decode the rule picks
    // for it; until the full picture has come, a stand-in from the reduced one where that is
    // the full picture.
    Render render(const CropRect &frame, const ViewPlacement &placement, int grayLevel, int contrast) const;

    // Starts decoding the full picture on a worker thread unless that has been started;
    // `finished` runs on the worker thread when it has ended (not after a stop).
    void startFullDecode(std::function<void()> finished);
    // Waits for a started decode to end.
    void waitForFullDecode();
    // The full picture once decoded; not allocated before that, or when its decode failed.
    ImgBitmap fullPicture() const;

private:
    ReducedFirstSource(QString path, imaging::JpegInfo info, QSize control, ImgBitmap reduced);

    QString m_path;
    imaging::JpegInfo m_info;
    QSize m_control;
    ImgBitmap m_reduced;

    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    ImgBitmap m_full;
    std::thread m_worker;
};
