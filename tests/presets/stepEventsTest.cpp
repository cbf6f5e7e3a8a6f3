// Preset events kept with sequence steps: handed to playbacks, renumbered,
// saved beside the sequence and written back into its steps when it loads.

#include "presetDesk.h"

#include "platform/safeFile.h"
#include "presets/presetEventFile.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace presetTest;

namespace {

clsEvent event(const char* type, const char* name, const char* fixtures, int32_t step) {
    clsEvent e;
    e.eventType = QString::fromUtf8(type);
    e.eventName = QString::fromUtf8(name);
    e.eventFixtureNumbers = QString::fromUtf8(fixtures);
    e.eventStepNumber = step;
    return e;
}

QString summary(const EventCollection& events) {
    QStringList out;
    for (const clsEvent& e : events) out << QStringLiteral("%1:%2@%3").arg(e.eventType, e.eventName).arg(e.eventStepNumber);
    return out.join(' ');
}

// Two RGB pars (1..3, 4..6) and the generated palettes.
struct StepDesk : Desk {
    StepDesk() {
        profile(1, {{"red", {{"Full", 200, 255}}}, {"green", {{"Full", 210, 255}}}, {"blue", {}}});
        patch(1, 1, 1);
        patch(2, 4, 1);
        engine.addPropertiesToCollection();
        engine.createPaletteFiles();
    }
};

} // namespace

TEST(PresetEvents, APlaybackKeepsOneEventPerPageAndFixturesInAStep) {
    Desk d;
    d.presets.sendEventToPlayback(1, event("Color", "Red", " 2,5, ", 3));
    d.presets.sendEventToPlayback(1, event("Color", "Blue", "2,5,", 4));
    d.presets.sendEventToPlayback(1, event("Gobo", "Star", "2,5,", 3));
    d.presets.sendEventToPlayback(1, event("Color", "Green", "2,5,", 3));
    d.presets.sendEventToPlayback(1, event("Color", "Amber", "", 3));    // no fixtures: only removes
    d.presets.sendEventToPlayback(7, event("Color", "Lost", "1,", 1));   // no such playback
    SharedEvents mine = d.presets.playbackInstance(1).myEventCollection;
    EXPECT_EQ(summary(*mine), "Color:Blue@4 Gobo:Star@3 Color:Green@3");
    EXPECT_EQ(mine->front().eventFixtureNumbers, "2,5,") << "kept without blanks";
    EXPECT_EQ(d.presets.eventCollection(), mine) << "the programmed events are the playback's own list";

    // While the playback runs every step's event of the page and fixtures goes and the new one is step 1.
    d.playbacks.running = {1};
    clsEvent gone = event("Color", "White", "2,5,", 9);
    gone.justDelete = true;
    d.presets.sendEventToPlayback(1, gone);
    EXPECT_EQ(summary(*mine), "Gobo:Star@3");
    d.presets.sendEventToPlayback(1, event("Color", "White", "2,5,", 9));
    EXPECT_EQ(summary(*mine), "Gobo:Star@3 Color:White@1");
}

TEST(PresetEvents, StepsRenumberAndDeletedStepsLoseTheShownPagesEvents) {
    Desk d;
    for (const clsEvent& e : {event("Color", "A", "1,", 3), event("Gobo", "B", "1,", 3), event("Color", "C", "1,", 4),
                              event("Color", "D", "1,", 5)})
        d.presets.sendEventToPlayback(1, e);
    const SharedEvents mine = d.presets.eventCollection();
    d.presets.changeMyStepNumber(3, 4);
    EXPECT_EQ(summary(*mine), "Color:A@4 Gobo:B@4 Color:C@4 Color:D@5");
    d.presets.changeMyStepNumber(4, 5);
    EXPECT_EQ(summary(*mine), "Color:A@5 Gobo:B@5 Color:C@5 Color:D@5");

    d.presets.paletteCurrentlyActive = QStringLiteral("Color");
    d.presets.removeEventIfInCurrentStep(5, false);
    EXPECT_EQ(summary(*mine), "Gobo:B@5");
    d.presets.removeEventIfInCurrentStep(1, true);
    EXPECT_TRUE(mine->empty());
}

TEST(PresetEvents, EachSavedSequenceWritesItsOwnPlaybacksEvents) {
    Desk d;
    d.playbacks.steps = {{1, 4}, {2, 2}};
    d.presets.sendEventToPlayback(1, event("Color", "Red", "1,", 3));
    d.presets.sendEventToPlayback(2, event("Gobo", "Star", "2,", 5));
    const QString one = d.ts.folder() + "/One.UQF", two = d.ts.folder() + "/Two.UQF";
    // Saving in a loop: the second file still gets its own events.
    d.presets.savePresetEvents(one, 1);
    d.presets.savePresetEvents(two, 2);
    QByteArray bytes;
    ASSERT_TRUE(safeFile::readWhole(one, bytes));
    EXPECT_EQ(summary(presetEventFile::decode(bytes)), "Color:Red@3");
    ASSERT_TRUE(safeFile::readWhole(two, bytes));
    EXPECT_EQ(summary(presetEventFile::decode(bytes)), "Gobo:Star@2") << "limited to the saved playback's steps";
    EXPECT_EQ(d.m.currentFileName, two);
    EXPECT_TRUE(d.presets.eventCollection()->empty()) << "the programmed list is released after a save";
    EXPECT_EQ(d.presets.playbackInstance(1).myEventCollection->size(), 1u);

    // Nothing to save leaves an empty file, which reads back as no events.
    d.presets.dropPresetEvents(1);
    d.presets.savePresetEvents(one, 1);
    EXPECT_EQ(QFileInfo(one).size(), 0);
    d.presets.loadPresetEvents(one, 1);
    EXPECT_TRUE(d.presets.eventCollection()->empty());
}

TEST(PresetEvents, ALoadedSequenceGetsItsPresetsLevelsOnTheChannelsItOwns) {
    StepDesk d;
    const QString file = d.ts.folder() + "/Intro.UQF";
    ASSERT_TRUE(d.presets.saveAsFixtureData(
        file, {event("Color", "Full", "1,2,", 2), event("Gobo", "Gone", "1,", 1), event("Color", "Full", "2,", 3)}, 9));
    d.m.channelOwner[1] = d.m.channelOwner[2] = d.m.channelOwner[4] = d.m.channelOwner[5] = 1;
    d.m.channelOwner[3] = 1;

    d.presets.loadPresetEvents(d.ts.folder() + "/Intro.YSQ", 1);
    const auto& stored = d.playbacks.stored;
    EXPECT_EQ(stored.at({1, 2, 1}), 200);
    EXPECT_EQ(stored.at({1, 2, 2}), 210);
    EXPECT_EQ(stored.at({1, 2, 4}), 200);
    EXPECT_EQ(stored.at({1, 3, 4}), 200);
    EXPECT_EQ(stored.at({1, 3, 5}), 210);
    EXPECT_FALSE(stored.count({1, 3, 1})) << "fixture 1 is not in the step-3 event";
    EXPECT_EQ(stored.size(), 6u);
    EXPECT_EQ(d.presets.eventCollection(), d.presets.playbackInstance(1).myEventCollection);
    EXPECT_EQ(d.presets.eventCollection()->size(), 3u);

    // A channel another playback owns keeps its step level.
    d.playbacks.stored.clear();
    d.m.channelOwner[4] = 2;
    d.presets.loadPresetEvents(file, 1);
    EXPECT_FALSE(stored.count({1, 2, 4}));
    EXPECT_TRUE(d.ts.prompts().messages.isEmpty());
}

TEST(PresetEvents, RegeneratingAStoredSequenceWritesEveryEventIntoItsStepAndSaves) {
    StepDesk d;
    const QString sequence = d.ts.folder() + "/Show.YSQ";
    QFile(sequence).open(QIODevice::WriteOnly); // a file without a playback number loads into playback 1
    ASSERT_TRUE(d.presets.saveAsFixtureData(d.ts.folder() + "/Show.UQF", {event("Color", "Full", "2,", 4)}, 9));
    d.m.channelOwner[7] = 2;
    d.presets.alterSequenceFileUsingPresetData(d.ts.folder() + "/Show.UQF");
    EXPECT_EQ(d.playbacks.calls.filter("load").join(','), "load(1,Show.YSQ)");
    EXPECT_EQ(d.playbacks.calls.last(), "save(1)");
    EXPECT_EQ(d.playbacks.stored.at({1, 4, 4}), 200);
    EXPECT_EQ(d.playbacks.stored.at({1, 4, 5}), 210);
    EXPECT_EQ(d.m.channelOwner[7], 0) << "every channel is freed first";
    EXPECT_EQ(d.layout.selected, (std::set<int32_t>{2}));
}
