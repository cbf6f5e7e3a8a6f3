// The output clock and its lanes: the newest frame goes out once the one
// before it has gone, late deadlines skip rather than queue, a stalled
// destination holds up no other, and a lane taken off the clock is never
// touched again.

#include "platform/ftdiWriter.h"
#include "platform/outputClock.h"
#include "support/fakeFtdiPort.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

std::vector<uint8_t> frameOf(uint8_t level) {
    std::vector<uint8_t> f(515, level);
    f[0] = 0x02;
    return f;
}

struct LaneTest : ::testing::Test {
    FakeFtdiDriver driver;
    FakeFtdiDevice& dev = driver.attach();
    std::unique_ptr<FtdiPort> port;
    FrameLane* lane = nullptr;

    LaneTest() {
        driver.writerThreads = true;
        EXPECT_EQ(driver.open(0, port), ftStatus::ok);
        lane = port->frameLane();
    }
    ~LaneTest() override { dev.releaseWrites(); }
    void publish(uint8_t level) {
        const auto f = frameOf(level);
        lane->publish(f.data(), f.size());
    }
    static int level(const std::vector<uint8_t>& frame) { return frame.size() > 3 ? frame[3] : -1; }
    // Returns once everything handed over is written.
    void settle() { port->purge(0); }
};

TEST_F(LaneTest, TheNewestFrameGoesOnceTheOneBeforeItHasGone) {
    ASSERT_NE(lane, nullptr);
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::nothing); // nothing published yet
    dev.holdWrites();
    publish(1);
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::sent);
    ASSERT_TRUE(dev.waitForHeldWrite());
    publish(2);
    publish(3); // replaces 2, which was never taken
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::skipped); // frame 1 is still on its way
    dev.releaseWrites();
    settle();
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::sent);
    settle();
    // No newer frame by the next deadline: the newest goes again.
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::sent);
    settle();
    std::vector<int> levels;
    for (const auto& f : dev.frames()) levels.push_back(level(f));
    EXPECT_EQ(levels, (std::vector<int>{1, 3, 3}));
    EXPECT_EQ(lane->sentFrames(), 3u);
    EXPECT_EQ(lane->skippedFrames(), 1u);
    EXPECT_EQ(lane->failedFrames(), 0u);
}

TEST_F(LaneTest, FailedSendsAreCountedApartFromSkippedOnes) {
    dev.writeStatus = ftStatus::ioError;
    publish(1);
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::sent); // its failure is not known yet
    settle();
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::failed);
    settle();
    EXPECT_EQ(lane->failedFrames(), 1u);
    EXPECT_EQ(lane->skippedFrames(), 0u);
    EXPECT_EQ(dev.frames().size(), 2u); // the next frame is still tried
}

TEST_F(LaneTest, AHeldLaneLeavesTheDeviceToItsOwner) {
    dev.replies[0x04] = {7, 9};
    publish(5);
    lane->hold(true);
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::nothing);
    const uint8_t query = 0x04;
    uint32_t moved = 0;
    port->write(&query, 1, moved);
    uint8_t reply[2] = {};
    uint32_t got = 0;
    port->read(reply, 2, got);
    EXPECT_EQ(got, 2u);
    lane->hold(false);
    EXPECT_EQ(lane->sendNewest(), FrameLane::Result::sent);
    settle();
    ASSERT_EQ(dev.writes.size(), 2u);
    EXPECT_EQ(dev.writes[0], std::vector<uint8_t>{0x04}); // no frame inside the exchange
    EXPECT_EQ(level(dev.writes[1]), 5);
}

// A lane that counts its deliveries and lets a test wait for them.
struct CountingLane final : FrameLane {
    ~CountingLane() override { detach(); }
    Result deliver(const std::vector<uint8_t>&) override {
        std::lock_guard lock(mutex);
        ++deliveries;
        changed.notify_all();
        return Result::sent;
    }
    bool waitFor(int n) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10), [&] { return deliveries >= n; });
    }
    int count() {
        std::lock_guard lock(mutex);
        return deliveries;
    }
    std::mutex mutex;
    std::condition_variable changed;
    int deliveries = 0;
};

TEST(OutputClockTest, AStalledDestinationHoldsUpNoOther) {
    ThreadedOutputClock clock(1);
    FakeFtdiDriver driver;
    driver.writerThreads = true;
    FakeFtdiDevice& stalled = driver.attach();
    std::unique_ptr<FtdiPort> stalledPort;
    ASSERT_EQ(driver.open(0, stalledPort), ftStatus::ok);
    stalled.holdWrites();
    CountingLane healthy;
    const auto f = frameOf(9);
    healthy.publish(f.data(), f.size());
    stalledPort->frameLane()->publish(f.data(), f.size());
    healthy.attach(&clock);
    stalledPort->frameLane()->attach(&clock);

    ASSERT_TRUE(stalled.waitForHeldWrite());
    const int before = healthy.count();
    EXPECT_TRUE(healthy.waitFor(before + 5));
    EXPECT_GT(stalledPort->frameLane()->skippedFrames(), 0u);
    EXPECT_EQ(stalledPort->frameLane()->sentFrames(), 1u);
    stalled.releaseWrites();
    stalledPort.reset(); // leaves the clock as it goes
}

TEST(OutputClockTest, ALaneTakenOffIsNeverTouchedAgain) {
    ThreadedOutputClock clock(1);
    CountingLane kept, removed;
    const auto f = frameOf(1);
    kept.publish(f.data(), f.size());
    removed.publish(f.data(), f.size());
    kept.attach(&clock);
    removed.attach(&clock);
    ASSERT_TRUE(removed.waitFor(2));
    removed.detach();
    const int at = removed.count();
    const int keptAt = kept.count();
    ASSERT_TRUE(kept.waitFor(keptAt + 3)); // the clock went on for three deadlines
    EXPECT_EQ(removed.count(), at);
}

} // namespace
