// Selection on the layout: clicks with and without modifiers, the rubber
// band, the queries other subsystems read, the control wing's walk, and the
// drag gate.
#include "patch/layoutEngine.h"
#include "patch/layoutPatchService.h"
#include "platform/tickTimer.h"
#include "shell/services/mastersService.h"
#include "layoutRig.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

constexpr int shiftKey = 1, ctrlKey = 2;

struct LayoutSelection : ::testing::Test {
    TestShell t;
    LayoutEngine& layout = layoutEngine();
    void SetUp() override {
        shell().provide<PatchService>(std::make_unique<LayoutPatchService>());
        const int k = layoutRig::addProfile(QStringLiteral("Dim"), {QStringLiteral("dimmer")});
        // Ten fixtures in a row, placed unscaled (Top + 50 on the window).
        for (int i = 0; i < 10; ++i) layoutRig::addFixture(k, 1 + i, 1000 + 1500 * i, 1150);
        layout.windowWidth = 40000;
        layout.windowHeight = 7680;
        layout.layoutWholeShow();
    }
    void click(int f, int shift = 0) {
        const FixtureIcon& ic = *layout.icon(f);
        layout.Form_MouseDown(1, shift, ic.Left + 10, ic.Top + 10);
        layout.Form_MouseUp(1, shift, ic.Left + 10, ic.Top + 10);
    }
    std::vector<int> selected() {
        std::vector<int> out;
        for (int i = 1; i < layout.iconCount(); ++i)
            if (layout.icon(i)->isSelected()) out.push_back(i);
        return out;
    }
};

TEST_F(LayoutSelection, ClicksWithModifiers) {
    struct Step { int fixture; int shift; std::vector<int> expected; };
    const Step steps[] = {
        {2, 0, {2}},
        {5, shiftKey, {2, 5}},
        {7, ctrlKey, {2, 5, 7}},
        {5, shiftKey, {2, 7}},           // a selected fixture toggles off
        {9, 0, {9}},                     // a plain click keeps only the clicked one
        {0, ctrlKey, {9}},               // Ctrl on empty space keeps the selection
        {0, shiftKey, {}},               // Shift on empty space clears it
    };
    for (const Step& s : steps) {
        if (s.fixture) click(s.fixture, s.shift);
        else {
            layout.Form_MouseDown(1, s.shift, 100, 100);
            layout.Form_MouseUp(1, s.shift, 100, 100);
        }
        EXPECT_EQ(selected(), s.expected) << "after fixture " << s.fixture << " shift " << s.shift;
    }
}

TEST_F(LayoutSelection, ReleaseColoursLabelsAndMirrorsTheList) {
    click(3);
    click(4, shiftKey);
    EXPECT_EQ(layout.icon(3)->labelBack, 255);
    EXPECT_EQ(layout.icon(1)->labelBack, 16777215);
    EXPECT_TRUE(layout.list.entrySelected(2));
    EXPECT_TRUE(layout.list.entrySelected(3));
    EXPECT_FALSE(layout.list.entrySelected(0));
    EXPECT_EQ(layout.currentFixtureNumber, 3); // the lowest selected one
    EXPECT_EQ(layout.currentStartChannel, 3);
}

TEST_F(LayoutSelection, RubberBandSelectsByTheCornerRule) {
    // Icon 1 at Left 950 lies within 100 of the band's start; one at 3100 does not.
    ChannelModel& m = shell().state;
    m.fixtureIconLeft[1] = 950;
    m.fixtureIconLeft[2] = 3100;
    layout.setFixturePosition();
    ASSERT_EQ(layout.icon(1)->Left, 950);
    ASSERT_EQ(layout.icon(1)->Top, 1200);
    layout.Form_MouseDown(1, 0, 1000, 1000);
    layout.Form_MouseMove(1, 0, 3000, 2500);
    EXPECT_TRUE(layout.bandShown);
    EXPECT_TRUE(layout.icon(1)->isSelected());
    EXPECT_FALSE(layout.icon(2)->isSelected());
    layout.Form_MouseUp(1, 0, 3000, 2500);
    EXPECT_FALSE(layout.bandShown);
    EXPECT_EQ(selected(), std::vector<int>{1});
}

TEST_F(LayoutSelection, BandOfSeveralKeepsThemForThePlainPressThatFollows) {
    layout.Form_MouseDown(1, 0, 500, 500);
    layout.Form_MouseMove(1, 0, 5500, 3000); // icons 1..3 (Left 1000, 2500, 4000)
    layout.Form_MouseUp(1, 0, 5500, 3000);
    ASSERT_EQ(selected(), (std::vector<int>{1, 2, 3}));
    click(2);
    EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
    layout.Form_MouseDown(1, 0, 100, 100); // empty space ends it
    layout.Form_MouseUp(1, 0, 100, 100);
    click(2);
    EXPECT_EQ(selected(), std::vector<int>{2});
}

TEST_F(LayoutSelection, CtrlBandOnlyAdds) {
    click(8);
    layout.Form_MouseDown(1, ctrlKey, 500, 500);
    layout.Form_MouseMove(1, ctrlKey, 2800, 3000);
    layout.Form_MouseUp(1, ctrlKey, 2800, 3000);
    EXPECT_EQ(selected(), (std::vector<int>{1, 2, 8}));
}

TEST_F(LayoutSelection, QueriesOverTheSelection) {
    EXPECT_EQ(layout.returnFixtureSelectList(), QString());
    EXPECT_EQ(layout.returnFirstFixture(), 0);
    EXPECT_EQ(layout.returnSelectCount(), 0);
    click(2);
    click(5, shiftKey);
    EXPECT_EQ(layout.returnFixtureSelectList(), QStringLiteral(" 2, 5,"));
    EXPECT_EQ(layout.returnFirstFixture(), 2);
    EXPECT_EQ(layout.returnLastFixture(), 0); // no control wing
    EXPECT_EQ(layout.returnSelectCount(), 2);
}

TEST_F(LayoutSelection, SimulatedClickAtTheOriginClearsAndRepublishes) {
    click(4);
    click(6, shiftKey);
    layout.Form_MouseDown(1, 0, 0, 0);
    EXPECT_TRUE(selected().empty());
    EXPECT_FALSE(layout.list.entrySelected(3));
    layout.icon(7)->setSelected(true);
    layout.Form_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(layout.icon(7)->labelBack, 255);
    EXPECT_TRUE(layout.list.entrySelected(6));
    EXPECT_EQ(layout.currentFixtureNumber, 7);
}

struct WingAttached : MastersService {
    bool tessalyControlWing() override { return true; }
};

TEST_F(LayoutSelection, WingWalksAHighlightThroughTheSelection) {
    shell().provide<MastersService>(std::make_unique<WingAttached>());
    for (int f : {2, 5, 9}) click(f, shiftKey);
    ASSERT_EQ(selected(), (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(layout.returnLastFixture(), 9);

    layout.selectPreviousFixture(); // nothing highlighted: nothing changes
    EXPECT_EQ(selected(), (std::vector<int>{2, 5, 9}));
    layout.selectNextFixture();
    EXPECT_EQ(selected(), std::vector<int>{2});
    layout.selectPreviousFixture(); // already on the first
    EXPECT_EQ(selected(), std::vector<int>{2});
    layout.selectNextFixture();
    EXPECT_EQ(selected(), std::vector<int>{5});
    layout.selectNextFixture();
    EXPECT_EQ(selected(), std::vector<int>{9});
    layout.selectPreviousFixture();
    EXPECT_EQ(selected(), std::vector<int>{5});
    layout.selectNextFixture();
    layout.selectNextFixture(); // past the last: highlight mode ends
    EXPECT_EQ(selected(), (std::vector<int>{2, 5, 9}));
    EXPECT_FALSE(layout.anyFixturesHiglighted());
}

TEST_F(LayoutSelection, WingWalkStopsBeforeAFixtureOfAnotherView) {
    shell().provide<MastersService>(std::make_unique<WingAttached>());
    for (int f : {2, 5, 9}) click(f, shiftKey);
    shell().state.fixtureView[9] = QStringLiteral("Stage");
    layout.setFixturePosition();
    layout.selectNextFixture();
    layout.selectNextFixture();
    layout.selectNextFixture(); // 9 is hidden: the highlight stays on 5
    EXPECT_TRUE(layout.icon(5)->isWingHighLight());
    EXPECT_EQ(selected(), std::vector<int>{5});
}

TEST_F(LayoutSelection, DraggingStartsOnlyAfterFourTicksOfAHeldButton) {
    FixtureIcon& ic = *layout.icon(3);
    const int left = ic.Left, top = ic.Top;
    auto& timer = *t.timers().created.at(0);
    layout.Form_MouseDown(1, 0, left + 10, top + 10);
    for (int tick = 0; tick < 4; ++tick) timer.fire();
    layout.Form_MouseMove(0, 0, left + 1010, top + 510);
    EXPECT_EQ(ic.Left, left);
    timer.fire();
    layout.Form_MouseMove(0, 0, left + 1010, top + 510);
    EXPECT_EQ(ic.Left, left + 1000);
    EXPECT_EQ(ic.Top, top + 500);
    EXPECT_TRUE(shell().state.showChanged);
    layout.Form_MouseUp(1, 0, left + 1010, top + 510);
    EXPECT_EQ(shell().state.fixtureIconLeft[3], 1000 + 1500 * 2 + 1000);
    EXPECT_EQ(shell().state.fixtureIconTop[3], 1150 + 500);
    EXPECT_EQ(layout.pressTicks, 0);
}

} // namespace
