// A playback's own blackout: shutters alone where a fixture has one, else
// every owned channel but pan, tilt and strobe; the restore gives the current
// step's levels back.

#include "engineFixture.h"

#include "profiles/ClsFixture.h"

using namespace engineTest;

namespace {

// Fixture 1: a moving head at channels 10..13 (shutter 10, dimmer 11, pan 12,
// tilt 13). Fixture 2: an LED bar at channels 20..24 without shutter (red,
// green, pan, "Strobe Rate", "strobe intensity").
class BlackoutTest : public EngineTest {
protected:
    BlackoutTest() {
        ClsFixture& head = m.lightClass(1);
        head.ChannelsUsed = 4;
        ClsFixture& bar = m.lightClass(2);
        bar.ChannelsUsed = 5;
        m.lightClassCount = 2;
        m.fixtureCount = 2;
        m.fixtureLightClass[1] = 1;
        m.fixtureStartChannel[1] = 10;
        m.fixtureShutterChannel[1] = 10;
        m.fixturePanChannel[1] = 12;
        m.fixtureTiltChannel[1] = 13;
        m.fixtureLightClass[2] = 2;
        m.fixtureStartChannel[2] = 20;
        m.fixturePanChannel[2] = 22;
        const char* types[] = {"red", "green", "pan", "Strobe Rate", "strobe intensity"};
        for (int i = 0; i < 5; ++i) m.channelType[20 + i] = QString::fromLatin1(types[i]);
        load({{}});
        for (int c : {10, 11, 12, 13, 20, 21, 22, 23, 24}) {
            m.channelOwner[size_t(c)] = 1;
            eng.state.stepValues(c, 1) = 100 + c;
            m.channelOutput[size_t(c)] = 100 + c;
        }
        eng.state.currentStep = 1;
    }
    void blackout(bool on, bool byPass = false) { eng.blackOutMyControlledShutters(true, on, byPass, false); }
};

TEST_F(BlackoutTest, shutterAloneGoesDarkAndComesBackToTheStepLevel) {
    blackout(true);
    EXPECT_FALSE(eng.returnMyBlackOutStatus());
    EXPECT_EQ(out(10), 0);
    EXPECT_TRUE(m.channelHold[10] && m.channelBlackoutHold[10]);
    for (int c : {11, 12, 13}) EXPECT_EQ(out(c), 100 + c) << c;
    m.channelOutput[10] = 0;
    blackout(false);
    EXPECT_TRUE(eng.returnMyBlackOutStatus());
    EXPECT_EQ(out(10), 110);
    EXPECT_FALSE(m.channelHold[10] || m.channelBlackoutHold[10]);
}

TEST_F(BlackoutTest, fixtureWithoutShutterKeepsPanAndStrobeChannels) {
    blackout(true);
    EXPECT_EQ(out(20), 0);
    EXPECT_EQ(out(21), 0);
    for (int c : {22, 23, 24}) {
        EXPECT_EQ(out(c), 100 + c) << c;
        EXPECT_FALSE(m.channelHold[size_t(c)]) << c;
    }
}

TEST_F(BlackoutTest, aHeldShutterIsLeftAndKeepsItsHoldAfterTheRestore) {
    m.channelHold[10] = 1; // the strobe holds it
    blackout(true);
    EXPECT_EQ(out(10), 110);
    EXPECT_FALSE(m.channelBlackoutHold[10]);
    blackout(false);
    EXPECT_TRUE(m.channelHold[10]);
    EXPECT_EQ(out(10), 110);
}

TEST_F(BlackoutTest, restoreWithoutValuesLeavesChannelsDarkButReleasesThem) {
    blackout(true);
    blackout(false, true);
    EXPECT_EQ(out(20), 0);
    EXPECT_FALSE(m.channelHold[20] || m.channelBlackoutHold[20]);
}

TEST_F(BlackoutTest, priorityTenTogglesTheStateButNoChannel) {
    eng.setPriority(10);
    blackout(true);
    EXPECT_FALSE(eng.returnMyBlackOutStatus());
    EXPECT_EQ(eng.cmdBlackOutColour, 16777215);
    EXPECT_EQ(out(10), 110);
    EXPECT_EQ(out(20), 120);
}

TEST_F(BlackoutTest, plainClicksAlternateAndAreRecordedWithReversedNames) {
    playbackTest::FakeScheduler& scheduler = playbackTest::fake<SchedulerService, playbackTest::FakeScheduler>();
    scheduler.recording = true;
    const std::vector<QString>& events = scheduler.events;
    eng.blackOutMyControlledShutters(false, false, false, false);
    eng.blackOutMyControlledShutters(false, false, false, false);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("Blackout Playback"), QStringLiteral("Restore Blackout")}));
    EXPECT_FALSE(eng.returnMyBlackOutStatus());
    EXPECT_EQ(out(10), 0);
}

TEST_F(BlackoutTest, channelsOutsideTheShowAreReportedAndTheRestStillGoesDark) {
    m.fixtureStartChannel[2] = 510; // 510..514: the last two lie beyond 512
    for (int c : {510, 511, 512}) {
        m.channelOwner[size_t(c)] = 1;
        m.channelOutput[size_t(c)] = 50;
    }
    blackout(true);
    EXPECT_EQ(out(10), 0);
    EXPECT_EQ(out(510), 0);
    ASSERT_EQ(t.prompts().messages.size(), 1u);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral(" Error in blackout: ")));
}

TEST_F(BlackoutTest, clearDarkensTheWingsStripIndicatorsOnlyWithAWing) {
    playbackTest::FakeControl& control = playbackTest::fake<ControlService, playbackTest::FakeControl>();
    const std::vector<int32_t>& notes = control.notes;
    eng.cmdClear_Click();
    EXPECT_TRUE(notes.empty());
    control.wing = true;
    eng.cmdClear_Click();
    EXPECT_EQ(notes, (std::vector<int32_t>{52, 57, 62, 67, 72, 77, 82, 87}));
    EXPECT_EQ(control.statuses, std::vector<int32_t>(8, 129));
    EXPECT_EQ(control.velocities, std::vector<int32_t>(8, 0));
}

} // namespace
