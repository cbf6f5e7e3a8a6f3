#include "output/DmxOutput.h"
#include "output/clsCorvellDongle.h"
#include "outputTestSupport.h"
#include "platform/privateProfile.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/playbackService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

// The playback frame as the output sees it: its refresh tick and caption.
struct FakeFrame : PlaybackService {
    std::vector<bool> tickSwitches; // every on/off of the refresh tick
    QStringList captions;
    void setRefreshTickEnabled(bool on) override { tickSwitches.push_back(on); }
    void setFrameCaption(const QString& text) override { captions.append(text); }
};

struct OutputTest : ::testing::Test {
    TestShell t;
    DmxOutput& out = shell().engine<DmxOutput>();
    FakeFrame& frame = shell().provide<PlaybackService>(std::make_unique<FakeFrame>());
    std::vector<bool>& tickSwitches = frame.tickSwitches;
    QString frameCaption() const { return frame.captions.isEmpty() ? QString() : frame.captions.back(); }

    void twoUniverses() {
        shell().state.totalChannels = 1024;
        shell().state.resize(1024);
    }
    FakeFtdiDevice& attachWithUniverse(const char* record) {
        FakeFtdiDevice& d = fakeFtdi().attach();
        setUniverseRecord(d, record);
        return d;
    }
    // The 512 slots of the last frame a device got.
    static std::vector<uint8_t> lastSlots(const FakeFtdiDevice& d) {
        const auto f = d.frames();
        if (f.empty()) return {};
        return {f.back().begin() + 3, f.back().end()};
    }
};

TEST_F(OutputTest, WithoutInterfacesTheEnumerationEndsAtOnce) {
    shell().state.showFileName = QStringLiteral("/shows/Club Night.YLC");
    out.clkCorvellDmxDongle_Click();
    EXPECT_EQ(fakeFtdi().openCalls, std::vector<int>{0});
    EXPECT_TRUE(out.dmxDongleCollection.empty());
    EXPECT_FALSE(out.DMXDongle);
    EXPECT_EQ(out.mainCaption, QStringLiteral("VarnelDMX Software No DMX Output 0.10 || Show Name: Club Night"));
    EXPECT_EQ(tickSwitches, (std::vector<bool>{false, true}));
    // The send stage still keeps its copy.
    shell().state.channelOutput[5] = 42;
    out.sendOutputFrame();
    EXPECT_EQ(shell().state.channelLastSent[5], 42);
}

TEST_F(OutputTest, EachInterfaceSendsItsOwnUniverseInvertedAndClamped) {
    twoUniverses();
    FakeFtdiDevice& first = attachWithUniverse("0001");
    FakeFtdiDevice& second = attachWithUniverse("0002");
    out.clkCorvellDmxDongle_Click();
    ASSERT_EQ(out.dmxDongleCollection.size(), 2u);
    EXPECT_TRUE(out.DMXDongle);
    EXPECT_EQ(out.copyLength, 2048);
    EXPECT_TRUE(out.mainCaption.startsWith(QStringLiteral("VarnelDMX USB TO DMX Activated ")));

    auto& st = shell().state;
    for (int ch = 1; ch <= 1024; ++ch) st.channelOutput[size_t(ch)] = ch % 256;
    st.channelOutput[2] = 300;  // out of range: the highest level
    st.channelOutput[3] = -5;   // the lowest
    st.channelInvert[513] = 1;  // 513 % 256 = 1, sent as 254
    st.channelInvert[3] = 1;    // clamped first, then inverted
    out.sendOutputFrame();

    std::vector<uint8_t> slots1(512), slots2(512);
    for (int k = 1; k <= 512; ++k) {
        slots1[size_t(k - 1)] = uint8_t(k % 256);
        slots2[size_t(k - 1)] = uint8_t((512 + k) % 256);
    }
    slots1[1] = 255;
    slots1[2] = 255;
    slots2[0] = 254;
    EXPECT_EQ(lastSlots(first), slots1);
    EXPECT_EQ(lastSlots(second), slots2);
    EXPECT_EQ(st.channelLastSent, st.channelOutput);
    EXPECT_EQ(out.currentDmxClass, out.dmxDongleCollection[1]);
}

TEST_F(OutputTest, TheCaptionNamesTheVersionAndTheShow) {
    shell().state.showFileName = QStringLiteral("C:\\Shows\\Friday.YLC");
    out.versionMajor = 1;
    out.versionMinor = 3;
    out.versionRevision = 2;
    attachWithUniverse("0001");
    out.clkCorvellDmxDongle_Click();
    const QString caption = QStringLiteral("VarnelDMX USB TO DMX Activated 1.32 || Show Name: Friday");
    EXPECT_EQ(out.mainCaption, caption);
    EXPECT_EQ(frameCaption(), caption); // shown as the status text too
}

TEST_F(OutputTest, AUniverseBeyondTheShowIsClampedToTheLast) {
    twoUniverses();
    FakeFtdiDevice& dev = attachWithUniverse("0003");
    out.clkCorvellDmxDongle_Click();
    ASSERT_EQ(out.dmxDongleCollection.size(), 1u);
    EXPECT_EQ(out.dmxDongleCollection[0]->myUniverseNumber, 2);
    shell().state.channelOutput[513] = 77;
    out.sendOutputFrame();
    EXPECT_EQ(lastSlots(dev)[0], 77);

    // The show shrinks to one universe: the interface follows at once.
    shell().state.totalChannels = 512;
    shell().state.resize(512);
    shell().state.channelOutput[1] = 9;
    out.sendOutputFrame();
    EXPECT_EQ(lastSlots(dev)[0], 9);
}

TEST_F(OutputTest, ChannelsTheArraysDoNotHoldYetGoOutAsZero) {
    // The channel count may run ahead of the arrays while a show is resized.
    auto& st = shell().state;
    st.resize(600);
    st.totalChannels = 1536;
    FakeFtdiDevice& partly = attachWithUniverse("0002");
    FakeFtdiDevice& beyond = attachWithUniverse("0003");
    out.clkCorvellDmxDongle_Click();
    ASSERT_EQ(out.dmxDongleCollection.size(), 2u);
    out.startArtNet();
    for (int ch = 513; ch <= 600; ++ch) st.channelOutput[size_t(ch)] = 9;
    out.sendOutputFrame();

    std::vector<uint8_t> expected(512, 0);
    std::fill(expected.begin(), expected.begin() + 88, 9);
    EXPECT_EQ(lastSlots(partly), expected);
    EXPECT_EQ(lastSlots(beyond), std::vector<uint8_t>(512, 0));
    ASSERT_EQ(fakeArtNet().sends.size(), 1u);
    EXPECT_EQ(fakeArtNet().sends[0].size(), 600u);
    EXPECT_EQ(fakeArtNet().sends[0][599], 9);
}

TEST_F(OutputTest, AnInterfaceInReadModeGetsNoFrames) {
    FakeFtdiDevice& a = attachWithUniverse("0001");
    FakeFtdiDevice& b = attachWithUniverse("0001");
    out.clkCorvellDmxDongle_Click();
    out.dmxDongleCollection[0]->myReadMode = true;
    out.sendOutputFrame();
    out.sendOutputFrame();
    EXPECT_TRUE(a.frames().empty());
    EXPECT_EQ(b.frames().size(), 2u);
}

TEST_F(OutputTest, PlaybacksButtonCaptionFollowsTheCurrentPlaybackOnce) {
    struct PlaybacksButton : MainWindowService {
        QStringList captions;
        void setAllPlaybacksCaption(const QString& c) override { captions.append(c); }
        QString returnSequenceNameForCurrentChaser() override { return QStringLiteral("P%1").arg(shell().state.currentPlayback); }
    };
    const QStringList& captions = shell().provide<MainWindowService>(std::make_unique<PlaybacksButton>()).captions;
    out.sendOutputFrame(); // 0 -> 1
    out.sendOutputFrame();
    shell().state.currentPlayback = 2;
    out.sendOutputFrame();
    out.sendOutputFrame();
    EXPECT_EQ(captions, (QStringList{"P1", "P2"}));
}

TEST_F(OutputTest, ALostInterfaceLeavesWhileTheOthersKeepSendingEveryTick) {
    shell().state.totalChannels = 1536;
    shell().state.resize(1536);
    FakeFtdiDevice& first = attachWithUniverse("0001");
    FakeFtdiDevice& unplugged = attachWithUniverse("0002");
    FakeFtdiDevice& third = attachWithUniverse("0003");
    out.clkCorvellDmxDongle_Click();
    ASSERT_EQ(out.dmxDongleCollection.size(), 3u);
    tickSwitches.clear();
    frame.captions.clear();

    unplugged.statusAnswers.assign(1000, ftStatus::ioError);
    unplugged.writeStatus = ftStatus::ioError;
    const int ticks = clsCorvellDongle::ioErrorLimit + 10;
    for (int i = 1; i <= ticks; ++i) {
        shell().state.channelOutput[1] = i;
        shell().state.channelOutput[1025] = i;
        out.sendOutputFrame();
        // The healthy two get this tick's frame, before and after the loss.
        ASSERT_EQ(first.frames().size(), size_t(i));
        ASSERT_EQ(third.frames().size(), size_t(i));
        EXPECT_EQ(lastSlots(first)[0], i);
        EXPECT_EQ(lastSlots(third)[0], i);
    }
    // Reported once; only the lost one left the set, nothing was re-enumerated
    // and the tick never stopped.
    EXPECT_EQ(frame.captions.filter(QStringLiteral("stopped answering")).size(), 1);
    EXPECT_TRUE(frame.captions.filter(QStringLiteral("Disconected")).isEmpty());
    ASSERT_EQ(out.dmxDongleCollection.size(), 2u);
    EXPECT_EQ(out.dmxDongleCollection[0]->myUniverseNumber, 1);
    EXPECT_EQ(out.dmxDongleCollection[1]->myUniverseNumber, 3);
    EXPECT_TRUE(out.DMXDongle);
    EXPECT_FALSE(out.rebuildPending());
    EXPECT_TRUE(tickSwitches.empty());
    EXPECT_EQ(fakeFtdi().openCalls.size(), 4u); // the first enumeration only
    EXPECT_EQ(shell().state.channelLastSent[1025], ticks);
}

TEST_F(OutputTest, WhenTheLastInterfaceIsLostTheSetIsRebuiltAfterTheTick) {
    FakeFtdiDevice& failing = attachWithUniverse("0001");
    out.clkCorvellDmxDongle_Click();
    failing.statusAnswers.assign(26, 4);
    for (int i = 0; i < 25; ++i) out.sendOutputFrame();
    EXPECT_FALSE(out.rebuildPending());

    tickSwitches.clear();
    shell().state.channelOutput[6] = 33;
    out.sendOutputFrame(); // the 26th I/O error
    EXPECT_EQ(shell().state.channelLastSent[6], 33);
    // Nothing was re-enumerated inside the tick.
    EXPECT_TRUE(out.dmxDongleCollection.empty());
    EXPECT_FALSE(out.DMXDongle);
    EXPECT_EQ(frameCaption(), QStringLiteral("Dmx to USB Interface Disconected, Please Check USB Cable"));
    EXPECT_TRUE(tickSwitches.empty());
    EXPECT_TRUE(out.rebuildPending());

    out.runPendingRebuild();
    EXPECT_EQ(fakeFtdi().openPorts(), 1);
    ASSERT_EQ(out.dmxDongleCollection.size(), 1u);
    EXPECT_EQ(tickSwitches, (std::vector<bool>{false, true}));
    EXPECT_EQ(out.dmxDongleCollection[0]->ioErrors(), 0); // a fresh object
}

TEST_F(OutputTest, ALostInterfaceIsRetriedABoundedNumberOfTimes) {
    FakeFtdiDevice& dev = attachWithUniverse("0001");
    out.clkCorvellDmxDongle_Click();
    dev.statusAnswers.assign(26, 4);
    for (int i = 0; i < 26; ++i) out.sendOutputFrame();
    ASSERT_TRUE(out.rebuildPending());
    fakeFtdi().devices.clear(); // unplugged
    int rounds = 0;
    while (out.rebuildPending() && rounds < 100) {
        out.runPendingRebuild();
        ++rounds;
    }
    EXPECT_EQ(rounds, DmxOutput::maxRebuildAttempts);
    EXPECT_FALSE(out.rebuildPending());
    EXPECT_EQ(tickSwitches.back(), true);
}

TEST_F(OutputTest, ADeviceThatWillNotOpenEndsTheEnumeration) {
    FakeFtdiDevice& busy = fakeFtdi().attach();
    busy.openStatuses.assign(10, 3); // held by another program
    fakeFtdi().attach();
    out.clkCorvellDmxDongle_Click();
    EXPECT_EQ(fakeFtdi().openCalls, std::vector<int>(DmxOutput::openRetries, 0));
    EXPECT_TRUE(out.dmxDongleCollection.empty());
    EXPECT_EQ(tickSwitches, (std::vector<bool>{false, true}));
}

TEST_F(OutputTest, ReEnumerationClosesInterfacesStillHeldElsewhere) {
    attachWithUniverse("0001");
    out.clkCorvellDmxDongle_Click();
    std::shared_ptr<clsCorvellDongle> heldByEditor = out.dmxDongleCollection[0];
    out.sendOutputFrame(); // currentDmxClass refers to it too
    out.clkCorvellDmxDongle_Click();
    ASSERT_EQ(out.dmxDongleCollection.size(), 1u);
    EXPECT_NE(out.dmxDongleCollection[0], heldByEditor);
    EXPECT_FALSE(heldByEditor->isOpen());
    EXPECT_TRUE(out.dmxDongleCollection[0]->isOpen());
}

TEST_F(OutputTest, ArtNetGetsEveryChannelInvertedAndClampedEachTick) {
    twoUniverses();
    out.startArtNet();
    ASSERT_TRUE(out.artNetEnabled);
    auto& st = shell().state;
    st.channelOutput[1] = 0;
    st.channelInvert[1] = 1;
    st.channelOutput[1024] = 999;
    st.channelOutput[513] = 40;
    out.sendOutputFrame();
    out.sendOutputFrame();
    FakeArtNetLayer& art = fakeArtNet();
    EXPECT_EQ(art.setCalls, 2048);
    ASSERT_EQ(art.sends.size(), 2u);
    EXPECT_EQ(art.modes, (std::vector<int32_t>{-1, -1}));
    ASSERT_EQ(art.sends[1].size(), 1024u);
    EXPECT_EQ(art.sends[1][0], 255);
    EXPECT_EQ(art.sends[1][512], 40);
    EXPECT_EQ(art.sends[1][1023], 255);
    EXPECT_EQ(st.channelLastSent[1024], 999); // the copy is of channelOutput itself
}

TEST_F(OutputTest, ArtNetStart) {
    struct Case {
        int16_t status;
        QString error;
        bool enabled;
        QStringList messages;
    };
    const Case cases[] = {
        {261, {}, true, {"ArtNet Output Device Detected and Enabled"}},
        {-16, {}, true, {"ArtNet Output Device Detected and Enabled"}},
        {0, {}, false, {}},
        {0, "Address in use", false, {"Error setting up ArtNet Drivers: Address in use"}},
    };
    for (const Case& c : cases) {
        TestShell fresh;
        DmxOutput& o = shell().engine<DmxOutput>();
        fakeArtNet().initStatus = c.status;
        fakeArtNet().error = c.error;
        o.startArtNet();
        EXPECT_EQ(o.artNetEnabled, c.enabled) << c.status;
        EXPECT_EQ(fresh.prompts().messages, c.messages) << c.status;
        EXPECT_EQ(fakeArtNet().initAddresses, QStringList{"2.255.255.255"});
        if (c.enabled) {
            EXPECT_EQ(fakeArtNet().pipes, (std::vector<std::pair<int, int>>{{0, 0}}));
            EXPECT_EQ(fakeArtNet().clears, 1);
        }
        o.sendOutputFrame();
        EXPECT_EQ(fakeArtNet().sends.size(), c.enabled ? 1u : 0u);
    }
}

TEST_F(OutputTest, ArtNetFollowsTheSettingsFile) {
    out.startArtNetIfEnabled(); // no [ArtNet] section
    EXPECT_TRUE(fakeArtNet().initAddresses.isEmpty());
    EXPECT_FALSE(out.artNetEnabled);

    privateProfile::writeString(shell().iniFile(), "ArtNet", QString("Enabled"), QString("True"));
    privateProfile::writeString(shell().iniFile(), "ArtNet", QString("Target"), QString("127.0.0.1"));
    out.startArtNetIfEnabled();
    EXPECT_TRUE(out.artNetEnabled);
    EXPECT_EQ(fakeArtNet().initAddresses, QStringList{"127.0.0.1"});

    out.stopArtnet();
    EXPECT_FALSE(out.artNetEnabled);
    EXPECT_EQ(fakeArtNet().ends, 1);
    out.endArtNet(); // shutdown does not end it a second time
    EXPECT_EQ(fakeArtNet().ends, 1);

    // A failure while stopping is shown, and Art-Net keeps its state.
    out.startArtNet();
    fakeArtNet().failEnd = true;
    out.stopArtnet();
    EXPECT_TRUE(out.artNetEnabled);
    EXPECT_EQ(t.prompts().messages.back(), QStringLiteral("Error setting up ArtNet Drivers: driver gone"));
}

TEST_F(OutputTest, RecordingSwitchesToInputAndStoppingRestoresOutput) {
    FakeFtdiDevice& a = attachWithUniverse("0001");
    FakeFtdiDevice& b = attachWithUniverse("0001");
    out.clkCorvellDmxDongle_Click();
    fakeFtdi().openCalls.clear();
    tickSwitches.clear();

    out.startRecording();
    EXPECT_TRUE(out.dmxRecordActive);
    EXPECT_EQ(fakeFtdi().openCalls, (std::vector<int>{0, 1}));
    EXPECT_EQ(fakeFtdi().sleeps, (std::vector<int>{2000, 2000}));
    EXPECT_EQ(a.writes.back(), bytes({0x03}));
    EXPECT_EQ(b.writes.back(), bytes({0x03}));
    EXPECT_EQ(tickSwitches, (std::vector<bool>{false, true}));
    out.sendOutputFrame();
    EXPECT_TRUE(a.frames().empty());
    EXPECT_TRUE(b.frames().empty());

    out.stopRecording();
    EXPECT_FALSE(out.dmxRecordActive);
    out.sendOutputFrame();
    EXPECT_EQ(a.frames().size(), 1u);
    EXPECT_EQ(b.frames().size(), 1u);
}

} // namespace

namespace {
TEST(OutputService, TheShellReachesTheOutputThroughItsService) {
    TestShell t;
    fakeFtdi().attach();
    EXPECT_FALSE(shell().output().dmxInterfaceOpen()); // not started: no output
    DmxOutput& out = shell().engine<DmxOutput>();
    OutputService& service = shell().output();
    ASSERT_EQ(&service, static_cast<OutputService*>(&out));
    EXPECT_FALSE(service.dmxInterfaceOpen());
    service.openDmxInterfaces();
    EXPECT_EQ(out.dmxDongleCollection.size(), 1u);
    EXPECT_TRUE(service.dmxInterfaceOpen());
    out.startArtNet();
    EXPECT_TRUE(service.artNetRunning());
    service.endArtNet();
    EXPECT_FALSE(service.artNetRunning());
    EXPECT_EQ(fakeArtNet().ends, 1);
}
} // namespace

namespace {
TEST(OutputTickErrors, AFailureEndsThatTickAndIsReportedOnce) {
    TestShell t;
    const QStringList& captions = shell().provide<PlaybackService>(std::make_unique<FakeFrame>()).captions;
    DmxOutput& out = shell().engine<DmxOutput>();
    out.startArtNet();
    fakeArtNet().failSends = true;
    shell().state.channelOutput[1] = 5;
    out.sendOutputFrame();
    out.sendOutputFrame();
    EXPECT_EQ(shell().state.channelLastSent[1], 0); // that tick's copy was skipped
    EXPECT_EQ(captions, QStringList{"DMX output error: send buffer lost"});
    EXPECT_EQ(t.prompts().messages.size(), 1); // only Art-Net's start message: no box from the tick

    fakeArtNet().failSends = false;
    out.sendOutputFrame();
    EXPECT_EQ(shell().state.channelLastSent[1], 5);
}
} // namespace
