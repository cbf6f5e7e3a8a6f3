// The palette window's page model: which presets apply to the selection,
// where their buttons stand, how they look, and the tab captions.

#include "presetDesk.h"

#include "platform/safeFile.h"
#include "presets/palettePage.h"
#include "presets/presetFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace presetTest;

namespace {

palettePage::Selection selecting(std::set<int32_t> selected, std::set<int32_t> mixers = {}, int32_t count = 8) {
    palettePage::Selection s;
    s.fixtureCount = count;
    s.isSelected = [selected](int32_t f) { return selected.count(f) > 0; };
    s.isColourMixer = [mixers](int32_t f) { return mixers.count(f) > 0; };
    return s;
}

// A preset file of one record with this trailer.
void writePreset(const QString& path, const QString& name, const QString& fixtures, const QString& caption) {
    presetFile::PresetData d;
    d.records.push_back({QStringLiteral("Fixture"), 1, 10, 1, QStringLiteral("Red"), QStringLiteral("color")});
    d.trailer.presetName = name;
    d.trailer.fixtureList = fixtures;
    d.trailer.visualDescription = caption;
    ASSERT_TRUE(safeFile::writeWhole(path, presetFile::encode(d)));
}

} // namespace

TEST(PalettePage, APresetAppliesWhenEverySelectedFixtureIsInItsList) {
    const struct {
        const char* name;
        const char* list;
        std::set<int32_t> selected, mixers;
        bool applies;
    } cases[] = {
        {"Red", "3,5,", {3, 5}, {}, true},
        {"Red", "1,3,5,7,", {3, 5}, {}, true},
        {"Red", "3,", {3, 5}, {}, false},
        {"Red", "1,2,", {3, 5}, {}, false},
        {"Red", "3,5,", {}, {}, false},
        {"Red", "3,x,5,", {3, 5}, {}, false},          // the list ends at a field that is no fixture
        {"Red", "3,99,5,", {3, 5}, {}, false},          // ... or one beyond the patch
        {"255", "", {3, 5}, {3, 5}, true},              // a colour number suits every colour mixer
        {"255", "", {3, 5}, {5}, false},                // fixture 3 mixes no colour
        {"255", "5,", {2, 5}, {5}, false},              // a lower fixture that neither mixes nor is listed
        {"255", "2,", {2, 5}, {5}, true},
        {"0", "", {3}, {3}, false},                     // black is no colour to mix
        {"0", "3,", {3}, {3}, true},
        {"0255", "", {3}, {3}, false},                  // not the text of its own number
    };
    for (const auto& c : cases)
        EXPECT_EQ(palettePage::presetApplies(QString::fromUtf8(c.name), QString::fromUtf8(c.list),
                                             selecting(c.selected, c.mixers)),
                  c.applies)
            << c.name << " " << c.list;
}

TEST(PalettePage, ApplyingButtonsFlowInRowsAndStoredPlacesWin) {
    Desk d;
    const QString folder = d.ts.get().programPath("Palettes\\Club\\Gobo");
    for (const char* n : {"a", "B", "c", "d", "e"})
        writePreset(folder + "/" + n + ".USF", QString::fromUtf8(n), "1,", QString::fromUtf8(n));
    writePreset(folder + "/skip.USF", "skip", "2,", "skip");
    const auto sel = selecting({1});

    // 3,000 twips wide: a button may start at most at 1,950 (the width less 1,050).
    palettePage::BuildResult r = palettePage::buildPresetPage(folder, sel, false, 3000);
    ASSERT_EQ(r.buttons.size(), 6u);
    const std::vector<std::pair<int, int>> places = {{1103, 1065}, {200, 2115}, {1100, 2115}, {200, 3165}, {1100, 3165}};
    for (size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(r.buttons[i].left, places[i].first) << i;
        EXPECT_EQ(r.buttons[i].top, places[i].second) << i;
    }
    EXPECT_EQ(r.buttons[1].presetName, "B") << "names sort without regard to case";
    EXPECT_FALSE(r.buttons[5].applies);

    // The Color page starts a row lower; a narrow window gives each button a row.
    r = palettePage::buildPresetPage(folder, sel, true, 2000);
    EXPECT_EQ(r.buttons[0].left, 200);
    EXPECT_EQ(r.buttons[0].top, 2115);
    EXPECT_EQ(r.buttons[1].top, 3165);

    palettePage::savePresetPosition(folder, "c", 4320, 2880);
    palettePage::savePresetPosition(folder, "d", 0, 720); // half a place is no place
    r = palettePage::buildPresetPage(folder, sel, false, 3000);
    EXPECT_EQ(r.buttons[2].top, 4320);
    EXPECT_EQ(r.buttons[2].left, 2880);
    EXPECT_EQ(r.buttons[3].left, 200);
    EXPECT_TRUE(palettePage::resetPresetPositions(folder));
    EXPECT_FALSE(palettePage::resetPresetPositions(folder));
    EXPECT_EQ(palettePage::buildPresetPage(folder, sel, false, 3000).buttons[2].left, 1100);
}

TEST(PalettePage, EmptyFilesGoAndDamagedOnesAreLeftOffWithoutEndingThePage) {
    Desk d;
    const QString folder = d.ts.get().programPath("Palettes\\Club\\Beam");
    writePreset(folder + "/a.USF", "a", "1,", "a");
    QFile(folder + "/b.USF").open(QIODevice::WriteOnly);
    ASSERT_TRUE(safeFile::writeWhole(folder + "/c.USF", QByteArray(100, 'x')));
    writePreset(folder + "/d.USF", "d", "1,", "..\\..\\secret.bmp");
    const palettePage::BuildResult r = palettePage::buildPresetPage(folder, selecting({1}), false, 9000);
    ASSERT_EQ(r.buttons.size(), 2u);
    EXPECT_EQ(r.buttons[1].presetName, "d");
    EXPECT_EQ(r.buttons[1].caption, "secret.bmp") << "only a file name reaches the images folder";
    EXPECT_EQ(r.removed.size(), 1);
    EXPECT_FALSE(QFile::exists(folder + "/b.USF"));
    ASSERT_EQ(r.skipped.size(), 1);
    EXPECT_TRUE(r.skipped[0].contains("c.USF"));
}

TEST(PalettePage, SnapToTheSeventyTwoTwipGrid) {
    const struct {
        double v;
        int32_t snapped;
    } cases[] = {{35, 0}, {36, 72}, {107, 72}, {108, 144}, {144, 144}, {-10, -72}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(palettePage::snapToGrid(c.v), c.snapped) << c.v;
}

TEST(PalettePage, ButtonLookFromItsCaption) {
    Desk d;
    QDir().mkpath(d.ts.get().programPath("Images"));
    QFile(d.ts.get().programPath("Images") + "/star.bmp").open(QIODevice::WriteOnly);
    const struct {
        const char* caption;
        palettePage::Look look;
        int32_t colour;
        bool picture;
    } cases[] = {{"", palettePage::Look::unchanged, 0, false},     {"255", palettePage::Look::colour, 255, false},
                 {"16711680", palettePage::Look::colour, 16711680, false}, {"Red", palettePage::Look::text, 0, false},
                 {"star.bmp", palettePage::Look::bitmap, 0, true},  {"moon.bmp", palettePage::Look::bitmap, 0, false},
                 {"x.ico", palettePage::Look::icon, 0, false},      {"1abc", palettePage::Look::unchanged, 0, false}};
    for (const auto& c : cases) {
        const palettePage::ButtonLook l = palettePage::lookOf(QString::fromUtf8(c.caption));
        EXPECT_EQ(l.look, c.look) << c.caption;
        EXPECT_EQ(l.colour, c.colour) << c.caption;
        EXPECT_EQ(!l.picture.isEmpty(), c.picture) << c.caption;
    }
}

TEST(PalettePage, TabCaptionsAndRenames) {
    Desk d;
    EXPECT_EQ(palettePage::userTabCaption(), "Misc 3");
    EXPECT_TRUE(palettePage::renameTab("cmdMisc3", "Spots"));
    EXPECT_FALSE(palettePage::renameTab("cmdMisc2", ""));
    EXPECT_EQ(palettePage::userTabCaption(), "Spots");
    EXPECT_EQ(palettePage::tabIndex("cmdMisc3"), 14);
    EXPECT_TRUE(palettePage::isPresetTab(0));
    EXPECT_FALSE(palettePage::isPresetTab(8));
    d.m.showFileName.clear();
    EXPECT_FALSE(palettePage::renameTab("cmdMisc3", "Wash"));
}

TEST(PalettePage, FineAdjustPercentageAndTheCurrentStepsPresets) {
    EXPECT_EQ(palettePage::adjustPercentage(15, 10, 20), 50);
    EXPECT_EQ(palettePage::adjustPercentage(128, 0, 255), 50);
    EXPECT_EQ(palettePage::adjustPercentage(0, 0, 0), 0);
    clsEvent a, b, c;
    a.eventName = "Red", a.eventStepNumber = 2;
    b.eventName = "red", b.eventStepNumber = 2;
    c.eventName = "Blue", c.eventStepNumber = 3;
    const std::vector<QString> names = {"Blue", "Red", "red", "Green"};
    EXPECT_EQ(palettePage::activePresets(names, {a, b, c, a}, 2), (std::vector<size_t>{1, 2}));
    EXPECT_TRUE(palettePage::activePresets(names, {}, 2).empty());
}
