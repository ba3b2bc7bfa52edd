#include "cli/ParallelRenders.h"

#include "cli/ImageRender.h"

#include <exception>

ParallelRenders::ParallelRenders(const QStringList &images, const RenderRequest &request, int threads)
    : m_images(images)
    , m_request(request)
    , m_promises(size_t(images.size()))
{
    for (std::promise<HandheldPicture> &promise : m_promises)
        m_pictures.push_back(promise.get_future());
    for (int t = 0; t < threads; ++t)
        m_threads.emplace_back([this] { renderUntilDone(); });
}

ParallelRenders::~ParallelRenders()
{
    m_stop = true;
    for (std::thread &thread : m_threads)
        thread.join();
}

HandheldPicture ParallelRenders::take(qsizetype index)
{
    return m_pictures.at(size_t(index)).get();
}

void ParallelRenders::renderUntilDone()
{
    for (qsizetype i = m_next++; i < m_images.size() && !m_stop; i = m_next++) {
        std::promise<HandheldPicture> &promise = m_promises[size_t(i)];
        try {
            promise.set_value(RenderImageFile(m_images[i], m_request));
        } catch (...) {
            promise.set_exception(std::current_exception());
        }
    }
}
