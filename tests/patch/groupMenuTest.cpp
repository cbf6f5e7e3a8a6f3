// The "Groups" menus of the layout window and of the fixture list, and the
// group menu they pop up, offscreen on a small rig with two views.
#include "patch/fixtureGroups.h"
#include "patch/layoutEngine.h"
#include "patch/ui/FixtureList.h"
#include "patch/ui/fixture.h"
#include "patch/ui/patchWindows.h"
#include "layoutRig.h"
#include "popupAnswer.h"
#include "shell/services/patchService.h"
#include "support/fakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QAction* entry(QMenuBar* bar, const QString& menu, const QString& caption) {
    for (QAction* m : bar->actions())
        if (m->text() == menu && m->menu())
            for (QAction* a : m->menu()->actions())
                if (a->text() == caption) return a;
    return nullptr;
}

struct GroupMenus : ::testing::Test {
    TestShell t;
    PatchWindowsService* service = nullptr;
    ShowTables& tables = shell().state.tables;
    void SetUp() override {
        const int k = layoutRig::addProfile(QStringLiteral("Dim"), {QStringLiteral("dimmer")});
        for (int i = 0; i < 4; ++i) layoutRig::addFixture(k, 1 + i, 300 + 1200 * i, 300);
        for (int i = 0; i < 2; ++i) layoutRig::addFixture(k, 5 + i, 300 + 1200 * i, 300, QStringLiteral("Floor"));
        service = &startPatchWindows(shell());
        service->layoutWindow().resize(800, 600);
        QApplication::processEvents();
        group(1, "Front", "1,2,");
        group(2, "Floor", "5,6,");
    }
    void group(int g, const char* name, const char* members) {
        tables.groupNames[g - 1] = QString::fromLatin1(name);
        tables.groupMembers[g - 1] = QString::fromLatin1(members);
    }
    QMenuBar* layoutBar() { return service->layoutWindow().menuBar(); }
    QMenuBar* listBar() { return service->fixtureList().findChild<QMenuBar*>(); }
    std::vector<int32_t> selected() { return shell().patch().selectedFixtures(); }
    std::vector<int32_t> listSelection() {
        std::vector<int32_t> out;
        const QListWidget& list = *service->fixtureList().List1;
        for (int k = 0; k < list.count(); ++k)
            if (list.item(k)->isSelected()) out.push_back(k + 1);
        return out;
    }
    FakePrompts& prompts() { return t.prompts(); }
};

TEST_F(GroupMenus, bothWindowsOfferTheFourGroupCommands) {
    const struct {
        QMenuBar* (GroupMenus::*bar)();
        const char* create;
    } windows[] = {{&GroupMenus::layoutBar, "Create New Group"},
                   {&GroupMenus::listBar, "Create New Group from Selected Fixtures"}};
    for (const auto& w : windows) {
        QMenuBar* bar = (this->*w.bar)();
        ASSERT_NE(bar, nullptr);
        for (const char* caption : {w.create, "Edit Existing Group", "Delete Group", "Save Changes to Group"}) {
            QAction* a = entry(bar, QStringLiteral("Groups"), QString::fromLatin1(caption));
            ASSERT_NE(a, nullptr) << caption;
            EXPECT_TRUE(a->isEnabled()) << caption;
        }
    }
}

TEST_F(GroupMenus, createStoresTheSelectionInTheFirstFreeSlot) {
    const struct {
        QMenuBar* (GroupMenus::*bar)();
        const char* create;
        int slot;
    } windows[] = {{&GroupMenus::layoutBar, "Create New Group", 3},
                   {&GroupMenus::listBar, "Create New Group from Selected Fixtures", 4}};
    for (const auto& w : windows) {
        shell().patch().selectFixtures({2, 4}, false);
        prompts().inputs = {QStringLiteral("Pair")};
        entry((this->*w.bar)(), QStringLiteral("Groups"), QString::fromLatin1(w.create))->trigger();
        EXPECT_EQ(prompts().inputDefaults.last(), QStringLiteral("Group %1").arg(w.slot));
        EXPECT_EQ(tables.groupMembers[w.slot - 1], QStringLiteral("2,4,"));
        EXPECT_EQ(tables.groupNames[w.slot - 1], QStringLiteral("Pair"));
    }
    EXPECT_TRUE(shell().state.showChanged);
}

TEST_F(GroupMenus, editPopsUpTheGroupsAndSaveWritesTheNewSelection) {
    auto seen = answerNextPopup(QStringLiteral("Front"));
    entry(layoutBar(), QStringLiteral("Groups"), QStringLiteral("Edit Existing Group"))->trigger();
    EXPECT_EQ(seen->captions, (QStringList{"Deselect All Groups ", "Front", "Floor"}));
    EXPECT_EQ(selected(), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(listSelection(), (std::vector<int32_t>{1, 2})); // the list window follows
    EXPECT_TRUE(fixtureGroups::modes().editMode);

    shell().patch().selectFixtures({3}, true);
    prompts().inputs = {QStringLiteral("Front")};
    entry(listBar(), QStringLiteral("Groups"), QStringLiteral("Save Changes to Group"))->trigger();
    EXPECT_EQ(tables.groupMembers[0], QStringLiteral("1,2,3,"));
    EXPECT_FALSE(fixtureGroups::modes().editMode);
}

TEST_F(GroupMenus, aDismissedEditMenuStillStartsEditing) {
    auto seen = answerNextPopup(QString());
    entry(listBar(), QStringLiteral("Groups"), QStringLiteral("Edit Existing Group"))->trigger();
    EXPECT_TRUE(seen->shown);
    EXPECT_TRUE(fixtureGroups::modes().editMode);
}

TEST_F(GroupMenus, deleteAsksForTheGroupChosenAndADismissedMenuKeepsTheMode) {
    auto dismissed = answerNextPopup(QString());
    entry(layoutBar(), QStringLiteral("Groups"), QStringLiteral("Delete Group"))->trigger();
    EXPECT_TRUE(dismissed->shown);
    EXPECT_TRUE(fixtureGroups::modes().deleteMode);

    prompts().answers = {msgBox::Yes};
    answerNextPopup(QStringLiteral("Front"));
    entry(listBar(), QStringLiteral("Groups"), QStringLiteral("Delete Group"))->trigger();
    EXPECT_EQ(prompts().messages.last(), QStringLiteral(" Are you sure you would like to delete the Group Front"));
    EXPECT_EQ(tables.groupNames[0], QStringLiteral("Floor"));
    EXPECT_EQ(tables.groupMembers[1], QString());
    EXPECT_FALSE(fixtureGroups::modes().deleteMode);
}

TEST_F(GroupMenus, aRightClickOnEmptyLayoutChoosesAGroupAndShowsItsView) {
    QWidget& surface = *service->layoutWindow().surface();
    const QPoint empty(700, 500);
    // The group menu pops up on a right press and takes its release.
    auto press = [&](Qt::MouseButton b, QEvent::Type type) {
        QMouseEvent e(type, QPointF(empty), surface.mapToGlobal(QPointF(empty)), b,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(b) : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&surface, &e);
    };
    auto seen = answerNextPopup(QStringLiteral("Floor"));
    press(Qt::RightButton, QEvent::MouseButtonPress);
    ASSERT_TRUE(seen->shown);
    EXPECT_EQ(selected(), (std::vector<int32_t>{5, 6}));
    EXPECT_EQ(shell().patch().currentFixtureLayer(), QStringLiteral("Floor"));
    EXPECT_EQ(fixtureGroups::modes().selectedGroup, 2);

    // The entry chosen carries the tick until a click on the layout.
    seen = answerNextPopup(QStringLiteral("Front"));
    press(Qt::RightButton, QEvent::MouseButtonPress);
    EXPECT_EQ(seen->ticked, QStringList{"Floor"});
    EXPECT_EQ(shell().patch().currentFixtureLayer(), QStringLiteral("View 1"));
    press(Qt::LeftButton, QEvent::MouseButtonPress);
    press(Qt::LeftButton, QEvent::MouseButtonRelease);
    seen = answerNextPopup(QString());
    press(Qt::RightButton, QEvent::MouseButtonPress);
    EXPECT_TRUE(seen->shown);
    EXPECT_TRUE(seen->ticked.isEmpty());
}

TEST_F(GroupMenus, aRightPressBesideTheListPopsUpTheGroupsAndDeselectAllClears) {
    FixtureList& list = service->fixtureList();
    shell().patch().selectFixtures({1, 3}, false);
    fixtureGroups::modes().editMode = true;
    const QPoint margin(2, list.height() - 2);
    ASSERT_EQ(list.childAt(margin), nullptr);
    auto seen = answerNextPopup(QStringLiteral("Deselect All Groups "));
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(margin), list.mapToGlobal(QPointF(margin)), Qt::RightButton,
                  Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&list, &e);
    EXPECT_TRUE(seen->shown);
    EXPECT_TRUE(selected().empty());
    EXPECT_FALSE(fixtureGroups::modes().editMode);
}

} // namespace
