// Locate Fixture light-up, the fixture list carried to the layout,
// spotlight mode and the fixture menu's commands.
#include "patch/fixtureMenu.h"
#include "patch/layoutEngine.h"
#include "shell/roleResolution.h"
#include "layoutRig.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

struct FixtureHighlight : ::testing::Test {
    TestShell t;
    LayoutEngine& layout = layoutEngine();
    ChannelModel& m = shell().state;
    int spot = 0;
    void SetUp() override {
        spot = layoutRig::addProfile(QStringLiteral("Spot"), {QStringLiteral("pan"), QStringLiteral("tilt"),
                                                              QStringLiteral("shutter"), QStringLiteral("dimmer"),
                                                              QStringLiteral("color")});
        ClsFixture& p = m.lightClass(spot);
        p.setProperties(1, 4, QStringLiteral("Open Shutter"));
        p.setFrom(1, 4, 0);
        p.setToo(1, 4, 8);
        p.setProperties(1, 6, QStringLiteral("open"));
        p.setToo(1, 6, 12);
        layoutRig::addFixture(spot, 1, 1000, 0);
        layoutRig::addFixture(spot, 6, 3000, 0);
        layout.layoutWholeShow();
        roleResolution::getFixtureDimmersandFoggers();
    }
};

TEST_F(FixtureHighlight, LightUpDrivesTheRolesAndGivesThePreviousBack) {
    for (int c = 1; c <= 10; ++c) m.channelOutput[size_t(c)] = 7;
    layout.highLightFixture(1, false);
    const std::vector<int32_t> lit(m.channelOutput.begin() + 1, m.channelOutput.begin() + 6);
    EXPECT_EQ(lit, (std::vector<int32_t>{128, 128, 8, 255, 12}));
    EXPECT_TRUE(m.channelTouched[3]);
    layout.highLightFixture(2, false);
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(m.channelOutput[size_t(c)], 7) << c;
        EXPECT_FALSE(m.channelTouched[size_t(c)]);
    }
    EXPECT_EQ(m.channelOutput[8], 8);
    layout.highLightFixture(0, true);
    EXPECT_EQ(m.channelOutput[8], 7);
}

TEST_F(FixtureHighlight, RolesBeyondTheLastChannelAreLeftAlone) {
    // A fixture patched so that its span runs past the last channel.
    const int f = layoutRig::addFixture(spot, 510, 5000, 0);
    m.fixtureShutterChannel[size_t(f)] = 512;
    m.fixtureDimmerChannel[size_t(f)] = 513;
    const size_t size = m.channelOutput.size();
    layout.highLightFixture(f, false);
    EXPECT_EQ(m.channelOutput[510], 128);
    EXPECT_EQ(m.channelOutput[511], 128);
    EXPECT_EQ(m.channelOutput[512], 8);
    EXPECT_EQ(m.channelOutput.size(), size);
    layout.highLightFixture(f, true);
    EXPECT_EQ(m.channelOutput[510], 0);
}

TEST_F(FixtureHighlight, SpotlightHoldsTheWholeFixtureThenReleasesIt) {
    layout.makeCurrent(1);
    m.channelHold[2] = 1; // one channel already held
    layout.spotlightModeClick();
    for (int c = 1; c <= 5; ++c) {
        EXPECT_TRUE(m.channelHold[size_t(c)]) << c;
        EXPECT_TRUE(m.channelTouched[size_t(c)]) << c;
    }
    EXPECT_TRUE(layout.icon(1)->soloMode);
    EXPECT_EQ(layout.icon(1)->borderColour, FixtureIcon::soloBorder);
    EXPECT_TRUE(fixtureMenu::editfixture_Click(layout, false).spotlightChecked);
    layout.spotlightModeClick();
    for (int c = 1; c <= 5; ++c) EXPECT_FALSE(m.channelHold[size_t(c)]) << c;
    EXPECT_FALSE(layout.icon(1)->soloMode);
    EXPECT_FALSE(fixtureMenu::editfixture_Click(layout, true).spotlightChecked);
}

TEST_F(FixtureHighlight, SpotlightOnAProfileWithoutChannelsChangesNothing) {
    const int empty = layoutRig::addProfile(QStringLiteral("Empty"), {});
    const int f = layoutRig::addFixture(empty, 20, 5000, 0);
    layout.layoutWholeShow();
    layout.spotlightChecked = true;
    layout.makeCurrent(f);
    layout.spotlightModeClick();
    EXPECT_TRUE(layout.spotlightChecked);
    EXPECT_FALSE(m.channelHold[20]);
}

TEST_F(FixtureHighlight, ListSelectionCarriesToTheLayoutOnlyFromTheMouse) {
    layout.list.setEntrySelected(1, true);
    layout.listselect(false, -1); // keyboard or code: nothing
    EXPECT_FALSE(layout.icon(2)->isSelected());
    layout.list.listMouseFlag = true;
    layout.listselect(true, -1);
    EXPECT_TRUE(layout.icon(2)->isSelected());
    EXPECT_EQ(layout.icon(2)->labelBack, 255);
    EXPECT_EQ(layout.currentFixtureNumber, 2);
    // An entry whose text no longer matches the fixture's name is not carried.
    m.fixtureName[1] = QStringLiteral("Renamed");
    layout.list.setEntrySelected(0, true);
    layout.listselect(true, -1);
    EXPECT_FALSE(layout.icon(1)->isSelected());
    EXPECT_EQ(layout.currentFixtureNumber, 2);
}

TEST_F(FixtureHighlight, LocateFixtureLightsTheCurrentEntryAndRestoresIt) {
    m.channelOutput[9] = 3;
    layout.cmdLocateFixture_Click(); // no current entry: only the mode
    EXPECT_TRUE(layout.list.findFixtureMode);
    EXPECT_EQ(m.channelOutput[9], 3);
    layout.cmdLocateFixture_Click();
    layout.list.listIndex = 1;
    layout.cmdLocateFixture_Click();
    EXPECT_EQ(m.channelOutput[9], 255);
    layout.cmdLocateFixture_Click();
    EXPECT_FALSE(layout.list.findFixtureMode);
    EXPECT_EQ(m.channelOutput[9], 3);
}

TEST_F(FixtureHighlight, MovingSelectedFixturesToAnotherView) {
    m.viewNames[1] = QStringLiteral("Stage");
    layout.icon(1)->setSelected(true);
    layout.icon(2)->setSelected(true);
    EXPECT_TRUE(fixtureMenu::clkLayerList_Click(layout, QStringLiteral("Stage")));
    EXPECT_EQ(m.fixtureView[1], QStringLiteral("Stage"));
    EXPECT_EQ(m.fixtureView[2], QStringLiteral("Stage"));

    m.fixtureMatrixName[2] = QStringLiteral("Wall");
    EXPECT_FALSE(fixtureMenu::clkLayerList_Click(layout, QStringLiteral("Wall")));
    EXPECT_EQ(t.prompts().messages, QStringList{QStringLiteral("Cannot Place on Matrix View")});
    EXPECT_EQ(m.fixtureView[1], QStringLiteral("Stage"));

    layout.makeCurrent(1);
    layout.changeFixtureLayer(QStringLiteral("Stage"));
    const FixtureMenuState menu = fixtureMenu::editfixture_Click(layout, false);
    ASSERT_EQ(menu.views.size(), 2u);
    EXPECT_EQ(menu.views[0].caption, QStringLiteral("View 1"));
    EXPECT_TRUE(menu.views[1].ticked);
}

TEST_F(FixtureHighlight, RenameRefusesANameInUse) {
    layout.makeCurrent(1);
    EXPECT_FALSE(fixtureMenu::renameFixture(layout, QStringLiteral("Fixture 2")));
    EXPECT_TRUE(fixtureMenu::renameFixture(layout, QStringLiteral("Front left")));
    EXPECT_EQ(m.fixtureName[1], QStringLiteral("Front left"));
    EXPECT_EQ(m.channelFixtureLabel[1], QStringLiteral("Front left"));
    EXPECT_EQ(layout.icon(1)->myFixtureName, QStringLiteral("Front left"));
    EXPECT_EQ(layout.list.entries[0], QStringLiteral("Front left"));
}

} // namespace
