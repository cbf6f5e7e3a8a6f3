// Fade arithmetic worked out by hand: levels move in single precision, are
// truncated, and only then scaled and rounded half to even. A fade computed
// in double precision, or rounded instead of truncated, shows different
// whole levels on the ticks below.

#include "engineFixture.h"

using namespace engineTest;

namespace {

class ArithmeticTest : public EngineTest {
protected:
    struct Expect { int tick; int32_t rising, falling, panLevel; };
    void checkTicks(const std::vector<Expect>& table) {
        int done = 0;
        for (const Expect& e : table) {
            ticks(e.tick - done);
            done = e.tick;
            EXPECT_EQ(out(dim1), e.rising) << "tick " << e.tick;
            EXPECT_EQ(out(dim2), e.falling) << "tick " << e.tick;
            EXPECT_EQ(out(pan), e.panLevel) << "tick " << e.tick;
        }
    }
};

// 33 ms gives 30 ticks a second; 100 levels over 30 ticks is 3.3333333 a
// tick in single precision. After 9 ticks the level is 30.000002 (not
// 29.99..), after 15 it is 49.999996 (not 50). Dimmer 50: intensity is the
// truncated level x 0.5, halves to even (3 -> 2, 69 -> 34, 49 -> 24).
TEST_F(ArithmeticTest, SinglePrecisionLevelsTruncatedThenScaled) {
    interval = 33;
    load({{0, 100, 0}, {100, 0, 100}}, 1.0f, 1.0f);
    eng.changeDimmerValue(50);
    startStep(1, 2);
    ASSERT_FLOAT_EQ(eng.state.fadeUpTicks, 30.0f);
    checkTicks({
        {1, 2, 48, 3},    // 3.33 -> 3 -> 1.5 -> 2; 96.67 -> 96 -> 48
        {9, 15, 34, 30},  // 30.000002 -> 30; 69.99998 -> 69 -> 34.5 -> 34
        {15, 24, 24, 49}, // 49.999996 -> 49 -> 24.5 -> 24 both ways
        {29, 48, 2, 96},  // 96.67 -> 96; 3.33 -> 3 -> 1.5 -> 2
        {30, 50, 0, 100}, // arrived: the targets, scaled
    });
    EXPECT_EQ(eng.state.currentStep, 2);
}

// 0.33 s at 20 ticks a second is 6.6000004 ticks: the channels move on six
// ticks by 66 / 6.6000004 = 9.999999 and arrive on the seventh, so every
// whole level on the way is one below the "round" value.
TEST_F(ArithmeticTest, FractionalTickCountsAndTruncation) {
    load({{0, 66, 0}, {66, 0, 66}}, 0.33f, 0.33f);
    eng.changeDimmerValue(50);
    startStep(1, 2);
    checkTicks({
        {1, 4, 28, 9},   // 9.999999 -> 9 -> 4.5 -> 4; 56.000001 -> 56 -> 28
        {2, 10, 23, 19}, // 19.999998 -> 19 -> 9.5 -> 10; 46.000002 -> 46 -> 23
        {6, 30, 3, 59},  // 59.999996 -> 59 -> 29.5 -> 30; 6.000004 -> 6 -> 3
    });
    EXPECT_EQ(eng.state.currentStep, 1);
    ticks(1); // the seventh: arrived
    EXPECT_EQ(out(dim1), 33);
    EXPECT_EQ(out(dim2), 0);
    EXPECT_EQ(out(pan), 66);
    EXPECT_EQ(eng.state.currentStep, 2);
}

// A show that loses channels while a step fades: the tick keeps to the
// channels that remain.
TEST_F(ArithmeticTest, ShrunkShowKeepsTheTickInsideTheTables) {
    m.resize(1024);
    eng.ensureChannelCapacity();
    m.channelType[900] = QStringLiteral("dimmer");
    m.channelFades[900] = 1;
    load({{0}, {200}}, 1.0f, 1.0f);
    eng.state.stepValues(900, 2) = 200;
    m.channelOwner[900] = 1;
    startStep(1, 2);
    m.resize(512);
    ticks(10);
    EXPECT_EQ(out(dim1), 100);
    EXPECT_EQ(eng.state.channelSlots(), 512);
}

} // namespace
