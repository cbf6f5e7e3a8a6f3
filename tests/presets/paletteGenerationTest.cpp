// Palettes generated from the profiles' range names.

#include "presetDesk.h"

#include "presets/presetFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace presetTest;

namespace {

presetFile::PresetData readPreset(const QString& path) {
    const auto d = presetFile::readFile(path);
    EXPECT_TRUE(d) << path.toStdString();
    return d ? *d : presetFile::PresetData{};
}

QStringList namesOf(const clsPalettePreset& e, int type) { return e.propertyCollection(type); }

} // namespace

TEST(PropertyCollections, NamesAreGatheredOnceInProfileRoleAndRowOrder) {
    Desk d;
    ClsFixture& first = d.profile(1, {{"dimmer", {{"Full", 0, 255}}},
                                      {"pan", {}},
                                      {"tilt", {}},
                                      {"color", {{"Open", 0, 9}, {"Red", 10, 19}, {"Blue", 20, 29}}},
                                      {"shutter", {{"Open", 250, 255}, {"Closed", 0, 10}}},
                                      {"red", {{"Red", 0, 127}, {"Full", 128, 255}}}});
    first.setProperties(30, 5, QStringLiteral("Deep Red")); // rows need not be contiguous
    d.profile(2, {{"color", {{"RED", 0, 9}, {"Red ", 10, 19}}}, {"focus", {{"Near", 0, 127}}}});
    ClsFixture& last = d.profile(3, {{"dimmer", {}}});
    last.setChannel_prop(37, QStringLiteral("speed"));
    d.m.lightClassCount = 4; // slot 4 holds no profile
    d.engine.addPropertiesToCollection();

    EXPECT_EQ(namesOf(d.engine, 0).join('|'), "Open|Red|Blue|Deep Red|Full|Red ");
    EXPECT_EQ(namesOf(d.engine, 2).join('|'), "Open|Closed");
    // Focus and dimmer alternate row by row, profile by profile.
    EXPECT_EQ(namesOf(d.engine, 3).join('|'), "Full|Near");
    EXPECT_TRUE(namesOf(d.engine, 6).isEmpty()); // a role on channel 37 has no names

    // A rebuild holds only what the profiles hold now.
    d.m.lightClassCount = 0;
    d.engine.addPropertiesToCollection();
    for (int t = 0; t < 7; ++t) EXPECT_TRUE(namesOf(d.engine, t).isEmpty()) << t;
}

TEST(PaletteGeneration, OnePresetPerNameWithRecordsForEveryFixtureHavingTheRange) {
    Desk d;
    d.profile(1, {{"dimmer", {{"Full", 0, 255}}}, {"color", {{"White", 0, 9}, {"Red", 10, 19}}}});
    d.profile(2, {{"red", {{"Red", 200, 255}}}, {"green", {}}, {"blue", {}}});
    d.patch(1, 1, 1);
    d.patch(2, 10, 2);
    d.patch(3, 20, 1);
    d.engine.addPropertiesToCollection();
    ASSERT_TRUE(d.engine.createPaletteFiles());
    EXPECT_EQ(d.engine.currentTypeName, "Color");

    const presetFile::PresetData red = readPreset(d.presetFile("Color", "Red"));
    ASSERT_EQ(red.records.size(), 3u);
    EXPECT_EQ(red.records[0].fixtureNumber, 1);
    EXPECT_EQ(red.records[0].savedValue, 10);
    EXPECT_EQ(red.records[0].savedChannel, 2);
    EXPECT_EQ(red.records[0].propertyName, "Red");
    EXPECT_EQ(red.records[0].channelName, "color");
    EXPECT_EQ(red.records[1].fixtureNumber, 2);
    EXPECT_EQ(red.records[1].savedValue, 200);
    EXPECT_EQ(red.records[1].channelName, "red");
    EXPECT_EQ(red.trailer.fixtureList, "1,2,3,");
    EXPECT_EQ(red.trailer.visualDescription, "Red");
    EXPECT_EQ(red.trailer.presetName, "Red");

    EXPECT_EQ(readPreset(d.presetFile("Color", "White")).records.size(), 2u);
    EXPECT_EQ(readPreset(d.presetFile("Beam", "Full")).records.size(), 2u);
}

TEST(PaletteGeneration, GoboPicturesAndEscapedNamesReResolveOnRecall) {
    Desk d;
    d.profile(1, {{"gobo", {{"Star.gif", 10, 19}, {"Open/Close", 20, 29}, {"Red 1.5", 30, 39}}}});
    d.patch(1, 1, 1);
    d.engine.addPropertiesToCollection();
    ASSERT_TRUE(d.engine.createPaletteFiles());

    const presetFile::PresetData star = readPreset(d.presetFile("Gobo", "Star"));
    ASSERT_EQ(star.records.size(), 1u);
    EXPECT_EQ(star.records[0].savedValue, 10);
    EXPECT_EQ(star.trailer.visualDescription, "Star.gif");
    EXPECT_EQ(readPreset(d.presetFile("Gobo", "Open+Close")).records.size(), 1u);
    EXPECT_EQ(readPreset(d.presetFile("Gobo", "Red 1")).trailer.visualDescription, "Red 1.5");
    QString file = QStringLiteral("Open/Close");
    d.engine.currentTypeName = QStringLiteral("Gobo");
    EXPECT_EQ(d.engine.returnCheckBoxCollection(file), QStringList{"gobo"});

    // The generated gobo preset brings the wheel to its range again.
    d.select({1});
    for (const char* name : {"Star", "Open+Close", "Red 1"}) {
        QString n = QString::fromUtf8(name);
        d.m.channelOutput[1] = 0;
        d.engine.executePreset(n, -1, false);
        EXPECT_GT(d.level(1), 0) << name;
    }
    EXPECT_TRUE(d.ts.prompts().messages.isEmpty());
}

TEST(PaletteGeneration, ShutterPresetsListMatchingFixturesAndGiveTheOthersNone) {
    Desk d;
    d.profile(1, {{"dimmer", {}}, {"shutter", {{"Open", 250, 255}, {"Closed", 0, 10}}}});
    d.profile(2, {{"shutter", {{"open", 200, 255}}}});
    d.profile(3, {{"dimmer", {}}});
    d.patch(1, 1, 1);
    d.patch(2, 10, 2);
    d.patch(3, 20, 3);
    d.patch(4, 30, 1);
    d.engine.addPropertiesToCollection();
    ASSERT_TRUE(d.engine.createPaletteFiles());

    const presetFile::PresetData open = readPreset(d.presetFile("Shutter", "Open"));
    ASSERT_EQ(open.records.size(), 3u); // fixture 3 has no shutter
    EXPECT_EQ(open.records[0].savedValue, 250);
    EXPECT_EQ(open.records[0].propertyName, "Open");
    EXPECT_EQ(open.records[1].fixtureNumber, 2); // "open" is not "Open"
    EXPECT_EQ(open.records[1].propertyName, "none");
    EXPECT_EQ(open.records[1].savedValue, 0);
    EXPECT_EQ(open.records[1].savedChannel, 10);
    EXPECT_EQ(open.records[2].fixtureNumber, 4);
    EXPECT_EQ(open.trailer.fixtureList, "1,4,");

    // Out of order ranges store the label of the range that holds the level.
    const presetFile::PresetData closed = readPreset(d.presetFile("Shutter", "Closed"));
    EXPECT_EQ(closed.records[0].propertyName, "Closed");
    EXPECT_EQ(closed.records[0].savedValue, 0);
}

TEST(PaletteGeneration, ANameNoFixtureCarriesLeavesAnEmptyFileAndMissingFoldersAreOffered) {
    Desk d;
    d.profile(1, {{"color", {{"Red", 10, 19}}}});
    d.engine.addPropertiesToCollection(); // nothing patched
    ASSERT_TRUE(d.engine.createPaletteFiles());
    EXPECT_EQ(QFileInfo(d.presetFile("Color", "Red")).size(), 0);
    EXPECT_TRUE(QFileInfo(d.presetFile("Color", "Red")).isFile());

    QDir(d.ts.get().programPath("Palettes")).removeRecursively();
    d.ts.prompts().answers = {msgBox::Yes};
    EXPECT_TRUE(d.engine.createPaletteFiles());
    ASSERT_EQ(d.ts.prompts().messages.size(), 1);
    EXPECT_TRUE(d.ts.prompts().messages[0].startsWith("Error Updating Palette Files"));
    EXPECT_TRUE(QFileInfo(d.presetFile("Color", "Red")).isFile());

    QDir(d.ts.get().programPath("Palettes")).removeRecursively();
    d.ts.prompts().answers = {msgBox::No};
    EXPECT_FALSE(d.engine.createPaletteFiles());
}

TEST(PaletteFolders, DeletingPresetsKeepsFoldersAndPageSettings) {
    Desk d;
    const QString show = d.ts.get().programPath("Palettes\\Club");
    QFile(show + "/presets.ini").open(QIODevice::WriteOnly);
    QFile(show + "/Color/presetPageSetting.ini").open(QIODevice::WriteOnly);
    QFile(show + "/Color/Red.USF").open(QIODevice::WriteOnly);
    QFile(show + "/Misc5/X.USF").open(QIODevice::WriteOnly);
    d.engine.deletePalleteDirectories();
    EXPECT_FALSE(QFile::exists(show + "/Color/Red.USF"));
    EXPECT_FALSE(QFile::exists(show + "/Misc5/X.USF"));
    EXPECT_TRUE(QFile::exists(show + "/presets.ini"));
    EXPECT_TRUE(QFile::exists(show + "/Color/presetPageSetting.ini"));
    EXPECT_TRUE(QDir(show + "/Color").exists());

    d.m.showFileName.clear();
    EXPECT_TRUE(d.presetFile("Color", "Red").isEmpty());
    EXPECT_EQ(d.engine.setFilenameToLoadPresets("color"), "");
    EXPECT_EQ(d.engine.currentTypeName, "color");
    EXPECT_EQ(d.engine.setFilenameToLoadPresets("RGBProfiles"), "\\RGB\\");
    EXPECT_EQ(d.engine.setFilenameToLoadPresets("Misc3"), "\\Misc3\\");
}
