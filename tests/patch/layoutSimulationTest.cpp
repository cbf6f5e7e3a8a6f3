// The live simulation: what the icons show for the output levels, and how a
// bad patch is survived without a box from inside the timer.
#include "patch/layoutEngine.h"
#include "layoutRig.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct LayoutSimulation : ::testing::Test {
    TestShell t;
    LayoutEngine& layout = layoutEngine();
    ChannelModel& m = shell().state;
    int profile = 0;
    void SetUp() override {
        // dimmer, colour wheel, gobo wheel, shutter
        profile = layoutRig::addProfile(QStringLiteral("Spot"), {QStringLiteral("dimmer"), QStringLiteral("color"),
                                                                 QStringLiteral("gobo"), QStringLiteral("shutter")});
        ClsFixture& p = m.lightClass(profile);
        auto range = [&](int k, int channel, int from, int too, const char* label) {
            p.setFrom(k, channel + 1, int16_t(from));
            p.setToo(k, channel + 1, int16_t(too));
            p.setProperties(k, channel + 1, QString::fromLatin1(label));
        };
        range(1, 2, 0, 9, "Red");
        range(2, 2, 10, 19, "16711680");
        range(3, 2, 20, 29, "65280");
        range(1, 3, 0, 99, "gobo1.bmp");
        range(2, 3, 50, 149, "gobo2.bmp");
    }
    void layoutRig(int fixtures) {
        for (int i = 0; i < fixtures; ++i) ::layoutRig::addFixture(profile, 1 + 4 * i, 1000 + 1500 * i, 0);
        layout.layoutWholeShow();
    }
    void pass() { layout.Simulation_timer_Timer(); }
    void writeGobo(const QString& name) {
        QDir(t.folder()).mkpath(QStringLiteral("Images"));
        QFile f(t.folder() + QStringLiteral("/Images/") + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(LayoutSimulation, DimmerShowsItsPercentageOnGrey) {
    layoutRig(1);
    struct Case { int level; const char* text; };
    for (const Case& c : {Case{128, "50%"}, Case{255, "100%"}, Case{0, "0%"}}) {
        m.channelOutput[1] = c.level;
        m.channelOutput[4] = 255; // shutter open
        pass();
        EXPECT_EQ(layout.icon(1)->dimmerCaption, QString::fromLatin1(c.text));
        EXPECT_EQ(layout.icon(1)->dimmerValue, c.level);
    }
}

TEST_F(LayoutSimulation, ChannelsAtZeroAfterStartCountAsUnchanged) {
    layoutRig(1);
    pass();
    EXPECT_FALSE(layout.icon(1)->parts[FixtureIcon::lblIntensity].visible);
    EXPECT_EQ(layout.icon(1)->dimmerCaption, QStringLiteral("0"));
}

TEST_F(LayoutSimulation, ColourWheelLabelsThatAreNumbersColourTheSwatch) {
    layoutRig(1);
    m.channelOutput[4] = 255;
    struct Case { int level; int colour; };
    // "16711680" turns it blue; "Red" is not a number and leaves it; "65280" green.
    for (const Case& c : {Case{15, 16711680}, Case{5, 16711680}, Case{25, 65280}}) {
        m.channelOutput[2] = c.level;
        pass();
        EXPECT_EQ(layout.icon(1)->swatchColour, c.colour) << c.level;
    }
}

TEST_F(LayoutSimulation, ClosedShutterHidesTheGoboAndHoldsTheWheel) {
    writeGobo(QStringLiteral("gobo1.bmp"));
    layoutRig(1);
    m.channelOutput[3] = 10;   // gobo1
    m.channelOutput[4] = 0;    // shutter closed
    m.channelOutput[1] = 1;    // something changed so the pass looks
    pass();
    EXPECT_TRUE(layout.icon(1)->goboPath.endsWith(QStringLiteral("gobo1.bmp")));
    EXPECT_FALSE(layout.icon(1)->parts[FixtureIcon::imgGobo].visible);
    m.channelOutput[2] = 15;   // wheel to blue while closed: not painted
    pass();
    EXPECT_EQ(layout.icon(1)->swatchColour, 0);
    m.channelOutput[4] = 200;  // only the shutter opens
    pass();
    EXPECT_TRUE(layout.icon(1)->parts[FixtureIcon::imgGobo].visible);
    EXPECT_EQ(layout.icon(1)->swatchColour, 0);
}

TEST_F(LayoutSimulation, LaterOfOverlappingGoboRangesWins) {
    writeGobo(QStringLiteral("gobo1.bmp"));
    writeGobo(QStringLiteral("gobo2.bmp"));
    layoutRig(1);
    m.channelOutput[4] = 255;
    m.channelOutput[3] = 60; // in both 0..99 and 50..149
    pass();
    EXPECT_TRUE(layout.icon(1)->goboPath.endsWith(QStringLiteral("gobo2.bmp")));
    EXPECT_TRUE(layout.icon(1)->parts[FixtureIcon::imgGobo].visible);
    m.channelOutput[3] = 120; // only in the second; a missing picture hides it
    QFile::remove(t.folder() + QStringLiteral("/Images/gobo2.bmp"));
    pass();
    EXPECT_TRUE(layout.icon(1)->goboPath.isEmpty());
    EXPECT_FALSE(layout.icon(1)->parts[FixtureIcon::imgGobo].visible);
}

TEST_F(LayoutSimulation, OnlyChangedIconsAreMarkedForRepaint) {
    layoutRig(3);
    layout.dirtyIcons.clear();
    for (int i = 1; i < layout.iconCount(); ++i) layout.icon(i)->dirty = false;
    m.channelOutput[5] = 128; // fixture 2's dimmer
    pass();
    EXPECT_EQ(layout.dirtyIcons, std::vector<int32_t>{2});
    EXPECT_EQ(m.channelLastSimulated[5], 128);
}

TEST_F(LayoutSimulation, FixtureWithoutProfileEndsThePassAndStopsDragging) {
    layoutRig(5);
    m.fixtureLightClass[3] = 0;
    m.channelOutput[13] = 128; // fixture 4's dimmer
    layout.mouseIsDown = true;
    pass();
    EXPECT_NE(layout.icon(4)->dimmerCaption, QStringLiteral("50%"));
    EXPECT_EQ(m.channelLastSimulated[13], 0);
    EXPECT_EQ(layout.pressTicks, 0);
    m.fixtureLightClass[3] = int16_t(profile);
    pass();
    EXPECT_EQ(layout.icon(4)->dimmerCaption, QStringLiteral("50%"));
    EXPECT_EQ(layout.pressTicks, 1);
}

TEST_F(LayoutSimulation, MixedColourBeyondTheLastChannelIsSkippedWithoutABox) {
    // An RGB fixture on the very last channel: its mixed colour entry lies
    // one past the arrays. The pass skips it, paints the others and completes.
    const int rgb = layoutRig::addProfile(QStringLiteral("Pixel"), {QStringLiteral("red")});
    ::layoutRig::addFixture(profile, 1, 1000, 0);
    ::layoutRig::addFixture(rgb, 512, 3000, 0);
    layout.layoutWholeShow();
    ASSERT_TRUE(m.fixtureIsColourMixer[2]);
    m.channelMixedColour[512] = QStringLiteral("255");
    m.channelOutput[1] = 128;
    m.channelOutput[512] = 200;
    for (int i = 0; i < 3; ++i) pass();
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    EXPECT_EQ(layout.icon(1)->dimmerCaption, QStringLiteral("50%"));
    EXPECT_EQ(m.channelLastSimulated[512], 200);
}

TEST_F(LayoutSimulation, MixedColourIsReadAtStartPlusTheRedRole) {
    const int rgb = layoutRig::addProfile(QStringLiteral("Par"), {QStringLiteral("red"), QStringLiteral("green"),
                                                                  QStringLiteral("blue")});
    ::layoutRig::addFixture(rgb, 10, 1000, 0);
    layout.layoutWholeShow();
    m.channelMixedColour[11] = QStringLiteral("65535");
    pass();
    EXPECT_EQ(layout.icon(1)->swatchColour, 65535);
}

TEST_F(LayoutSimulation, ShownMatrixPaintsItsPixelsAndLeavesTheirIcons) {
    const int rgb = layoutRig::addProfile(QStringLiteral("Pixel"), {QStringLiteral("red"), QStringLiteral("green"),
                                                                    QStringLiteral("blue")});
    for (int col = 1; col <= 2; ++col) {
        const int f = ::layoutRig::addFixture(rgb, 1 + 3 * (col - 1), 0, 0, QStringLiteral("Wall"));
        m.fixtureMatrixMarker[f] = QStringLiteral("YesMatrix");
        m.fixtureMatrixName[f] = QStringLiteral("Wall");
        m.fixtureMatrixColumn[size_t(f)] = col;
        m.fixtureMatrixRow[size_t(f)] = 1;
    }
    layout.windowWidth = 7425;
    layout.layoutWholeShow();
    m.channelMixedColour[5] = QStringLiteral("255");
    pass();
    EXPECT_TRUE(layout.matrixCells.empty()); // not the shown view
    layout.changeFixtureLayer(QStringLiteral("Wall"));
    pass();
    ASSERT_EQ(layout.matrixCells.size(), 2u);
    EXPECT_EQ(layout.matrixCells[1].colour, 255);
    EXPECT_EQ(layout.icon(2)->swatchColour, 0);
}

} // namespace
