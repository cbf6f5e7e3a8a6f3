// Matrix addressing: the eight numbering orders, dragging one pixel onto
// another, the cell labels and the layout icons.

#include "matrix/matrixAddressing.h"
#include "matrixTestSupport.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

using namespace matrixTest;

namespace {

// The pixel numbers as the grid shows them, row by row.
QString arrangement(MatrixAddressing& a) {
    QStringList rows;
    for (int32_t r = 0; r < a.height(); ++r) {
        QStringList cells;
        for (int32_t c = 0; c < a.width(); ++c) cells << QString::number(a.pixelNumber(a.fixtureAtCell(c, r)));
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral(" / "));
}

} // namespace

TEST(MatrixAddressing, theEightOrdersOfAThreeByTwoMatrix) {
    struct Case {
        bool vertical;
        const char *horizontal, *verticalCaption, *expected;
    };
    const Case cases[] = {
        {false, "Left To Right", "Top To Bottom", "1 2 3 / 4 5 6"},
        {false, "Right To Left", "Top To Bottom", "3 2 1 / 6 5 4"},
        {false, "Left To Right", "Bottom To Top", "4 5 6 / 1 2 3"},
        {false, "Right To Left", "Bottom To Top", "6 5 4 / 3 2 1"},
        {true, "Left To Right", "Top To Bottom", "1 3 5 / 2 4 6"},
        {true, "Right To Left", "Top To Bottom", "5 3 1 / 6 4 2"},
        {true, "Left To Right", "Bottom To Top", "2 4 6 / 1 3 5"},
        {true, "Right To Left", "Bottom To Top", "6 4 2 / 5 3 1"},
    };
    for (const Case& c : cases) {
        TestShell t;
        ChannelModel& m = t.get().state;
        makeShow(m);
        patchMatrix(m, QStringLiteral("Stage"), 3, 2);
        MatrixAddressing a(m);
        a.setMatrixName(QStringLiteral("Stage"));
        ASSERT_TRUE(a.applyOrder(QString::fromLatin1(c.horizontal), QString::fromLatin1(c.verticalCaption), c.vertical));
        EXPECT_EQ(arrangement(a), QString::fromLatin1(c.expected))
            << c.vertical << " " << c.horizontal << " " << c.verticalCaption;
    }
}

TEST(MatrixAddressing, unknownCaptionsAndAnUnknownMatrixChangeNothing) {
    TestShell t;
    ChannelModel& m = t.get().state;
    makeShow(m);
    patchMatrix(m, QStringLiteral("Stage"), 3, 2);
    MatrixAddressing a(m);
    a.setMatrixName(QStringLiteral("Stage"));
    EXPECT_FALSE(a.applyOrder(QStringLiteral("Sideways"), QStringLiteral("Top To Bottom"), false));
    a.setMatrixName(QStringLiteral("stage"));
    EXPECT_EQ(a.firstFixture(), 0);
    a.renumberMatrix(false, false, false);
    a.setMatrixName(QStringLiteral("Stage"));
    EXPECT_EQ(arrangement(a), QStringLiteral("1 2 3 / 4 5 6"));
}

TEST(MatrixAddressing, gapsInTheFixtureNumbersKeepEveryPixelOnTheGrid) {
    TestShell t;
    ChannelModel& m = t.get().state;
    makeShow(m);
    patchMatrix(m, QStringLiteral("Stage"), 3, 2);
    // Fixture 3 left the matrix; a seventh pixel was patched after it.
    m.fixtureMatrixName[3] = QStringLiteral("Other");
    patchMatrix(m, QStringLiteral("Stage"), 1, 1, 200);
    m.fixtureMatrixColumn[7] = 3;
    m.fixtureMatrixRow[7] = 1;
    MatrixAddressing a(m);
    a.setMatrixName(QStringLiteral("Stage"));
    a.renumberMatrix(true, true, false);
    for (int32_t f : {1, 2, 4, 5, 6, 7}) {
        EXPECT_GE(m.fixtureMatrixRow[size_t(f)], 1) << f;
        EXPECT_LE(m.fixtureMatrixRow[size_t(f)], 2) << f;
    }
    EXPECT_EQ(m.fixtureMatrixColumn[7], 3);
    EXPECT_EQ(m.fixtureMatrixRow[7], 2);
}

TEST(MatrixAddressing, draggingPixelOneOntoFiveSwapsCellsAndIcons) {
    TestShell t;
    ChannelModel& m = t.get().state;
    makeShow(m);
    patchMatrix(m, QStringLiteral("Stage"), 3, 2);
    MatrixAddressing a(m);
    a.setMatrixName(QStringLiteral("Stage"));
    a.renumberMatrix(true, true, false);
    const int32_t top1 = m.fixtureIconTop[1], left1 = m.fixtureIconLeft[1];
    const int32_t top5 = m.fixtureIconTop[5], left5 = m.fixtureIconLeft[5];
    a.pressCell(0, 0);
    EXPECT_TRUE(a.releaseCell(1, 1));
    EXPECT_EQ(arrangement(a), QStringLiteral("5 2 3 / 4 1 6"));
    EXPECT_EQ(m.fixtureIconTop[1], top5);
    EXPECT_EQ(m.fixtureIconLeft[1], left5);
    EXPECT_EQ(m.fixtureIconTop[5], top1);
    EXPECT_EQ(m.fixtureIconLeft[5], left1);
    // Pressing or releasing on an empty cell changes nothing.
    a.pressCell(7, 7);
    EXPECT_FALSE(a.releaseCell(0, 0));
    a.pressCell(0, 0);
    EXPECT_FALSE(a.releaseCell(7, 7));
    EXPECT_EQ(arrangement(a), QStringLiteral("5 2 3 / 4 1 6"));
    // A pitch of 0 (nothing drawn yet) finds no cell.
    int32_t c = 0, r = 0;
    EXPECT_FALSE(MatrixAddressing::cellAt(10, 10, 0, 0, c, r));
    EXPECT_TRUE(MatrixAddressing::cellAt(45, 10, 22, 22, c, r));
    EXPECT_EQ(c, 2);
}

TEST(MatrixAddressing, iconsOfAFourColumnMatrixSitOnA270UnitGridAndCellsShowTheirAddress) {
    TestShell t;
    ChannelModel& m = t.get().state;
    makeShow(m, 3);
    patchMatrix(m, QStringLiteral("Stage"), 4, 2, 1021);
    MatrixAddressing a(m);
    a.setMatrixName(QStringLiteral("Stage"));
    a.renumberMatrix(true, true, false);
    for (int32_t f = 1; f <= 8; ++f) {
        EXPECT_EQ(m.fixtureIconLeft[size_t(f)], 270 * ((f - 1) % 4)) << f;
        EXPECT_EQ(m.fixtureIconTop[size_t(f)], 270 * ((f - 1) / 4)) << f;
    }
    m.fixtureStartChannel[1] = 1;
    m.fixtureStartChannel[2] = 1024;
    m.fixtureStartChannel[3] = 1025;
    EXPECT_EQ(a.addressText(1), QStringLiteral("1:1"));
    EXPECT_EQ(a.addressText(2), QStringLiteral("512:2"));
    EXPECT_EQ(a.addressText(3), QStringLiteral("1:3"));
}
