// The tick-by-tick work of a playback: timing phases, fades, scaling of
// intensity channels, fine pan and tilt, saturation of the output.

#include "engineFixture.h"

#include <QDir>
#include <QFile>
#include <limits>

using namespace engineTest;

namespace {

class FadeTest : public EngineTest {};

TEST_F(FadeTest, TicksPerSecondRoundsHalfToEven) {
    struct Case { int32_t interval, tps; };
    for (const Case c : {Case{50, 20}, Case{33, 30}, Case{40, 25}, Case{45, 22}, Case{125, 8}}) {
        interval = c.interval;
        load({{0}});
        eng.calculateStepFadeValues();
        EXPECT_EQ(eng.state.ticksPerSecond, c.tps) << c.interval;
    }
}

// 2 s at 50 ms: 40 ticks; the rising channel moves by 255/40 = 6.375 per
// tick, is written truncated, and sits at its target on the 40th tick, when
// the step ends.
TEST_F(FadeTest, FadeUpOverFortyTicksArrivesOnTheFortieth) {
    load({{0, 0, 0}, {255, 0, 255}}, 2.0f, 2.0f);
    eng.state.currentStep = 1;
    eng.state.nextStep = 2;
    eng.calculateStepFadeValues();
    EXPECT_FLOAT_EQ(eng.state.fadeUpTicks, 40.0f);
    eng.state.isRunning = true;

    const std::vector<std::pair<int, int32_t>> expected = {{1, 6}, {2, 12}, {3, 19}, {20, 127}, {39, 248}, {40, 255}};
    int done = 0;
    for (const auto& [tick, level] : expected) {
        ticks(tick - done);
        done = tick;
        EXPECT_EQ(out(dim1), level) << "tick " << tick;
        EXPECT_EQ(out(pan), level) << "tick " << tick;
        if (tick < 40) { EXPECT_EQ(eng.state.currentStep, 1) << "tick " << tick; }
    }
    EXPECT_EQ(eng.state.currentStep, 2); // the step ended on tick 40
}

TEST_F(FadeTest, ZeroFadeTimesLastOneSecondAndFollowHoldsFirst) {
    load({{0}, {200}}, 0.0f, 0.0f);
    eng.state.followTimes[1] = 1.0f;
    eng.state.currentStep = 1;
    eng.state.nextStep = 2;
    eng.calculateStepFadeValues();
    EXPECT_FLOAT_EQ(eng.state.fadeUpTicks, 20.0f);
    EXPECT_FLOAT_EQ(eng.state.fadeDownTicks, 20.0f);
    eng.state.isRunning = true;
    ticks(20); // the hold time: nothing moves
    EXPECT_EQ(out(dim1), 0);
    ticks(1);
    EXPECT_EQ(out(dim1), 10);
    ticks(18);
    EXPECT_EQ(out(dim1), 190);
    EXPECT_EQ(eng.state.currentStep, 1);
    ticks(1);
    EXPECT_EQ(out(dim1), 200);
    EXPECT_EQ(eng.state.currentStep, 2);
}

TEST_F(FadeTest, DelaysHoldEachDirectionSeparately) {
    // Channel 1 rises after a 0.5 s delay, channel 2 falls after none.
    load({{0, 200}, {200, 0}}, 1.0f, 1.0f);
    eng.state.delayUpTimes[1] = 0.5f;
    startStep(1, 2);
    ticks(10);
    EXPECT_EQ(out(dim1), 0);   // still in its delay
    EXPECT_EQ(out(dim2), 100); // 10 of 20 ticks down
    ticks(10);
    EXPECT_EQ(out(dim1), 100);
    EXPECT_EQ(out(dim2), 0);
    EXPECT_EQ(eng.state.currentStep, 1); // the rise is not over yet
    ticks(10);
    EXPECT_EQ(out(dim1), 200);
    EXPECT_EQ(eng.state.currentStep, 2);
}

TEST_F(FadeTest, WithoutSequenceTimesDelayAndFollowCountZero) {
    load({{0}, {200}}, 1.0f, 1.0f);
    eng.state.followTimes[1] = 5.0f;
    eng.state.delayUpTimes[1] = 5.0f;
    eng.state.useSequenceFadeTime = false;
    startStep(1, 2);
    ticks(1);
    EXPECT_EQ(out(dim1), 10);
}

// Dimmer 50, grand master 100, 8 ticks per step (125 ms, 1 s): intensity
// channels are written as their truncated level times 0.5, halves to even;
// pan is written unscaled.
TEST_F(FadeTest, IntensityScaledByDimmerAfterTruncation) {
    interval = 125;
    load({{0, 0, 0}, {203, 206, 206}}, 1.0f, 1.0f);
    eng.changeDimmerValue(50);
    startStep(1, 2);
    ticks(4);
    EXPECT_FLOAT_EQ(eng.state.currentLevels[dim1], 101.5f);
    EXPECT_EQ(out(dim1), 50); // 101 x 0.5 = 50.5
    EXPECT_EQ(out(dim2), 52); // 103 x 0.5 = 51.5
    EXPECT_EQ(out(pan), 103);
    ticks(4);
    EXPECT_EQ(out(dim1), 102); // 203 x 0.5 = 101.5
    EXPECT_EQ(out(dim2), 103);
    EXPECT_EQ(out(pan), 206);
}

TEST_F(FadeTest, GrandMasterScalesIntensityOnTheNextPass) {
    interval = 125;
    load({{0, 0, 0}, {200, 0, 200}}, 1.0f, 1.0f);
    grandMaster = 25;
    startStep(1, 2);
    ticks(8);
    EXPECT_EQ(out(dim1), 50);
    EXPECT_EQ(out(pan), 200);
}

TEST_F(FadeTest, FinePanFollowsFractionOfCoarseLevel) {
    interval = 125;
    m.fixtureCount = 1;
    m.fixturePanChannel[1] = pan;
    m.fixturePanFineChannel[1] = panFine;
    m.fixtureTiltChannel[1] = tilt;
    m.fixtureTiltFineChannel[1] = tiltFine;
    m.channelFades[panFine] = m.channelFades[tiltFine] = 0; // fine channels are derived only
    load({{0, 0, 0, 0}, {0, 0, 201, 200}}, 1.0f, 1.0f);
    m.channelOutput[tiltFine] = 77;
    startStep(1, 2);
    ticks(4);
    EXPECT_FLOAT_EQ(eng.state.currentLevels[pan], 100.5f);
    EXPECT_EQ(out(panFine), 128); // 100.5 x 255 = 25627.5 -> 25628 mod 255
    EXPECT_EQ(out(tiltFine), 77); // tilt at 100.0: 25500 mod 255 = 0 leaves it
}

TEST_F(FadeTest, ChannelOfAnotherPlaybackMovesButIsNotWritten) {
    load({{0, 0}, {200, 200}}, 1.0f, 1.0f);
    m.channelOwner[dim2] = 2;
    m.channelOutput[dim2] = 33;
    startStep(1, 2);
    ticks(10);
    EXPECT_EQ(out(dim1), 100);
    EXPECT_FLOAT_EQ(eng.state.currentLevels[dim2], 100.0f);
    EXPECT_EQ(out(dim2), 33);
}

TEST_F(FadeTest, HeldAndTouchedChannelsAreLeftAlone) {
    load({{0, 0, 0}, {200, 200, 200}}, 1.0f, 1.0f);
    m.channelHold[dim2] = 1;
    m.channelTouched[pan] = 1;
    m.channelOutput[dim2] = 9;
    m.channelOutput[pan] = 8;
    startStep(1, 2);
    ticks(20);
    EXPECT_EQ(out(dim1), 200);
    EXPECT_EQ(out(dim2), 9);
    EXPECT_EQ(out(pan), 8);
}

// Stored levels are not limited to 0..255 (a scene recorded at a low dimmer
// stores more); the output is.
TEST_F(FadeTest, OutputSaturatesWhileStoredLevelsStay) {
    load({{0, 0}, {400, 300}}, 1.0f, 1.0f);
    startStep(1, 2);
    ticks(20);
    EXPECT_EQ(out(dim1), 255);
    EXPECT_EQ(out(dim2), 255);
    EXPECT_EQ(eng.state.stepValues(dim1, 2), 400);
    for (int c = 1; c <= 8; ++c) EXPECT_LE(out(c), 255);
}

TEST_F(FadeTest, MotionfadeOffJumpsAtTheStepChange) {
    load({{0}, {200}}, 1.0f, 1.0f);
    eng.state.useMotionfade = false;
    startStep(1, 2);
    ticks(19);
    EXPECT_EQ(out(dim1), 0);
    ticks(1);
    EXPECT_EQ(out(dim1), 200);
}

TEST_F(FadeTest, ErrorInTheFadeIsLoggedNotShown) {
    load({{0}, {200}}, 1.0f, 1.0f);
    eng.state.theSequenceFilename = QStringLiteral("/show/Warm.YSQ");
    startStep(1, 2);
    eng.state.nextStep = 1000; // beyond the tables
    ticks(1);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    QFile log(QDir(t.folder()).filePath(QStringLiteral("fadeErrorLog.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString line = QString::fromLocal8Bit(log.readLine());
    EXPECT_TRUE(line.startsWith(QStringLiteral("1 ,/show/Warm.YSQ,"))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral(",100,VarnelDMX\n"))) << line.toStdString();
}

} // namespace

namespace {

class TickErrorTest : public engineTest::EngineTest {};

// A step advance that fails inside the tick stops the playback, is logged
// once and shows no modal box; Back outside the tick still shows it.
TEST_F(TickErrorTest, FailedAdvanceInTheTickNeverBlocks) {
    load({{0}, {200}}, 0.5f, 0.5f);
    startStep(1, 2);
    eng.state.nextScenes.resize(1); // tables out of step with each other
    ticks(30);
    EXPECT_FALSE(eng.state.isRunning);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    QFile log(QDir(t.folder()).filePath(QStringLiteral("fadeErrorLog.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    EXPECT_EQ(lines.size(), 2); // one line and the final line end
    EXPECT_TRUE(lines[0].contains("Error in Sequence Step, Sequence Data has an Error"));
}

TEST_F(TickErrorTest, RepeatedFadeErrorIsLoggedOnce) {
    load({{0}, {200}}, 1.0f, 1.0f);
    startStep(1, 2);
    eng.state.nextStep = 1000;
    ticks(10);
    QFile log(QDir(t.folder()).filePath(QStringLiteral("fadeErrorLog.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count('\n'), 1);
}

TEST_F(TickErrorTest, GrownShowIsPickedUpByTheTick) {
    load({{0}, {200}}, 1.0f, 1.0f);
    startStep(1, 2);
    m.resize(1024);
    ticks(20);
    EXPECT_EQ(out(dim1), 200);
    EXPECT_EQ(eng.state.channelSlots(), 1024);
    EXPECT_FALSE(QFile::exists(QDir(t.folder()).filePath(QStringLiteral("fadeErrorLog.txt"))));
}

} // namespace

namespace {

class DamagedTimesTest : public engineTest::EngineTest {};

// Times that are not numbers count as 0: the step fades over one second and
// ends instead of holding for ever.
TEST_F(DamagedTimesTest, NonFiniteTimesCountAsZero) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 3.0e38f};
    for (const float time : bad) {
        load({{0}, {200}}, time, time);
        eng.state.followTimes[1] = time;
        eng.state.delayUpTimes[1] = time;
        startStep(1, 2);
        ticks(20);
        EXPECT_EQ(eng.state.currentStep, 2) << time;
        EXPECT_EQ(out(dim1), 200) << time;
    }
}

} // namespace

namespace {

TEST(RoundingTest, HalvesToEvenAndTruncation) {
    struct Case { double value; int32_t expected; };
    for (const Case c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{50.5, 50}, Case{51.5, 52}, Case{-0.5, 0},
                         Case{-1.5, -2}, Case{76.50000304, 77}, Case{178.49999696, 178}, Case{1.0e12, 2147483647},
                         Case{-1.0e12, -2147483647 - 1}, Case{std::numeric_limits<double>::quiet_NaN(), 0}})
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
    EXPECT_EQ(PlaybackEngine::roundDown(12.7f), 12.0f);
    EXPECT_EQ(PlaybackEngine::roundDown(-0.5f), 0.0f);
    EXPECT_EQ(PlaybackEngine::roundDown(3.0f), 3.0f);
}

} // namespace
