// How a playback takes channels: per step, by mask, and the priority-10
// fixture take-over.

#include "engineFixture.h"

#include "profiles/ClsFixture.h"
#include "playback/channelClaim.h"

#include <map>

using namespace engineTest;

namespace {

class ClaimTest : public EngineTest {
protected:
    std::map<int32_t, int32_t>& priorities = frame.priorities; // playback number -> priority
    ClaimTest() {
        for (int c = 1; c <= 8; ++c) m.channelOwner[size_t(c)] = 0;
        priorities[1] = 5;
    }
};

TEST_F(ClaimTest, PerStepClaimTable) {
    struct Case {
        const char* what;
        int32_t owner, ownerPriority, myPriority;
        bool hold, blackoutHold, touched;
        int32_t level;
        bool none;
        int32_t expectOwner;
        int32_t expectStored;
        bool expectTouched;
    };
    const Case cases[] = {
        {"free channel", 0, 0, 5, false, false, false, 120, false, 1, 120, false},
        {"equal priority: the claimer wins", 2, 5, 5, false, false, false, 120, false, 1, 120, false},
        {"higher owner keeps it", 2, 7, 5, false, false, false, 120, false, 2, 33, false},
        {"lower owner loses it", 2, 3, 5, false, false, true, 120, false, 1, 120, false},
        {"held channel refused", 0, 0, 5, true, false, false, 120, false, 0, 33, false},
        {"held by a blackout counts as free", 0, 0, 5, true, true, false, 120, false, 1, 120, false},
        {"zero level of another's channel stores 0 only", 2, 3, 5, false, false, true, 0, false, 2, 0, true},
        {"zero level of own channel keeps touched", 1, 5, 5, false, false, true, 0, false, 1, 0, true},
        {"unpatched channel is skipped", 0, 0, 5, false, false, false, 120, true, 0, 33, false},
    };
    for (const Case& c : cases) {
        m.channelOwner[dim1] = int16_t(c.owner);
        priorities[2] = c.ownerPriority;
        eng.setPriority(c.myPriority);
        priorities[1] = c.myPriority;
        m.channelHold[dim1] = c.hold;
        m.channelBlackoutHold[dim1] = c.blackoutHold;
        m.channelTouched[dim1] = c.touched;
        m.channelType[dim1] = c.none ? QStringLiteral("none") : QStringLiteral("dimmer");
        eng.state.sequenceChannels[dim1] = 0;
        eng.state.stepValues(dim1, 2) = 33;
        eng.claimStepChannel(2, dim1, c.level);
        EXPECT_EQ(m.channelOwner[dim1], c.expectOwner) << c.what;
        EXPECT_EQ(eng.state.stepValues(dim1, 2), c.expectStored) << c.what;
        EXPECT_EQ(m.channelTouched[dim1] != 0, c.expectTouched) << c.what;
        EXPECT_EQ(eng.state.sequenceChannels[dim1] != 0, c.expectOwner == 1) << c.what;
    }
}

TEST_F(ClaimTest, MaskClaimTestsPriorityOnly) {
    struct Case { const char* what; int32_t owner, ownerPriority; bool hold, none; bool taken; };
    const Case cases[] = {
        {"free", 0, 0, false, false, true},
        {"held is still taken", 0, 0, true, false, true},
        {"unpatched is taken", 0, 0, false, true, true},
        {"higher owner keeps it", 2, 7, false, false, false},
        {"equal owner loses it", 2, 5, false, false, true},
    };
    for (const Case& c : cases) {
        m.channelOwner[dim1] = int16_t(c.owner);
        priorities[2] = c.ownerPriority;
        m.channelHold[dim1] = c.hold;
        m.channelType[dim1] = c.none ? QStringLiteral("none") : QStringLiteral("dimmer");
        EXPECT_EQ(eng.claimMaskChannel(dim1), c.taken) << c.what;
        EXPECT_EQ(m.channelOwner[dim1], c.taken ? 1 : c.owner) << c.what;
    }
    EXPECT_FALSE(eng.claimMaskChannel(0));
    EXPECT_FALSE(eng.claimMaskChannel(513));
}

TEST_F(ClaimTest, TakeOverAboveThirtyFivePercent) {
    struct Case { int32_t channels, owned, priority; bool takesAll; };
    for (const Case c : {Case{10, 4, 10, true}, Case{20, 7, 10, false}, Case{20, 8, 10, true}, Case{10, 4, 9, false},
                         Case{0, 0, 10, false}}) {
        ClsFixture& profile = m.lightClass(1);
        profile.ChannelsUsed = int16_t(c.channels);
        m.lightClassCount = 1;
        m.fixtureCount = 1;
        m.fixtureLightClass[1] = 1;
        m.fixtureStartChannel[1] = 101;
        for (int ch = 101; ch <= 130; ++ch) m.channelOwner[size_t(ch)] = 2;
        for (int ch = 101; ch < 101 + c.owned; ++ch) m.channelOwner[size_t(ch)] = 1;
        eng.setPriority(c.priority);
        eng.takeOverHighPriorityChannels();
        int owned = 0;
        for (int ch = 101; ch <= 130; ++ch) owned += m.channelOwner[size_t(ch)] == 1;
        EXPECT_EQ(owned, c.takesAll ? c.channels : c.owned) << c.owned << "/" << c.channels << " p" << c.priority;
    }
}

TEST_F(ClaimTest, TakeOverChecksFixtureChannelsAgainstTheShow) {
    m.lightClass(1).ChannelsUsed = 10;
    m.fixtureCount = 1;
    m.fixtureLightClass[1] = 1;
    m.fixtureStartChannel[1] = 508; // 508..517 runs past channel 512
    for (int ch = 508; ch <= 512; ++ch) m.channelOwner[size_t(ch)] = 1;
    eng.setPriority(10);
    eng.takeOverHighPriorityChannels(); // must not write past the arrays
    EXPECT_EQ(m.channelOwner[507], 0);
}

TEST_F(ClaimTest, LiveRefreshTakesFromAnyOwner) {
    load({{50, 0}, {0, 60}});
    m.channelOwner[dim1] = 3;
    priorities[3] = 9;
    m.channelOwner[dim2] = 0;
    m.channelHold[tilt] = 1;
    eng.state.stepValues(tilt, 1) = 10;
    m.channelOwner[tilt] = 0;
    eng.state.iAmLivePlayback = true;
    eng.refreshPlaybackChannels();
    EXPECT_EQ(m.channelOwner[dim1], 1);
    EXPECT_EQ(m.channelOwner[dim2], 1);
    EXPECT_EQ(m.channelOwner[tilt], 0); // held
    // Not live: only free channels.
    m.channelOwner[dim1] = 3;
    eng.state.iAmLivePlayback = false;
    eng.newRefreshPlaybackChannels();
    EXPECT_EQ(m.channelOwner[dim1], 3);
}

TEST_F(ClaimTest, ReleaseGivesUpUnheldChannels) {
    load({{50, 50, 50, 50}});
    m.channelHold[dim2] = 1;
    m.channelHold[pan] = 1;
    m.channelBlackoutHold[pan] = 1; // held only by this playback's blackout
    m.channelOutput[tilt] = 9;
    eng.releasePlaybackChannels();
    EXPECT_EQ(m.channelOwner[dim1], 0);
    EXPECT_EQ(m.channelOwner[dim2], 1);
    EXPECT_EQ(m.channelOwner[pan], 0);
    EXPECT_EQ(m.channelHold[pan], 0);
    EXPECT_EQ(out(pan), 128);
    EXPECT_EQ(out(tilt), 128);
    EXPECT_EQ(eng.state.originalHeading, QStringLiteral("Playback : 1"));
}

TEST_F(ClaimTest, ReleaseMyLoneChannelsClearsTouchOnly) {
    load({{50, 50}});
    m.channelTouched[dim1] = 1;
    m.channelTouched[dim2] = 1;
    m.channelOwner[dim2] = 2;
    eng.releaseMyLoneChannels();
    EXPECT_EQ(m.channelTouched[dim1], 0);
    EXPECT_EQ(m.channelTouched[dim2], 1);
    EXPECT_EQ(m.channelOwner[dim1], 1);
}

TEST_F(ClaimTest, UpdateChaserValueGrowsAndMarksAltered) {
    load({{50}});
    eng.state.theSequenceFilename = QStringLiteral("/show/Sequences/Warm.YSQ");
    m.currentPlayback = 1;
    eng.updateChaserValue(dim2, 9, 77, 1);
    EXPECT_EQ(eng.state.stepCount, 10);
    EXPECT_EQ(eng.state.stepValues(dim2, 9), 77);
    EXPECT_TRUE(eng.state.alteredPlayback);
    EXPECT_EQ(eng.state.livePlaybackName, QStringLiteral("Warm"));
    EXPECT_EQ(m.channelOwner[dim2], 1);
    eng.updateChaserValue(dim2, 1, 5, 2); // another playback's value
    EXPECT_EQ(eng.state.stepValues(dim2, 1), 0);
    eng.updateChaserValue(int16_t(600), 1, 5, 1); // beyond the channels: nothing
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

// Reading the last step leaves the count alone (a reader of steps 1..n must
// not grow what it reads); reading past the end makes that step the last one.
TEST_F(ClaimTest, SendChaserValueGrowsOnlyPastTheEnd) {
    load({{50}, {60}, {70}});
    ASSERT_EQ(eng.state.stepCount, 3);
    EXPECT_EQ(eng.sendChaserValue(dim1, 3, 1), 70);
    EXPECT_EQ(eng.state.stepCount, 3);
    EXPECT_EQ(eng.sendChaserValue(dim1, 7, 1), 0);
    EXPECT_EQ(eng.state.stepCount, 7);
    EXPECT_EQ(eng.sendChaserValue(dim1, 3, 1), 70);
}

} // namespace
