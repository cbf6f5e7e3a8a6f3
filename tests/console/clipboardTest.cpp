#include "console/console.h"
#include "console/consoleFakes.h"
#include "support/fakePlatform.h"
#include "platform/prompts.h"
#include "profiles/ClsFixture.h"

#include <gtest/gtest.h>

namespace {

// Fixtures 1 and 2 share a 37-channel profile (pan, tilt, then others);
// fixture 3 has a profile of its own.
struct ClipDesk {
    TestShell ts;
    FakePlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<FakePlaybacks>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    Console& console = ts.get().engine<Console>();
    static constexpr int wide = 37;

    ClipDesk() {
        ChannelModel& m = ts.get().state;
        m.resize(200);
        m.lightClass(1).ChannelsUsed = wide;
        m.lightClass(2).ChannelsUsed = 4;
        m.fixtureCount = 3;
        const int starts[] = {1, 51, 101};
        const int classes[] = {1, 1, 2};
        for (int f = 1; f <= 3; ++f) {
            m.fixtureStartChannel[size_t(f)] = int16_t(starts[f - 1]);
            m.fixtureLightClass[size_t(f)] = int16_t(classes[f - 1]);
        }
        for (int start : {1, 51}) {
            m.channelType[start] = QStringLiteral("pan");
            m.channelType[start + 1] = QStringLiteral("tiltfine");
            for (int i = 2; i < wide; ++i) m.channelType[start + i] = QStringLiteral("dimmer");
        }
        m.currentPlayback = 1;
    }
    ChannelModel& m() { return ts.get().state; }
    void choose(int f) { sel.current = f; }
};

TEST(FixtureClipboard, SequenceCopiesEveryChannelOfAWideProfileToAnotherFixture) {
    ClipDesk d;
    d.pb.steps[1] = 10;
    for (int s = 1; s <= 10; ++s)
        for (int i = 0; i < ClipDesk::wide; ++i) d.pb.levels[{1, s, 1 + i}] = s + i;
    d.choose(1);
    d.console.copyfixturesequence_Click();
    d.choose(2);
    d.ts.prompts().answers = {msgBox::No};
    d.console.pastefixturesequence_Click();
    for (int s : {1, 10})
        for (int i : {0, 1, 31, 36}) EXPECT_EQ(d.pb.sendChaserValueFromPlayback(51 + i, s, 1), s + i) << s << " " << i;
    EXPECT_EQ(d.pb.steps[1], 10);
    EXPECT_EQ(d.m().channelOwner[51 + 36], 1);
}

TEST(FixtureClipboard, PastingFromTheCurrentStepWritesAfterItAndGrowsToTheLargerCount) {
    const struct {
        int destSteps, current, wantSteps;
    } cases[] = {
        {10, 4, 14}, // steps 5..14 from clipboard steps 1..10
        {20, 4, 20}, // fits inside: the count stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.destSteps);
        ClipDesk d;
        d.pb.steps[1] = 10;
        for (int s = 1; s <= 10; ++s) d.pb.levels[{1, s, 3}] = 100 + s;
        d.choose(1);
        d.console.copyfixturesequence_Click();
        d.pb.steps[1] = c.destSteps;
        d.pb.currentStep[1] = c.current;
        d.choose(2);
        d.ts.prompts().answers = {msgBox::Yes};
        d.console.pastefixturesequence_Click();
        EXPECT_EQ(d.pb.sendChaserValueFromPlayback(53, c.current + 1, 1), 101);
        EXPECT_EQ(d.pb.sendChaserValueFromPlayback(53, c.current + 10, 1), 110);
        EXPECT_EQ(d.pb.sendChaserValueFromPlayback(53, c.current, 1), 0);
        EXPECT_EQ(d.pb.steps[1], c.wantSteps);
    }
}

TEST(FixtureClipboard, AnotherProfilePastesNothingAndKeepsTheStepCountEvenAfterYes) {
    ClipDesk d;
    d.pb.steps[1] = 3;
    d.pb.levels[{1, 1, 1}] = 9;
    d.m().channelOutput[1] = 44;
    d.choose(1);
    d.console.copyfixturesequence_Click();
    d.console.copyfixturescene_Click();
    const auto before = d.pb.levels;
    d.choose(3);
    d.ts.prompts().answers = {msgBox::Yes};
    d.console.pastefixturesequence_Click();
    d.console.pastefixturescene_Click();
    EXPECT_EQ(d.pb.levels, before);
    EXPECT_EQ(d.pb.steps[1], 3);
    EXPECT_EQ(d.m().channelOutput[101], 0);
    // The plain scene paste redisplays the step all the same.
    EXPECT_EQ(d.pb.calls.filter("step", Qt::CaseInsensitive).join(","), "StepFoward(1),stepBackWards(1)");
}

TEST(FixtureClipboard, SceneWithoutPanTiltSkipsThemAndWritesTheLiveOutputWhateverThePriority) {
    for (bool withPanTilt : {true, false}) {
        SCOPED_TRACE(withPanTilt);
        ClipDesk d;
        for (int i = 0; i < ClipDesk::wide; ++i) d.m().channelOutput[size_t(1 + i)] = 10 + i;
        d.choose(1);
        d.console.copyfixturescene_Click();
        // Channel 53 belongs to a playback of higher priority.
        FakePlaybacks& pb = d.pb;
        pb.priority[9] = 10;
        pb.currentStep[1] = 2;
        d.m().channelOwner[53] = 9;
        d.choose(2);
        if (withPanTilt) d.console.pastefixturescene_Click();
        else d.console.pastefixscenewopanandtilt_Click();
        EXPECT_EQ(pb.sendChaserValueFromPlayback(51, 2, 1), withPanTilt ? 10 : 0);
        EXPECT_EQ(pb.sendChaserValueFromPlayback(52, 2, 1), withPanTilt ? 11 : 0);
        EXPECT_EQ(pb.sendChaserValueFromPlayback(51 + 36, 2, 1), 10 + 36);
        EXPECT_EQ(d.m().channelOutput[53], withPanTilt ? 0 : 12);
        EXPECT_EQ(d.m().channelOwner[53], 9);
        EXPECT_EQ(d.m().channelOwner[54], 1);
        EXPECT_EQ(pb.calls.filter("step", Qt::CaseInsensitive).size(), withPanTilt ? 2 : 0);
    }
}

TEST(FixtureClipboard, NoCurrentFixtureCopiesNothing) {
    ClipDesk d;
    d.m().channelOutput[1] = 5;
    d.choose(0);
    d.console.copyfixturescene_Click();
    d.console.copyfixturesequence_Click();
    EXPECT_EQ(d.console.clipboard.clipboardFixtureClass, 0);
    d.choose(2);
    d.console.pastefixturescene_Click();
    EXPECT_EQ(d.m().channelOutput[51], 0);
}

TEST(FixtureClipboard, ALongPlaybackCopiesItsFirstThreeHundredSteps) {
    ClipDesk d;
    d.pb.steps[1] = 400;
    d.pb.levels[{1, 300, 5}] = 7;
    d.pb.levels[{1, 301, 5}] = 8;
    d.choose(1);
    d.console.copyfixturesequence_Click();
    EXPECT_EQ(d.console.clipboard.clipboardStepCount, 300);
    d.pb.steps[1] = 1;
    d.choose(2);
    d.ts.prompts().answers = {msgBox::No};
    d.console.pastefixturesequence_Click();
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(55, 300, 1), 7);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(55, 301, 1), 0);
    EXPECT_EQ(d.pb.steps[1], 300);
}

TEST(SceneClipboard, CopyAndPasteActOnTheCurrentPlayback) {
    ClipDesk d;
    d.m().currentPlayback = 3;
    d.console.copyscene_Click();
    d.console.pastescene_Click();
    EXPECT_EQ(d.pb.calls.join(","), "copyscene(3),pastescene(3)");
}

} // namespace
