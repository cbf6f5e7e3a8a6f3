// The layout window and the fixture list offscreen, with a dozen fixtures
// patched straight into the shared arrays.
#include "patch/layoutEngine.h"
#include "patch/ui/FixtureList.h"
#include "patch/ui/fixture.h"
#include "patch/ui/fixtureIconWidget.h"
#include "patch/ui/patchWindows.h"
#include "shell/services/patchService.h"
#include "layoutRig.h"
#include "support/fakePlatform.h"

#include <QListWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget& w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers mods,
           QPoint at) {
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, held, mods);
    QCoreApplication::sendEvent(&w, &e);
}

void click(QWidget& w, Qt::KeyboardModifiers mods, QPoint at) {
    mouse(w, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, mods, at);
    mouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, mods, at);
}

struct LayoutWindow : ::testing::Test {
    TestShell t;
    PatchWindowsService* service = nullptr;
    LayoutEngine& layout = layoutEngine();
    void SetUp() override {
        const int k = layoutRig::addProfile(QStringLiteral("Dim"), {QStringLiteral("dimmer")});
        for (int i = 0; i < 12; ++i) layoutRig::addFixture(k, 1 + i, 300 + 1200 * (i % 6), 300 + 1500 * (i / 6));
        service = &startPatchWindows(shell());
        service->layoutWindow().resize(800, 600);
        QCoreApplication::processEvents();
    }
    QWidget& surface() { return *service->layoutWindow().surface(); }
    QPoint centreOf(int f) {
        const FixtureIcon& ic = *layout.icon(f);
        return QPoint((ic.Left + 300) / 15, (ic.Top + 300) / 15);
    }
    std::vector<int> listSelection() {
        std::vector<int> out;
        QListWidget& list = *service->fixtureList().List1;
        for (int k = 0; k < list.count(); ++k)
            if (list.item(k)->isSelected()) out.push_back(k + 1);
        return out;
    }
    std::vector<int> selected() {
        std::vector<int> out;
        for (int f = 1; f <= 12; ++f)
            if (shell().patch().isSelected(f)) out.push_back(f);
        return out;
    }
};

TEST_F(LayoutWindow, OpensWithOneVisibleIconPerFixture) {
    EXPECT_TRUE(service->layoutWindow().isVisible());
    EXPECT_EQ(service->layoutWindow().windowTitle(), QStringLiteral(" Fixture Layout"));
    EXPECT_EQ(service->fixtureList().List1->count(), 12);
    EXPECT_EQ(service->fixtureList().List1->item(4)->text(), QStringLiteral("Fixture 5"));
    for (int f = 1; f <= 12; ++f) {
        FixtureIconWidget* w = service->layoutWindow().iconWidget(f);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->x(), layout.icon(f)->Left / 15);
    }
    EXPECT_EQ(shell().patch().fixtureIconName(3), QStringLiteral("Fixture 3"));
}

TEST(FixtureIconLabel, TheNumberStaysWholeAndOnlyTheEndOfTheNameIsCut) {
    const QFontMetrics metrics(QApplication::font());
    const int narrow = metrics.horizontalAdvance(QStringLiteral("Generic RGB"));
    struct Case { QString name; int width; QString expected; };
    for (const Case& c : std::vector<Case>{
             {"Generic RGB Par 3", 1000, "Generic RGB Par 3"},
             {"Generic RGB Par 3", narrow, metrics.elidedText("Generic RGB Par", Qt::ElideRight,
                                                              narrow - metrics.horizontalAdvance(" 3")) + " 3"},
             {"Left wash", metrics.horizontalAdvance("Left"), metrics.elidedText("Left wash", Qt::ElideRight,
                                                                                 metrics.horizontalAdvance("Left"))},
             {"Generic RGB Par 12", metrics.horizontalAdvance(" 12"), "12"}}) {
        const QString shown = fixtureLabelText(c.name, metrics, c.width);
        EXPECT_EQ(shown, c.expected) << c.name.toStdString() << " in " << c.width;
        EXPECT_LE(metrics.horizontalAdvance(shown), c.width) << c.name.toStdString();
    }
}

TEST_F(LayoutWindow, HidingTheFixtureListKeepsItLoadedWithItsSelection) {
    FixtureList& list = service->fixtureList();
    ASSERT_TRUE(list.isVisible());
    shell().patch().selectFixtures({3}, false);
    shell().patch().hideFixtureList();
    EXPECT_FALSE(list.isVisible());
    ASSERT_EQ(service->loadedFixtureList(), &list);
    shell().patch().showFixtureList();
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(listSelection(), std::vector<int>{3});
}

TEST_F(LayoutWindow, ClickShiftClickAndBandSelectAndTheListMirrors) {
    click(surface(), Qt::NoModifier, centreOf(3));
    EXPECT_EQ(selected(), std::vector<int>{3});
    EXPECT_EQ(listSelection(), std::vector<int>{3});

    click(surface(), Qt::ShiftModifier, centreOf(8));
    EXPECT_EQ(selected(), (std::vector<int>{3, 8}));
    EXPECT_EQ(listSelection(), (std::vector<int>{3, 8}));

    // A band over the first row's first two icons.
    const QPoint from(2, 2);
    const QPoint to = centreOf(2);
    mouse(surface(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, from);
    mouse(surface(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, to);
    mouse(surface(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier, to);
    EXPECT_EQ(selected(), (std::vector<int>{1, 2}));
    EXPECT_EQ(listSelection(), (std::vector<int>{1, 2}));
    EXPECT_EQ(layout.icon(1)->labelBack, 255);
}

TEST_F(LayoutWindow, ListClicksSelectOnTheLayout) {
    QListWidget& list = *service->fixtureList().List1;
    service->fixtureList().show();
    QCoreApplication::processEvents();
    const QRect row = list.visualItemRect(list.item(5));
    click(*list.viewport(), Qt::NoModifier, row.center());
    EXPECT_EQ(selected(), std::vector<int>{6});
    EXPECT_EQ(layout.currentFixtureNumber, 6);
    EXPECT_FALSE(layout.list.listMouseFlag);
}

TEST_F(LayoutWindow, SimulatedClickFromAnotherWindowClearsAndRepublishes) {
    click(surface(), Qt::NoModifier, centreOf(4));
    PatchService& patch = shell().patch();
    patch.Form_MouseDown(1, 0, 0, 0);
    EXPECT_TRUE(selected().empty());
    EXPECT_TRUE(listSelection().empty());
    patch.setSelected(9, true);
    patch.setSelected(10, true);
    patch.Form_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(listSelection(), (std::vector<int>{9, 10}));
    EXPECT_EQ(patch.returnFixtureSelectList(), QStringLiteral(" 9, 10,"));
    EXPECT_EQ(patch.currentFixtureNumber(), 9);
}

TEST_F(LayoutWindow, SimulationTimerRepaintsFromTheOutput) {
    auto& timer = *t.timers().created.at(0);
    EXPECT_EQ(timer.intervalMs, 65);
    shell().state.channelOutput[7] = 128;
    timer.fire();
    EXPECT_EQ(layout.icon(7)->dimmerCaption, QStringLiteral("50%"));
    EXPECT_TRUE(layout.dirtyIcons.empty()); // the window took the change
}

TEST_F(LayoutWindow, ReservedLabelColoursAreRefused) {
    t.prompts().colours = {255, 0, 65280};
    service->layoutWindow().changeTextBackground_Click();
    EXPECT_EQ(t.prompts().messages, QStringList{QStringLiteral("Sorry this is a reserved color")});
    EXPECT_EQ(layout.icon(1)->labelBack, 16777215);
    service->layoutWindow().changeTextBackground_Click();
    EXPECT_EQ(t.prompts().messages.size(), 1);
    service->layoutWindow().changeTextBackground_Click();
    EXPECT_EQ(layout.icon(1)->labelBack, 65280);
    EXPECT_EQ(layout.fixtureLabelBackColor, QStringLiteral("65280"));
}

} // namespace
