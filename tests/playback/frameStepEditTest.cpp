// Step editing through the facade: the scene clipboard between playbacks,
// inserting and deleting steps, and the single-value operations that other
// windows use (totals, live adjustment, pan/tilt moves, movement centre).

#include "playback/playbackFrame.h"

#include "playback/playbackEngine.h"
#include "playbackTestSupport.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

class StepEdit : public ::testing::Test {
protected:
    void SetUp() override {
        makeShow(1);
        frame().HiResTimer1().setInterval(50);
    }
    PlaybackFrame& frame() { return playbackFrame(); }
    // A playback whose step s holds level 10 x s on its channel, with
    // fade-up time s, name "S<s>" and command "<s>".
    PlaybackEngine& add(int number, int steps, int channel) {
        frame().clkAddPlaybackControl(number, false, true, false);
        PlaybackEngine& e = *frame().playback(number);
        program(e, number, steps);
        for (int s = 1; s <= steps; ++s) {
            own(e, channel, s, 10 * s);
            times(e, s, float(s), 1.0f);
            e.state.sceneNames[s] = QStringLiteral("S") + QString::number(s);
            e.state.stepCommands[s] = QString::number(s);
        }
        return e;
    }
    int level(PlaybackEngine& e, int channel, int step) { return e.state.stepValues(channel, step); }
    TestShell t;
};

TEST_F(StepEdit, copyInOnePlaybackPastesLevelsAndTimesIntoAnother) {
    PlaybackEngine& two = add(2, 4, 1);
    PlaybackEngine& three = add(3, 2, 2);
    two.state.currentStep = 4;
    frame().copyscene(2);
    three.state.currentStep = 1;
    frame().pastescene(3);
    EXPECT_EQ(level(three, 1, 1), 40); // equal priority: playback 3 may take the channel
    EXPECT_EQ(three.state.fadeUpTimes[1], 4.0f);
    EXPECT_EQ(three.returnMyCurrentStep(), 1); // shown, and stopped
    EXPECT_FALSE(three.timerRunning());
}

TEST_F(StepEdit, pasteWithoutACopyZeroesTheTimesAndStepZeroMeansStepOne) {
    PlaybackEngine& e = add(1, 2, 1);
    e.state.currentStep = 0;
    frame().pastescene(1);
    EXPECT_EQ(e.state.fadeUpTimes[1], 0.0f);
    EXPECT_EQ(e.returnMyCurrentStep(), 1);
}

TEST_F(StepEdit, insertBeforeStepOneMovesTheStepsUpWithTheirNames) {
    PlaybackEngine& e = add(1, 3, 1);
    e.state.currentLevels[1] = 77.5f;
    e.state.currentStep = 1;
    frame().insertscene(1, false);
    ASSERT_EQ(e.giveMeMaxStep(), 4);
    EXPECT_EQ(level(e, 1, 1), 78); // the live level, halves to even
    for (int s = 2; s <= 4; ++s) {
        EXPECT_EQ(level(e, 1, s), 10 * (s - 1)) << s;
        EXPECT_EQ(e.state.sceneNames[s], QStringLiteral("S") + QString::number(s - 1)) << s;
        EXPECT_EQ(e.state.stepCommands[s], QString::number(s - 1)) << s;
    }
}

TEST_F(StepEdit, insertWithNoCurrentStepInsertsBeforeStepOneAndPastes) {
    PlaybackEngine& e = add(1, 2, 1);
    e.state.currentStep = 0;
    e.state.currentLevels[1] = 5;
    frame().insertscene(1, false);
    EXPECT_EQ(e.giveMeMaxStep(), 3);
    EXPECT_EQ(level(e, 1, 1), 5);
    EXPECT_EQ(level(e, 1, 2), 10);
    EXPECT_EQ(level(e, 1, 3), 20);
}

TEST_F(StepEdit, blackoutInsertDarkensColourAndDimmerOnly) {
    ChannelModel& m = shell().state;
    PlaybackEngine& e = add(1, 2, 1); // channel 1 is a dimmer
    m.channelType[2] = QStringLiteral("red");
    m.channelType[3] = QStringLiteral("gobo");
    own(e, 2, 2, 90);
    own(e, 3, 2, 60);
    e.state.currentStep = 2;
    frame().insertscene(1, true);
    EXPECT_EQ(level(e, 1, 2), 0);
    EXPECT_EQ(level(e, 2, 2), 0);
    EXPECT_EQ(level(e, 3, 2), 60);
    EXPECT_EQ(level(e, 1, 3), 20); // the old step 2, one place up
}

TEST_F(StepEdit, deleteMovesLevelsAndTimesDownButKeepsNames) {
    PlaybackEngine& e = add(1, 4, 1);
    e.state.currentStep = 2;
    e.state.previousStep = 1;
    frame().deleteScene(1);
    EXPECT_EQ(e.giveMeMaxStep(), 3);
    EXPECT_EQ(level(e, 1, 2), 30);
    EXPECT_EQ(e.state.fadeUpTimes[2], 3.0f);
    EXPECT_EQ(e.state.sceneNames[2], QLatin1String("S2"));
    EXPECT_EQ(level(e, 1, 4), 0); // the old last slot is emptied for owned channels
    EXPECT_FALSE(e.timerRunning());
}

TEST_F(StepEdit, deleteWithoutACurrentStepChangesNothing) {
    PlaybackEngine& e = add(1, 3, 1);
    e.state.currentStep = 0;
    frame().deleteScene(1);
    EXPECT_EQ(e.giveMeMaxStep(), 3);
    EXPECT_EQ(level(e, 1, 1), 10);
}

TEST_F(StepEdit, singleValueOperations) {
    ChannelModel& m = shell().state;
    PlaybackEngine& e = add(1, 3, 4);
    EXPECT_EQ(frame().getChaserValueTotal(4, 1), 60);
    EXPECT_EQ(frame().getChaserValueTotal(4, 2), 0);
    // Live adjustment: a running playback takes the output into every step.
    e.state.isRunning = true;
    m.channelOutput[4] = 99;
    frame().adjustPlayBackValuesInRealTime(1, 4, 0);
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(level(e, 4, s), 99) << s;
    // Pan/tilt shift stays inside 0..255.
    frame().movePanAndTilt(200, 4);
    EXPECT_EQ(level(e, 4, 2), 255);
    frame().movePanAndTilt(-300, 4);
    EXPECT_EQ(level(e, 4, 2), 0);
}

TEST_F(StepEdit, panMoveClampsEachStepToTheLevelRange) {
    struct Case {
        int32_t increment, before, after;
    };
    const Case cases[] = {
        {20, 250, 255}, // pan +20 on 250
        {-20, 10, 0},
        {20, 100, 120},
        {-20, 100, 80},
        {0, 255, 255},
    };
    ChannelModel& m = shell().state;
    PlaybackEngine& e = add(1, 3, 4);
    m.channelType[4] = QStringLiteral("pan");
    e.state.isRunning = true;
    e.state.currentStep = 1;
    for (const Case& c : cases) {
        e.state.stepValues(4, 1) = c.before;
        e.state.stepValues(4, 3) = 100;
        frame().movePanAndTilt(c.increment, 4);
        EXPECT_EQ(level(e, 4, 1), c.after) << c.increment << " on " << c.before;
        EXPECT_EQ(e.state.currentLevels[4], float(c.after)) << "the current step's level follows";
        EXPECT_EQ(level(e, 4, 3), 100 + c.increment) << "another step moves by the full amount";
    }
    // A stopped playback keeps its steps.
    e.state.isRunning = false;
    e.state.stepValues(4, 1) = 250;
    frame().movePanAndTilt(20, 4);
    EXPECT_EQ(level(e, 4, 1), 250);
}

TEST_F(StepEdit, movementCentreRoundsHalvesToEven) {
    ChannelModel& m = shell().state;
    PlaybackEngine& e = add(1, 2, 5);
    own(e, 6, 1, 0);
    own(e, 6, 2, 255);
    e.state.stepValues(5, 1) = 100;
    e.state.stepValues(5, 2) = 101;
    m.fixtureCount = 1;
    m.fixturePanChannel[1] = 5;
    m.fixtureTiltChannel[1] = 6;
    int32_t x = -1, y = -1;
    frame().returnXYCenter(1, 1, x, y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 128);
}

} // namespace
