// What a playback puts on the main window (step, times, lock, command,
// scene), the times it takes from there, and the manual crossfade through
// the fade progress sliders.

#include "engineFixture.h"

#include <map>

using namespace engineTest;

namespace {

class MainDisplayTest : public EngineTest {
protected:
    playbackTest::FakeMainWindow& main = playbackTest::fake<MainWindowService, playbackTest::FakeMainWindow>();
    std::map<int, QString>& boxes = main.boxes;     // the main window's time boxes
    std::map<int, float>& barMaxima = main.barMaxima; // its progress bars
    QString& command = main.command;
    QString& scene = main.scene;
    bool& programmingEnabled = main.programmingEnabled;
    int& lockCalls = main.lockCalls;
    QString stepText() const { return main.stepTexts.isEmpty() ? QString() : main.stepTexts.back(); }

    MainDisplayTest() {
        main.boxesShown = true;
        load({{0}, {0}, {0}}, 2.0f, 0.5f);
        m.currentPlayback = 1;
    }
    void mainBoxes(std::initializer_list<const char*> texts) {
        int i = 0;
        for (const char* t : texts) boxes[i++] = QString::fromLatin1(t);
    }
};

TEST_F(MainDisplayTest, currentDeskPlaybackShowsItsStepOnTheMainWindow) {
    eng.state.currentStep = 2;
    eng.state.nextScenes[2] = 3;
    eng.state.stepCommands[2] = QStringLiteral("4,2");
    eng.showFadetimeOnMain();
    EXPECT_EQ(stepText(), QLatin1String("2:3"));
    EXPECT_EQ(boxes[0], QLatin1String("2"));
    EXPECT_EQ(boxes[1], QLatin1String("0.5"));
    EXPECT_EQ(boxes[5], QLatin1String("3"));
    EXPECT_EQ(command, QLatin1String("Goto Step"));
    EXPECT_EQ(scene, QLatin1String("Scene 2"));
}

TEST_F(MainDisplayTest, otherPlaybacksAndHighNumbersLeaveTheTimeBoxesAlone) {
    eng.state.currentStep = 1;
    m.currentPlayback = 2;
    eng.showFadetimeOnMain();
    EXPECT_TRUE(stepText().isEmpty());
    // Playback 9 is current but not one of the desk rows.
    eng.setMyPlayBackNumber(9);
    for (int c = 1; c <= 8; ++c) m.channelOwner[size_t(c)] = 9;
    m.currentPlayback = 9;
    eng.showFadetimeOnMain();
    EXPECT_EQ(stepText(), QLatin1String("1:3"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainDisplayTest, priorityTenLocksTheProgrammingButtonsOnce) {
    eng.setPriority(10);
    eng.showFadetimeOnMain();
    eng.showFadetimeOnMain();
    EXPECT_FALSE(programmingEnabled);
    EXPECT_EQ(lockCalls, 1);
    eng.setPriority(5);
    eng.showFadetimeOnMain();
    EXPECT_TRUE(programmingEnabled);
}

TEST_F(MainDisplayTest, progressBarsNeverGetAZeroMaximum) {
    eng.state.currentStep = 1;
    eng.state.nextStep = 2;
    eng.calculateStepFadeValues();
    eng.refreshFadeProgress();
    EXPECT_EQ(barMaxima[0], 41.0f); // 2 s at 20 ticks a second, + 1
    EXPECT_EQ(barMaxima[2], 1.0f);  // no delay
    EXPECT_EQ(eng.state.pbFadeInMax, 40.0f);
}

TEST_F(MainDisplayTest, allStepsTakeTheMainTimesIncludingStepZero) {
    mainBoxes({"1.5", "2", "0.25", "0", "3", "2"});
    EXPECT_TRUE(eng.setFadeTimesFromMainDesk(true));
    for (int s = 0; s <= 3; ++s) {
        EXPECT_EQ(eng.state.fadeUpTimes[size_t(s)], 1.5f) << s;
        EXPECT_EQ(eng.state.sequenceFadeDownTimes[size_t(s)], 2.0f) << s;
        EXPECT_EQ(eng.state.followTimes[size_t(s)], 3.0f) << s;
        EXPECT_EQ(eng.state.nextScenes[size_t(s)], 2) << s;
    }
    EXPECT_EQ(eng.state.sceneNames[3], QLatin1String("Scene  3"));
    EXPECT_EQ(eng.state.fadeUpTimes[4], 0.0f);
}

TEST_F(MainDisplayTest, nextSceneIsKeptForMinusOneAndWhileRunning) {
    eng.state.currentStep = 1;
    eng.state.nextScenes[1] = 3;
    mainBoxes({"1", "1", "0", "0", "0", "-1"});
    eng.setFadeTimesFromMainDesk(false);
    EXPECT_EQ(eng.state.nextScenes[1], 3);
    mainBoxes({"1", "1", "0", "0", "0", "2"});
    eng.state.isRunning = true;
    eng.setFadeTimesFromMainDesk(false);
    EXPECT_EQ(eng.state.nextScenes[1], 3);
}

TEST_F(MainDisplayTest, aBoxThatIsNotANumberStopsThereAndSaysSo) {
    eng.state.currentStep = 1;
    mainBoxes({"4", "x", "0", "0", "0", "0"});
    EXPECT_FALSE(eng.setFadeTimesFromMainDesk(false));
    EXPECT_EQ(eng.state.fadeUpTimes[1], 4.0f);
    EXPECT_EQ(eng.state.fadeDownTimes[1], 0.5f);
}

TEST_F(MainDisplayTest, recordingAStepTakesTheMainTimesAndMarksTheSequenceChanged) {
    mainBoxes({"0.5", "0.75", "0", "0", "1", "0"});
    eng.state.currentStep = 3;
    m.sequenceChanged = false;
    eng.recordScene(true);
    EXPECT_TRUE(m.sequenceChanged);
    EXPECT_EQ(eng.state.stepCount, 4);
    EXPECT_EQ(eng.state.fadeUpTimes[4], 0.5f);
    EXPECT_EQ(eng.state.followTimes[4], 1.0f);
}

TEST_F(MainDisplayTest, fadeTimeSliderShowsItsTimeAndRestartsTheStepsTicks) {
    eng.state.currentStep = 1;
    eng.state.nextStep = 2;
    eng.setFadeTimeSliderValue(2500);
    EXPECT_EQ(boxes[0], QLatin1String("1.5"));
    EXPECT_EQ(boxes[1], QLatin1String("1.5"));
    EXPECT_EQ(eng.state.fadeUpTimes[1], 1.5f);
    EXPECT_EQ(eng.state.pbFadeInMax, 30.0f); // 1.5 s at 20 ticks a second
    EXPECT_EQ(eng.state.bpmText, QLatin1String(" 40")) << "the tempo label: a blank and 60 / 1.5";
    EXPECT_EQ(eng.state.bpm, 40);
    // While the main window's slider is held, a running playback's own
    // times follow as well.
    bool& held = main.fadeHeld;
    held = true;
    eng.state.isRunning = true;
    eng.state.useSequenceFadeTime = false;
    eng.setFadeTimeSliderValue(5000);
    EXPECT_EQ(eng.state.sequenceFadeUpTimes[3], 3.0f);
}

// Channel 1 rises 0 -> 200 over 2 s (40 ticks); channel 2 falls 200 -> 100 over 0.5 s (10 ticks).
class CrossfadeDragTest : public MainDisplayTest {
protected:
    CrossfadeDragTest() {
        eng.state.stepValues(dim1, 1) = 0;
        eng.state.stepValues(dim1, 2) = 200;
        eng.state.stepValues(dim2, 1) = 200;
        eng.state.stepValues(dim2, 2) = 100;
        startStep(1, 2);
        eng.state.isRunning = false;
    }
};

TEST_F(CrossfadeDragTest, draggingHalfwayPutsChannelsHalfwayAndScalesIntensity) {
    eng.pbFadeIn_Scroll(20);
    eng.pbFadeOut_Scroll(5);
    EXPECT_EQ(out(dim1), 100);
    EXPECT_EQ(out(dim2), 150);
    EXPECT_EQ(eng.state.fadeUpCount, 20);
    grandMaster = 50;
    eng.state.intensityFactor = eng.computeIntensityFactor();
    eng.pbFadeIn_Scroll(40);
    EXPECT_EQ(out(dim1), 100); // 200 x 0.5
}

TEST_F(CrossfadeDragTest, crossfaderPositionScalesBothSlidersAndStopsAtItsEnds) {
    eng.setCrossFadeStatus(0.5f);
    EXPECT_EQ(out(dim1), 100);
    EXPECT_EQ(out(dim2), 150);
    eng.setCrossFadeStatus(7.0f);
    EXPECT_EQ(out(dim1), 200);
    EXPECT_EQ(out(dim2), 100);
}

TEST(TriggerModeTest, switchingToAudioTakesTheBeatDetectorsTempo) {
    TestShell t;
    t.get().state.resize(512);
    playbackTest::fake<AudioService, playbackTest::FakeAudio>().detected = 119.6;
    PlaybackEngine e;
    e.setMyPlayBackNumber(2);
    e.setUseSequenceFadetime(true);
    e.setAutoTrigger(2, false);
    EXPECT_EQ(e.state.vsliderFadeTime, 833); // one beat of 120 bpm: 0.5 s
    EXPECT_EQ(e.state.bpm, 120);
    EXPECT_TRUE(e.state.fadeFromBpm);
    EXPECT_FALSE(e.state.useSequenceFadeTime);
}

} // namespace
