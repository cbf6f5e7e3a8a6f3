// The output over the device layer: interfaces written from their own
// threads, lost interfaces found again when plugged back in, write failures
// counted, problems the operator can mend said once.

#include "output/DmxOutput.h"
#include "shell/services/playbackService.h"
#include "output/clsCorvellDongle.h"
#include "outputTestSupport.h"
#include "support/fakeDeviceArrival.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

// The playback frame as the output sees it: its refresh tick and caption
// (the status line).
struct FrameRecorder : PlaybackService {
    std::vector<bool> tickSwitches;
    QStringList captions;
    void setRefreshTickEnabled(bool on) override { tickSwitches.push_back(on); }
    bool refreshTickEnabled() const override { return !tickSwitches.empty() && tickSwitches.back(); }
    void setFrameCaption(const QString& text) override { captions.append(text); }
};

struct DeviceLayerTest : ::testing::Test {
    TestShell t;
    DmxOutput& out = shell().engine<DmxOutput>();
    FrameRecorder& frame = shell().provide<PlaybackService>(std::make_unique<FrameRecorder>());
    std::vector<bool>& tickSwitches = frame.tickSwitches;
    QStringList& statusLine = frame.captions;

    ~DeviceLayerTest() override {
        for (auto& d : fakeFtdi().devices) d->releaseWrites(); // held writes would keep ports from closing
    }
    FakeDeviceArrival& arrival() { return static_cast<FakeDeviceArrival&>(*shell().deviceArrival()); }
    FakeFtdiDevice& attachWithUniverse(const char* record) {
        FakeFtdiDevice& d = fakeFtdi().attach();
        setUniverseRecord(d, record);
        return d;
    }
    // One tick with every level of universe 1 at `level`.
    void tick(int level) {
        for (int ch = 1; ch <= 512; ++ch) shell().state.channelOutput[size_t(ch)] = level;
        out.sendOutputFrame();
    }
    // `count` interfaces of universe 1, each written from its own thread.
    std::vector<FakeFtdiDevice*> threadedInterfaces(int count) {
        fakeFtdi().writerThreads = true;
        std::vector<FakeFtdiDevice*> devices;
        for (int i = 0; i < count; ++i) devices.push_back(&attachWithUniverse("0001"));
        out.clkCorvellDmxDongle_Click();
        EXPECT_EQ(out.dmxDongleCollection.size(), size_t(count));
        return devices;
    }
    // The device stalls, and one tick's frame reaches it and is held there.
    bool firstWriteHeld(FakeFtdiDevice& dev, int level) {
        dev.holdWrites();
        tick(level);
        return dev.waitForHeldWrite();
    }
    // Waits until interface `index` has written `frames` frames and its
    // writer is idle (the user-area query waits for that).
    void waitUntilWritten(FakeFtdiDevice& dev, size_t index, size_t frames) {
        dev.waitForFrames(frames);
        out.dmxDongleCollection.at(index)->getSizeOfUserMemory();
    }
    static int levelOf(const std::vector<uint8_t>& frame) { return frame.at(3); }
    static std::vector<int> levels(const std::vector<std::vector<uint8_t>>& frames) {
        std::vector<int> out;
        for (const auto& f : frames) out.push_back(levelOf(f));
        return out;
    }
};

TEST_F(DeviceLayerTest, AStalledInterfaceDelaysNeitherTheTickNorTheOthers) {
    const auto devices = threadedInterfaces(2);
    FakeFtdiDevice& stalled = *devices[0];
    FakeFtdiDevice& healthy = *devices[1];
    ASSERT_TRUE(firstWriteHeld(stalled, 10));
    for (int level : {20, 30}) {
        waitUntilWritten(healthy, 1, size_t(level / 10 - 1));
        tick(level); // returns while the stalled device still holds its write
    }
    EXPECT_EQ(levels(healthy.waitForFrames(3)), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(stalled.heldWrites(), 1);
    EXPECT_TRUE(stalled.frames().empty());
    EXPECT_FALSE(out.rebuildPending()); // slow is not failing
}

TEST_F(DeviceLayerTest, AFrameIsSkippedWhileTheLastOneIsStillQueued) {
    FakeFtdiDevice& slow = *threadedInterfaces(1)[0];
    ASSERT_TRUE(firstWriteHeld(slow, 1));
    tick(2); // frame 1 is not written yet: frame 2 is dropped, not queued
    slow.releaseWrites();
    waitUntilWritten(slow, 0, 1);
    tick(3);
    EXPECT_EQ(levels(slow.waitForFrames(2)), (std::vector<int>{1, 3}));
}

TEST_F(DeviceLayerTest, AnInterfacePluggedBackInGetsOutputAgain) {
    ASSERT_TRUE(arrival().watching());
    FakeFtdiDevice& first = attachWithUniverse("0001");
    out.clkCorvellDmxDongle_Click();
    // Unplugged: its polls and writes fail until the error limit, and the
    // enumerations that follow find nothing.
    first.statusAnswers.assign(100, ftStatus::ioError);
    first.writeStatus = ftStatus::ioError;
    for (int i = 0; i <= clsCorvellDongle::ioErrorLimit; ++i) tick(0);
    ASSERT_TRUE(out.rebuildPending());
    fakeFtdi().devices.clear();
    for (int round = 0; out.rebuildPending() && round < 10; ++round) out.runPendingRebuild();
    EXPECT_FALSE(out.rebuildPending()); // the bounded tries gave up
    EXPECT_TRUE(out.dmxDongleCollection.empty());

    // Plugged back in: the tick stops, and the interfaces are enumerated
    // after the settling wait, which starts the tick again.
    FakeFtdiDevice& again = attachWithUniverse("0001");
    const size_t opensBefore = fakeFtdi().openCalls.size();
    arrival().arrive();
    EXPECT_EQ(tickSwitches.back(), false);
    EXPECT_EQ(fakeFtdi().openCalls.size(), opensBefore); // not yet: the device settles first
    FakeTickTimer* wait = t.timers().created.back();
    EXPECT_EQ(wait->interval(), DmxOutput::arrivalDelayMs);
    wait->fire();
    EXPECT_FALSE(wait->enabled()); // once
    ASSERT_EQ(out.dmxDongleCollection.size(), 1u);
    EXPECT_EQ(tickSwitches.back(), true);
    tick(77);
    EXPECT_EQ(levels(again.frames()), std::vector<int>{77});

    // A tick stopped on purpose (a show loading) stays stopped, also when a
    // second device arrives within the wait.
    frame.setRefreshTickEnabled(false);
    arrival().arrive();
    arrival().arrive();
    wait->fire();
    EXPECT_EQ(out.dmxDongleCollection.size(), 1u);
    EXPECT_EQ(tickSwitches.back(), false);
}

TEST_F(DeviceLayerTest, EveryFailedFrameCountsOnceTowardsTheErrorLimit) {
    struct Case {
        const char* name;
        bool pollFails, writeFails;
    };
    const Case cases[] = {{"poll", true, false}, {"write", false, true}, {"both", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fakeFtdi().devices.clear();
        FakeFtdiDevice& dev = attachWithUniverse("0001");
        out.clkCorvellDmxDongle_Click();
        ASSERT_EQ(out.dmxDongleCollection.size(), 1u);
        if (c.pollFails) dev.statusAnswers.assign(100, ftStatus::ioError);
        if (c.writeFails) dev.writeStatus = ftStatus::ioError;
        for (int i = 0; i < clsCorvellDongle::ioErrorLimit; ++i) tick(0);
        EXPECT_FALSE(out.rebuildPending());
        tick(0);
        EXPECT_TRUE(out.rebuildPending());
        out.runPendingRebuild();
    }
}

TEST_F(DeviceLayerTest, AnInterfaceTheUserMayNotOpenIsSaidOnce) {
    FakeFtdiDevice& locked = fakeFtdi().attach();
    locked.openStatuses.assign(100, ftStatus::deviceNotOpened);
    fakeFtdi().problem = QStringLiteral("No permission to open the USB-to-DMX interface: install the udev rule "
                                        "60-varneldmx-ftdi.rules");
    out.clkCorvellDmxDongle_Click();
    out.clkCorvellDmxDongle_Click();
    EXPECT_EQ(statusLine.filter(QStringLiteral("60-varneldmx-ftdi.rules")).size(), 1);
    EXPECT_TRUE(out.mainCaption.startsWith(QStringLiteral("VarnelDMX Software No DMX Output ")));
    EXPECT_EQ(tickSwitches.back(), true);
}

TEST_F(DeviceLayerTest, ArtNetPacketsTheNetworkDidNotTakeAreReportedOnce) {
    out.startArtNet();
    ASSERT_TRUE(out.artNetEnabled);
    tick(5);
    EXPECT_TRUE(statusLine.filter(QStringLiteral("Art-Net")).isEmpty());
    fakeArtNet().dropped = 3;
    tick(5);
    fakeArtNet().dropped = 9;
    tick(5);
    EXPECT_EQ(statusLine.filter(QStringLiteral("Art-Net")),
              QStringList{QStringLiteral("Art-Net output: 3 packets could not be sent (the network took no more)")});
    EXPECT_EQ(shell().state.channelLastSent[1], 5); // the tick still completes
}

} // namespace
