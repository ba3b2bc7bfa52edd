#pragma once

#include "cli/RenderRequest.h"
#include "render/HandheldRender.h"

#include <QStringList>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

// RenderImageFile of every image on a few threads at once, each thread taking the next image
// not yet started, so that no core waits for an earlier image to be taken: never more renders
// run at once than there are threads, which bounds the memory they hold, and the finished
// pictures are small. The pictures are taken in any order, usually the one given.
class ParallelRenders {
public:
    ParallelRenders(const QStringList &images, const RenderRequest &request, int threads);
    // Starts no more renders and waits for the running ones.
    ~ParallelRenders();
    ParallelRenders(const ParallelRenders &) = delete;
    ParallelRenders &operator=(const ParallelRenders &) = delete;

    // The picture of image `index`, once rendered; throws the render's failure. Once only.
    HandheldPicture take(qsizetype index);

private:
    void renderUntilDone();

    const QStringList m_images;
    const RenderRequest m_request;
    std::vector<std::promise<HandheldPicture>> m_promises;
    std::vector<std::future<HandheldPicture>> m_pictures;
    std::atomic<qsizetype> m_next{0};
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_threads;
};
