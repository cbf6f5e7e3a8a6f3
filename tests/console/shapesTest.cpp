#include "console/movementShapes.h"
#include "shell/shapeFile.h"
#include "console/consoleFakes.h"
#include "support/fakePlatform.h"
#include "profiles/ClsFixture.h"
#include "shell/services/effectsService.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Two moving heads of one three-channel profile (pan, tilt, dimmer) at 1 and 4.
struct ShapeDesk {
    TestShell ts;
    FakePlaybacks& pb = ts.get().provide<PlaybackService>(std::make_unique<FakePlaybacks>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    MovementShapes shapes;

    ShapeDesk() {
        ChannelModel& m = ts.get().state;
        m.resize(32);
        m.lightClass(1).ChannelsUsed = 3;
        m.fixtureCount = 2;
        for (int f = 1; f <= 2; ++f) {
            const int start = 1 + 3 * (f - 1);
            m.fixtureStartChannel[size_t(f)] = int16_t(start);
            m.fixtureLightClass[size_t(f)] = 1;
            m.fixturePanChannel[size_t(f)] = int16_t(start);
            m.fixtureTiltChannel[size_t(f)] = int16_t(start + 1);
            m.channelType[start] = QStringLiteral("pan");
            m.channelType[start + 1] = QStringLiteral("tilt");
            m.channelType[start + 2] = QStringLiteral("dimmer");
        }
        m.currentPlayback = 1;
        QDir(ts.folder()).mkpath(QStringLiteral("Shapes"));
    }
    QString shapePath(const QString& name) const { return ts.folder() + QStringLiteral("/Shapes/") + name + ".YSH"; }
    // Writes a shape of the given pan values with one tilt.
    QString writeShape(const QString& name, std::vector<int16_t> pans, int16_t tilt) {
        shapeFile::Shape s;
        for (int16_t p : pans) s.steps.push_back({p, tilt});
        s.shiftSteps = 3;
        s.groupSize = 7;
        writeWholeFile(shapePath(name), shapeFile::encode(s));
        return shapePath(name);
    }
};

TEST(ShapeFile, AFourStepShapeIsTwentyOneBytesLaidOutStepByStep) {
    ShapeDesk d;
    d.pb.steps[1] = 4;
    for (int s = 1; s <= 4; ++s) {
        d.pb.levels[{1, s, 1}] = 10 * s;
        d.pb.levels[{1, s, 2}] = 50;
    }
    d.sel.selected = {1};
    d.shapes.dmxPilotShiftSteps = 9;
    d.shapes.dmxPilotGroupSize = 0x0102;
    ASSERT_TRUE(d.shapes.saveCurrentShapeFunction(QStringLiteral("circle")));
    const QByteArray expected = QByteArray::fromHex("0400" "0a003200" "14003200" "1e003200" "28003200" "09" "0201");
    EXPECT_EQ(readWholeFile(d.shapePath("circle")), expected);
    EXPECT_FALSE(d.ts.get().state.sequenceChanged);
}

TEST(ShapeFile, DamagedFilesAreRefusedWithAMessageAndChangeNothing) {
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"no steps", QByteArray::fromHex("0000" "00" "0000")},
        {"negative count", QByteArray::fromHex("ffff" "00" "0000")},
        {"count larger than the file", QByteArray::fromHex("0900" "0a003200" "00" "0000")},
        {"trailing bytes", QByteArray::fromHex("0100" "0a003200" "00" "0000" "ff")},
        {"cut short", QByteArray::fromHex("0100" "0a0032")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShapeDesk d;
        d.pb.steps[1] = 2;
        d.pb.levels[{1, 1, 1}] = 77;
        d.sel.selected = {1};
        d.shapes.dmxPilotShiftSteps = 5;
        writeWholeFile(d.shapePath("bad"), c.bytes);
        EXPECT_FALSE(d.shapes.ShapeGenerator(false, d.shapePath("bad"), 0, 0, 0, 0));
        ASSERT_EQ(d.ts.prompts().messages.size(), 1);
        EXPECT_TRUE(d.ts.prompts().messages[0].startsWith("Shape Generator:"));
        EXPECT_EQ(d.pb.steps[1], 2);
        EXPECT_EQ(d.pb.levels.size(), 1u);
        EXPECT_EQ(d.shapes.dmxPilotShiftSteps, 5);
    }
}

TEST(ShapeFile, CodecRoundTripsASoundShape) {
    shapeFile::Shape s;
    s.steps = {{0, 255}, {127, 128}, {255, 0}};
    s.shiftSteps = 200;
    s.groupSize = -3;
    shapeFile::Shape back;
    ASSERT_TRUE(shapeFile::decode(shapeFile::encode(s), back));
    ASSERT_EQ(back.steps.size(), 3u);
    EXPECT_EQ(back.steps[1].pan, 127);
    EXPECT_EQ(back.steps[2].tilt, 0);
    EXPECT_EQ(back.shiftSteps, 200);
    EXPECT_EQ(back.groupSize, -3);
}

TEST(ShapeLoad, WithoutSizeAStoppedPlaybackMovesEachFixtureAroundItsLivePositionClamped) {
    ShapeDesk d;
    const QString path = d.writeShape("s", {10, 20, 30, 40}, 50);
    ChannelModel& m = d.ts.get().state;
    m.channelOutput[1] = 200; // fixture 1 pan
    m.channelOutput[2] = 100;
    m.channelOutput[4] = 60;  // fixture 2 pan: 60 + (10 - 127) < 0
    m.channelOutput[5] = 250;
    d.sel.selected = {1, 2};
    ASSERT_TRUE(d.shapes.ShapeGenerator(false, path, 0, 0, 0, 0));
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(1, 1, 1), 200 + 10 - 127);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(2, 1, 1), 100 + 50 - 127);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(4, 1, 1), 0);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(4, 4, 1), 0);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(5, 3, 1), 250 + 50 - 127);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(1, 4, 1), 200 + 40 - 127);
    EXPECT_EQ(d.shapes.dmxPilotShiftSteps, 3);
    EXPECT_EQ(d.shapes.dmxPilotGroupSize, 7);
    EXPECT_EQ(d.pb.steps[1], 4);
}

TEST(ShapeLoad, ARunningPlaybackTakesTheStoredValues) {
    ShapeDesk d;
    const QString path = d.writeShape("s", {10, 20}, 50);
    d.pb.runningSet = {1};
    d.sel.selected = {2};
    ASSERT_TRUE(d.shapes.ShapeGenerator(false, path, 0, 0, 0, 0));
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(4, 2, 1), 20);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(5, 2, 1), 50);
    EXPECT_EQ(d.pb.sendChaserValueFromPlayback(1, 2, 1), 0); // not selected
}

TEST(ShapeLoad, ScaleAndCentreTable) {
    const struct {
        int32_t size, cx, cy;
        int16_t pan, tilt;
        int32_t wantPan, wantTilt;
    } cases[] = {
        {255, 128, 128, 10, 50, 11, 51},        // full size around (128, 128): p + 1, t + 1
        {255, 128, 128, 255, 0, 255, 1},        // 256 clamps to 255
        {0, 128, 128, 127, 127, 128, 128},      // one size below 1 still scales: centre only
        {51, 100, 20, 0, 0, 100 - 25, 0},       // 51/255 * -127 = -25.4; tilt at full size below 0
        {255, 10, 10, 0, 0, 0, 0},              // below 0 clamps to 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wantPan);
        ShapeDesk d;
        const QString path = d.writeShape("s", {c.pan}, c.tilt);
        d.sel.selected = {1};
        ASSERT_TRUE(d.shapes.ShapeGenerator(false, path, c.size, 255, c.cx, c.cy));
        if (c.size == 0) {
            EXPECT_EQ(d.pb.sendChaserValueFromPlayback(1, 1, 1), c.cx);
        } else {
            EXPECT_EQ(d.pb.sendChaserValueFromPlayback(1, 1, 1), c.wantPan);
            EXPECT_EQ(d.pb.sendChaserValueFromPlayback(2, 1, 1), c.wantTilt);
        }
    }
}

TEST(ShapeLoad, AppendWritesAfterTheLastStepAndReplaceFromStepOne) {
    for (bool append : {true, false}) {
        SCOPED_TRACE(append);
        ShapeDesk d;
        d.pb.steps[1] = 6;
        for (int s = 1; s <= 6; ++s) d.pb.levels[{1, s, 1}] = 99;
        const QString path = d.writeShape("s", {10, 20, 30, 40}, 50);
        d.pb.runningSet = {1};
        d.sel.selected = {1};
        ASSERT_TRUE(d.shapes.ShapeGenerator(append, path, 0, 0, 0, 0));
        const int first = append ? 7 : 1;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(d.pb.sendChaserValueFromPlayback(1, first + k, 1), 10 * (k + 1));
        EXPECT_EQ(d.pb.steps[1], append ? 10 : 4);
        EXPECT_EQ(d.pb.sendChaserValueFromPlayback(1, append ? 6 : 5, 1), 99);
        EXPECT_TRUE(d.pb.calls.contains("SendMefadeTimeFromMain(1,1)"));
    }
}

TEST(ShapeLoad, AReplacingLoadFillsTheOwnedDimmerFromLiveOrStepOne) {
    ShapeDesk d;
    ChannelModel& m = d.ts.get().state;
    d.pb.steps[1] = 2;
    m.channelOwner[3] = 1;
    m.channelOutput[3] = 180;
    const QString path = d.writeShape("s", {10, 20, 30}, 50);
    d.sel.selected = {1};
    ASSERT_TRUE(d.shapes.ShapeGenerator(false, path, 0, 0, 0, 0));
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(d.pb.sendChaserValueFromPlayback(3, s, 1), 180);
}

TEST(ShapeLoad, NoSelectionOrNoFileIsRefused) {
    ShapeDesk d;
    const QString path = d.writeShape("s", {10}, 50);
    EXPECT_FALSE(d.shapes.ShapeGenerator(false, path, 0, 0, 0, 0));
    EXPECT_EQ(d.ts.prompts().messages.value(0),
              " No fixtures are Selected,Please select Fixtures Using the Fixture List");
    d.sel.selected = {1};
    EXPECT_FALSE(d.shapes.ShapeGenerator(false, d.shapePath("missing"), 0, 0, 0, 0));
    EXPECT_TRUE(d.ts.prompts().messages.value(1).startsWith("Shape Generator:"));
    EXPECT_TRUE(d.pb.levels.empty());
}

TEST(ShapeSave, ACancelledDialogOrANameWithAFolderWritesNothing) {
    ShapeDesk d;
    d.sel.selected = {1};
    EXPECT_FALSE(d.shapes.saveCurrentShapeFunction(QStringLiteral("  ")));
    EXPECT_FALSE(d.shapes.saveCurrentShapeFunction(QStringLiteral("..\\evil")));
    EXPECT_TRUE(QDir(d.ts.folder() + "/Shapes").entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(d.ts.folder() + "/evil.YSH"));
}

// The browser's previews are redrawn after a shape is written, and only then.
TEST(ShapeSave, AWrittenShapeHasThePreviewPicturesRedrawn) {
    struct CountingEffects : EffectsService {
        int redrawn = 0;
        void updateShapePictures() override { ++redrawn; }
    };
    ShapeDesk d;
    auto& effects = d.ts.get().provide<EffectsService>(std::make_unique<CountingEffects>());
    d.pb.steps[1] = 2;
    d.sel.selected = {1};
    ASSERT_TRUE(d.shapes.saveCurrentShapeFunction(QStringLiteral("swing")));
    EXPECT_EQ(effects.redrawn, 1);
    EXPECT_FALSE(d.shapes.saveCurrentShapeFunction(QStringLiteral("..\\evil")));
    EXPECT_EQ(effects.redrawn, 1);
}

} // namespace
