#include "patch/channelSettings.h"
#include "patch/fixtureProperties.h"
#include "patch/patchList.h"
#include "patchTestSupport.h"
#include "shell/miscGlobalFunctions.h"

#include <gtest/gtest.h>

namespace {

TEST(FixtureProperties, UniverseChannelTextsAndDipSwitches) {
    struct Case {
        int32_t channel;
        QString text;
        int32_t universe, within;
        QString switches; // switch 1 first
    };
    const std::vector<Case> cases = {
        {1, "U:1 CH:1", 1, 1, "100000000"},
        {505, "U:1 CH:505", 1, 505, "100111111"},
        {511, "U:1 CH:511", 1, 511, "111111111"},
        {512, "U:1 CH:512", 1, 512, "000000000"},
        {513, "U:2 CH:1", 2, 1, "100000000"},
        {1024, "U:2 CH:512", 2, 512, "000000000"},
    };
    for (const Case& c : cases) {
        const auto a = fixtureProperties::startAddress(c.channel);
        EXPECT_EQ(a.universe, c.universe) << c.channel;
        EXPECT_EQ(a.channel, c.within) << c.channel;
        QString on;
        for (bool s : a.switchOn) on += s ? QLatin1Char('1') : QLatin1Char('0');
        EXPECT_EQ(on, c.switches) << c.channel;
        EXPECT_EQ(miscGlobalFunctions::universeChannelText(c.channel), c.text);
    }
    EXPECT_EQ(fixtureProperties::decimaltobinary(0), QStringLiteral("00000000"));
    EXPECT_EQ(fixtureProperties::decimaltobinary(512), QStringLiteral("1000000000"));
    EXPECT_EQ(fixtureProperties::startChannelCaption(fixtureProperties::startAddress(532)),
              QStringLiteral("Start Channel: 20   Universe: 2"));
}

TEST(FixtureProperties, PatchListRowsShowStartAndEndAcrossUniverses) {
    PatchRig rig;
    QStringList sixteen = spotTypes;
    for (int i = 5; i <= 16; ++i) sixteen << QStringLiteral("function");
    rig.patch(QStringLiteral("Big"), sixteen, 505, 1);
    rig.patch(QStringLiteral("Par"), parTypes, 1, 1);
    rig.m().channelInvert[506] = 1;
    EXPECT_EQ(patchList::row(1), (QStringList{"1", "Big 1", "U:1 CH:505", "U:2 CH:8", "False", "True"}));
    EXPECT_EQ(patchList::row(2), (QStringList{"2", "Par 1", "U:1 CH:1", "U:1 CH:4", "N/A", "N/A"}));
    patchList::toggleInversion(1, 4);
    patchList::toggleInversion(2, 4); // no pan channel: nothing
    EXPECT_EQ(patchList::row(1)[4], QStringLiteral("True"));
    EXPECT_EQ(patchList::row(2)[4], QStringLiteral("N/A"));
}

TEST(FixtureProperties, PrintedPagesBandRowsThenColumns) {
    const std::vector<double> rows(10, 240);
    const std::vector<double> columns = {1200, 4000, 1200};
    // Four rows (each 300 with its margin) per page height, two columns per width.
    const auto pages = patchList::paginate(rows, columns, 0, 1250, 0, 5500);
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(pages[0].lastRow, 3);
    EXPECT_EQ(pages[0].lastColumn, 1);
    EXPECT_EQ(pages[1].firstColumn, 2);
    EXPECT_EQ(pages[1].columnBand, 1);
    EXPECT_EQ(pages[2].firstRow, 4);
    EXPECT_EQ(pages[2].rowBand, 1);
    EXPECT_EQ(pages[5].lastRow, 9);
    EXPECT_EQ(patchList::pageHeader(QStringLiteral("club.YCF"), 1, 0), QStringLiteral("::Show Name: club.YCF::Page (1, 0)"));
}

TEST(FixtureProperties, RenumberingSwapsTwoFixturesButNoMatrixPixel) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 3);
    ChannelModel& m = rig.m();
    m.fixtureView[3] = QStringLiteral("Stage");
    ASSERT_TRUE(fixtureProperties::renumberFixture(1, 3));
    EXPECT_EQ(m.fixtureName[1], QStringLiteral("Par 3"));
    EXPECT_EQ(m.fixtureStartChannel[1], 9);
    EXPECT_EQ(m.fixtureView[1], QStringLiteral("Stage"));
    EXPECT_EQ(m.fixtureStartChannel[3], 1);
    EXPECT_FALSE(fixtureProperties::renumberFixture(1, 4));
    m.fixtureMatrixMarker[2] = QStringLiteral("YesMatrix");
    EXPECT_FALSE(fixtureProperties::renumberFixture(1, 2));
    EXPECT_EQ(m.fixtureName[2], QStringLiteral("Par 2"));
}

TEST(ChannelSettings, LimitsAreCheckedTheSameHoweverTheyAreEntered) {
    struct Case {
        QString low, high;
        bool stored;
    };
    const std::vector<Case> cases = {
        {"10", "200", true}, {"0", "255", true},  {"0", "300", false},
        {"-1", "20", false}, {"120", "20", false}, {"x", "20", false},
    };
    for (const Case& c : cases) {
        PatchRig rig;
        rig.m().channelLowLimits[7] = 1;
        rig.m().channelHighLimits[7] = 2;
        EXPECT_EQ(channelSettings::setLimits(7, c.low, c.high), c.stored) << c.low.toStdString() << c.high.toStdString();
        EXPECT_EQ(rig.m().channelLowLimits[7], c.stored ? c.low.toInt() : 1);
        EXPECT_EQ(rig.m().channelHighLimits[7], c.stored ? c.high.toInt() : 2);
    }
}

TEST(ChannelSettings, FollowersAndTheSceneInterval) {
    PatchRig rig;
    EXPECT_EQ(channelSettings::followers(300), QStringList{QStringLiteral("None")});
    for (int c : {301, 302}) {
        ASSERT_TRUE(channelSettings::setSyncGroup(c, QStringLiteral("300")));
        channelSettings::setSync(c, true);
    }
    EXPECT_EQ(channelSettings::followers(300), (QStringList{"301", "302"}));
    // No playback open: no interval can be stored.
    EXPECT_FALSE(channelSettings::setPilotStep(300, QStringLiteral("1")));
    channelSettings::setInvert(300, true);
    EXPECT_TRUE(rig.m().channelInvert[300]);
    EXPECT_FALSE(rig.m().channelInvert[301]);
}

} // namespace
