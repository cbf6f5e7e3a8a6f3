// Re-claiming a playback's channels from its sequence file while it plays.

#include "playback/sequenceFileIo.h"

#include "playback/playbackEngine.h"
#include "fakeServices.h"
#include "playbackTestSupport.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

class SequenceFileRefresh : public ::testing::Test {
protected:
    void SetUp() override {
        makeShow(1);
        ChannelModel& m = shell().state;
        m.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
        m.channelIsIntensity[1] = m.channelIsIntensity[2] = 1;
        m.channelType[3] = QStringLiteral("pan");
        playbackTest::fake<ShortcutsService, playbackTest::FakeShortcuts>();
    }
    TestShell t;
    int32_t& grandMaster = playbackTest::fake<MastersService, playbackTest::FakeMasters>().level;
};

// The file's levels come back into the current step and reach the output
// scaled by the same single-precision factor the fade engine uses: at 30 %
// the factor is 0.30000001, so 255 is written as 77 and 175 as 53 (a
// product taken in single precision would give 76 and 53, one taken from an
// exact 0.3 would give 76 and 52); the pan channel is written unscaled.
TEST_F(SequenceFileRefresh, ReclaimedLevelsAreScaledAsTheFadeEngineScalesThem) {
    PlaybackEngine e;
    program(e, 3, 1);
    own(e, 1, 1, 255);
    own(e, 2, 1, 175);
    own(e, 3, 1, 175);
    ASSERT_TRUE(sequenceFileIo::saveSequence(e, true, 3, "1", 0, "refresh"));
    ASSERT_TRUE(t.prompts().messages.isEmpty());

    ChannelModel& m = shell().state;
    for (int c = 1; c <= 3; ++c) {
        e.state.stepValues(c, 1) = 0; // edited away since the save
        m.channelOutput[size_t(c)] = 0;
    }
    e.state.currentStep = 1;
    e.state.isRunning = false;
    e.changeDimmerValue(30);
    ASSERT_TRUE(sequenceFileIo::oldrefreshPlaybackChannels(e));

    EXPECT_EQ(m.channelOutput[1], 77);
    EXPECT_EQ(m.channelOutput[2], 53);
    EXPECT_EQ(m.channelOutput[3], 175);
    EXPECT_EQ(e.state.stepValues(1, 1), 255);
    EXPECT_FLOAT_EQ(e.state.currentLevels[2], 175.0f);

    // The engine's own rewrite of the same levels agrees.
    e.state.nextStep = 1;
    e.advanceToNextStep(false);
    EXPECT_EQ(m.channelOutput[1], 77);
    EXPECT_EQ(m.channelOutput[2], 53);
}

// A sequence longer than the 16-bit step count of the records is refused
// with a message instead of being written as a file no loader accepts.
TEST_F(SequenceFileRefresh, SequenceBeyondTheStoredStepCountIsNotSaved) {
    PlaybackEngine e;
    program(e, 3, 1);
    e.state.stepCount = 40000; // the tables themselves stay small
    shell().state.sequenceChanged = true;
    EXPECT_FALSE(sequenceFileIo::saveSequence(e, true, 3, "1", 0, "huge"));
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages.front().startsWith(QStringLiteral("Sequence Not Recognized ")));
    EXPECT_TRUE(shell().state.sequenceChanged);
}

} // namespace
