// Views, scaling and placement of the layout's icons.
#include "patch/layoutEngine.h"
#include "layoutRig.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

struct LayoutPlacement : ::testing::Test {
    TestShell t;
    LayoutEngine& layout = layoutEngine();
    int dimmer = layoutRig::addProfile(QStringLiteral("Dim"), {QStringLiteral("dimmer")});
    void place(int width, int height) {
        layout.windowWidth = width;
        layout.windowHeight = height;
        layout.layoutWholeShow();
    }
};

TEST_F(LayoutPlacement, NoFixturesKeepsBothScalesAtOne) {
    place(5000, 7680);
    EXPECT_EQ(layout.verticalScale, 1.0);
    EXPECT_EQ(layout.horizontalScale, 1.0);
    EXPECT_EQ(layout.iconCount(), 1);
}

TEST_F(LayoutPlacement, BottomMostTopSetsTheVerticalScale) {
    layoutRig::addFixture(dimmer, 1, 1000, 0);
    layoutRig::addFixture(dimmer, 2, 2000, 9000);
    place(20000, 7680);
    EXPECT_DOUBLE_EQ(layout.verticalScale, 7680.0 / 10500.0);
    EXPECT_EQ(layout.topOffset, 0);
    EXPECT_EQ(layout.icon(2)->Top, std::lround(7680.0 / 10500.0 * 9050));
}

TEST_F(LayoutPlacement, ANegativeTopShiftsEveryIconDown) {
    layoutRig::addFixture(dimmer, 1, 1000, 0);
    layoutRig::addFixture(dimmer, 2, 2000, 9000);
    layoutRig::addFixture(dimmer, 3, 3000, -1200);
    place(20000, 7680);
    const double scale = 7680.0 / 11700.0;
    EXPECT_EQ(layout.topOffset, 1200);
    EXPECT_DOUBLE_EQ(layout.verticalScale, scale);
    EXPECT_EQ(layout.icon(1)->Top, int(std::nearbyint(scale * 1250)));
    EXPECT_EQ(layout.icon(3)->Top, int(std::nearbyint(scale * 50)));
}

TEST_F(LayoutPlacement, SmallestLeftKeepsAMarginOfOneHundred) {
    layoutRig::addFixture(dimmer, 1, 30, 0);
    layoutRig::addFixture(dimmer, 2, 9000, 0);
    place(6500, 7680);
    EXPECT_EQ(layout.leftOffset, -70);
    const double scale = 6500.0 / (70 + 13000);
    EXPECT_DOUBLE_EQ(layout.horizontalScale, scale);
    EXPECT_EQ(layout.icon(1)->Left, int(std::nearbyint(100 * scale)));
}

TEST_F(LayoutPlacement, IconSizeFollowsOnlyTheWindowHeight) {
    layoutRig::addFixture(dimmer, 1, 1000, 0);
    place(20000, 9216);
    const int wide = layout.icon(1)->theWidth;
    EXPECT_EQ(wide, std::lround(1245 * 1.2));
    place(40000, 9216);
    EXPECT_EQ(layout.icon(1)->theWidth, wide);
}

TEST_F(LayoutPlacement, ViewsShowTheirOwnFixturesAndLongNamesShowEverywhere) {
    layoutRig::addFixture(dimmer, 1, 1000, 0);                                 // empty view: "View 1" only
    layoutRig::addFixture(dimmer, 2, 2000, 0, QStringLiteral("Stage"));
    layoutRig::addFixture(dimmer, 3, 3000, 0, QStringLiteral("A view name of 21 ch"));
    layoutRig::addFixture(dimmer, 4, 4000, 0, QStringLiteral("A view name of 21 chr"));
    place(20000, 7680);
    struct Case { QString view; bool visible[4]; };
    const Case cases[] = {
        {QStringLiteral("View 1"), {true, false, false, true}},
        {QStringLiteral("Stage"), {false, true, false, true}},
        {QStringLiteral("A view name of 21 ch"), {false, false, true, true}},
    };
    for (const Case& c : cases) {
        layout.changeFixtureLayer(c.view);
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(layout.icon(i)->Visible, c.visible[i - 1]) << c.view.toStdString() << i;
    }
}

TEST_F(LayoutPlacement, MatrixViewSizesItsCellsAndSelectsOnlyItsPixels) {
    ChannelModel& m = shell().state;
    layoutRig::addFixture(dimmer, 1, 1000, 0);
    for (int col = 1; col <= 10; ++col) {
        const int f = layoutRig::addFixture(dimmer, 1 + col, 0, 0, QStringLiteral("Wall"));
        m.fixtureMatrixMarker[f] = QStringLiteral("YesMatrix");
        m.fixtureMatrixName[f] = QStringLiteral("Wall");
        m.fixtureMatrixColumn[size_t(f)] = col;
        m.fixtureMatrixRow[size_t(f)] = 1;
    }
    place(7425, 7680);
    layout.icon(1)->setSelected(true);
    layout.changeFixtureLayer(QStringLiteral("Wall"));
    EXPECT_TRUE(layout.pctMatrixVisible);
    EXPECT_EQ(layout.pctMatrix.width, 4950);
    EXPECT_EQ(layout.matrixCellWidth, 450);
    EXPECT_FALSE(layout.icon(1)->isSelected());
    for (int f = 2; f <= 11; ++f) EXPECT_TRUE(layout.icon(f)->isSelected());
    layout.drawMatrixPixel(1, 0, 255);
    ASSERT_EQ(layout.matrixCells.size(), 1u);
    EXPECT_EQ(layout.matrixCells[0].left, 495);
    EXPECT_EQ(layout.matrixCells[0].width, 450);

    // Back on a normal view the selection stays as it was.
    layout.changeFixtureLayer(QStringLiteral("View 1"));
    EXPECT_FALSE(layout.pctMatrixVisible);
    EXPECT_TRUE(layout.icon(2)->isSelected());
}

} // namespace
