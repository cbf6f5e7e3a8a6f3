// The Advanced FX Tool's engine: shapes and waves written into the current
// playback, the two-value chase, the step shifts, rotation, resize, the
// fields' spinners and the properties dialog, on a small desk of fixtures.

#include "console/consoleFakes.h"
#include "effects/effectWrites.h"
#include "effects/shapeGenerator.h"
#include "profiles/ClsFixture.h"
#include "shell/services/consoleService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct RecordingConsole : ConsoleService {
    std::vector<int32_t> played;
    void play(int32_t playback, bool) override { played.push_back(playback); }
};

struct VisibleTool : ShapeGeneratorView {
    int refreshes = 0;
    void fieldsChanged() override {}
    void refreshShape() override { ++refreshes; }
    bool visible() override { return true; }
    void dialogChanged() override {}
};

// Fixtures 1..4: moving heads (pan, tilt, dimmer) at 1, 4, 7, 10 of profile 1;
// fixture 5: an RGB fixture (red, green, blue) at 13; fixture 6: CMY at 16;
// fixture 7: a dimmer alone at 19 (profile 4).
struct Desk {
    TestShell ts;
    FakePlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<FakePlaybacks>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    RecordingConsole& console = ts.get().provide<ConsoleService>(std::make_unique<RecordingConsole>());
    ShapeGenerator& g = ts.get().engine<ShapeGenerator>();
    ChannelModel& m = ts.get().state;

    Desk() {
        m.resize(32);
        m.lightClassCount = 4;
        setProfile(1, {"pan", "tilt", "dimmer"});
        setProfile(2, {"red", "green", "blue"});
        setProfile(3, {"cyan", "magenta", "yellow"});
        setProfile(4, {"dimmer"});
        ClsFixture& head = m.lightClass(1);
        head.setProperties(1, 4, QStringLiteral("Closed"));
        head.setFrom(1, 4, 10);
        head.setProperties(2, 4, QStringLiteral("Open"));
        head.setFrom(2, 4, 200);
        for (int f = 1; f <= 4; ++f) place(f, 1, 1 + 3 * (f - 1));
        place(5, 2, 13);
        place(6, 3, 16);
        place(7, 4, 19);
        m.fixtureCount = 7;
        m.currentPlayback = 1;
        pb.documents = 2;
    }
    void setProfile(int k, std::vector<const char*> types) {
        ClsFixture& p = m.lightClass(k);
        p.ChannelsUsed = int16_t(types.size());
        for (size_t c = 0; c < types.size(); ++c) p.setChannel_prop(int(c) + 1, QLatin1String(types[c]));
    }
    void place(int f, int profile, int start) {
        m.fixtureStartChannel[size_t(f)] = int16_t(start);
        m.fixtureLightClass[size_t(f)] = int16_t(profile);
        const ClsFixture& p = m.lightClass(profile);
        for (int c = 1; c <= p.ChannelsUsed; ++c) {
            m.channelType[start + c - 1] = p.Channel_prop(c);
            if (p.Channel_prop(c) == QStringLiteral("pan")) m.fixturePanChannel[size_t(f)] = int16_t(start + c - 1);
            if (p.Channel_prop(c) == QStringLiteral("tilt")) m.fixtureTiltChannel[size_t(f)] = int16_t(start + c - 1);
        }
    }
    int level(int step, int channel, int playback = 1) {
        auto it = pb.levels.find({playback, step, channel});
        return it == pb.levels.end() ? -1 : it->second;
    }
    std::vector<int> column(int channel, int steps) {
        std::vector<int> v;
        for (int s = 1; s <= steps; ++s) v.push_back(level(s, channel));
        return v;
    }
    void store(int channel, std::vector<int> values) {
        for (size_t s = 0; s < values.size(); ++s) pb.levels[{1, int(s) + 1, channel}] = values[s];
    }
};

using V = std::vector<int>;

} // namespace

TEST(ShapeMaths, AngleStepsOfBothWriters) {
    const struct {
        int steps, shape, wave;
    } cases[] = {{20, 18, 18}, {7, 51, 51}, {16, 22, 22}, {103, 4, 3}, {100, 4, 4},
                 {712, 1, 1},  {713, 0, 1}, {719, 0, 1},  {720, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        EXPECT_EQ(ShapeGenerator::shapeAngleStep(c.steps), c.shape);
        EXPECT_EQ(ShapeGenerator::waveAngleStep(c.steps), c.wave);
    }
}

TEST(ShapeMaths, CircleLineAndFigureEightAroundTheMiddle) {
    const struct {
        const char* name;
        int16_t mult, mult1;
        bool sine;
        int steps;
        V pan, tilt;
    } cases[] = {
        {"circle, 4 steps", 1, 1, false, 4, {27, 127, 227, 127}, {127, 27, 127, 227}},
        {"circle, 16 steps of 22 degrees", 1, 1, false, 16,
         {27, 34, 55, 86, 124, 161, 194, 217, 227, 222, 204, 174, 137, 99, 65, 40},
         {127, 90, 58, 36, 27, 33, 53, 83, 120, 158, 191, 215, 226, 223, 206, 177}},
        {"vertical line", 0, 1, true, 4, {127, 127, 127, 127}, {127, 27, 127, 227}},
        {"horizontal line (cosine)", 1, 0, false, 4, {27, 127, 227, 127}, {127, 127, 127, 127}},
        {"figure eight", 2, 1, true, 4, {127, 127, 127, 127}, {127, 27, 127, 227}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Desk d;
        d.pb.steps[1] = c.steps;
        d.sel.selected = {1, 2};
        d.g.useSine = c.sine;
        d.g.drawCircle(100, 100, c.mult, c.mult1, 1);
        EXPECT_EQ(d.column(1, c.steps), c.pan);
        EXPECT_EQ(d.column(2, c.steps), c.tilt);
        EXPECT_EQ(d.column(4, c.steps), c.pan); // the second head alike
        EXPECT_EQ(d.level(c.steps + 1, 1), -1);  // the closing point is not written
        EXPECT_EQ(d.pb.steps[1], c.steps);
        EXPECT_EQ(d.m.channelOwner[1], 1);
    }
}

TEST(ShapeMaths, SwingsFoldAtZeroAndAreCutAt255) {
    Desk d;
    d.pb.steps[1] = 4;
    d.sel.selected = {1};
    d.g.drawCircle(200, 0, 1, 1, 1);
    EXPECT_EQ(d.column(1, 4), (V{73, 127, 255, 127}));
}

TEST(ShapeMaths, CentreComesFromTheLiveLevelsOrTheRunningMovement) {
    Desk d;
    d.pb.steps[1] = 4;
    d.sel.selected = {1};
    d.m.channelOutput[1] = 100;
    d.m.channelOutput[2] = 50;
    d.g.drawCircle(10, 10, 1, 1, 1);
    EXPECT_EQ(d.column(1, 4), (V{90, 100, 110, 100}));
    EXPECT_EQ(d.column(2, 4), (V{50, 40, 50, 60}));

    // Running while the centre is dragged: the common centre stays.
    d.pb.runningSet.insert(1);
    d.g.movingCenter = true;
    d.g.setCenter(200, 200);
    d.g.drawCircle(10, 10, 1, 1, 1);
    EXPECT_EQ(d.column(1, 4), (V{190, 200, 210, 200}));
}

TEST(ShapeMaths, StepCountIsCutToOneTurnWhenTheAngleStepRoundsUp) {
    Desk d;
    d.pb.steps[1] = 100;
    d.sel.selected = {1};
    d.g.drawCircle(50, 50, 1, 1, 1);
    EXPECT_EQ(d.pb.steps[1], 90);
    EXPECT_NE(d.level(90, 1), -1);
    EXPECT_EQ(d.level(91, 1), -1);
    EXPECT_EQ(d.level(1, 1), 77);
    EXPECT_EQ(d.level(46, 1), 177); // 4 x 45 = 180 degrees
}

TEST(ShapeMaths, OtherChannelsKeepTheirLiveLevelsInEmptySteps) {
    Desk d;
    d.pb.steps[1] = 4;
    d.sel.selected = {1};
    d.m.channelOutput[3] = 180; // the dimmer, live and owned by this playback
    d.m.channelOwner[3] = 1;
    d.store(3, {0, 5, 0, 0});
    d.m.channelOutput[19] = 90; // an unselected fixture this playback drives
    d.m.channelOwner[19] = 1;
    d.m.channelOutput[16] = 70; // an unselected fixture of another playback
    d.m.channelOwner[16] = 2;
    d.g.drawCircle(100, 100, 1, 1, 1);
    EXPECT_EQ(d.column(3, 4), (V{180, 5, 180, 180}));
    EXPECT_EQ(d.column(19, 4), (V{90, 90, 90, 90}));
    EXPECT_EQ(d.column(16, 4), (V{-1, -1, -1, -1}));
}

TEST(ShapeMaths, ALockedChannelStaysItsOwnersEvenWhenTheOtherAxisIsFree) {
    Desk d;
    d.pb.steps[1] = 4;
    d.pb.priority[2] = 10;
    d.sel.selected = {1, 5};
    d.m.channelOwner[2] = 2;  // tilt of head 1
    d.m.channelOwner[14] = 2; // green of the RGB fixture
    d.g.drawCircle(100, 100, 1, 1, 1);
    EXPECT_EQ(d.column(1, 4), (V{27, 127, 227, 127}));
    EXPECT_EQ(d.column(2, 4), (V{-1, -1, -1, -1}));
    EXPECT_EQ(d.m.channelOwner[2], 2);

    d.g.createFX(255, 0, 1, 1, QStringLiteral("RGB"));
    EXPECT_EQ(d.column(14, 4), (V{-1, -1, -1, -1}));
    EXPECT_EQ(d.m.channelOwner[14], 2);
    EXPECT_EQ(d.column(13, 4), (V{255, 0, 255, 0}));
}

TEST(ChannelWave, RgbAndCmyDriveEveryColourChannelWithOneValue) {
    Desk d;
    d.pb.steps[1] = 4;
    d.pb.runningSet.insert(1);
    d.sel.selected = {5, 6};
    d.g.createFX(255, 0, 1, 1, QStringLiteral(" CMY "));
    for (int ch : {13, 14, 15, 16, 17, 18}) {
        SCOPED_TRACE(ch);
        EXPECT_EQ(d.column(ch, 4), (V{255, 0, 255, 0}));
        EXPECT_EQ(d.m.channelOwner[size_t(ch)], 1);
    }
    EXPECT_TRUE(d.ts.prompts().messages.empty());
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("SendMefadeTimeFromMain(1,1)")));
}

TEST(ChannelWave, NamedTypeSineWaveAndLevelsWithinRange) {
    Desk d;
    d.pb.steps[1] = 4;
    d.sel.selected = {1, 7};
    d.g.useSine = true;
    d.g.createFX(200, 50, 1, 1, QStringLiteral("dimmer"));
    EXPECT_EQ(d.column(3, 4), (V{50, 200, 50, 200}));
    EXPECT_EQ(d.column(19, 4), (V{50, 200, 50, 200}));
    EXPECT_EQ(d.column(1, 4), (V{-1, -1, -1, -1}));
    ASSERT_EQ(d.ts.prompts().messages.size(), 1u); // stopped playback: the advice
    EXPECT_TRUE(d.ts.prompts().messages[0].startsWith("For best results create sequence first"));

    // A low value above the high one stays a DMX level.
    d.g.useSine = false;
    d.g.createFX(100, 200, 1, 1, QStringLiteral("dimmer"));
    EXPECT_EQ(d.column(3, 4), (V{255, 200, 255, 200}));
}

TEST(TwoValueChase, BlocksRunFromTheLastFixtureToTheFirst) {
    Desk d;
    d.pb.steps[1] = 1;
    d.sel.selected = {1, 2, 3, 4};
    d.g.stepStart = 1;
    d.g.stepEnd = 4;
    d.g.setFX(QStringLiteral("dimmer"));
    ASSERT_EQ(d.g.fields.cmbValue1, (QStringList{"closed", "open"}));
    d.g.fields.cmbValue1Text = QStringLiteral("Open");
    d.g.highValueSlider(40); // the second list is now a number
    d.g.createChannelChase();
    EXPECT_EQ(d.pb.steps[1], 4);
    EXPECT_EQ(d.g.stepEnd, 4);
    EXPECT_EQ(d.column(3, 4), (V{40, 0, 0, 200}));  // fixture 1
    EXPECT_EQ(d.column(6, 4), (V{0, 0, 200, 40}));  // fixture 2
    EXPECT_EQ(d.column(9, 4), (V{0, 200, 40, 0}));  // fixture 3
    EXPECT_EQ(d.column(12, 4), (V{200, 40, 0, 0})); // fixture 4
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("play(1)")));
}

TEST(TwoValueChase, OneFixtureRepeatsValueOneAndAFixtureWithoutTheTypeIsLeftAlone) {
    Desk d;
    d.pb.steps[1] = 3;
    d.sel.selected = {1, 5};
    d.g.fields.cmbChannelListText = QStringLiteral("dimmer");
    d.g.lowValueSlider(120);
    d.g.highValueSlider(30);
    d.g.fields.Offsettxt = QStringLiteral("5"); // one group: no shift
    d.g.stepEnd = 3;
    d.m.channelOutput[13] = 60;
    d.m.channelOwner[13] = 1;
    d.g.createChannelChase();
    // Value 1, value 2, value 1, then the first group moves one step on.
    EXPECT_EQ(d.column(3, 3), (V{30, 120, 120}));
    EXPECT_EQ(d.column(13, 3), (V{60, 60, 60})); // only its present levels filled in
    EXPECT_EQ(d.column(14, 3), (V{-1, -1, -1}));
}

TEST(StepTools, ChannelStepShiftByFixtureGroups) {
    const struct {
        const char* offset;
        const char* shift;
        std::vector<V> expected;
    } cases[] = {
        {"1", "1", {{20, 30, 40, 10}, {30, 40, 10, 20}, {40, 10, 20, 30}, {10, 20, 30, 40}}},
        {"2", "1", {{20, 30, 40, 10}, {20, 30, 40, 10}, {30, 40, 10, 20}, {30, 40, 10, 20}}},
        {"1", "-1", {{20, 30, 40, 10}, {10, 20, 30, 40}, {40, 10, 20, 30}, {30, 40, 10, 20}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.offset) + " / " + c.shift);
        Desk d;
        d.pb.steps[1] = 4;
        d.sel.selected = {1, 2, 3, 4};
        for (int f = 0; f < 4; ++f) d.store(3 + 3 * f, {10, 20, 30, 40});
        d.g.stepStart = 1;
        d.g.stepEnd = 4;
        d.g.fields.Offsettxt = QLatin1String(c.offset);
        d.g.fields.ShiftTxt = QLatin1String(c.shift);
        d.g.newShiftShape(QStringLiteral("dimmer"));
        for (int f = 0; f < 4; ++f) EXPECT_EQ(d.column(3 + 3 * f, 4), c.expected[size_t(f)]) << "fixture " << f + 1;
        EXPECT_TRUE(d.ts.prompts().messages.empty());
    }
}

TEST(StepTools, ShiftsRefuseBadFieldsAndRangesWithAMessage) {
    const struct {
        const char* shift;
        int start, end;
    } cases[] = {{"x1", 1, 4}, {"1", 4, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shift);
        Desk d;
        d.pb.steps[1] = 4;
        d.sel.selected = {1, 2};
        d.store(3, {10, 20, 30, 40});
        d.g.fields.ShiftTxt = QLatin1String(c.shift);
        d.g.stepStart = c.start;
        d.g.stepEnd = c.end;
        d.g.newShiftShape(QStringLiteral("dimmer"));
        d.g.shiftMovementSteps(false, false, true);
        ASSERT_EQ(d.ts.prompts().messages.size(), 2u);
        EXPECT_TRUE(d.ts.prompts().messages[0].startsWith("General error"));
        EXPECT_TRUE(d.ts.prompts().messages[1].startsWith("Not all fixtures have pan and tilt channels "));
        EXPECT_EQ(d.column(6, 4), (V{-1, -1, -1, -1}));
    }
}

TEST(StepTools, MovementStepShiftOfTiltOnlySkipsFixturesWithoutPanAndTilt) {
    Desk d;
    d.pb.steps[1] = 4;
    d.sel.selected = {1, 2, 7};
    for (int f = 0; f < 2; ++f) {
        d.store(1 + 3 * f, {1, 2, 3, 4});
        d.store(2 + 3 * f, {10, 20, 30, 40});
    }
    d.g.stepStart = 1;
    d.g.stepEnd = 4;
    d.g.fields.movementOption = 1;
    d.g.movementStepShift();
    EXPECT_EQ(d.column(1, 4), (V{1, 2, 3, 4}));
    EXPECT_EQ(d.column(2, 4), (V{20, 30, 40, 10}));
    EXPECT_EQ(d.column(5, 4), (V{30, 40, 10, 20}));
    EXPECT_EQ(d.column(19, 4), (V{-1, -1, -1, -1}));
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("SendMefadeTimeFromMain(1,1)")));
}

TEST(StepTools, RotationByFixtureNumberAlsoWithMoreStepsThanChannels) {
    Desk d;
    const int steps = 40; // the show has 32 channels
    d.pb.steps[1] = steps;
    d.sel.selected = {1, 2};
    for (int s = 1; s <= steps; ++s) {
        d.pb.levels[{1, s, 1}] = 200;
        d.pb.levels[{1, s, 2}] = 128;
        d.pb.levels[{1, s, 4}] = 200;
        d.pb.levels[{1, s, 5}] = 128;
    }
    d.g.fields.Offsettxt = QStringLiteral("1");
    d.g.fields.RotateTXT = d.g.fields.RotateYTxt = QStringLiteral("90");
    d.g.rotateMovement();
    EXPECT_EQ(d.level(steps, 1), 200); // fixture 1 keeps its movement
    EXPECT_EQ(d.level(1, 4), 56);      // fixture 2 turned by 2 x 90 degrees
    EXPECT_EQ(d.level(steps, 4), 56);
    EXPECT_EQ(d.level(steps, 5), 128);
    EXPECT_TRUE(d.ts.prompts().messages.empty());

    d.g.fields.Offsettxt = QStringLiteral("one");
    d.g.rotateMovement();
    ASSERT_EQ(d.ts.prompts().messages.size(), 1u);
}

TEST(StepTools, ResizeAboutTheMiddle) {
    const struct {
        int size, option;
        V pan, tilt;
    } cases[] = {
        {100, 2, {227, 27, 127}, {250, 10, 127}},
        {50, 2, {177, 77, 127}, {188, 68, 127}}, // 188.5 and 68.5 round to even
        {200, 1, {227, 27, 127}, {255, 0, 127}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        Desk d;
        d.pb.steps[1] = 3;
        d.sel.selected = {1};
        d.store(1, {227, 27, 127});
        d.store(2, {250, 10, 127});
        d.store(3, {250, 10, 127});
        d.g.fields.ShapeSize = c.size;
        d.g.fields.sizeOption = c.option;
        d.g.releaseShapeSize();
        EXPECT_EQ(d.column(1, 3), c.pan);
        EXPECT_EQ(d.column(2, 3), c.tilt);
        EXPECT_EQ(d.column(3, 3), (V{250, 10, 127})); // the dimmer is no axis
    }
}

TEST(FxTool, SpinnersKeepTheirLimits) {
    using S = ShapeGenerator::Spinner;
    const struct {
        S spinner;
        bool up;
        const char* before;
        const char* after;
    } cases[] = {
        {S::UpDown1, true, "12", "1"},  {S::UpDown1, false, "12", "1"}, {S::UpDown1, false, "1", "0"},
        {S::UpDown1, false, "0", "0"},  {S::UpDown1, true, "0", "1"},   {S::UpDown5, true, "15", "16"},
        {S::UpDown5, true, "16", "1"},  {S::UpDown5, false, "16", "1"}, {S::UpDown5, false, "-15", "-16"},
        {S::UpDown5, false, "-16", "-16"}, {S::UpDown5, true, "3x", "3x"}, {S::UpDown3, true, "355", "360"},
        {S::UpDown3, true, "360", "1"}, {S::UpDown3, false, "360", "1"}, {S::UpDown3, false, "0", "0"},
        {S::UpDown3, true, "0", "5"},   {S::UpDown3, true, "a", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + (c.up ? " up" : " down"));
        Desk d;
        d.m.fixtureCount = 12;
        d.pb.steps[1] = 16;
        QString& field = c.spinner == S::UpDown1 ? d.g.fields.Offsettxt
                         : c.spinner == S::UpDown5 ? d.g.fields.ShiftTxt
                                                   : d.g.fields.RotateTXT;
        field = QLatin1String(c.before);
        d.g.spin(c.spinner, c.up);
        EXPECT_EQ(field, QLatin1String(c.after));
        const bool moved = field != QLatin1String(c.before);
        if (moved && c.spinner == S::UpDown1) {
            EXPECT_EQ(d.g.fields.Offset2, field);
        }
        if (moved && c.spinner == S::UpDown3) {
            EXPECT_EQ(d.g.fields.RotateYTxt, field);
        }
    }
}

TEST(FxTool, StepRangeArrowsStayWithinThePlayback) {
    Desk d;
    d.pb.steps[1] = 3;
    d.g.activateForm();
    EXPECT_EQ(d.g.fields.toChText, QStringLiteral("3"));
    d.g.spin(ShapeGenerator::Spinner::UpdnEnd, true);
    EXPECT_EQ(d.g.stepEnd, 3);
    d.g.spin(ShapeGenerator::Spinner::UpdnStart, false);
    EXPECT_EQ(d.g.stepStart, 1);
    d.g.spin(ShapeGenerator::Spinner::UpdnStart, true);
    EXPECT_EQ(d.g.stepStart, 2);
    EXPECT_EQ(d.g.fields.fromChText, QStringLiteral("2"));
}

TEST(FxTool, ChannelListsOfferWhatEverySelectedFixtureHas) {
    Desk d;
    VisibleTool view;
    d.g.attachView(&view);
    d.sel.selected = {1, 7};
    d.g.getCHannelsForSelectedFixtures();
    EXPECT_EQ(d.g.fields.cmbChannelList, QStringList{"dimmer"});
    d.sel.selected = {1};
    d.g.setFX(QStringLiteral("dimmer"));
    d.g.getCHannelsForSelectedFixtures();
    EXPECT_EQ(d.g.fields.cmbChannelListText, QStringLiteral("dimmer"));
    EXPECT_EQ(d.g.fields.cmbChannelList, (QStringList{"pan", "tilt", "dimmer"}));
    EXPECT_EQ(d.g.fields.cmbValue1Text, QStringLiteral("closed"));
    EXPECT_EQ(d.g.fields.cmbValue2Text, QStringLiteral("open"));
    d.sel.selected.clear();
    d.g.getCHannelsForSelectedFixtures();
    EXPECT_TRUE(d.g.fields.cmbChannelList.isEmpty());
    EXPECT_TRUE(d.g.fields.cmbValue1.isEmpty());
    d.g.attachView(nullptr);

    EXPECT_EQ(ShapeGenerator::showChannelTypes(),
              (QStringList{"blue", "cyan", "dimmer", "green", "magenta", "pan", "red", "tilt", "yellow", "RGB", "CMY"}));
}

TEST(FxTool, CentresPickedOnTheFrameAndStoredPerFixture) {
    Desk d;
    d.g.pickCenter(0, 1299);
    EXPECT_EQ(d.g.shapeCenterX, 275);
    EXPECT_EQ(d.g.shapeCenterY, 128);
    d.g.pickCenter(2414, 0);
    EXPECT_EQ(d.g.shapeCenterX, 1);
    EXPECT_EQ(d.g.getLocalX(3), 0); // never stored
    d.sel.selected = {2};
    d.g.setCenterForAllSelected();
    EXPECT_EQ(d.g.getLocalX(1), 0);
    EXPECT_EQ(d.g.getLocalY(99), 0);
}

TEST(FxDialog, LoadSizesTheFigureAndWritesIt) {
    Desk d;
    d.pb.steps[1] = 7;
    d.sel.selected = {1};
    d.g.dialog();
    EXPECT_EQ(d.pb.steps[1], 20);
    d.g.setDialogSizeText(true, QStringLiteral("300"));
    EXPECT_EQ(d.g.dialogState().TxtSize, QStringLiteral("255"));
    d.g.setDialogSizeText(true, QStringLiteral("-4"));
    EXPECT_EQ(d.g.dialogState().TxtSize, QStringLiteral("255"));
    d.g.setDialogSlider(true, 200);
    d.g.setDialogSlider(false, 200);
    d.g.dialog().txtSteps = QStringLiteral("4");
    ASSERT_TRUE(d.g.makeShape(QStringLiteral("makeCircle")));
    EXPECT_EQ(d.column(1, 4), (V{27, 127, 227, 127}));
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("play(1)")));

    // Running: createShape writes without restarting; OK restarts and unloads.
    d.pb.calls.clear();
    d.g.createShape();
    EXPECT_FALSE(d.pb.calls.contains(QStringLiteral("play(1)")));
    EXPECT_TRUE(d.g.okButton());
    EXPECT_TRUE(d.pb.calls.contains(QStringLiteral("play(1)")));
    EXPECT_FALSE(d.g.dialogState().loaded);
}

TEST(FxDialog, TextThatIsNoNumberWritesNothing) {
    const struct {
        const char* steps;
        const char* size;
        int32_t mode;
    } cases[] = {{"2O", "128", 0}, {"", "128", 0}, {"4", "big", 0}, {"4", "128", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        Desk d;
        d.sel.selected = {1};
        d.g.dialog().myLoadMode = c.mode;
        d.g.dialog().txtSteps = QLatin1String(c.steps);
        d.g.dialog().TxtSize = QLatin1String(c.size);
        d.g.dialogUpDown(true);
        EXPECT_FALSE(d.g.okButton());
        EXPECT_TRUE(d.g.dialogState().loaded);
        EXPECT_EQ(d.level(1, 1), -1);
    }
}

TEST(FxDialog, WaveModeLabelsAndWritesTheChosenChannel) {
    Desk d;
    d.pb.steps[1] = 4;
    d.sel.selected = {7};
    d.g.fields.Combo1Text = QStringLiteral("dimmer");
    ASSERT_TRUE(d.g.fxWave(QStringLiteral("Sine Wave")));
    EXPECT_EQ(d.g.dialogState().lblX, QStringLiteral("Max Value"));
    EXPECT_EQ(d.g.dialogState().txtSize1, QStringLiteral("1"));
    EXPECT_EQ(d.g.dialogState().caption, QStringLiteral("FX Properties"));
    d.g.dialog().txtSteps = QStringLiteral("4");
    d.g.setDialogSlider(true, 201);
    EXPECT_TRUE(d.g.okButton());
    EXPECT_EQ(d.column(19, 4), (V{1, 201, 1, 201}));
}

TEST(FxTool, PreCalculatedShapesSetTheirMultipliers) {
    Desk d;
    d.pb.steps[1] = 20;
    ASSERT_TRUE(d.g.preCalculatedShape(QStringLiteral("PingPong")));
    EXPECT_EQ(d.g.dialogState().multiplyer, 7);
    EXPECT_TRUE(d.g.useSine);
    d.g.unloadDialog();
    d.pb.steps[1] = 15;
    d.g.preCalculatedShape(QStringLiteral("PingPong"));
    EXPECT_EQ(d.g.dialogState().multplyer1, 5);
    EXPECT_FALSE(d.g.preCalculatedShape(QStringLiteral("Square")));

    // The entry point draws from the seeded generator.
    std::vector<std::pair<int, int>> draws;
    for (int round = 0; round < 2; ++round) {
        d.g.seedRandom(42);
        d.g.makeShape(QStringLiteral("makeRandom"));
        draws.push_back({d.g.dialogState().multiplyer, d.g.dialogState().multplyer1});
    }
    EXPECT_EQ(draws[0], draws[1]);
    for (int v : {draws[0].first, draws[0].second}) {
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 24);
    }
    // makeHorizontalLine keeps the wave of the shape made before.
    d.g.makeShape(QStringLiteral("makeCircle"));
    d.g.makeShape(QStringLiteral("makeHorizontalLine"));
    EXPECT_FALSE(d.g.useSine);
    d.g.makeShape(QStringLiteral("makeSine"));
    d.g.makeShape(QStringLiteral("makeHorizontalLine"));
    EXPECT_TRUE(d.g.useSine);
}
