#include "patch/fixtureGroups.h"
#include "patchTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(PatchPlacement, MatrixPixelsFillRowsOfTheirColumnsAboveTheLayout) {
    struct Pixel {
        int32_t top, left, row, column;
    };
    struct Case {
        int32_t pixels;
        std::vector<Pixel> expected;
    };
    const std::vector<Case> cases = {
        {8, {{-1200, 100, 1, 1}, {-1200, 370, 1, 2}, {-1200, 640, 1, 3}, {-1200, 910, 1, 4},
             {-930, 100, 2, 1}, {-930, 370, 2, 2}, {-930, 640, 2, 3}, {-930, 910, 2, 4}}},
        {10, {{-1200, 100, 1, 1}, {-1200, 370, 1, 2}, {-1200, 640, 1, 3}, {-1200, 910, 1, 4},
              {-930, 100, 2, 1}, {-930, 370, 2, 2}, {-930, 640, 2, 3}, {-930, 910, 2, 4},
              {-660, 100, 3, 1}, {-660, 370, 3, 2}}},
    };
    for (const Case& c : cases) {
        PatchRig rig;
        patchCommit::Request r = rig.request(QStringLiteral("Pixel"), {QStringLiteral("red"), QStringLiteral("green"),
                                                                       QStringLiteral("blue")},
                                             1, c.pixels);
        r.matrix = true;
        r.matrixName = QStringLiteral("Wall");
        r.columnsText = QStringLiteral("4");
        patchCommit::commit(r);
        ChannelModel& m = rig.m();
        ASSERT_EQ(m.fixtureCount, c.pixels);
        EXPECT_EQ(m.viewNames[1], QStringLiteral("Wall"));
        for (int32_t f = 1; f <= c.pixels; ++f) {
            const Pixel& p = c.expected[size_t(f - 1)];
            EXPECT_EQ(m.fixtureIconTop[size_t(f)], p.top) << c.pixels << " pixel " << f;
            EXPECT_EQ(m.fixtureIconLeft[size_t(f)], p.left) << c.pixels << " pixel " << f;
            EXPECT_EQ(m.fixtureMatrixRow[size_t(f)], p.row) << c.pixels << " pixel " << f;
            EXPECT_EQ(m.fixtureMatrixColumn[size_t(f)], p.column) << c.pixels << " pixel " << f;
            EXPECT_EQ(m.fixtureMatrixMarker[f], QStringLiteral("YesMatrix"));
            EXPECT_EQ(m.fixtureView[f], QStringLiteral("Wall"));
        }
    }
}

TEST(PatchPlacement, RefusedMatrixStillLeavesItsView) {
    PatchRig rig;
    rig.patch(QStringLiteral("Par"), parTypes, 1, 1);
    patchCommit::Request r = rig.request(QStringLiteral("Pixel"), parTypes, 1, 4);
    r.matrix = true;
    r.matrixName = QStringLiteral("Wall");
    r.columnsText = QStringLiteral("2");
    EXPECT_TRUE(patchCommit::commit(r).closed);
    EXPECT_EQ(rig.m().viewNames[1], QStringLiteral("Wall"));
    EXPECT_EQ(rig.m().fixtureCount, 1);
}

TEST(PatchPlacement, IconsRunAcrossAndWrapBelow) {
    PatchRig rig;
    patchCommit::Request r = rig.request(QStringLiteral("Par"), parTypes, 1, 6);
    r.layoutWidth = 0; // wraps once Left passes 13400
    patchCommit::commit(r);
    ChannelModel& m = rig.m();
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {-1200, 100}, {-1200, 4100}, {-1200, 8100}, {-1200, 12100}, {-300, 100}, {-300, 4100}};
    for (int32_t f = 1; f <= 6; ++f) {
        EXPECT_EQ(m.fixtureIconTop[size_t(f)], expected[size_t(f - 1)].first) << f;
        EXPECT_EQ(m.fixtureIconLeft[size_t(f)], expected[size_t(f - 1)].second) << f;
    }
}

TEST(PatchPlacement, AutomaticGroupsListAllEvenAndOddFixturesOfTheBatch) {
    PatchRig rig;
    rig.patch(QStringLiteral("Spot"), spotTypes, 1, 10);
    rig.t.prompts().answers = {msgBox::Yes};
    rig.patch(QStringLiteral("Par"), parTypes, 201, 5);
    const ShowTables& t = rig.m().tables;
    EXPECT_EQ(t.groupNames[0], QStringLiteral("Par"));
    EXPECT_EQ(t.groupMembers[0], QStringLiteral("11,12,13,14,15,"));
    EXPECT_EQ(t.groupNames[1], QStringLiteral("Par Even"));
    EXPECT_EQ(t.groupMembers[1], QStringLiteral("12,14,"));
    EXPECT_EQ(t.groupNames[2], QStringLiteral("Par Odd"));
    EXPECT_EQ(t.groupMembers[2], QStringLiteral("11,13,15,"));
}

TEST(PatchPlacement, AutomaticGroupsTakeFreeSlotsOnlyAndSkipWhenNoneIsLeft) {
    {
        PatchRig rig;
        ShowTables& t = rig.m().tables;
        t.groupNames[0] = QStringLiteral("A");
        t.groupMembers[0] = QStringLiteral("1,");
        t.groupNames[2] = QStringLiteral("C");
        t.groupMembers[2] = QStringLiteral("2,");
        rig.t.prompts().answers = {msgBox::Yes};
        rig.patch(QStringLiteral("Par"), parTypes, 1, 2);
        EXPECT_EQ(t.groupMembers[1], QStringLiteral("1,2,"));
        EXPECT_EQ(t.groupNames[2], QStringLiteral("C"));
        EXPECT_EQ(t.groupMembers[2], QStringLiteral("2,"));
        EXPECT_EQ(t.groupMembers[3], QStringLiteral("2,"));
        EXPECT_EQ(t.groupNames[3], QStringLiteral("Par Even"));
        EXPECT_EQ(t.groupMembers[4], QStringLiteral("1,"));
        EXPECT_EQ(t.groupNames[4], QStringLiteral("Par Odd"));
    }
    {
        PatchRig rig;
        ShowTables& t = rig.m().tables;
        for (int g = 0; g < 255; ++g) t.groupMembers[g] = QStringLiteral("1,");
        rig.t.prompts().answers = {msgBox::Yes};
        rig.patch(QStringLiteral("Par"), parTypes, 1, 2);
        EXPECT_EQ(t.groupNames[255], QStringLiteral("Par"));
        EXPECT_EQ(t.groupMembers[255], QStringLiteral("1,2,"));
        EXPECT_EQ(t.groupMembers[254], QStringLiteral("1,"));
    }
}

} // namespace
