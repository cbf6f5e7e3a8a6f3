// Preset files after a fixture leaves the patch: lists and records follow
// the new fixture numbers.

#include "presetDesk.h"

#include "platform/safeFile.h"
#include "presets/presetFile.h"

#include <gtest/gtest.h>

using namespace presetTest;

namespace {

presetFile::PresetData preset(std::vector<int32_t> recordFixtures, const QString& list) {
    presetFile::PresetData d;
    for (const int32_t f : recordFixtures)
        d.records.push_back({QStringLiteral("F%1").arg(f), f, 10 * f, f, QStringLiteral("Red"), QStringLiteral("color")});
    d.trailer.presetName = QStringLiteral("Red");
    d.trailer.fixtureList = list;
    d.trailer.visualDescription = QStringLiteral("255");
    return d;
}

} // namespace

TEST(PresetsAfterFixtureRemoval, ListsAndRecordsAreRenumberedAndTheRemovedFixtureGoes) {
    const struct {
        int32_t k;
        std::vector<int32_t> records;
        const char* list;
        std::vector<int32_t> recordsAfter;
        const char* listAfter;
    } cases[] = {
        {2, {1, 2, 3, 12}, "1,2,3,12,", {1, 2, 11}, "1,2,11,"},
        {1, {1, 10}, "1,10,", {9}, "9,"},
        {5, {1, 3}, "1,3,", {1, 3}, "1,3,"},
        {3, {3, 40}, "3,40,", {40}, "40,"},  // 40 lies beyond the patch: left alone
        {4, {4}, "4,", {}, ""},              // a preset left with no fixture keeps an empty list
    };
    for (const auto& c : cases) {
        Desk d;
        d.m.fixtureCount = 12;
        const QString path = d.presetFile("Gobo", "Red");
        ASSERT_TRUE(safeFile::writeWhole(path, presetFile::encode(preset(c.records, QString::fromUtf8(c.list)))));
        d.presets.fixPresetsForFixtureRemove(c.k);
        const auto after = presetFile::readFile(path);
        ASSERT_TRUE(after) << c.k;
        EXPECT_EQ(after->trailer.fixtureList, c.listAfter) << c.k;
        std::vector<int32_t> fixtures;
        for (const auto& r : after->records) fixtures.push_back(r.fixtureNumber);
        EXPECT_EQ(fixtures, c.recordsAfter) << c.k;
        EXPECT_EQ(after->trailer.visualDescription, "255");
        EXPECT_TRUE(d.ts.prompts().messages.isEmpty());
    }
}

TEST(PresetsAfterFixtureRemoval, ADamagedPresetIsReportedAndLeftAsItWas) {
    Desk d;
    d.m.fixtureCount = 4;
    const QString bad = d.presetFile("Color", "Bad"), good = d.presetFile("Color", "Good");
    ASSERT_TRUE(safeFile::writeWhole(bad, QByteArray(300, 'x')));
    ASSERT_TRUE(safeFile::writeWhole(good, presetFile::encode(preset({1, 3}, "1,3,"))));
    d.presets.fixPresetsForFixtureRemove(1);
    ASSERT_EQ(d.ts.prompts().messages.size(), 1);
    EXPECT_TRUE(d.ts.prompts().messages[0].contains("Bad.USF"));
    QByteArray bytes;
    ASSERT_TRUE(safeFile::readWhole(bad, bytes));
    EXPECT_EQ(bytes, QByteArray(300, 'x'));
    EXPECT_EQ(presetFile::readFile(good)->trailer.fixtureList, "2,");
}
