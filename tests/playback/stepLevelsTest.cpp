// The step level store: every level an int32_t can hold comes back exactly,
// each step is held in the narrowest width its levels need, and the width
// follows the levels through overwrites, copies, resizes, step edits,
// recording and a save and load.

#include "engineFixture.h"
#include "playback/playbackFrame.h"
#include "playback/sequenceFileIo.h"
#include "playbackTestSupport.h"

#include <QDir>
#include <climits>

using namespace playbackTest;

namespace {

// Step 2 of a table of 5 channels and steps 0..3.
StepLevels smallTable() {
    StepLevels t;
    t.resize(5, 3);
    return t;
}

} // namespace

TEST(StepLevels, everyLevelComesBackAndItsStepTakesTheNarrowestWidth) {
    struct Case { int32_t level; int32_t bytes; };
    for (const Case c : {Case{0, 1}, Case{255, 1}, Case{256, 2}, Case{65534, 2}, Case{65535, 2}, Case{65536, 4},
                         Case{2'550'000, 4}, Case{-1, 4}, Case{INT32_MIN, 4}, Case{INT32_MAX, 4}}) {
        StepLevels t = smallTable();
        t(1, 2) = 200;
        t(3, 2) = c.level;
        EXPECT_EQ(t(3, 2), c.level) << c.level;
        EXPECT_EQ(t.bytesPerLevel(2), c.bytes) << c.level;
        EXPECT_EQ(t(1, 2), 200) << "the step's other levels keep their values when it widens";
        EXPECT_EQ(t(3, 1), 0) << c.level;
        EXPECT_EQ(t.bytesPerLevel(1), 1) << "only the written step widens";
        // Overwritten by a small level, the step is one byte per level again.
        t(3, 2) = 7;
        EXPECT_EQ(t(3, 2), 7) << c.level;
        EXPECT_EQ(t(1, 2), 200) << c.level;
        EXPECT_EQ(t.bytesPerLevel(2), 1) << c.level;
    }
}

TEST(StepLevels, aStepNarrowsOnlyWhenItsLastWideLevelGoes) {
    StepLevels t = smallTable();
    t(1, 2) = 2'550'000;
    t(2, 2) = 300;
    t(5, 2) = 400;
    EXPECT_EQ(t.bytesPerLevel(2), 4);
    t(1, 2) = 5;
    EXPECT_EQ(t.bytesPerLevel(2), 2);
    t(2, 2) = 255;
    EXPECT_EQ(t.bytesPerLevel(2), 2) << "channel 5 still holds 400";
    t(5, 2) = 300; // a wide level overwritten by another wide level
    EXPECT_EQ(t.bytesPerLevel(2), 2);
    t(5, 2) = 0;
    EXPECT_EQ(t.bytesPerLevel(2), 1);
    EXPECT_EQ(t(1, 2), 5);
    EXPECT_EQ(t(2, 2), 255);
    EXPECT_EQ(t(5, 2), 0);
}

TEST(StepLevels, copiesAndResizesKeepWideLevelsWithTheirSteps) {
    StepLevels t = smallTable();
    t(4, 2) = 2'550'000;
    t(2, 3) = 9;
    t.copyStep(2, 1);
    EXPECT_EQ(t(4, 1), 2'550'000);
    EXPECT_EQ(t.bytesPerLevel(1), 4);
    t.copyStep(3, 2); // a narrow step copied over a wide one
    EXPECT_EQ(t(4, 2), 0);
    EXPECT_EQ(t(2, 2), 9);
    EXPECT_EQ(t.bytesPerLevel(2), 1);
    t(4, 1) = 65536;

    t.resize(8, 40); // more channels and steps: levels stay where they were
    EXPECT_EQ(t(4, 1), 65536);
    EXPECT_EQ(t(8, 1), 0);
    EXPECT_EQ(t(8, 40), 0);
    EXPECT_EQ(t.bytesPerLevel(40), 1);
    t(8, 1) = 300;
    t.resize(4, 40); // channel 8 goes: its wide level no longer widens step 1
    EXPECT_EQ(t.bytesPerLevel(1), 4);
    t(4, 1) = 1;
    EXPECT_EQ(t.bytesPerLevel(1), 1) << "channel 8's 300 went with the channel";
    t(4, 1) = 70000;
    t.resize(3, 40); // the only wide level goes with its channel
    EXPECT_EQ(t.bytesPerLevel(1), 1);
    t.resize(3, 0); // steps beyond 0 go
    EXPECT_EQ(t.lastStep(), 0);
    t.fillZero();
    EXPECT_EQ(t(3, 0), 0);
    EXPECT_THROW(t.at(4, 0), std::out_of_range);
}

namespace {

class StepLevelEdits : public ::testing::Test {
protected:
    void SetUp() override {
        makeShow(1);
        frame().HiResTimer1().setInterval(50);
        frame().clkAddPlaybackControl(1, false, true, false);
        program(e(), 1, 4);
        for (int s = 1; s <= 4; ++s) own(e(), 1, s, levels[s - 1]);
    }
    PlaybackFrame& frame() { return playbackFrame(); }
    PlaybackEngine& e() { return *frame().playback(1); }
    std::vector<int32_t> stored() {
        std::vector<int32_t> v;
        for (int s = 1; s <= e().state.stepCount; ++s) v.push_back(e().state.stepValues(1, s));
        return v;
    }
    const std::vector<int32_t> levels = {10, 2'550'000, 300, 65535};
    TestShell t;
};

} // namespace

TEST_F(StepLevelEdits, insertAndDeleteMoveWideLevelsWithTheirSteps) {
    e().state.currentStep = 1;
    e().state.currentLevels[1] = 20;
    frame().insertscene(1, false); // before step 1
    EXPECT_EQ(stored(), (std::vector<int32_t>{20, 10, 2'550'000, 300, 65535}));
    EXPECT_EQ(e().state.stepValues.bytesPerLevel(1), 1);
    EXPECT_EQ(e().state.stepValues.bytesPerLevel(3), 4);
    e().state.currentStep = 3;
    e().clkDeleteScene_Click();
    EXPECT_EQ(stored(), (std::vector<int32_t>{20, 10, 300, 65535}));
    EXPECT_EQ(e().state.stepValues.bytesPerLevel(3), 2);
    EXPECT_EQ(e().state.stepValues(1, 5), 0) << "the step moved down from is emptied of owned levels";
    EXPECT_EQ(e().state.stepValues.bytesPerLevel(5), 1);
}

TEST_F(StepLevelEdits, growingAndClearingTheSequenceKeepsTheStoreConsistent) {
    int32_t steps = 200;
    e().setMaxSequenceSteps(steps);
    EXPECT_EQ(e().state.stepValues(1, 2), 2'550'000);
    EXPECT_EQ(e().state.stepValues(1, 4), 65535);
    e().clearLoadedSequence();
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(e().state.stepValues(1, s), 0) << s;
        EXPECT_EQ(e().state.stepValues.bytesPerLevel(s), 1) << s;
    }
}

TEST_F(StepLevelEdits, aSaveWritesWideLevelsAsFullAndLeavesThemInMemory) {
    shell().state.showFileName = QStringLiteral("C:\\Shows\\Club.YLC");
    fake<ShortcutsService, FakeShortcuts>();
    ASSERT_TRUE(sequenceFileIo::saveSequence(e(), true, 1, "0", 0, "wide"));
    const QString file = e().state.theSequenceFilename;
    // The file keeps one byte per level: what is wider is saved at full.
    const QByteArray f = readAll(file);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(uint8_t(f[rec(s)]), std::min(levels[size_t(s - 1)], 255)) << s;
    EXPECT_EQ(stored(), levels);

    frame().clkAddPlaybackControl(2, false, true, false);
    PlaybackEngine& loaded = *frame().playback(2);
    loaded.setMyPlayBackNumber(2);
    shell().state.channelOwner[1] = 0;
    ASSERT_TRUE(sequenceFileIo::loadSeqenceIntoMemory(loaded, file, 0));
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(loaded.state.stepValues(1, s), std::min(levels[size_t(s - 1)], 255)) << s;
        EXPECT_EQ(loaded.state.stepValues.bytesPerLevel(s), 1) << s;
    }
}

using engineTest::EngineTest;

TEST_F(EngineTest, recordingAtTheLowestDimmerAndGrandMasterKeepsTheWholeLevel) {
    load({{0, 0}});
    eng.state.currentStep = 1;
    struct Case { int32_t gm; int16_t dimmer; int32_t output; int32_t stored; int32_t bytes; };
    for (const Case c : {Case{1, 1, 255, 2'550'000, 4}, Case{1, 1, 1, 10'000, 2}, Case{50, 50, 255, 1020, 2},
                         Case{100, 100, 255, 255, 1}}) {
        grandMaster = c.gm;
        eng.state.sliderDimmer = c.dimmer;
        eng.state.intensityFactor = eng.computeIntensityFactor();
        m.channelOwner[engineTest::dim1] = 1;
        m.channelOutput[engineTest::dim1] = c.output;
        eng.updateCurrentSceneValues();
        EXPECT_EQ(eng.state.stepValues(engineTest::dim1, 1), c.stored) << c.gm << " " << c.dimmer;
        EXPECT_EQ(eng.state.stepValues.bytesPerLevel(1), c.bytes) << c.gm << " " << c.dimmer;
    }
}
