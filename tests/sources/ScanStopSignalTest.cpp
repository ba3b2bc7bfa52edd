#include "sources/ScanStopSignal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unistd.h>

TEST(ScanStopSignalTest, WaitingEndsWhenDataComesOrTheSignalIsRaised)
{
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    ScanStopSignal stop;
    const char byte = 1;
    ASSERT_EQ(write(channel[1], &byte, 1), 1);
    EXPECT_TRUE(stop.waitForData(channel[0]));
    char drained = 0;
    ASSERT_EQ(read(channel[0], &drained, 1), 1);

    // Nothing to read any more: only raising the signal ends the wait. The pause lets the
    // waiter be asleep by then, as it would be on a slow device (else it ends at once).
    bool dataCame = true;
    std::thread waiter([&] { dataCame = stop.waitForData(channel[0]); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop.raise();
    waiter.join();
    EXPECT_FALSE(dataCame);
    EXPECT_TRUE(stop.raised());
    EXPECT_FALSE(stop.waitForData(channel[0]));
    close(channel[0]);
    close(channel[1]);
}
