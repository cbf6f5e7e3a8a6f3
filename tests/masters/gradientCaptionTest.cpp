// The bands of a strip's group picture.

#include "masters/gradientCaption.h"

#include <gtest/gtest.h>

TEST(GradientCaption, bandHeightAndColoursFollowThePictureHeight) {
    struct Case {
        int h, bandHeight;
        size_t bands;
    };
    // 3315 twips at 15 per pixel is 221 pixels: bands one pixel high;
    // 533 pixels: two pixels high.
    const Case cases[] = {{221, 1, 222}, {533, 2, 267}, {510, 2, 256}};
    for (const Case& c : cases) {
        const auto b = gradientCaption::bands(c.h, 0, 0x0000FF);
        ASSERT_EQ(b.size(), c.bands) << c.h;
        EXPECT_EQ(b.front().bottom, c.h);
        EXPECT_EQ(b.front().bottom - b.front().top, c.bandHeight);
        // The first two bands have the start colour; the top comes within
        // one band of the end colour.
        EXPECT_EQ(b[0].colour, 0);
        EXPECT_EQ(b[1].colour, 0);
        EXPECT_GE(b.back().colour & 0xFF, 255 - 2 * c.bandHeight) << c.h;
        EXPECT_LE(b.back().top, 0);
    }
    EXPECT_TRUE(gradientCaption::bands(0, 0, 0xFF).empty());
}
