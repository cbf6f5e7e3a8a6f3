#include "console/console.h"
#include "console/consoleFakes.h"
#include "shell/services/presetsService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

struct RunDesk {
    TestShell ts;
    FakePlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<FakePlaybacks>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    Console& console = ts.get().engine<Console>();
    RunControls& run = console.run;

    RunDesk() {
        ts.get().state.resize(64);
        pb.documents = 3;
        ts.get().state.currentPlayback = 2;
    }
    ChannelModel& m() { return ts.get().state; }
};

TEST(RunControls, GoStartsTheCurrentPlaybackOnPlayTriggerEightTimesWhenLocked) {
    for (bool locked : {false, true}) {
        SCOPED_TRACE(locked);
        RunDesk d;
        if (locked) d.run.toggleLock();
        d.pb.calls.clear();
        d.run.go();
        EXPECT_EQ(d.pb.calls.filter("play(2)").size(), locked ? 8 : 1);
        EXPECT_EQ(d.pb.calls.filter("play(").size(), d.pb.calls.filter("play(2)").size());
        EXPECT_EQ(d.pb.calls.filter("mode(2,1)").size(), locked ? 8 : 1);
        EXPECT_EQ(d.run.stepNumberColour, RunControls::green);
    }
}

TEST(RunControls, ReleaseStopsTheCurrentUnlessLockedAndWithTheLockEveryRunningOne) {
    RunDesk d;
    d.pb.runningSet = {1, 2, 3};
    d.pb.priority[2] = 10;
    d.run.release(); // lock not latched, current locked: nothing
    EXPECT_EQ(d.pb.runningSet.size(), 3u);
    d.run.lockLatched = true;
    d.run.release();
    EXPECT_EQ(d.pb.calls.filter("stop").join(","), "stop(3),stop(1)");
    EXPECT_EQ(d.pb.runningSet, std::set<int32_t>{2});
}

TEST(RunControls, PauseAndStepsActOnTheCurrentPlayback) {
    RunDesk d;
    d.run.pause();
    d.run.stepForward();
    d.run.stepBack();
    EXPECT_EQ(d.pb.calls.join(","), "pause(2),StepFoward(2),stepBackWards(2)");
}

TEST(RunControls, NewClearAndClearAll) {
    RunDesk d;
    d.console.cmdCreateNew_Click(0);
    EXPECT_EQ(d.m().currentPlayback, 4);
    EXPECT_EQ(d.run.allPlaybacksCaption, "New Sequence");
    d.m().currentPlayback = 2;
    d.console.cmdCreateNew_Click(1);
    EXPECT_TRUE(d.pb.calls.contains("fadeOut(2)"));
    EXPECT_EQ(d.run.allPlaybacksCaption, "Programmer - 2");

    d.pb.priority[3] = 10;
    d.pb.files = {{1, "a.YSQ"}, {3, "b.YSQ"}};
    d.sel.selected = {5};
    d.run.lockLatched = true;
    d.pb.calls.clear();
    d.console.cmdCreateNew_Click(2);
    EXPECT_EQ(d.pb.calls.filter("clear").join(","), "clear(1),clear(2),clear(4)");
    EXPECT_FALSE(d.pb.calls.contains("hide(3)"));
    EXPECT_EQ(d.m().currentPlayback, 3); // the locked playback is the first left
    EXPECT_EQ(d.run.allPlaybacksCaption, "Empty Playback");
    EXPECT_TRUE(d.sel.selected.empty());
    EXPECT_FALSE(d.run.lockLatched);
}

TEST(RunControls, CaptionAndTheLockAndBlackoutFacesFollowThePlayback) {
    const struct {
        QString file;
        int32_t priority;
        QString caption;
        bool lockAfter;
    } cases[] = {
        {"C:\\Shows\\Intro.YSQ", 10, "2 - Intro", true},
        {"", 5, "Programmer - 2", false},
        {"", 7, "Programmer - 2", true}, // priority 7 leaves the face as it was
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption.toStdString() + std::to_string(c.priority));
        RunDesk d;
        d.run.lockLatched = true;
        d.pb.files[2] = c.file;
        d.pb.priority[2] = c.priority;
        EXPECT_EQ(d.console.returnSequenceNameForCurrentChaser(), c.caption);
        EXPECT_EQ(d.run.lockLatched, c.lockAfter);
        EXPECT_TRUE(d.run.blackoutLatched); // the fake reports its lights off
    }
}

TEST(RunControls, LockAndAutoGoToggle) {
    RunDesk d;
    d.run.toggleLock();
    EXPECT_EQ(d.pb.priority[2], 10);
    EXPECT_EQ(d.run.lockColour, RunControls::red);
    d.run.toggleLock();
    EXPECT_EQ(d.pb.priority[2], 5);
    EXPECT_EQ(d.run.lockColour, RunControls::darkGrey);

    d.run.toggleAutoGo();
    d.run.toggleAutoGo();
    EXPECT_EQ(d.pb.calls.filter("waitForGO").join(","), "waitForGO(2,0),waitForGO(2,1)");
    EXPECT_EQ(d.run.autoGoColour, RunControls::black);
}

TEST(RunControls, SelectingThePlaybacksFixturesIncludesTheLastFixture) {
    RunDesk d;
    d.m().fixtureCount = 3;
    d.m().fixtureView[3] = QStringLiteral("View 2");
    d.m().channelOwner[10] = 2;
    d.m().channelFixture[10] = 3; // the last fixture
    d.m().channelOwner[11] = 2;
    d.m().channelFixture[11] = 4; // beyond the fixtures
    d.m().channelOwner[12] = 1;
    d.m().channelFixture[12] = 1;
    d.sel.selected = {2};
    d.console.selectCurrentChaserActiveFixtures();
    EXPECT_EQ(d.sel.selected, std::set<int32_t>{3});
    EXPECT_EQ(d.sel.layer, "View 2");
}

TEST(RunControls, StopFreesTheUnheldChannelsOfTheCurrentPlayback) {
    RunDesk d;
    for (int c : {3, 4, 5}) d.m().channelTouched[size_t(c)] = 1;
    d.m().channelOwner[3] = 2;
    d.m().channelOwner[4] = 2;
    d.m().channelHold[4] = 1;
    d.m().channelOwner[5] = 1;
    d.pb.runningSet = {2};
    d.console.stopchase(1, true);
    EXPECT_EQ(d.m().channelTouched[3], 0);
    EXPECT_EQ(d.m().channelTouched[4], 1);
    EXPECT_EQ(d.m().channelTouched[5], 1);
    EXPECT_TRUE(d.pb.calls.contains("stop(2)"));
}

} // namespace

namespace {

struct Recorder : FakePlaybacks {
    bool recordPlusLast = false;
    void pressRecord(int32_t p, bool add) override { calls << QStringLiteral("record(%1,%2)").arg(p).arg(add); }
    void updateSceneValues(int32_t p) override { calls << QStringLiteral("update(%1)").arg(p); }
    void giveMeMaxStepsInDoc(int32_t p, int32_t& n) const override { n = getMaxSteps(p); }
    bool getRecordPlusLast(int32_t) const override { return recordPlusLast; }
};
struct Presets : PresetsService {
    std::vector<int32_t> dropped;
    void removeEventIfInCurrentStep(int32_t step, bool) override { dropped.push_back(step); }
};

TEST(SceneRecording, RecordOverAndRecordAndAddMarkTheSequenceChanged) {
    TestShell ts;
    Recorder& pb = ts.get().provide<PlaybackService>(std::make_unique<Recorder>());
    Console& console = ts.get().engine<Console>();
    ts.get().state.currentPlayback = 2;
    console.bt_store_Click();
    EXPECT_TRUE(ts.get().state.sequenceChanged);
    EXPECT_EQ(console.recording.saveChangesCaption, "Save Changes As Button");
    ts.get().state.sequenceChanged = false;
    console.cmdRecordAndAddScene_Click();
    EXPECT_TRUE(ts.get().state.sequenceChanged);
    EXPECT_EQ(pb.calls.join(","), "record(2,0),record(2,1)");
}

TEST(SceneRecording, LiveRecordLeavesARunningChaseAloneAndRewritesAStaticScene) {
    const struct {
        int32_t steps;
        bool running, plusLast;
        int32_t current;
        bool rewritten;
        int32_t droppedStep;
    } cases[] = {
        {4, true, false, 2, false, 0}, // a running chase
        {4, false, false, 2, true, 2}, // stopped
        {1, true, false, 1, true, 1},  // a running one-step scene
        {3, false, true, 3, true, 4},  // right after record-and-add: the step after
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps * 10 + c.current);
        TestShell ts;
        Recorder& pb = ts.get().provide<PlaybackService>(std::make_unique<Recorder>());
        Presets& presets = ts.get().provide<PresetsService>(std::make_unique<Presets>());
        Console& console = ts.get().engine<Console>();
        pb.steps[1] = c.steps;
        pb.currentStep[1] = c.current;
        if (c.running) pb.runningSet = {1};
        pb.recordPlusLast = c.plusLast;
        console.autoRecord();
        EXPECT_EQ(pb.calls.contains("update(1)"), c.rewritten);
        EXPECT_EQ(ts.get().state.sequenceChanged, c.rewritten);
        if (c.rewritten) {
            EXPECT_EQ(presets.dropped, std::vector<int32_t>{c.droppedStep});
            EXPECT_EQ(console.recording.saveChangesCaption, "Save Changes as Button");
        }
    }
}

} // namespace
