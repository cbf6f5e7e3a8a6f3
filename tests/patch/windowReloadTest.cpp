// The layout window and the fixture list through the running console's
// patch service when the patch changes under them: a commit or a removal
// rebuilds the list (kept shown or hidden), a removal takes the last icon,
// and a cleared show unloads the layout window with its icons and loads it
// again empty.
#include "patch/fixtureRemoval.h"
#include "patch/layoutEngine.h"
#include "patch/ui/FixtureList.h"
#include "patch/ui/fixture.h"
#include "patch/ui/fixtureIconWidget.h"
#include "patch/ui/patchWindows.h"
#include "patchTestSupport.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/patchService.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

std::string listEntries(FixtureList& w) {
    QStringList out;
    for (int k = 0; k < w.List1->count(); ++k) out << w.List1->item(k)->text();
    return out.join(QStringLiteral(", ")).toStdString();
}

// Lets windows unloaded by a handler go.
void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct PatchedConsole : ::testing::Test {
    PatchRig rig;
    PatchWindowsService* service = nullptr;
    LayoutEngine& layout = layoutEngine();
    void SetUp() override {
        rig.t.prompts().answers = {msgBox::Yes, msgBox::No}; // update the profile; no groups
        rig.patch(QStringLiteral("Par"), parTypes, 1, 3);
        service = &startPatchWindows(shell());
        QCoreApplication::processEvents();
    }
    PatchService& patch() { return shell().patch(); }
};

TEST_F(PatchedConsole, ACommitRebuildsTheOpenListAndLeavesAHiddenOneHidden) {
    FixtureList* open = service->loadedFixtureList();
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(open->isVisible());
    open->cmdLocateFixture->click(); // Locate on: a fresh list starts without it
    ASSERT_TRUE(layout.list.findFixtureMode);

    rig.t.prompts().answers = {msgBox::Yes, msgBox::No};
    ASSERT_EQ(rig.patch(QStringLiteral("Par"), parTypes, 101, 2).added, 2);
    settle();
    FixtureList* rebuilt = service->loadedFixtureList();
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_TRUE(rebuilt->isVisible());
    EXPECT_EQ(listEntries(*rebuilt), "Par 1, Par 2, Par 3, Par 4 1, Par 5 2");
    EXPECT_FALSE(layout.list.findFixtureMode);
    EXPECT_EQ(rebuilt->cmdLocateFixture->text(), QStringLiteral("Locate Fixture"));

    // Programming mode hides the list; a commit then does not bring it back,
    // and showing it later shows the patch as it is.
    rebuilt->hide();
    rig.t.prompts().answers = {msgBox::Yes, msgBox::No};
    ASSERT_EQ(rig.patch(QStringLiteral("Par"), parTypes, 201, 1).added, 1);
    settle();
    EXPECT_TRUE(service->loadedFixtureList() == nullptr || !service->loadedFixtureList()->isVisible());
    EXPECT_EQ(layout.list.entries.size(), 6);
    patch().showFixtureList();
    ASSERT_NE(service->loadedFixtureList(), nullptr);
    EXPECT_EQ(listEntries(*service->loadedFixtureList()), "Par 1, Par 2, Par 3, Par 4 1, Par 5 2, Par 6 1");
}

TEST_F(PatchedConsole, RemovingAFixtureTakesTheLastIconAndRebuildsTheList) {
    ASSERT_EQ(layout.iconCount(), 4);
    ASSERT_NE(service->layoutWindow().iconWidget(3), nullptr);
    rig.t.prompts().answers = {msgBox::Yes};
    ASSERT_TRUE(fixtureRemoval::removeFixtures({1}));
    settle();
    EXPECT_EQ(shell().state.fixtureCount, 2);
    EXPECT_EQ(layout.iconCount(), 3);
    EXPECT_EQ(service->layoutWindow().iconWidget(3), nullptr);
    // Icon n shows fixture n again, and with a whole icon array the icons are placed.
    EXPECT_EQ(patch().fixtureIconName(1), QStringLiteral("Par 2"));
    EXPECT_EQ(patch().fixtureIconName(2), QStringLiteral("Par 3"));
    EXPECT_TRUE(layout.icon(2)->Visible);
    ASSERT_NE(service->loadedFixtureList(), nullptr);
    EXPECT_EQ(listEntries(*service->loadedFixtureList()), "Par 2, Par 3");
}

// The main window's removal command, as the console wires it.
struct RemovingMainWindow final : MainWindowService {
    void removeSelectedFixtures() override { shell().patch().removeSelectedFixtures(); }
};

TEST_F(PatchedConsole, TheListsDeleteKeyRemovesTheSelectionAndTheListGoesAfterItsHandler) {
    shell().provide<MainWindowService>(std::make_unique<RemovingMainWindow>());
    rig.t.prompts().answers = {msgBox::Yes};
    patch().selectFixtures({3}, false);
    QPointer<FixtureList> before = service->loadedFixtureList();
    ASSERT_TRUE(before);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(before->List1, &del);
    // Unloaded from within its own handler: hidden, and gone once the event loop takes it.
    ASSERT_TRUE(before);
    EXPECT_FALSE(before->isVisible());
    settle();
    EXPECT_FALSE(before);
    EXPECT_EQ(shell().state.fixtureCount, 2);
    ASSERT_NE(service->loadedFixtureList(), nullptr);
    EXPECT_TRUE(service->loadedFixtureList()->isVisible());
    EXPECT_EQ(listEntries(*service->loadedFixtureList()), "Par 1, Par 2");
}

TEST_F(PatchedConsole, AClearedShowUnloadsTheLayoutWithItsIconsAndANewPatchFillsItAgain) {
    QPointer<fixture> old = &service->layoutWindow();
    patch().selectFixtures({2}, false);
    ChannelModel& m = shell().state;
    // What clearing the show asks of the patch service, in its order.
    for (int32_t a = 1; a <= m.fixtureCount; ++a) patch().unloadFixtureIcon(a);
    EXPECT_EQ(layout.iconCount(), 1);
    EXPECT_TRUE(patch().selectedFixtures().empty());
    patch().unloadFixtureList();
    patch().unloadLayoutWindow();
    settle();
    EXPECT_FALSE(old);
    EXPECT_EQ(service->loadedFixtureList(), nullptr);
    EXPECT_EQ(service->loadedLayoutWindow(), nullptr);
    EXPECT_FALSE(layout.simulationEnabled());

    m.fixtureCount = 0;
    for (int c = 1; c <= m.totalChannels; ++c) {
        m.channelType[c] = QStringLiteral("none");
        m.channelFixtureLabel[c].clear();
        m.channelProfileName[c] = QStringLiteral("none");
    }
    patch().reloadLayoutWindow();
    fixture* fresh = service->loadedLayoutWindow();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_FALSE(layout.simulationEnabled()); // nothing to simulate without a rig

    // Fewer fixtures than before: the icon array is whole and every icon placed.
    rig.t.prompts().answers = {msgBox::Yes, msgBox::No};
    ASSERT_EQ(rig.patch(QStringLiteral("Par"), parTypes, 1, 2).added, 2);
    EXPECT_EQ(layout.iconCount(), 3);
    patch().setFixturePosition();
    QCoreApplication::processEvents();
    for (int f = 1; f <= 2; ++f) {
        FixtureIconWidget* w = fresh->iconWidget(f);
        ASSERT_NE(w, nullptr) << f;
        EXPECT_TRUE(w->isVisible()) << f;
    }
}

TEST_F(PatchedConsole, UnloadingAnIconNotLoadedChangesNothing) {
    for (int32_t f : {0, -1, 4, 99}) {
        patch().unloadFixtureIcon(f);
        EXPECT_EQ(layout.iconCount(), 4) << f;
    }
}

} // namespace
