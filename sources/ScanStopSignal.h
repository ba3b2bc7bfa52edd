#pragma once

#include <atomic>

// The user's request to stop a scan: raised on one thread and seen on the scanning thread,
// which can also sleep on it beside a device's file descriptor, so that stopping does not
// wait for data that may be slow to come.
class ScanStopSignal {
public:
    ScanStopSignal();
    ~ScanStopSignal();
    ScanStopSignal(const ScanStopSignal &) = delete;
    ScanStopSignal &operator=(const ScanStopSignal &) = delete;

    void raise();
    bool raised() const { return m_raised; }

    // Sleeps until `fd` has data or the signal is raised; false when raised. Returns at once
    // when it cannot sleep on both, leaving the waiting to the read that follows.
    bool waitForData(int fd) const;

private:
    std::atomic<bool> m_raised = false;
    int m_wakeup = -1; // an eventfd that raise() makes readable
};
