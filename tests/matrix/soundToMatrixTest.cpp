// The sound-to-matrix renderer over fed spectra: the column levels, each
// drawing mode, the limits of the sensitivity and switching off.

#include "matrix/clsSoundToMatrix.h"
#include "matrixTestSupport.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

using namespace matrixTest;

namespace {

// Sensitivity giving the divisor 2.
const clsSoundToMatrix::Sensitivity divisorTwo{1000, 895};

struct Rig {
    TestShell t;
    clsSoundToMatrix r;
    ChannelModel& m() { return t.get().state; }
    explicit Rig(int32_t columns = 10, int32_t rows = 10, int32_t mode = 10) {
        makeShow(m(), 1);
        patchMatrix(m(), QStringLiteral("Stage"), columns, rows, 1);
        r.setMyMatixName(m(), QStringLiteral("Stage"));
        r.setMode(mode);
        r.setFrontColor(255);
        r.setBackColor(16711680);
        r.setIsActive(m(), true);
    }
    // The red, green and blue levels of the pixel at 1-based column and row.
    std::array<int32_t, 3> pixel(int32_t column, int32_t row) {
        const int32_t start = 1 + 4 * ((row - 1) * r.matrixWidth() + column - 1);
        return {m().channelOutput[size_t(start + 1)], m().channelOutput[size_t(start + 2)],
                m().channelOutput[size_t(start + 3)]};
    }
};

using Levels = std::array<int32_t, 3>;
const Levels front{255, 0, 0}, back{0, 0, 255};

// A block whose element i is 40 x s^2 for the listed elements, so each adds s to its column.
std::vector<int32_t> spectrum(std::initializer_list<std::pair<int, int>> elements) {
    std::vector<int32_t> s(1024, 0);
    for (auto [i, v] : elements) s[size_t(i)] = 40 * v * v;
    return s;
}

std::vector<int32_t> uniform(int32_t v) { return std::vector<int32_t>(1024, 40 * v * v); }

} // namespace

TEST(SoundToMatrix, columnsSumTheirBandsOfTheSpectrum) {
    Rig rig;
    // Column 2 sums elements 30 and 82; column 3 starts at 82.
    rig.r.recieveAudioData(rig.m(), spectrum({{30, 3}, {82, 4}}), divisorTwo);
    const std::vector<int64_t>& L = rig.r.columnLevels();
    EXPECT_EQ(L[2], 4); // (3 + 4) / 2, a half going to the even neighbour
    EXPECT_EQ(L[3], 2);
    EXPECT_EQ(L[1] + L[4] + L[5] + L[10], 0);
    // Column 10 sums elements 446 and 498.
    Rig ten;
    ten.r.recieveAudioData(ten.m(), spectrum({{446, 6}, {498, 2}}), divisorTwo);
    EXPECT_EQ(ten.r.columnLevels()[10], 4);
    // Width 15: the two low columns share the ten lowest bins.
    Rig fifteen(15, 2);
    std::vector<int32_t> low(1024, 0);
    low[4] = 1900 * 16;
    fifteen.r.recieveAudioData(fifteen.m(), low, divisorTwo);
    EXPECT_EQ(fifteen.r.columnLevels()[1], 2);
    EXPECT_EQ(fifteen.r.columnLevels()[2], 2);
    EXPECT_EQ(fifteen.r.columnLevels()[3], 0);
}

TEST(SoundToMatrix, barsGrowFromTheBottomHangFromTheTopAndTakeZoneColours) {
    // Column 2 at level 4, column 3 at level 2.
    const auto block = spectrum({{30, 3}, {82, 4}});
    Rig normal(10, 10, 10);
    normal.r.recieveAudioData(normal.m(), block, divisorTwo);
    for (int32_t row = 1; row <= 10; ++row) {
        EXPECT_EQ(normal.pixel(2, row), row >= 8 ? front : back) << row;
        EXPECT_EQ(normal.pixel(3, row), row == 10 ? front : back) << row;
        EXPECT_EQ(normal.pixel(5, row), back) << row;
    }
    Rig upsideDown(10, 10, 11);
    upsideDown.r.recieveAudioData(upsideDown.m(), block, divisorTwo);
    for (int32_t row = 1; row <= 10; ++row) EXPECT_EQ(upsideDown.pixel(2, row), row <= 3 ? front : back) << row;

    Rig multi(10, 10, 9);
    multi.r.recieveAudioData(multi.m(), spectrum({{30, 20}}), divisorTwo); // column 2 at level 10
    const Levels green{0, 255, 0}, yellow{255, 255, 0}, red{255, 0, 0};
    const Levels expected[] = {back, red, red, red, yellow, yellow, yellow, green, green, green};
    for (int32_t row = 1; row <= 10; ++row) EXPECT_EQ(multi.pixel(2, row), expected[row - 1]) << row;
}

TEST(SoundToMatrix, frequencyModesLightPixelsByTheirColumnsLevel) {
    for (int32_t mode : {12, 13}) {
        Rig rig(10, 10, mode);
        rig.r.setFrontColor(255); // ignored in mode 12
        rig.r.recieveAudioData(rig.m(), uniform(0), divisorTwo);
        for (int32_t row = 1; row <= 10; ++row) EXPECT_EQ(rig.pixel(4, row)[2], 255) << mode << " silent: back";
        rig.r.recieveAudioData(rig.m(), uniform(40), divisorTwo);
        for (int32_t row = 1; row <= 10; ++row) EXPECT_EQ(rig.pixel(4, row)[2], 0) << mode << " loud: front";
    }
}

TEST(SoundToMatrix, flashesScaleTheFrontColourAndStayWithinALevel) {
    Rig rig(10, 10, 14);
    rig.r.setFrontColor(100 + 256 * 255);
    rig.m().channelOutput[2] = 77;
    rig.r.recieveAudioData(rig.m(), uniform(0), divisorTwo);
    EXPECT_EQ(rig.m().channelOutput[2], 77) << "an average of 1 or less writes nothing";
    // Columns 2..10 at 20, column 1 at 15: the average is 20, twice the colour.
    rig.r.recieveAudioData(rig.m(), uniform(20), divisorTwo);
    EXPECT_EQ(rig.pixel(7, 7), (Levels{200, 255, 0})) << "510 is limited to 255";
}

TEST(SoundToMatrix, randomColourModesKeepBlackForSixteenBlocksThenPickFromTheTable) {
    Rig rig(10, 10, 15);
    rig.r.setFrontColor(255);
    EXPECT_EQ(rig.r.frontColor(), 0);
    for (int i = 0; i < 16; ++i) rig.r.recieveAudioData(rig.m(), uniform(0), divisorTwo);
    EXPECT_EQ(rig.r.frontColor(), 0);
    bool fromTable = false;
    rig.r.recieveAudioData(rig.m(), uniform(0), divisorTwo);
    for (int32_t c : clsSoundToMatrix::colorTable) fromTable |= rig.r.frontColor() == c;
    EXPECT_TRUE(fromTable);
}

TEST(SoundToMatrix, levelMeterSpansTheWholeWidth) {
    Rig rig(10, 10, 16);
    rig.r.recieveAudioData(rig.m(), spectrum({{30, 20}}), divisorTwo); // sum 10: meter 2
    for (int32_t column = 1; column <= 10; ++column) {
        EXPECT_EQ(rig.pixel(column, 10), front) << column;
        EXPECT_EQ(rig.pixel(column, 9), back) << column;
    }
}

TEST(SoundToMatrix, theMostSensitiveSettingsStillSettleAndDecay) {
    for (const clsSoundToMatrix::Sensitivity s : {clsSoundToMatrix::Sensitivity{1000, 1000},
                                                  clsSoundToMatrix::Sensitivity{1000, 947}}) {
        Rig rig;
        std::vector<int32_t> loud(1024, std::numeric_limits<int32_t>::max());
        for (int i = 0; i < 200; ++i) rig.r.recieveAudioData(rig.m(), loud, s);
        for (int32_t c = 1; c <= 10; ++c) {
            EXPECT_GT(rig.r.columnLevels()[size_t(c)], 0);
            EXPECT_LT(rig.r.columnLevels()[size_t(c)], 1'000'000) << "settled, not overflowing";
        }
        for (int i = 0; i < 200; ++i) rig.r.recieveAudioData(rig.m(), uniform(0), s);
        for (int32_t c = 1; c <= 10; ++c) EXPECT_EQ(rig.r.columnLevels()[size_t(c)], 0) << "the bars fall again";
    }
}

TEST(SoundToMatrix, aShortSpectrumAndAMatrixWithoutPixelsDrawSafely) {
    Rig rig(40, 2);
    rig.r.recieveAudioData(rig.m(), std::vector<int32_t>(16, 40000), divisorTwo);
    EXPECT_EQ(rig.r.columnLevels()[40], 0);
    rig.r.setMyMatixName(rig.m(), QStringLiteral("Nowhere"));
    EXPECT_EQ(rig.r.matrixWidth(), 0);
    rig.r.recieveAudioData(rig.m(), uniform(40), divisorTwo);
}

TEST(SoundToMatrix, switchingOffDarkensOnlyTheMatrixsFreeChannelsOnce) {
    Rig rig(2, 2, 10);
    ChannelModel& m = rig.m();
    rig.r.recieveAudioData(m, uniform(40), divisorTwo);
    m.channelOutput[300] = 180;                // a fog machine elsewhere
    m.channelOwner[7] = 2;                     // pixel 2's green belongs to playback 2
    m.channelOutput[7] = 90;
    rig.r.setIsActive(m, false);
    EXPECT_EQ(rig.pixel(1, 1), (Levels{0, 0, 0}));
    EXPECT_EQ(m.channelOutput[300], 180);
    EXPECT_EQ(m.channelOutput[7], 90);
    m.channelOutput[2] = 50;
    rig.r.setIsActive(m, false); // already off: nothing cleared again
    EXPECT_EQ(m.channelOutput[2], 50);
}
