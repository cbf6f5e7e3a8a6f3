// Step choice, transport controls and trigger modes of a playback.

#include "engineFixture.h"

#include <QStringList>

using namespace engineTest;

namespace {

class TransportTest : public EngineTest {
protected:
    // A sequence of n steps where step s holds level 10 x s on channel 1.
    void loadSteps(int n) {
        std::vector<std::vector<int32_t>> levels;
        for (int s = 1; s <= n; ++s) levels.push_back({10 * s});
        load(levels, 0.5f, 0.5f); // 10 ticks per step
    }
    std::vector<int32_t> stepsVisited(int advances) {
        std::vector<int32_t> visited;
        for (int i = 0; i < advances; ++i) {
            eng.advanceToNextStep(false);
            visited.push_back(eng.state.currentStep);
        }
        return visited;
    }
};

// Which step becomes current and which is the fade target after one advance.
TEST_F(TransportTest, StepChoiceTable) {
    struct Case {
        const char* what;
        int32_t stepCount, current;
        std::vector<std::pair<int32_t, int32_t>> nextScenes; // (step, Next Scene)
        bool gridClicked;
        int32_t expectCurrent, expectNext;
    };
    const Case cases[] = {
        {"in order", 4, 2, {}, false, 3, 4},
        {"onto the last step, target wraps to 1", 4, 3, {}, false, 4, 1},
        {"last step wraps", 4, 4, {}, false, 1, 2},
        {"one step", 1, 1, {}, false, 1, 1},
        {"nothing played yet", 4, 0, {}, false, 1, 2},
        {"Next Scene jump", 5, 2, {{2, 4}}, false, 4, 5},
        {"Next Scene of the jump target", 5, 2, {{2, 4}, {4, 2}}, false, 4, 2},
        {"jump onto the last step goes on to step 1", 5, 2, {{2, 5}}, false, 5, 1},
        {"jump onto the last step takes its Next Scene", 5, 2, {{2, 5}, {5, 3}}, false, 5, 3},
        {"Next Scene beyond the steps counts as none", 5, 2, {{2, 9}}, false, 3, 4},
        {"negative Next Scene counts as none", 5, 2, {{2, -3}}, false, 3, 4},
        {"last step with Next Scene", 4, 4, {{4, 2}}, false, 2, 3},
        {"last step with Next Scene beyond the steps wraps", 4, 4, {{4, 7}}, false, 1, 2},
        {"grid clicked keeps the step, target 1", 5, 2, {}, true, 2, 1},
        {"grid clicked on the last step", 5, 5, {}, true, 0, 1},
    };
    for (const Case& c : cases) {
        loadSteps(c.stepCount);
        std::fill(eng.state.nextScenes.begin(), eng.state.nextScenes.end(), 0);
        for (const auto& [step, ns] : c.nextScenes) eng.state.nextScenes[size_t(step)] = ns;
        eng.state.currentStep = c.current;
        eng.state.nextStep = std::min(c.current + 1, c.stepCount);
        eng.state.gridClicked = c.gridClicked;
        eng.advanceToNextStep(false);
        EXPECT_EQ(eng.state.currentStep, c.expectCurrent) << c.what;
        EXPECT_EQ(eng.state.nextStep, c.expectNext) << c.what;
        EXPECT_FALSE(eng.state.gridClicked) << c.what;
        EXPECT_TRUE(t.prompts().messages.isEmpty()) << c.what;
    }
    // The stored Next Scene is kept as it was.
    loadSteps(5);
    eng.state.nextScenes[2] = 9;
    eng.state.currentStep = 2;
    eng.advanceToNextStep(false);
    EXPECT_EQ(eng.state.nextScenes[2], 9);
}

TEST_F(TransportTest, AdvanceWritesTheNewStepAtOnce) {
    load({{10, 0, 50}, {20, 0, 60}, {30, 0, 70}, {40, 0, 80}, {50, 0, 90}});
    eng.state.nextScenes[2] = 4;
    eng.state.currentStep = 2;
    eng.changeDimmerValue(50);
    eng.advanceToNextStep(false);
    EXPECT_EQ(eng.state.currentStep, 4);
    EXPECT_EQ(out(dim1), 20); // 40 x 0.5
    EXPECT_EQ(out(pan), 80);
    EXPECT_FLOAT_EQ(eng.state.currentLevels[dim1], 40.0f);
    EXPECT_EQ(eng.state.stepNumberText, QStringLiteral("4:5"));
}

TEST_F(TransportTest, AutoTriggerRunsRoundTheSequence) {
    loadSteps(4);
    eng.setTriggerType(1);
    eng.cmdGo_Click();
    std::vector<int32_t> currentSteps;
    std::vector<int32_t> targetsDuringStep4;
    for (int i = 0; i < 80; ++i) {
        ticks(1);
        if (currentSteps.empty() || currentSteps.back() != eng.state.currentStep)
            currentSteps.push_back(eng.state.currentStep);
        if (eng.state.currentStep == 4) targetsDuringStep4.push_back(eng.state.nextStep);
    }
    EXPECT_EQ(currentSteps, (std::vector<int32_t>{1, 2, 3, 4, 1, 2, 3, 4}));
    ASSERT_FALSE(targetsDuringStep4.empty());
    EXPECT_EQ(targetsDuringStep4.front(), 1);
    EXPECT_TRUE(eng.state.isRunning);
}

TEST_F(TransportTest, PlayTriggerStopsAfterEveryAdvance) {
    loadSteps(4);
    eng.setTriggerType(0);
    EXPECT_EQ(eng.getTriggerType(), 3);
    eng.cmdGo_Click();
    ticks(1); // the cut into step 1
    EXPECT_EQ(eng.state.currentStep, 1);
    EXPECT_FALSE(eng.state.isRunning);
    ticks(30);
    EXPECT_EQ(eng.state.currentStep, 1);
    eng.cmdGo_Click();
    ticks(10);
    EXPECT_EQ(eng.state.currentStep, 2);
    EXPECT_FALSE(eng.state.isRunning);
    EXPECT_EQ(out(dim1), 20);
}

TEST_F(TransportTest, StopFlagWaitsForGoAndHoldsBackTheCommand) {
    loadSteps(4);
    eng.state.stepStops[2] = 1;
    eng.state.stepCommands[2] = QStringLiteral("1,Intro.YSQ");
    eng.state.stepCommands[3] = QStringLiteral("2");
    const QStringList& run = playbackTest::fake<SchedulerService, playbackTest::FakeScheduler>().run;
    startStep(1, 2);
    ticks(10);
    EXPECT_EQ(eng.state.currentStep, 2);
    EXPECT_FALSE(eng.state.isRunning);
    EXPECT_TRUE(run.isEmpty());
    ticks(20);
    EXPECT_EQ(eng.state.currentStep, 2);
    eng.cmdGo_Click(); // GO on step 2 of 4 only resumes
    EXPECT_EQ(eng.state.currentStep, 2);
    ticks(10);
    EXPECT_EQ(eng.state.currentStep, 3);
    EXPECT_EQ(run, QStringList{QStringLiteral("2")});
}

TEST_F(TransportTest, GoFromNothingOrTheLastStepCutsIntoStepOne) {
    loadSteps(3);
    m.channelOutput[dim1] = 99;
    eng.cmdGo_Click();
    EXPECT_EQ(eng.state.currentStep, 0);
    ticks(1);
    EXPECT_EQ(eng.state.currentStep, 1);
    EXPECT_EQ(out(dim1), 10);
    // Step 0 got its levels back after the snapshot was used.
    EXPECT_EQ(eng.state.stepValues(dim1, 0), 0);

    eng.setCurrentStep(3);
    eng.state.isRunning = false;
    eng.cmdGo_Click();
    ticks(1);
    EXPECT_EQ(eng.state.currentStep, 1);
    EXPECT_EQ(out(dim1), 10);
}

TEST_F(TransportTest, ForwardAndBack) {
    loadSteps(5);
    // Back from 4 reached from 3 lands on 3, then 2, then 1.
    eng.state.currentStep = 3;
    eng.cmdFoward_Click();
    EXPECT_EQ(eng.state.currentStep, 4);
    EXPECT_FALSE(eng.state.isRunning);
    EXPECT_TRUE(eng.state.stopAtStepEnd);
    EXPECT_EQ(out(dim1), 40);
    std::vector<int32_t> landed;
    for (int i = 0; i < 3; ++i) {
        eng.cmdBack_Click();
        landed.push_back(eng.state.currentStep);
    }
    EXPECT_EQ(landed, (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(out(dim1), 10);

    // Back on step 1 and Back with no step land on step 2.
    eng.cmdBack_Click();
    EXPECT_EQ(eng.state.currentStep, 2);
    eng.cmdClear_Click();
    eng.cmdBack_Click();
    EXPECT_EQ(eng.state.currentStep, 2);

    // After a grid click Forward stays on its step.
    eng.state.gridClicked = true;
    eng.cmdFoward_Click();
    EXPECT_EQ(eng.state.currentStep, 2);
}

TEST_F(TransportTest, BackOnOneStepSequenceStaysOnStepOne) {
    loadSteps(1);
    eng.state.currentStep = 1;
    eng.cmdBack_Click();
    EXPECT_EQ(eng.state.currentStep, 1);
    eng.state.currentStep = 0;
    eng.cmdBack_Click();
    EXPECT_EQ(eng.state.currentStep, 1);
}

// A step set directly has no previous step: Back reports and stops instead of
// reading step -1.
TEST_F(TransportTest, BackWithoutPreviousStepReportsAndStops) {
    loadSteps(5);
    eng.setCurrentStep(3);
    eng.state.previousStep = 0;
    eng.state.isRunning = true;
    eng.cmdBack_Click();
    EXPECT_FALSE(eng.state.isRunning);
    EXPECT_EQ(eng.state.currentStep, 3);
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith(QStringLiteral("Error in Sequence Step, Sequence Data has an Error")));
}

TEST_F(TransportTest, SetCurrentStepKeepsOnlyStepsTheSequenceHolds) {
    loadSteps(3);
    eng.setCurrentStep(2);
    EXPECT_EQ(eng.state.currentStep, 2);
    for (const int32_t bad : {-1, 4, 100000}) {
        eng.setCurrentStep(bad);
        EXPECT_EQ(eng.state.currentStep, 2) << bad;
    }
    eng.state.isRunning = true;
    ticks(50); // runs on without reading outside the tables
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(TransportTest, WaitForGoNeedsACurrentStep) {
    loadSteps(3);
    eng.setWaitForGO(true);
    EXPECT_EQ(std::count(eng.state.stepStops.begin(), eng.state.stepStops.end(), 1), 0);
    eng.state.currentStep = 2;
    eng.setWaitForGO(true);
    EXPECT_TRUE(eng.returnCurrentAutoGO());
}

TEST_F(TransportTest, ClearResetsOwnedUnheldChannels) {
    load({{200, 200, 200, 200, 0, 0, 200}});
    for (int c = 1; c <= 8; ++c) m.channelOutput[size_t(c)] = 200;
    m.channelHold[dim2] = 1;
    m.channelTouched[red] = 1;
    m.channelOwner[green] = 2;
    eng.changeDimmerValue(40);
    eng.state.currentStep = 1;
    eng.state.isRunning = true;
    eng.cmdClear_Click();
    EXPECT_EQ(out(dim1), 0);
    EXPECT_EQ(out(dim2), 200); // held
    EXPECT_EQ(out(pan), 128);
    EXPECT_EQ(out(tilt), 128);
    EXPECT_EQ(out(panFine), 0); // only exactly "pan" and "tilt" centre
    EXPECT_EQ(out(red), 0);
    EXPECT_EQ(m.channelTouched[red], 0);
    EXPECT_EQ(out(green), 200); // another playback's
    EXPECT_EQ(m.channelOwner[dim1], 1);
    EXPECT_EQ(eng.state.currentStep, 0);
    EXPECT_EQ(eng.state.nextStep, 1);
    EXPECT_EQ(eng.getDimmerValue(), 100);
    EXPECT_FALSE(eng.state.isRunning);
}

TEST_F(TransportTest, ClearLoadedSequenceZeroesUnheldLevelsOfEveryOwner) {
    load({{10, 20}, {30, 40}});
    m.channelOwner[dim1] = 7;
    m.channelHold[dim2] = 1;
    eng.state.theSequenceFilename = QStringLiteral("x.YSQ");
    eng.state.stepValues(dim1, 0) = 5;
    eng.clearLoadedSequence();
    EXPECT_EQ(eng.state.stepValues(dim1, 1), 0);
    EXPECT_EQ(eng.state.stepValues(dim1, 2), 0);
    EXPECT_EQ(eng.state.stepValues(dim2, 2), 40);
    EXPECT_EQ(eng.state.stepValues(dim1, 0), 5); // step 0 keeps its contents
    EXPECT_EQ(eng.state.stepCount, 0);
    EXPECT_TRUE(eng.state.theSequenceFilename.isEmpty());
    EXPECT_EQ(eng.returnMyPlayBackPriority(), 5);
}

TEST_F(TransportTest, TriggerCodes) {
    struct Case { int32_t set, reported; bool continuous; };
    for (const Case c : {Case{1, 1, true}, Case{0, 3, false}, Case{2, 2, true}}) {
        eng.setTriggerType(c.set);
        EXPECT_EQ(eng.getTriggerType(), c.reported) << c.set;
        EXPECT_EQ(eng.state.continuousRun, c.continuous) << c.set;
    }
    eng.setTriggerType(0);
    eng.setTriggerType(7); // changes nothing
    EXPECT_EQ(eng.getTriggerType(), 3);
    // Audio by click leaves per-step times alone; by code it switches them off.
    eng.state.useSequenceFadeTime = true;
    eng.optMode_Click(2);
    EXPECT_TRUE(eng.state.continuousRun);
    EXPECT_TRUE(eng.state.useSequenceFadeTime);
    eng.setTriggerType(2);
    EXPECT_FALSE(eng.state.useSequenceFadeTime);
    EXPECT_TRUE(eng.state.fadeTimeFollowsBpm);
}

TEST_F(TransportTest, BeatTapSetsFadeTimeSlider) {
    int32_t& tempo = playbackTest::fake<AudioService, playbackTest::FakeAudio>().tempo;
    for (const auto& [bpm, slider] : std::vector<std::pair<int32_t, int32_t>>{{120, 833}, {30, 3333}, {15, 5000}}) {
        tempo = bpm;
        eng.cmbBeatSync_Click();
        EXPECT_EQ(eng.state.vsliderFadeTime, slider) << bpm;
    }
}

TEST_F(TransportTest, DeskRowFromPlaybackNumber) {
    struct Case { int32_t number; bool desk; int16_t row; };
    PlaybackEngine e;
    for (const Case c : {Case{3, true, 3}, Case{8, true, 8}}) {
        e.setMyPlayBackNumber(c.number);
        EXPECT_EQ(e.state.isDeskPlayback, c.desk);
        EXPECT_EQ(e.state.deskRow, c.row);
    }
    PlaybackEngine fresh;
    fresh.setMyPlayBackNumber(9);
    EXPECT_FALSE(fresh.state.isDeskPlayback);
    EXPECT_EQ(fresh.state.deskRow, 1);
    e.setMyPlayBackNumber(9); // the desk link stays as it was
    EXPECT_TRUE(e.state.isDeskPlayback);
    EXPECT_EQ(e.state.deskRow, 1);
}

} // namespace
