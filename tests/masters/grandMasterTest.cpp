// The grand master and the grand blackout reach a running playback's output
// through the real playback frame, which reads them from the masters service
// on every factor computation.

#include "mastersFixture.h"

#include "platform/safeFile.h"
#include "playback/playbackFrame.h"
#include "playback/sequenceFile.h"

#include <QDir>
#include <cmath>

namespace {

class GrandMaster : public MastersTest {
protected:
    // A show of one universe, fixture 1 with its dimmer on channel 1 and its
    // shutter on channel 2, and a sequence whose step 1 has the dimmer at 0
    // and step 2 at 200 (one second fades, auto trigger), the shutter open
    // at 255, running in playback 1.
    void startPlayback() {
        ChannelModel& s = shell().state;
        for (int c = 1; c <= s.totalChannels; ++c) {
            s.channelType[c] = QStringLiteral("dimmer");
            s.channelFades[size_t(c)] = 1;
        }
        s.channelIsIntensity[1] = 1;
        s.fixtureCount = 1;
        s.fixtureDimmerChannel[1] = 1;
        s.fixtureShutterChannel[1] = 2;
        sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(1, 2);
        d.levels[1][0] = char(200);
        d.levels[0][1] = char(255);
        d.levels[1][1] = char(255);
        d.masks[0].bytes[0] = char(255);
        d.masks[0].bytes[1] = char(255);
        d.masks[0].triggerText = QStringLiteral("1");
        d.useSequenceFadeTime = true;
        d.useMotionfade = true;
        for (auto& st : d.steps) {
            st.fadeUp = 1.0f;
            st.fadeDown = 1.0f;
        }
        const QString file = QDir(t.folder()).filePath("Fade.YSQ");
        ASSERT_TRUE(safeFile::writeWhole(file, sequenceFile::encode(d)));
        PlaybackFrame& frame = playbackFrame();
        frame.HiResTimer1().setInterval(50);
        int32_t doc = 1;
        ASSERT_EQ(frame.loadSequenceInDoc(doc, file, true, false, 100), 1);
        frame.playLoadedSequence(1, false, false, false);
        ASSERT_TRUE(frame.getChaserFlag(1));
    }
    int tickAndRead() {
        static_cast<FakeTickTimer&>(playbackFrame().HiResTimer1()).fire(true);
        return shell().state.channelOutput[1];
    }
};

} // namespace

TEST_F(GrandMaster, scalesTheRunningFadeOnEveryTick) {
    startPlayback();
    // Unscaled, the dimmer climbs 10 a tick to 200 and falls back to 0,
    // over and over (step 1 at once, then the auto-triggered fades).
    auto unscaled = [](int tick) {
        const int t = tick % 40;
        return t <= 20 ? 10 * t : 400 - 10 * t;
    };
    struct Segment {
        int master, ticks;
    };
    const Segment segments[] = {{100, 8}, {50, 10}, {0, 6}, {25, 12}, {100, 8}};
    int tick = 0;
    for (const Segment& s : segments) {
        if (tick > 0) m.setGrandMaster(s.master);
        for (int i = 0; i < s.ticks; ++i, ++tick)
            EXPECT_EQ(tickAndRead(), int(std::nearbyint(unscaled(tick) * s.master / 100.0)))
                << "tick " << tick << " master " << s.master;
    }
    EXPECT_EQ(MastersEngine::faderGrey(0), 0);
    EXPECT_EQ(MastersEngine::faderGrey(100), 250 * 0x010101);
}

TEST_F(GrandMaster, blackoutDarkensTheRunningPlaybackUntilSwitchedOff) {
    startPlayback();
    for (int i = 0; i < 3; ++i) tickAndRead();
    ASSERT_EQ(shell().state.channelOutput[2], 255);
    m.lblBlackout_Click();
    EXPECT_TRUE(m.returnGrandBlackoutState());
    for (int i = 0; i < 3; ++i) {
        tickAndRead();
        EXPECT_EQ(shell().state.channelOutput[2], 0) << "shutter closed, tick " << i;
    }
    m.lblBlackout_Click();
    EXPECT_FALSE(m.returnGrandBlackoutState());
    tickAndRead();
    EXPECT_EQ(shell().state.channelOutput[2], 255);
}

TEST_F(GrandMaster, aToggleFromElsewhereLeavesTheButtonFacesAsTheyWere) {
    // Toolbar toggle while the submasters' button is white: the blackout
    // comes on, the button stays white; the button then switches it off and
    // paints itself black.
    m.lblBlackout_Click();
    EXPECT_TRUE(m.returnGrandBlackoutState());
    EXPECT_EQ(m.submastersBlackoutFace, 0xFFFFFF);
    EXPECT_EQ(m.top.blackoutFace, 0xFFFFFF);
    m.submastersBlackOut_Click();
    EXPECT_FALSE(m.returnGrandBlackoutState());
    EXPECT_EQ(m.submastersBlackoutFace, 0);
    EXPECT_EQ(m.top.blackoutFace, 0);
    EXPECT_TRUE(ports.sent.empty()); // no wing: nothing sent
    // The top bar's button, black now, switches it on again and clears both captions.
    m.cmdBlackOut_Click();
    EXPECT_TRUE(m.returnGrandBlackoutState());
    EXPECT_EQ(m.top.blackoutFace, 0xFFFFFF);
    EXPECT_EQ(m.submastersBlackoutCaption, QString());
    m.cmdBlackOut_Click();
    EXPECT_EQ(m.top.blackoutCaption, QStringLiteral("BLACKOUT"));
    EXPECT_EQ(m.submastersBlackoutCaption, QStringLiteral("BLACKOUT"));
}
