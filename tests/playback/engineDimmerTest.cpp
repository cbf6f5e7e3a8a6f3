// Playback dimmer and grand master: the factor and the immediate rewrite of
// owned dimmer and colour channels.

#include "engineFixture.h"

#include "profiles/ClsFixture.h"

using namespace engineTest;

namespace {

class DimmerTest : public EngineTest {
protected:
    // Fixture 1: a dimmer fixture at channel 1 (profile 1, dimmer role 1).
    // Fixture 2: an RGB fixture without dimmer at channels 7.. (profile 2,
    // red 1, green 2, blue 3 -> channels 7, 8, 9).
    DimmerTest() {
        ClsFixture& dimmerProfile = m.lightClass(1);
        dimmerProfile.ChannelsUsed = 1;
        dimmerProfile.setDimmmerChannel(1);
        colourProfile(2);
        m.lightClassCount = 2;
        m.fixtureCount = 2;
        patch(1, 1, 1);
        m.fixtureDimmerChannel[1] = 1;
        patch(2, 2, 7);
        m.channelType[9] = QStringLiteral("blue");
        load({{255}});
        m.channelOwner[9] = 1;
        eng.state.currentStep = 1;
    }
    void levels(float dimmer, float r, float g, float b) {
        eng.state.currentLevels[1] = dimmer;
        eng.state.currentLevels[7] = r;
        eng.state.currentLevels[8] = g;
        eng.state.currentLevels[9] = b;
    }
};

TEST_F(DimmerTest, DimmerRewritesOwnedChannelsHalvesToEven) {
    struct Case { int32_t dimmer; float level; int32_t expected; };
    for (const Case c : {Case{50, 255, 128}, Case{50, 253, 126}, Case{50, 1, 0}, Case{30, 255, 77},
                         Case{70, 255, 178}, Case{100, 255, 255}, Case{0, 255, 0}}) {
        levels(c.level, c.level, c.level, c.level);
        eng.setTheSliderValue(c.dimmer);
        EXPECT_EQ(out(1), c.expected) << c.dimmer << " " << c.level;
        for (int ch : {7, 8, 9}) EXPECT_EQ(out(ch), c.expected) << c.dimmer << " channel " << ch;
    }
}

TEST_F(DimmerTest, NoRewriteWithoutCurrentStep) {
    eng.state.currentStep = 0;
    levels(255, 255, 255, 255);
    m.channelOutput[1] = 17;
    eng.setTheSliderValue(50);
    EXPECT_EQ(out(1), 17);
    EXPECT_FLOAT_EQ(eng.getSliderValue(), 0.5f);
    EXPECT_EQ(eng.getDimmerValue(), 50);
    // The grand master rewrites even without a current step.
    grandMaster = 40;
    eng.changeGrandMaster();
    EXPECT_EQ(out(1), 51); // 255 x 0.2
}

TEST_F(DimmerTest, ChannelsOfOthersAreLeftAlone) {
    m.channelOwner[1] = 2;
    m.channelOwner[8] = 3;
    m.channelOutput[1] = 11;
    m.channelOutput[8] = 12;
    levels(255, 255, 255, 255);
    eng.setTheSliderValue(50);
    EXPECT_EQ(out(1), 11);
    EXPECT_EQ(out(8), 12);
    EXPECT_EQ(out(7), 128);
}

TEST_F(DimmerTest, StoredLevelsAboveFullSaturate) {
    levels(400, 0, 0, 0);
    eng.setTheSliderValue(100);
    EXPECT_EQ(out(1), 255);
}

TEST_F(DimmerTest, ProfileOutsideTableStillRescalesDimmer) {
    m.fixtureLightClass[1] = 0;
    levels(200, 0, 0, 0);
    eng.setTheSliderValue(50);
    EXPECT_EQ(out(1), 100);
    m.fixtureLightClass[1] = 99;
    eng.setTheSliderValue(25);
    EXPECT_EQ(out(1), 50);
}

// A colour role that lands beyond the last channel ends the colour rewrite
// without touching anything outside the channels.
TEST_F(DimmerTest, ColourRoleBeyondTheChannelsIsChecked) {
    m.fixtureStartChannel[2] = 511; // red 511, green 512, blue 513
    m.channelOwner[511] = m.channelOwner[512] = 1;
    eng.state.currentLevels[511] = 200;
    eng.state.currentLevels[512] = 200;
    eng.setTheSliderValue(50);
    EXPECT_EQ(out(511), 100);
    EXPECT_EQ(out(512), 0); // blue came before green and ended the rewrite
}

TEST_F(DimmerTest, FactorFromGrandMasterAndDimmer) {
    grandMaster = 80;
    eng.changeDimmerValue(50);
    EXPECT_FLOAT_EQ(eng.getSliderValue(), 0.4f);
    const int32_t& shownOnMain = playbackTest::fake<MainWindowService, playbackTest::FakeMainWindow>().dimmer;
    m.currentPlayback = 1;
    eng.setTheSliderValue(60);
    EXPECT_EQ(shownOnMain, -1); // set from code: the main slider stays
    eng.changeDimmerValue(70);
    EXPECT_EQ(shownOnMain, 70);
}

} // namespace
