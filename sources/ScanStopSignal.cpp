#include "sources/ScanStopSignal.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

ScanStopSignal::ScanStopSignal()
    : m_wakeup(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

ScanStopSignal::~ScanStopSignal()
{
    if (m_wakeup >= 0)
        close(m_wakeup);
}

void ScanStopSignal::raise()
{
    m_raised = true;
    if (m_wakeup >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(m_wakeup, &one, sizeof one);
    }
}

bool ScanStopSignal::waitForData(int fd) const
{
    pollfd watched[] = {{fd, POLLIN, 0}, {m_wakeup, POLLIN, 0}};
    while (!m_raised && m_wakeup >= 0 && poll(watched, 2, -1) < 0 && errno == EINTR) {
    }
    return !m_raised;
}
