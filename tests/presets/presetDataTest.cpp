// The preset data window: the events of a sequence file or of the running
// playback in its grid, jumping to an event's step, deleting events, and
// saving the edited events back into the file they came from.

#include "presetDesk.h"

#include "presets/presetData.h"
#include "presets/presetEventFile.h"
#include "presets/ui/frmPalettes.h"
#include "presets/ui/frmShowPresetData.h"
#include "presets/ui/paletteWindowService.h"
#include "shell/ui/windowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace presetTest;

namespace {

struct JumpPlaybacks : Playbacks {
    void setCurrentStep(int32_t p, int32_t step) override { calls << QStringLiteral("step(%1,%2)").arg(p).arg(step); }
};

clsEvent event(const char* name, const char* type, int32_t step, const char* fixtures) {
    clsEvent e;
    e.eventName = QLatin1String(name);
    e.eventType = QLatin1String(type);
    e.eventStepNumber = step;
    e.eventFixtureNumbers = QLatin1String(fixtures);
    return e;
}

struct DataDesk : Desk {
    PaletteWindowService& service = ts.get().provide<PresetsService>(std::make_unique<PaletteWindowService>());
    JumpPlaybacks& jumps = ts.get().provide<PlaybackService>(std::make_unique<JumpPlaybacks>());
    // Sequences\Club\Page1\<name>.UQF with these events.
    QString sequence(const QString& name, const EventCollection& events) {
        const QString folder = ts.folder() + "/Sequences/Club/Page1";
        QDir().mkpath(folder);
        const QString path = folder + '/' + name + ".UQF";
        writeWholeFile(path, presetEventFile::encode(events, 10));
        return path;
    }
    QStringList column(const frmShowPresetData& w, int c) {
        QStringList out;
        for (int r = 0; r < w.msfgShowStepProperties->rowCount(); ++r)
            if (const QTableWidgetItem* i = w.msfgShowStepProperties->item(r, c)) out << i->text();
        return out;
    }
};

} // namespace

TEST(PresetData, RowsAndColourSwatches) {
    clsEvent e = event("255", "Color", 3, "1,2,");
    e.shapeSpeed = 50;
    e.theYSize = 80;
    EXPECT_EQ(presetData::rowTexts(2, e),
              (QStringList{"Event 2", "255", "Color", "3", "50", "0", "0", "0", "0", "0", "80", "1,2,"}));
    EXPECT_EQ(presetData::headers().size(), 12);
    struct Case {
        const char* name;
        std::optional<int32_t> colour;
    } cases[] = {{"255", 255}, {"Red", std::nullopt}, {"16711680", 16711680}, {"Warm 2", std::nullopt},
                 {"1x", std::nullopt}, {"", std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(presetData::swatchColour(QLatin1String(c.name)), c.colour) << c.name;
}

TEST(PresetData, EditedEventsOfASequenceAreSavedIntoThatSequenceWhateverPlays) {
    DataDesk d;
    const QString intro = d.sequence("Intro", {event("255", "Color", 1, "1,"), event("Spot", "Gobo", 2, "2,"),
                                               event("@Circle", "m-fx", 3, "1,2,")});
    const QString other = d.sequence("Other", {event("Blue", "Color", 1, "3,")});
    const QByteArray otherBefore = readWholeFile(other);
    // Playback 1 runs the other sequence's events meanwhile.
    d.jumps.running = {1};
    *d.service.playbackInstance(1).myEventCollection = {event("Blue", "Color", 1, "3,")};

    frmShowPresetData& w = form<frmShowPresetData>();
    w.myFilename = QStringLiteral("Club\\Page1\\Intro");
    ASSERT_TRUE(w.updateGridData(true));
    w.show();
    EXPECT_EQ(w.windowTitle(), "View Preset Data for Intro Sequence");
    EXPECT_EQ(d.column(w, 1), (QStringList{"255", "Spot", "@Circle"})) << "a repaint keeps the sequence's events";
    EXPECT_EQ(w.msfgShowStepProperties->item(0, 1)->background().color(), QColor(255, 0, 0));

    // A row whose step is beyond the playback's steps does not jump.
    d.jumps.steps[1] = 2;
    w.msfgShowStepProperties->setCurrentCell(2, 0);
    w.rowClicked();
    w.msfgShowStepProperties->setCurrentCell(1, 0);
    w.rowClicked();
    EXPECT_EQ(d.jumps.calls, QStringList{"step(1,2)"});

    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(w.msfgShowStepProperties, &del);
    EXPECT_EQ(d.column(w, 0), (QStringList{"Event 1", "Event 2"}));
    EXPECT_EQ(d.column(w, 1), (QStringList{"255", "@Circle"}));
    EXPECT_TRUE(w.dataChanged);

    d.ts.prompts().answers = {msgBox::Yes};
    w.close();
    EXPECT_EQ(d.ts.prompts().messages.last(), "Would you like to save changes to Sequence Preset Data");
    const EventCollection saved = presetEventFile::decode(readWholeFile(intro));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].eventName, "@Circle");
    EXPECT_EQ(saved[1].eventStepNumber, 3) << "no step is cut";
    EXPECT_EQ(readWholeFile(other), otherBefore);
    EXPECT_TRUE(w.myFilename.isEmpty());
}

TEST(PresetData, TheRunningPlaybacksEventsFromThePaletteMenuAreEditedInPlace) {
    DataDesk d;
    d.m.currentPlayback = 2;
    d.jumps.running = {2};
    *d.service.playbackInstance(2).myEventCollection = {event("Red", "Color", 1, "1,"), event("Open", "Gobo", 1, "1,")};
    d.service.showPalettes();
    frmPalettes& palettes = *d.service.loadedWindow();
    palettes.clkShowPresetDataList_Click();
    frmShowPresetData* w = loadedForm<frmShowPresetData>();
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(d.column(*w, 1), (QStringList{"Red", "Open"}));

    w->clkClearEventDataAll_Click();
    EXPECT_TRUE(d.service.playbackInstance(2).myEventCollection->empty());
    EXPECT_EQ(w->msfgShowStepProperties->rowCount(), 1);
    EXPECT_FALSE(w->updateGridData(false));

    // Shown a second time from the menu, it hides; nothing is asked, as no file was read.
    d.ts.prompts().messages.clear();
    palettes.clkShowPresetDataList_Click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(d.ts.prompts().messages.isEmpty());

    // A sequence without events: nothing to show.
    d.sequence("Empty", {});
    w->myFilename = QStringLiteral("Club\\Page1\\Empty");
    EXPECT_FALSE(w->updateGridData(true));
}
