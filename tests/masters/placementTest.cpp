// Window placement for one and two monitors, and the proportional resizing
// of a window's tagged controls.

#include "masters/dualView.h"
#include "masters/sizeFormControls.h"
#include "masters/smallUtilities.h"

#include <gtest/gtest.h>
#include <limits>

using dualView::Inputs;

TEST(DualView, needsTwoMonitorsAndTheSetting) {
    const std::vector<QRect> one{QRect(0, 0, 1920, 1080)};
    const std::vector<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    struct Case {
        const std::vector<QRect>* monitors;
        const char* setting;
        bool dual;
    };
    const Case cases[] = {{&one, "True", false}, {&two, "True", true}, {&two, "False", false},
                          {&two, "maybe", false}, {&two, "", false}, {&two, "-1", true}};
    for (const Case& c : cases)
        EXPECT_EQ(dualView::inForce(*c.monitors, QString::fromLatin1(c.setting)), c.dual) << c.setting;
}

TEST(DualView, twoMonitorsPutThePagesAndSubmastersOnTheSecond) {
    Inputs in;
    in.monitors = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    in.enabled = true;
    in.topBarHeight = 1245;
    in.frameWidth = 28650;
    in.layoutTop = 1300;
    const dualView::Placement p = dualView::place(in);
    ASSERT_TRUE(p.dual);
    ASSERT_TRUE(p.frame.has_value());
    EXPECT_EQ(*p.frame, QRect(0, 0, (1920 + 1280) * 15, 16119)); // 0.995 x 1080 x 15, to even
    EXPECT_EQ(*p.topBarWidth, (1920 + 1280) * 15 - 600);
    const int shortcutsH = int(std::nearbyint((1024.0 * 15 - 1245) * 0.675));
    EXPECT_EQ(*p.shortcuts, QRect(1920 * 15, 1245, int(1280 * 15 * 0.98), shortcutsH));
    EXPECT_EQ(*p.submasters, QRect(1920 * 15, int(std::nearbyint(1245 + shortcutsH + 0.005 * 1080 * 15)),
                                   int(1280 * 15 * 0.98), int(1024 * 15 * 0.25)));
    EXPECT_EQ(p.playbackModeEnabled, std::optional<bool>(false));
    EXPECT_EQ(p.layoutHeight, int(std::nearbyint(1024 * 15 * 0.7)));
    EXPECT_EQ(p.mainTop, 1300 + p.layoutHeight + 100);
    // A second switch: the frame already has the width and is left alone.
    in.frameWidth = (1920 + 1280) * 15;
    EXPECT_FALSE(dualView::place(in).frame.has_value());
}

TEST(DualView, oneMonitorStacksPagesOverSubmastersUnlessTheFrameIsMaximized) {
    Inputs in;
    in.monitors = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    in.enabled = false;
    in.topBarTop = 0;
    in.topBarHeight = 1245;
    dualView::Placement p = dualView::place(in);
    ASSERT_FALSE(p.dual);
    EXPECT_TRUE(p.maximizeFrame);
    const int shortcutsH = int(std::nearbyint(0.625 * 1080 * 15));
    EXPECT_EQ(*p.shortcuts, QRect(0, 1245, int(std::nearbyint(0.995 * 1920 * 15)), shortcutsH));
    EXPECT_EQ(p.submasters->top(), int(std::nearbyint(1245 + shortcutsH + 0.005 * 1080 * 15)));
    EXPECT_EQ(p.submasters->height(), int(std::nearbyint(0.21 * 1080 * 15)));
    EXPECT_EQ(p.playbackModeEnabled, std::optional<bool>(true));
    EXPECT_EQ(p.layoutHeight, 1080 * 15 / 2);
    in.frameMaximized = true;
    p = dualView::place(in);
    EXPECT_FALSE(p.frame || p.shortcuts || p.submasters || p.playbackModeEnabled);
    EXPECT_TRUE(p.shortcutsLeftOnly);
}

namespace {
std::vector<SizedControl> form() {
    std::vector<SizedControl> c(4);
    c[0] = {1, "label", "Size", SizedControl::Label, 100, 200, 1000, 300, 8};
    c[1] = {2, "combo", "Size", SizedControl::ComboBox, 100, 600, 1000, 315, 8};
    c[2] = {3, "fader", "Size", SizedControl::Other, 1500, 100, 600, 2000, 0};
    c[3] = {4, "fixed", "", SizedControl::Label, 50, 50, 500, 500, 8};
    return c;
}
} // namespace

TEST(SizeFormControls, scalesTaggedControlsAndGrowsFontsOnly) {
    ClsSizeFormControls r;
    std::vector<SizedControl> c = form();
    r.GetLocation(c, 4000, 3000);
    ASSERT_EQ(r.controlPositions.size(), 3u);
    struct Case {
        int width, height;
        int labelLeft, labelTop, labelHeight, comboHeight;
        float labelFont;
    };
    const Case cases[] = {{4000, 3000, 100, 200, 300, 315, 8},  // recorded size: back in place
                          {8000, 6000, 200, 400, 600, 315, 16}, // twice: fonts double
                          {2000, 1500, 50, 100, 150, 315, 16},  // smaller: fonts kept as they were
                          {4000, 3000, 100, 200, 300, 315, 8}};
    for (const Case& k : cases) {
        r.ResizeControls(c, k.width, k.height);
        EXPECT_EQ(c[0].left, k.labelLeft) << k.width;
        EXPECT_EQ(c[0].top, k.labelTop) << k.width;
        EXPECT_EQ(c[0].height, k.labelHeight) << k.width;
        EXPECT_EQ(c[1].height, k.comboHeight) << k.width;
        EXPECT_FLOAT_EQ(c[0].fontSize, k.labelFont) << k.width;
        EXPECT_EQ(c[3].left, 50) << "untagged never moves";
        EXPECT_FLOAT_EQ(c[2].fontSize, 0);
    }
    r.ResizeControls(c, 8000, 6000);
    EXPECT_EQ(r.SetFontSize(), 16);
}

TEST(SizeFormControls, smallScaledFontIsNotApplied) {
    ClsSizeFormControls r;
    std::vector<SizedControl> c = form();
    c[0].fontSize = 2;
    r.GetLocation(c, 4000, 3000);
    r.ResizeControls(c, 4000, 4500); // 2 x 1.5 = 3, below 4
    EXPECT_FLOAT_EQ(c[0].fontSize, 2);
}

TEST(SizeFormControls, wideWindowsDoNotOverflowAndAZeroRecordIsNotScaled) {
    ClsSizeFormControls r;
    std::vector<SizedControl> c = form();
    c[2].left = 40000; // beyond 16-bit twips (a window over 2184 pixels)
    r.GetLocation(c, 60000, 3000);
    r.ResizeControls(c, 120000, 3000);
    EXPECT_EQ(c[2].left, 80000);
    EXPECT_EQ(c[2].width, 1200);

    ClsSizeFormControls zero;
    std::vector<SizedControl> d = form();
    zero.GetLocation(d, 0, 0);
    zero.ResizeControls(d, 8000, 6000);
    EXPECT_EQ(d[0].left, 100);
    EXPECT_EQ(d[0].height, 300);
}

TEST(SmallUtilities, minMaxKeepsTheFullRange) {
    clsMinMax r;
    r.setMin(0);
    r.setMAX(255);
    EXPECT_EQ(r.min(), 0);
    EXPECT_EQ(r.MAX(), 255);
    r.setMin(std::numeric_limits<int32_t>::min());
    r.setMAX(std::numeric_limits<int32_t>::max());
    EXPECT_EQ(r.min(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(r.MAX(), std::numeric_limits<int32_t>::max());
}
