#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/services/effectsService.h"
#include "shell/services/playbackService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>
#include <QMap>
#include <stdexcept>

TEST(ChannelModel, GrowKeepsValuesAndDefaultsNewUniverse) {
    TestShell t;
    auto& m = t.get().state;
    m.channelOutput[512] = 200;
    m.channelType[100] = QStringLiteral("pan");
    m.totalChannels = 1024;
    channelModel::redimForMoreUniverses(1024);
    EXPECT_EQ(m.channelOutput[512], 200);
    EXPECT_EQ(m.channelType[100], QStringLiteral("pan"));
    EXPECT_EQ(m.channelType[513], QStringLiteral("none"));
    EXPECT_EQ(m.masterFaderMemory[1024], 100);
    EXPECT_EQ(m.channelOutput[1024], 0);
    EXPECT_EQ(m.channelHold.size(), 1025u);
}

namespace {
struct Counter {
    int value = 0;
};
} // namespace

TEST(ShellScope, EnginesAreSingletonsPerShell) {
    {
        TestShell t;
        shell().engine<Counter>().value = 5;
        EXPECT_EQ(shell().engine<Counter>().value, 5);
    }
    TestShell fresh;
    EXPECT_EQ(shell().loadedEngine<Counter>(), nullptr);
}

TEST(ChannelModel, ResizeUnloadsThePlaybacksAndResizesTheFogList) {
    TestShell t;
    struct Playbacks : PlaybackService {
        int unloads = 0;
        void reDimAllPlaybackControls() override { ++unloads; }
    };
    struct Fog : EffectsService {
        int32_t fogSize = 0;
        void redimFoggers(int32_t n) override { fogSize = n; }
    };
    const int& unloads = t.get().provide<PlaybackService>(std::make_unique<Playbacks>()).unloads;
    const int32_t& fogSize = t.get().provide<EffectsService>(std::make_unique<Fog>()).fogSize;
    auto& m = t.get().state;
    m.totalChannels = 1536;
    channelModel::redimForMoreUniverses(1536);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(fogSize, 1536);
    // New entries start empty, apart from the three that the resize sets.
    EXPECT_TRUE(m.channelFixtureLabel[1000].isEmpty());
    EXPECT_EQ(m.channelInvert[1000], 0);
    EXPECT_EQ(m.channelType[1000], QStringLiteral("none"));
    EXPECT_EQ(m.submasterMemory[1000], 100);
    EXPECT_EQ(m.fixtureName.size(), 1537);
    EXPECT_EQ(m.viewNames.size(), 1537);
    EXPECT_EQ(m.fixtureGoboAngle.size(), 1537u);
}

TEST(ChannelModel, ResizeToTheSameSizeResetsOnlyTheLastUniversesTypesAndMemories) {
    TestShell t;
    auto& m = t.get().state;
    m.totalChannels = 1024;
    channelModel::redimForMoreUniverses(1024);
    for (int c : {10, 600}) {
        m.channelType[c] = QStringLiteral("pan");
        m.masterFaderMemory[size_t(c)] = 5;
        m.submasterMemory[size_t(c)] = 6;
        m.channelOutput[size_t(c)] = 7;
        m.channelFixtureLabel[c] = QStringLiteral("Spot");
    }
    channelModel::redimForMoreUniverses(1024);
    EXPECT_EQ(m.channelType[10], QStringLiteral("pan"));
    EXPECT_EQ(m.masterFaderMemory[10], 5);
    EXPECT_EQ(m.channelType[600], QStringLiteral("none"));
    EXPECT_EQ(m.masterFaderMemory[600], 100);
    EXPECT_EQ(m.submasterMemory[600], 100);
    EXPECT_EQ(m.channelOutput[600], 7);
    EXPECT_EQ(m.channelFixtureLabel[600], QStringLiteral("Spot"));
}

TEST(ChannelModel, ClearingABiggerShowDropsTheUpperUniverses) {
    TestShell t;
    auto& m = t.get().state;
    m.totalChannels = 1024;
    channelModel::redimForMoreUniverses(1024);
    m.channelType[5] = QStringLiteral("dimmer");
    m.channelOutput[5] = 9;
    m.fixtureCount = 700;
    m.totalChannels = 512;
    channelModel::redimForMoreUniverses(512);
    EXPECT_EQ(m.channelOutput.size(), 513u);
    EXPECT_EQ(m.channelHold.size(), 513u);
    EXPECT_EQ(m.channelType.size(), 513);
    EXPECT_EQ(m.channelType[5], QStringLiteral("none"));
    EXPECT_EQ(m.channelOutput[5], 9);
    EXPECT_EQ(m.fixtureCount, 512); // the fixture arrays end at totalChannels
}

namespace {
// Playback windows faked through the playback service: number -> priority
// and loaded sequence.
struct FakePlaybackWindows : PlaybackService {
    QMap<int, std::pair<int, QString>> windows;
    int32_t reportPlayBackPriority(int32_t n) const override { return windows.contains(n) ? windows[n].first : 0; }
    QString getCurrentSequence(int32_t n, int32_t&) const override { return windows.contains(n) ? windows[n].second : QString(); }
};
struct FakePlaybacks {
    QMap<int, std::pair<int, QString>>& windows;
    explicit FakePlaybacks(Shell& s) : windows(s.provide<PlaybackService>(std::make_unique<FakePlaybackWindows>()).windows) {}
};
} // namespace

TEST(CheckPriorities, ResultAndSwitchOfTheCurrentPlayback) {
    struct Case {
        const char* what;
        int owner, currentPriority, ownerPriority;
        bool currentHasSequence;
        bool expected;
        int currentAfter;
    } cases[] = {
        {"free channel", 0, 1, 0, true, true, 1},
        {"lower than the owner, busy: switch to the owner", 2, 5, 10, true, false, 2},
        {"lower than the owner, no sequence: no switch", 2, 5, 10, false, false, 1},
        {"equal priority may write", 2, 5, 5, true, true, 2},
        {"higher priority", 2, 7, 5, false, true, 1},
        {"own channel", 1, 5, 5, true, true, 1},
    };
    for (const Case& c : cases) {
        TestShell t;
        FakePlaybacks playbacks(t.get());
        auto& m = t.get().state;
        playbacks.windows[1] = {c.currentPriority, c.currentHasSequence ? QStringLiteral("Intro") : QString()};
        playbacks.windows[2] = {c.ownerPriority, QStringLiteral("Chase")};
        m.currentPlayback = 1;
        m.channelOwner[100] = int16_t(c.owner);
        EXPECT_EQ(channelModel::checkPriorities(100), c.expected) << c.what;
        EXPECT_EQ(m.currentPlayback, c.currentAfter) << c.what;
    }
}

TEST(CheckPriorities, AfterTheSwitchTheOwnersNextChannelIsWritable) {
    TestShell t;
    FakePlaybacks playbacks(t.get());
    auto& m = t.get().state;
    playbacks.windows[1] = {5, QStringLiteral("Intro")};
    playbacks.windows[3] = {10, QStringLiteral("Chase")};
    m.currentPlayback = 1;
    m.channelOwner[10] = 3;
    m.channelOwner[11] = 3;
    EXPECT_FALSE(channelModel::checkPriorities(10));
    EXPECT_EQ(m.currentPlayback, 3);
    EXPECT_TRUE(channelModel::checkPriorities(11));
}

TEST(CheckPriorities, ChannelOutsideTheArraysGoesToTheCaller) {
    TestShell t;
    EXPECT_THROW(channelModel::checkPriorities(0), std::out_of_range);
    EXPECT_THROW(channelModel::checkPriorities(513), std::out_of_range);
    EXPECT_NO_THROW(channelModel::checkPriorities(512));
}

TEST(CheckForLargestChaser, LargestStepCountPlusOne) {
    TestShell t;
    EXPECT_EQ(channelModel::checkForLargestChaser(), 0);
    struct Windows : PlaybackService {
        const std::vector<int> steps = {0, 12, 7};
        int32_t DocumentCount() const override { return int32_t(steps.size()); }
        int32_t maxStepsAtPosition(int32_t n) const override { return steps.at(size_t(n - 1)); }
    };
    t.get().provide<PlaybackService>(std::make_unique<Windows>());
    EXPECT_EQ(channelModel::checkForLargestChaser(), 13);
}

TEST(ReDimMyVariables, ResizesAllNineTablesKeepingContents) {
    TestShell t;
    auto& d = t.get().state.deskStepTables;
    channelModel::reDimMyVariables(30);
    d.fadeUp[3][30] = 2.5f;
    d.nextScene[8][0] = 4;
    channelModel::reDimMyVariables(40);
    EXPECT_EQ(d.fadeUp[3][30], 2.5f);
    EXPECT_EQ(d.nextScene[8][0], 4);
    for (const auto* table : {&d.spareTime, &d.fadeUp, &d.fadeDown, &d.delayUp, &d.delayDown, &d.follow})
        EXPECT_EQ(table->at(8).size(), 41u);
    EXPECT_EQ(d.flag[1].size(), 41u);
    EXPECT_EQ(d.stepNames[1].size(), 41u); // steps 1..40
    EXPECT_TRUE(d.stepNames[8][40].isEmpty());
}
