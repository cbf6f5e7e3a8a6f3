// Live recall of a preset onto the selected fixtures.

#include "presetDesk.h"

#include "platform/safeFile.h"
#include "presets/presetFile.h"

#include <gtest/gtest.h>

using namespace presetTest;

namespace {

// Fixture 1: a spot with a colour wheel (channels 1..4); 2: an RGB par
// (10..12); 3: a CMY wash (20..22); 4: an RGBW+amber par with three cells
// (30..43); 5: a white/amber strip (50..51), which the profiles count as an
// RGB fixture.
struct RecallDesk : Desk {
    RecallDesk() {
        profile(1, {{"dimmer", {}}, {"color", {{"White", 0, 9}, {"Red", 10, 19}, {"Blue", 20, 29}}}, {"pan", {}},
                    {"red", {}}});
        profile(2, {{"red", {}}, {"green", {}}, {"blue", {}}});
        profile(3, {{"cyan", {}}, {"magenta", {}}, {"yellow", {}}});
        profile(4, {{"red", {}},    {"green", {}},  {"blue", {}},   {"white", {}},  {"amber", {}},
                    {"white1", {}}, {"red1", {}},   {"green1", {}}, {"blue1", {}},  {"red2", {}},
                    {"green2", {}}, {"blue2", {}},  {"dimmer", {}}, {"red3", {}}});
        profile(5, {{"white", {}}, {"amber", {}}});
        patch(1, 1, 1);
        patch(2, 10, 2);
        patch(3, 20, 3);
        patch(4, 30, 4);
        patch(5, 50, 5);
        engine.currentTypeName = QStringLiteral("Color");
    }
    void recall(const QString& name, int32_t overRide = -1, bool whiteAmber = false) {
        QString n = name;
        engine.executePreset(n, overRide, whiteAmber);
    }
    const clsEvent* lastEvent() {
        const SharedEvents e = presets.playbackInstance(1).myEventCollection;
        return e->empty() ? nullptr : &e->back();
    }
};

} // namespace

TEST(PresetRecall, AGeneratedColourTakesTheWheelFromThePresentProfileAndKeepsMixingOff) {
    RecallDesk d;
    d.engine.addPropertiesToCollection();
    ASSERT_TRUE(d.engine.createPaletteFiles());
    // The wheel's range moved since the preset was written: the profile wins.
    d.m.lightClass(1).setFrom(2, 3, 12);
    d.select({1, 2});
    d.engine.currentTypeName = QStringLiteral("Color");
    d.recall(QStringLiteral("Red"));
    EXPECT_EQ(d.level(2), 12);
    EXPECT_EQ(d.level(4), 0); // the fixture's own red channel is left alone
    EXPECT_EQ(d.m.channelOwner[2], 1);
    EXPECT_EQ(d.level(10), 0) << "a name is no colour number";
    ASSERT_TRUE(d.lastEvent());
    EXPECT_EQ(d.lastEvent()->eventName, "Red");
    EXPECT_EQ(d.lastEvent()->eventType, "Color");
    EXPECT_EQ(d.lastEvent()->eventFixtureNumbers, "1,2,");
    EXPECT_EQ(d.console.autoRecords, 1);
    EXPECT_TRUE(d.playbacks.calls.contains("mixers(1)"));
}

TEST(PresetRecall, AColourNumberMixesOntoRgbCmyAndWhiteAmberInRoleOrder) {
    const struct {
        int32_t colour;
        bool whiteAmber;
        std::vector<std::pair<int, int>> levels; // channel, level
    } cases[] = {
        {16711680, false, {{10, 0}, {11, 0}, {12, 255}, {20, 255}, {21, 255}, {22, 0}, {33, 0}, {34, 0}, {51, 0}}},
        {16711680, true, {{30, 0}, {32, 255}, {33, 0}, {34, 0}, {35, 0}, {36, 0}, {38, 255}, {43, 0}}},
        {255, true, {{30, 255}, {33, 0}, {35, 0}, {34, 255}, {36, 255}, {39, 255}, {43, 255}, {51, 255}}},
        {0x204060, true, {{30, 0x60}, {31, 0x40}, {32, 0x20}, {33, 0x20}, {34, 0x60}, {20, 255 - 0x60}, {50, 0x20}}},
    };
    for (const auto& c : cases) {
        RecallDesk d;
        d.select({1, 2, 3, 4, 5});
        d.playbacks.running = {1};
        d.recall(QString::number(c.colour), -1, c.whiteAmber);
        for (const auto& [channel, level] : c.levels) EXPECT_EQ(d.level(channel), level) << c.colour << " ch " << channel;
        EXPECT_EQ(d.level(4), 0) << "a fixture with a wheel mixes nothing";
        ASSERT_TRUE(d.lastEvent());
        EXPECT_EQ(d.lastEvent()->eventFixtureNumbers, "1,2,3,4,5,");
        // Mixed channels are not touched for the running playback.
        EXPECT_EQ(d.m.channelTouched[10], 0);
    }
}

TEST(PresetRecall, LiveLevelsComeBackOnRepatchedFixturesAndOverrideLevelsDeleteTheEvent) {
    RecallDesk d;
    d.m.channelOutput[10] = 11, d.m.channelOutput[11] = 22, d.m.channelOutput[12] = 33;
    d.select({2});
    QString name = QStringLiteral("Teal");
    ASSERT_TRUE(d.engine.makeCustomPresetFile(name, QStringLiteral("/pictures/teal.bmp"), {"red", "green", "blue"}, false,
                                              false));
    EXPECT_EQ(presetFile::readFile(name)->trailer.visualDescription, "teal.bmp");
    d.m.channelOutput[10] = d.m.channelOutput[11] = d.m.channelOutput[12] = 0;
    d.patch(2, 100, 2); // moved to another start channel
    d.playbacks.running = {1};
    d.recall(QStringLiteral("Teal"));
    EXPECT_EQ(d.level(100), 11);
    EXPECT_EQ(d.level(101), 22);
    EXPECT_EQ(d.level(102), 33);
    EXPECT_EQ(d.m.channelTouched[100], 1) << "a preset's channel of a running playback is touched";
    ASSERT_TRUE(d.lastEvent());
    EXPECT_EQ(d.lastEvent()->eventStepNumber, 1);

    d.recall(QStringLiteral("Teal"), 120);
    EXPECT_EQ(d.level(101), 120);
    EXPECT_FALSE(d.lastEvent()) << "an override above 0 only deletes the step's event";
    d.recall(QStringLiteral("Teal"), 0);
    EXPECT_EQ(d.level(101), 0);
    EXPECT_TRUE(d.lastEvent());
}

TEST(PresetRecall, ChannelsOfAStrongerPlaybackAndUnselectedOrDamagedRecordsAreLeftAlone) {
    RecallDesk d;
    d.playbacks.priority[2] = 9;
    d.m.channelOwner[11] = 2;
    d.m.channelOutput[11] = 99;
    presetFile::PresetData preset;
    const auto rec = [](int f, int value, const char* type) {
        return presetFile::presetRecord{QString(), f, value, 0, QString(), QString::fromUtf8(type)};
    };
    preset.records = {rec(2, 10, "red"),  rec(2, 20, "green"), rec(0, 30, "red"),  rec(-3, 30, "red"),
                      rec(99, 30, "red"), rec(3, 40, "cyan"),   rec(2, 50, "zoom"), rec(2, 900, "blue")};
    ASSERT_TRUE(safeFile::writeWhole(d.presetFile("Color", "Mix"), presetFile::encode(preset)));
    d.select({2});
    d.recall(QStringLiteral("Mix"));
    EXPECT_EQ(d.level(10), 10);
    EXPECT_EQ(d.level(11), 99);
    EXPECT_EQ(d.m.channelOwner[11], 2);
    EXPECT_EQ(d.level(12), 255) << "levels beyond a byte are sent as 255";
    EXPECT_EQ(d.level(20), 0) << "fixture 3 is not selected";
    EXPECT_TRUE(d.ts.prompts().messages.isEmpty());
}

TEST(PresetRecall, ADamagedPresetIsRefusedWithNothingChanged) {
    RecallDesk d;
    ASSERT_TRUE(safeFile::writeWhole(d.presetFile("Color", "Broken"), QByteArray(700, '\x01')));
    d.select({2});
    d.recall(QStringLiteral("Broken"));
    ASSERT_EQ(d.ts.prompts().messages.size(), 1);
    EXPECT_TRUE(d.ts.prompts().messages[0].startsWith("Error in Execute Preset:"));
    EXPECT_FALSE(d.lastEvent());
    EXPECT_EQ(d.console.autoRecords, 0);
    EXPECT_TRUE(d.playbacks.calls.isEmpty());
}

TEST(PresetRecall, TheEventIsFiledUnderTheStepBeingProgrammed) {
    const struct {
        int32_t steps, current;
        bool plusLast, running;
        int32_t filed;
    } cases[] = {{0, 0, false, false, 1}, {5, 3, false, false, 3}, {5, 5, true, false, 6},
                 {5, 5, false, false, 5}, {5, 0, false, false, 1}, {5, 3, false, true, 1}};
    for (const auto& c : cases) {
        RecallDesk d;
        d.playbacks.steps[1] = c.steps;
        d.playbacks.current[1] = c.current;
        if (c.plusLast) d.playbacks.plusLast = {1};
        if (c.running) d.playbacks.running = {1};
        d.select({2});
        d.recall(QStringLiteral("255"));
        ASSERT_TRUE(d.lastEvent());
        EXPECT_EQ(d.lastEvent()->eventStepNumber, c.filed) << c.steps << "/" << c.current;
    }
}
