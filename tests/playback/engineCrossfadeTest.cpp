// Crossfade from the live output and fade-out on release.

#include "engineFixture.h"

#include <map>

using namespace engineTest;

namespace {

class CrossfadeTest : public EngineTest {};

TEST_F(CrossfadeTest, FadeFromLiveOutputIntoStepOne) {
    load({{200, 0, 100}, {0, 0, 0}});
    eng.state.fadeFromCurrentFadeUpTime = 1.0f;
    eng.state.fadeFromCurrentFadeDownTime = 0.5f;
    m.channelOutput[dim1] = 0;
    m.channelOutput[dim2] = 100;
    m.channelOutput[pan] = 20;
    eng.fadeFromCurrent(1, true, 0);
    EXPECT_TRUE(eng.state.isRunning);
    EXPECT_TRUE(eng.state.restoreSavedStep);
    EXPECT_FLOAT_EQ(eng.state.fadeUpTicks, 20.0f);
    EXPECT_FLOAT_EQ(eng.state.fadeDownTicks, 10.0f);
    ticks(5);
    EXPECT_EQ(out(dim1), 50);  // rising over 20 ticks
    EXPECT_EQ(out(dim2), 50);  // falling over 10 ticks
    EXPECT_EQ(out(pan), 40);   // 20 -> 100 over 20 ticks
    ticks(15);
    EXPECT_EQ(out(dim1), 200);
    EXPECT_EQ(eng.state.currentStep, 1); // then continues with step 1
    EXPECT_EQ(eng.state.nextStep, 2);
    EXPECT_EQ(eng.state.stepValues(dim2, 0), 0); // the slot got its levels back
    EXPECT_FALSE(eng.state.restoreSavedStep);
}

TEST_F(CrossfadeTest, CutWhenNotARealFade) {
    load({{200, 30, 100}});
    m.channelOutput[dim1] = 7;
    eng.fadeFromCurrent(1, false, 0);
    ticks(1);
    EXPECT_EQ(out(dim1), 200);
    EXPECT_EQ(out(dim2), 30);
    EXPECT_EQ(out(pan), 100);
}

// The snapshot divides intensity back by the factor so that the scaled
// output continues from where it was; a factor of 0 starts from 0.
TEST_F(CrossfadeTest, SnapshotUndoesTheIntensityFactor) {
    struct Case { int32_t dimmer, gm; int32_t live; float expectLevel; int32_t expectStored; };
    for (const Case c : {Case{50, 100, 100, 200.0f, 200}, Case{100, 100, 77, 77.0f, 77}, Case{0, 100, 100, 0.0f, 0},
                         Case{100, 0, 100, 0.0f, 0}, Case{40, 100, 101, 252.5f, 252}}) {
        load({{0}, {0}});
        eng.changeDimmerValue(c.dimmer);
        grandMaster = c.gm;
        m.channelOutput[dim1] = c.live;
        eng.state.isRunning = false;
        eng.fadeFromCurrent(1, true, 0);
        EXPECT_FLOAT_EQ(eng.state.currentLevels[dim1], c.expectLevel) << c.dimmer << "/" << c.gm;
        EXPECT_EQ(eng.state.stepValues(dim1, 0), c.expectStored) << c.dimmer << "/" << c.gm;
        grandMaster = 100;
    }
}

TEST_F(CrossfadeTest, OverrideIntoAStepLandsOnIt) {
    load({{10}, {20}, {30}});
    eng.state.overRideCrossFadeTimes = true;
    eng.state.fadeFromCurrentFadeUpTime = 0.5f;
    eng.state.fadeFromCurrentFadeDownTime = 0.5f;
    m.channelOutput[dim1] = 0;
    eng.fadeFromCurrentOveride(3);
    EXPECT_EQ(eng.state.currentStep, 2);
    EXPECT_EQ(eng.state.nextStep, 3);
    ticks(5);
    EXPECT_EQ(out(dim1), 15);
    ticks(5);
    EXPECT_EQ(eng.state.currentStep, 3);
    EXPECT_EQ(eng.state.stepValues(dim1, 2), 20); // restored
}

class FadeOutTest : public EngineTest {
protected:
    std::map<int32_t, int32_t>& below = frame.below; // channel -> level held by a playback below
    playbackTest::FakeHost host;
    void SetUp() override { eng.setHost(&host); }
};

TEST_F(FadeOutTest, ReleaseFadesToWhatLiesBelowThenClears) {
    load({{255, 255, 100, 100, 0, 0, 90}});
    eng.state.currentStep = 1;
    for (int c = 1; c <= 8; ++c) m.channelOutput[size_t(c)] = eng.state.stepValues(c, 1);
    below = {{dim2, 200}, {tilt, 40}};
    eng.state.fadeFromCurrentScene = true;
    eng.state.fadeFromCurrentFadeDownTime = 1.0f;
    const bool& hidden = host.hidden;
    bool realFade = true;
    eng.fadeOutFromCurrent(realFade, 0);
    EXPECT_TRUE(realFade);
    EXPECT_TRUE(eng.state.stopAndClearAfterFadeOut);
    EXPECT_TRUE(eng.returnCurrentSequence(false).isEmpty());
    ticks(10);
    EXPECT_EQ(out(dim1), 127); // 255 -> 0, halfway, written unscaled
    EXPECT_EQ(out(dim2), 227); // 255 -> 200
    EXPECT_EQ(out(pan), 100);  // nothing below: stays
    EXPECT_EQ(out(tilt), 70);  // 100 -> 40
    EXPECT_EQ(out(red), 90);   // nothing below: left alone
    ticks(9);
    EXPECT_FALSE(hidden);
    ticks(1);
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(eng.state.stopAndClearAfterFadeOut);
    EXPECT_EQ(eng.returnMyPlayBackPriority(), 5);
    EXPECT_EQ(eng.state.stepCount, 0);
    EXPECT_EQ(m.channelOwner[dim1], 0); // released
    EXPECT_EQ(m.currentPlayback, 1);
    for (int c = 1; c <= 8; ++c) EXPECT_GE(out(c), 0) << c;
}

TEST_F(FadeOutTest, WithoutFadeTimesTheReleaseIsACut) {
    load({{255, 255, 100}});
    eng.state.currentStep = 1;
    for (int c = 1; c <= 8; ++c) m.channelOutput[size_t(c)] = eng.state.stepValues(c, 1);
    below = {{dim2, 200}, {pan, 40}};
    eng.changeDimmerValue(50);
    bool realFade = true;
    eng.fadeOutFromCurrent(realFade, 0);
    EXPECT_FALSE(realFade); // the caller sees the change
    ticks(1);
    EXPECT_EQ(eng.state.stepCount, 0);
    EXPECT_FALSE(eng.state.isRunning);
}

TEST_F(FadeOutTest, TargetsOfTheRelease) {
    load({{255, 255, 100, 100, 0, 0, 90, 60}});
    eng.state.currentStep = 1;
    for (int c = 1; c <= 8; ++c) m.channelOutput[size_t(c)] = eng.state.stepValues(c, 1);
    below = {{dim2, 200}, {pan, 40}, {tilt, 0}, {green, 10}};
    eng.changeDimmerValue(50);
    bool realFade = true;
    eng.state.fadeFromCurrentScene = true;
    eng.fadeOutFromCurrent(realFade, 0);
    const int32_t spare = eng.state.stepCount + 1;
    EXPECT_EQ(eng.state.nextStep, spare);
    EXPECT_EQ(eng.state.stepValues(dim1, spare), 0);   // nothing below
    EXPECT_EQ(eng.state.stepValues(dim2, spare), 100); // 200 x 0.5
    EXPECT_EQ(eng.state.stepValues(pan, spare), 40);
    EXPECT_EQ(eng.state.stepValues(tilt, spare), 100); // a level of 0 below: stays
    EXPECT_EQ(eng.state.stepValues(red, spare), 90);   // nothing below: stays, never -1
    EXPECT_EQ(eng.state.stepValues(green, spare), 10);
    EXPECT_EQ(eng.state.fadeOutChannels[green], 1);
    EXPECT_EQ(eng.state.fadeOutChannels[red], 0);
}

TEST_F(FadeOutTest, StopFadeoutClearsAtOnce) {
    load({{255}});
    eng.state.currentStep = 1;
    m.channelOutput[dim1] = 255;
    eng.state.fadeFromCurrentScene = true;
    bool realFade = true;
    eng.fadeOutFromCurrent(realFade, 0);
    const bool& hidden = host.hidden;
    eng.stopFadeout();
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(eng.state.isRunning);
    EXPECT_EQ(out(dim1), 0);
    EXPECT_EQ(m.channelOwner[dim1], 0);
}

} // namespace
