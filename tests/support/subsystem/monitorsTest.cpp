// Monitor enumeration, centring and the monitor chooser over fake monitors.

#include "support/clsMonitors.h"
#include "support/fakeMidiPorts.h"
#include "support/fakePlatform.h"
#include "support/ui/frmMonitor.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

FakeMonitors& monitorsOf(TestShell& t) { return static_cast<FakeMonitors&>(*t.get().monitors()); }

std::vector<int32_t> lefts(const clsMonitors& m) {
    std::vector<int32_t> out;
    for (const clsMonitor& each : m.Monitors) out.push_back(each.left);
    return out;
}

TEST(Monitors, oneMonitorKeepsItsRectangleAndWorkArea) {
    TestShell t;
    monitorsOf(t).work = {QRect(0, 0, 1920, 1040)};
    const clsMonitors m;
    ASSERT_EQ(m.Monitors.size(), 1u);
    const clsMonitor& a = m.Monitors[0];
    EXPECT_EQ(std::vector<int32_t>({a.left, a.tOp, a.Right, a.Bottom, a.Width, a.Height}),
              std::vector<int32_t>({0, 0, 1920, 1080, 1920, 1080}));
    EXPECT_EQ(a.WorkBottom, 1040);
    EXPECT_EQ(m.DesktopWidth(), 1920);
}

TEST(Monitors, theGridListsRowByRowFromTheTopLeftToRight) {
    TestShell t;
    struct Case { const char* name; std::vector<QRect> screens; std::vector<int32_t> lefts; };
    const Case cases[] = {
        // The primary first in the layer's list; a monitor left of it comes first.
        {"two side by side", {QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1080)}, {-1280, 0}},
        // A monitor above the primary is met in an earlier row.
        {"three", {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080), QRect(1920, -1080, 1920, 1080)},
         {1920, 0, 1920}},
        // Too small for a probe point: still listed, after the others.
        {"a small one", {QRect(0, 0, 1920, 1080), QRect(-200, 700, 200, 150)}, {0, -200}},
    };
    for (const Case& c : cases) {
        monitorsOf(t).rects = c.screens;
        const clsMonitors m;
        EXPECT_EQ(lefts(m), c.lefts) << c.name;
    }
    monitorsOf(t).rects = cases[1].screens;
    const clsMonitors three;
    EXPECT_EQ(three.Monitors[0].tOp, -1080);
    EXPECT_EQ(three.DesktopTop(), -1080);
    EXPECT_EQ(three.DesktopHeight(), 2160);
}

TEST(Monitors, centringUsesTheMonitorsCornerAndTheWorkAreasSize) {
    TestShell t;
    // A panel of 100 pixels at the left of the primary monitor.
    monitorsOf(t).rects = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    monitorsOf(t).work = {QRect(100, 0, 1820, 1080), QRect(1920, 0, 1280, 1024)};
    const clsMonitors m;
    EXPECT_EQ(m.CenterFormOnMonitor(QSize(800, 600)), QPoint(510, 240));
    // A reference window mostly on the second monitor.
    EXPECT_EQ(m.CenterFormOnMonitor(QSize(800, 600), QRect(1800, 100, 600, 400)), QPoint(1920 + 240, 212));
    // No monitor listed: the assumed screen.
    monitorsOf(t).rects.clear();
    monitorsOf(t).work.clear();
    const clsMonitors none;
    ASSERT_EQ(none.Monitors.size(), 1u);
    EXPECT_EQ(none.Monitors[0].handle, 0);
    EXPECT_EQ(none.CenterFormOnMonitor(QSize(800, 600)), QPoint(560, 240));
}

TEST(MonitorChooser, thePictureIsScaledFromTheDesktop) {
    TestShell t;
    clsMonitors one;
    frmMonitor d(one);
    d.layoutDialog();
    EXPECT_EQ(d.picDesktop->size(), QSize(480, 144));
    ASSERT_EQ(d.cmdMonitor.size(), 1u);
    EXPECT_EQ(d.cmdMonitor[0]->geometry(), QRect(0, 0, 480, 144));

    // A desktop higher than wide takes three quarters.
    monitorsOf(t).rects = {QRect(0, 0, 1080, 1920)};
    clsMonitors tall;
    frmMonitor upright(tall);
    upright.layoutDialog();
    EXPECT_EQ(upright.picDesktop->height(), qRound((1080 / 15) / 270.0 * 1920 * 0.75));
}

TEST(MonitorChooser, threeMonitorsGiveThreeButtonsAndTheClickDecides) {
    TestShell t;
    monitorsOf(t).rects = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080), QRect(3840, 0, 1920, 1080)};
    clsMonitors m;
    struct Case { std::vector<int> clicks; int action; int32_t result; };
    const Case cases[] = {{{1}, 0, 2}, {{1, 0}, 0, 1}, {{}, 0, 0}, {{2}, 1, 0}};
    for (const Case& c : cases) {
        frmMonitor d(m);
        d.layoutDialog();
        ASSERT_EQ(d.cmdMonitor.size(), 3u);
        EXPECT_EQ(d.cmdMonitor[2]->text(), QStringLiteral("Monitor 3"));
        EXPECT_GT(d.cmdMonitor[1]->x(), d.cmdMonitor[0]->x());
        for (int i : c.clicks) d.cmdMonitor[size_t(i)]->click();
        d.cmdAction[c.action]->click();
        EXPECT_EQ(d.DialogResult(), c.result);
    }
}

TEST(MonitorChooser, playbackFullscreenFollowsTheBoxEvenWhenCancelled) {
    TestShell t;
    clsMonitors m;
    bool fullScreen = false;
    frmMonitor d(m);
    d.setFullScreenTarget(&fullScreen);
    d.layoutDialog();
    EXPECT_EQ(d.chkFullScreen->text(), QStringLiteral("Playback Fullscreen"));
    d.chkFullScreen->click();
    EXPECT_TRUE(fullScreen);
    d.cmdAction[1]->click();
    EXPECT_TRUE(fullScreen);
    EXPECT_EQ(d.DialogResult(), 0);
}

} // namespace
