#include "patch/fixtureGroups.h"
#include "patch/fixtureRemoval.h"
#include "patchTestSupport.h"
#include "shell/services/patchService.h"

#include <gtest/gtest.h>

namespace {

struct SelectingLayout final : PatchService {
    std::vector<int32_t> selection;
    std::vector<int32_t> selectedFixtures() override { return selection; }
};

TEST(FixtureRemoval, RemovingFixtureTwoOfThreeMovesTheLastDownAndFreesItsChannels) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 3);
    ChannelModel& m = rig.m();
    m.fixtureView[3] = QStringLiteral("Stage");
    m.fixtureIconTop[3] = 777;
    m.fixtureRotationY[3] = 27000;
    m.tables.groupNames[0] = QStringLiteral("Mixed");
    m.tables.groupMembers[0] = QStringLiteral("2,5,9,");
    m.tables.groupNames[1] = QStringLiteral("Two");
    m.tables.groupMembers[1] = QStringLiteral("2,");
    const int saves = rig.show->saves;
    rig.t.prompts().answers = {msgBox::Yes};
    rig.t.prompts().messages.clear();
    ASSERT_TRUE(fixtureRemoval::removeFixtures({2}));
    // The question names what goes.
    EXPECT_EQ(rig.t.prompts().messages.value(0),
              QStringLiteral("ARE YOU SURE YOU WANT TO REMOVE CURRENTLY SELECTED FIXTURE(s): Par 2"));
    EXPECT_EQ(m.fixtureCount, 2);
    EXPECT_EQ(m.fixtureName[2], QStringLiteral("Par 3"));
    EXPECT_EQ(m.fixtureStartChannel[2], 9);
    EXPECT_EQ(m.fixtureView[2], QStringLiteral("Stage"));
    EXPECT_EQ(m.fixtureIconTop[2], 777);
    EXPECT_EQ(m.fixtureRotationY[2], 27000);
    for (int c = 5; c <= 8; ++c) EXPECT_EQ(m.channelType[c], QStringLiteral("none")) << c;
    EXPECT_EQ(m.channelFixtureLabel[9], QStringLiteral("Par 3"));
    EXPECT_EQ(m.tables.groupMembers[0], QStringLiteral("4,8,")); // 2 went, the rest moved down
    EXPECT_EQ(m.tables.groupMembers[1], QString());
    EXPECT_EQ(m.tables.groupNames[1], QStringLiteral("Two"));
    EXPECT_EQ(rig.show->saves, saves + 1);
}

TEST(FixtureRemoval, GroupsLoseTheFixtureAndCountDownAboveIt) {
    PatchRig rig;
    ShowTables& t = rig.m().tables;
    t.groupMembers[0] = QStringLiteral("2,5,9,");
    t.groupMembers[1] = QStringLiteral("5,");
    t.groupMembers[2] = QStringLiteral("1,4,");
    fixtureGroups::removeFixtureFromGroups(5);
    EXPECT_EQ(t.groupMembers[0], QStringLiteral("2,8,"));
    EXPECT_EQ(t.groupMembers[1], QString());
    EXPECT_EQ(t.groupMembers[2], QStringLiteral("1,4,"));
}

TEST(FixtureRemoval, TheLastFixtureOfAProfileDropsItsSlotAndTheLaterOnesMoveDown) {
    PatchRig rig;
    rig.patch(QStringLiteral("Spot"), spotTypes, 1, 1);
    rig.patch(QStringLiteral("Par"), parTypes, 5, 2);
    rig.patch(QStringLiteral("Wash"), spotTypes, 13, 1);
    ChannelModel& m = rig.m();
    ASSERT_EQ(m.lightClassCount, 3);
    rig.t.prompts().answers = {msgBox::Yes};
    ASSERT_TRUE(fixtureRemoval::removeFixtures({1}));
    EXPECT_EQ(m.lightClassCount, 2);
    EXPECT_EQ(m.lightClass(1).Name, QStringLiteral("Par"));
    EXPECT_EQ(m.lightClass(2).Name, QStringLiteral("Wash"));
    EXPECT_FALSE(m.lightClass(3).taken);
    EXPECT_EQ(m.fixtureLightClass[3], 2);
    // One of two fixtures of a profile keeps it.
    rig.t.prompts().answers = {msgBox::Yes};
    ASSERT_TRUE(fixtureRemoval::removeFixtures({1}));
    EXPECT_EQ(m.lightClassCount, 2);
    EXPECT_EQ(m.lightClass(1).Name, QStringLiteral("Par"));
}

TEST(FixtureRemoval, TheSelectionIsWhatGoesAndTheQuestionNamesIt) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 4);
    auto& layout = rig.t.get().provide<PatchService>(std::make_unique<SelectingLayout>());
    layout.selection = {1, 3};
    rig.t.prompts().answers = {msgBox::Yes};
    rig.t.prompts().messages.clear();
    ASSERT_TRUE(fixtureRemoval::removefixture_Click());
    EXPECT_EQ(rig.t.prompts().messages.value(0),
              QStringLiteral("ARE YOU SURE YOU WANT TO REMOVE CURRENTLY SELECTED FIXTURE(s): Par 1, Par 3"));
    ChannelModel& m = rig.m();
    EXPECT_EQ(m.fixtureCount, 2);
    EXPECT_EQ(m.fixtureName[1], QStringLiteral("Par 2"));
    EXPECT_EQ(m.fixtureName[2], QStringLiteral("Par 4"));
}

TEST(FixtureRemoval, OneFixtureOrANoAnswerChangesNothing) {
    struct Case {
        int fixtures;
        int answer;
        QString firstMessage;
    };
    const std::vector<Case> cases = {
        {1, msgBox::Yes, QStringLiteral("Cannot Remove Last Fixture, Use 'Create new Show/Configuration")},
        {2, msgBox::No, QStringLiteral("ARE YOU SURE YOU WANT TO REMOVE CURRENTLY SELECTED FIXTURE(s): Par 1")},
    };
    for (const Case& c : cases) {
        PatchRig rig;
        rig.patch(QStringLiteral("Par"), parTypes, 1, c.fixtures);
        const int saves = rig.show->saves;
        rig.t.prompts().answers = {c.answer};
        rig.t.prompts().messages.clear();
        EXPECT_FALSE(fixtureRemoval::removeFixtures({1}));
        EXPECT_EQ(rig.t.prompts().messages.value(0), c.firstMessage);
        EXPECT_EQ(rig.m().fixtureCount, c.fixtures);
        EXPECT_EQ(rig.m().channelType[1], QStringLiteral("dimmer"));
        EXPECT_EQ(rig.show->saves, saves);
    }
}

TEST(FixtureRemoval, AMatrixGoesWholeAndItsViewStays) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 1);
    patchCommit::Request r = rig.request(QStringLiteral("Pixel"), {QStringLiteral("red")}, 101, 4);
    r.matrix = true;
    r.matrixName = QStringLiteral("Wall");
    r.columnsText = QStringLiteral("2");
    patchCommit::commit(r);
    ASSERT_EQ(rig.m().fixtureCount, 5);
    rig.t.prompts().answers = {msgBox::Yes};
    ASSERT_TRUE(fixtureRemoval::removeMatrix(QStringLiteral("Wall")));
    EXPECT_EQ(rig.m().fixtureCount, 1);
    EXPECT_EQ(rig.m().fixtureName[1], QStringLiteral("Par 1"));
    EXPECT_EQ(rig.m().viewNames[1], QStringLiteral("Wall"));
    EXPECT_EQ(rig.m().channelType[101], QStringLiteral("none"));
}

TEST(FixtureGroups, DeletingAGroupMovesTheLaterOnesDown) {
    PatchRig rig;
    ShowTables& t = rig.m().tables;
    const QStringList names = {"A", "B", "C"};
    for (int g = 0; g < 3; ++g) {
        t.groupNames[g] = names[g];
        t.groupMembers[g] = QString::number(g + 1) + QLatin1Char(',');
    }
    rig.t.prompts().answers = {msgBox::Yes};
    ASSERT_TRUE(fixtureGroups::deleteAGroup(2));
    EXPECT_EQ(rig.t.prompts().messages.value(0), QStringLiteral(" Are you sure you would like to delete the Group B"));
    EXPECT_EQ(t.groupNames[0], QStringLiteral("A"));
    EXPECT_EQ(t.groupNames[1], QStringLiteral("C"));
    EXPECT_EQ(t.groupMembers[1], QStringLiteral("3,"));
    EXPECT_EQ(t.groupMembers[2], QString());
}

TEST(FixtureGroups, CreateTakesTheFirstFreeSlotAndACancelLeavesItFree) {
    PatchRig rig;
    ShowTables& t = rig.m().tables;
    for (int g = 0; g < 3; ++g) t.groupMembers[g] = QStringLiteral("1,");
    rig.t.prompts().inputs = {QStringLiteral("Front")};
    fixtureGroups::createGroup({2, 5, 11});
    EXPECT_EQ(t.groupMembers[3], QStringLiteral("2,5,11,"));
    EXPECT_EQ(t.groupNames[3], QStringLiteral("Front"));
    fixtureGroups::createGroup({7});
    EXPECT_EQ(t.groupMembers[4], QString());
    rig.t.prompts().messages.clear();
    fixtureGroups::createGroup({});
    EXPECT_EQ(rig.t.prompts().messages.value(0),
              QStringLiteral("No Fixtures are Selected, Please Select Fixtures First using the Fixture List"));
}

} // namespace

namespace {

struct SelectionLayout final : PatchService {
    std::vector<int32_t> chosen;
    bool added = false;
    void selectFixtures(const std::vector<int32_t>& fixtures, bool add) override {
        chosen = fixtures;
        added = add;
    }
};

TEST(FixtureGroups, TheGroupMenuSelectsOrDeletesByMode) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 4);
    auto& layout = rig.t.get().provide<PatchService>(std::make_unique<SelectionLayout>());
    ShowTables& t = rig.m().tables;
    t.groupNames[0] = QStringLiteral("Front");
    t.groupMembers[0] = QStringLiteral("2,4,");
    t.groupNames[1] = QStringLiteral("Back");
    t.groupMembers[1] = QStringLiteral("1,");
    fixtureGroups::selectgroup_Click(1, true);
    EXPECT_EQ(layout.chosen, (std::vector<int32_t>{2, 4}));
    EXPECT_TRUE(layout.added);
    EXPECT_EQ(fixtureGroups::modes().selectedGroup, 1);

    fixtureGroups::modes().deleteMode = true;
    fixtureGroups::selectgroup_Click(0, false); // entry 0 keeps the delete mode
    EXPECT_TRUE(fixtureGroups::modes().deleteMode);
    rig.t.prompts().answers = {msgBox::Yes};
    fixtureGroups::selectgroup_Click(1, false);
    EXPECT_FALSE(fixtureGroups::modes().deleteMode);
    EXPECT_EQ(t.groupNames[0], QStringLiteral("Back"));

    rig.t.prompts().inputs = {QStringLiteral("  Rear")};
    fixtureGroups::renameAGroup(1);
    EXPECT_EQ(t.groupNames[0], QStringLiteral("  Rear"));
    fixtureGroups::renameAGroup(1); // an empty answer keeps the name
    EXPECT_EQ(t.groupNames[0], QStringLiteral("  Rear"));
}

TEST(FixtureGroups, SavingAnEditedGroupWritesTheSelectionIntoIt) {
    PatchRig rig;
    ShowTables& t = rig.m().tables;
    t.groupNames[0] = QStringLiteral("Front");
    t.groupMembers[0] = QStringLiteral("1,");
    rig.t.prompts().messages.clear();
    fixtureGroups::saveChangesToGroup({2});
    EXPECT_EQ(rig.t.prompts().messages.value(0),
              QStringLiteral("No Group is being edited, Please select (edit existing group) from the (groups) menu"));
    fixtureGroups::modes().editMode = true;
    fixtureGroups::modes().selectedGroup = 1;
    rig.t.prompts().inputs = {QStringLiteral("Front")};
    fixtureGroups::saveChangesToGroup({2, 3});
    EXPECT_EQ(t.groupMembers[0], QStringLiteral("2,3,"));
    EXPECT_FALSE(fixtureGroups::modes().editMode);
}

} // namespace
