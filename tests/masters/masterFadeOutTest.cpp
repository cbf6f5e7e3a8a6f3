// The timed master fade-out: steps per 50 ms tick, the blackout at the end,
// the fade back up, and the dimmer channels it rewrites.

#include "mastersFixture.h"

#include "shell/miscGlobalFunctions.h"

namespace {

class FadeOut : public MastersTest {
protected:
    RecordingPlayback& playback = shell().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
    MasterFadeOut& f = m.fadeOut;
    FakeTickTimer& timer() { return static_cast<FakeTickTimer&>(f.timer()); }
    // Ticks until the timer stops (at most `limit`); the number of ticks.
    int runFade(int limit = 2000) {
        int n = 0;
        while (timer().enabled() && n < limit) {
            timer().fire();
            ++n;
        }
        return n;
    }
};

} // namespace

TEST_F(FadeOut, freshSettingsGiveOneSecondAndOneHundredth) {
    f.load();
    EXPECT_EQ(f.seconds, 1);
    EXPECT_EQ(f.hundredths, 1);
    f.setFadeTime(2, 50);
    const QString ini = shell().iniFile();
    EXPECT_EQ(miscGlobalFunctions::readIniValue(ini, "MasterTime", "Second"), QStringLiteral("2"));
    EXPECT_EQ(miscGlobalFunctions::readIniValue(ini, "MasterTime", "MiliSecond"), QStringLiteral("50"));
    MasterFadeOut again(m);
    again.load();
    EXPECT_EQ(again.seconds, 2);
    EXPECT_EQ(again.hundredths, 50);
}

TEST_F(FadeOut, fadeTimesGiveTheirStepsAndEndInBlackout) {
    struct Case {
        int seconds, hundredths;
        float step;
        int ticks;
    };
    // 30:00 moves a sixth of a percent a tick and jumps to 0 once the level
    // has come down to 1.
    const Case cases[] = {{2, 0, 2.5f, 40}, {0, 50, 10.0f, 10}, {0, 0, 100.0f, 1}, {30, 0, 100.0f / 600.0f, 594}};
    for (const Case& c : cases) {
        f.load();
        f.setFader(100);
        f.level = 100;
        if (m.blackoutOn) m.lblBlackout_Click();
        f.setFadeTime(c.seconds, c.hundredths);
        f.cmdFadeOut_Click();
        EXPECT_EQ(f.caption, QStringLiteral("Cancel"));
        const int ticks = runFade();
        EXPECT_FLOAT_EQ(f.step, c.step) << c.seconds << ":" << c.hundredths;
        EXPECT_NEAR(ticks, c.ticks, c.ticks > 100 ? 1 : 0) << c.seconds << ":" << c.hundredths;
        EXPECT_EQ(f.fader, 0);
        EXPECT_EQ(f.caption, QStringLiteral("Fade Up"));
        EXPECT_TRUE(m.returnGrandBlackoutState());
    }
}

TEST_F(FadeOut, fadeUpReleasesTheBlackoutAndClampsAtFull) {
    f.load();
    f.setFadeTime(0, 50);
    f.cmdFadeOut_Click();
    runFade();
    ASSERT_TRUE(m.returnGrandBlackoutState());
    f.cmdFadeOut_Click();
    EXPECT_FALSE(m.returnGrandBlackoutState());
    EXPECT_EQ(runFade(), 10);
    EXPECT_EQ(f.fader, 100);
    EXPECT_EQ(f.caption, QStringLiteral("Fade Out"));
}

TEST_F(FadeOut, cancelReturnsToFullAndHoldingTheFaderPausesTheFade) {
    f.load();
    f.setFadeTime(2, 0);
    f.cmdFadeOut_Click();
    for (int i = 0; i < 4; ++i) timer().fire();
    EXPECT_EQ(f.fader, 90);
    f.pressFader();
    timer().fire();
    EXPECT_EQ(f.fader, 90);
    f.setFader(70);
    f.releaseFader();
    timer().fire();
    EXPECT_EQ(f.fader, 68); // 70 - 2.5 = 67.5, to even
    f.cmdFadeOut_Click();
    EXPECT_EQ(f.caption, QStringLiteral("Fade Out"));
    EXPECT_EQ(f.fader, 100);
    EXPECT_FALSE(timer().enabled());
}

TEST_F(FadeOut, rewritesDimmerChannelsFromRememberedLevelsWithTheOwnersFactor) {
    ChannelModel& s = shell().state;
    s.fixtureCount = 2;
    s.fixtureDimmerChannel[1] = 10;
    s.fixtureDimmerChannel[2] = 20;
    s.channelOwner[10] = 3;
    s.channelOwner[20] = 0; // no playback owns it
    playback.factors[3] = 0.5f; // a factor between 0 and 1 is used as it is
    f.load();
    f.setMyValuemem(200, 10);
    f.setMyValuemem(180, 20);
    f.setFader(50);
    EXPECT_EQ(s.channelOutput[10], 50);
    EXPECT_EQ(s.channelOutput[20], 0);
    EXPECT_EQ(s.masterFaderMemory[10], 50);
    s.channelOutput[10] = 77;
    f.setChannelFunction(QStringLiteral("intensity"));
    f.setFader(80);
    EXPECT_EQ(s.channelOutput[10], 77);
    f.unload();
    EXPECT_EQ(s.masterFaderMemory[10], 100);
}
