// The windows offscreen: a show of two pages, pressing a button, the MASTER
// window and the key list, each opened through the pages' service.

#include "shell/services/shortcutsService.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/shortcutsTestSupport.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"
#include "shortcuts/ui/masterShortcutWindows.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "shell/ui/windowRegistry.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(ShortcutWindows, TwoPagesOpenAndAPressLoadsOnTheHeadersPlayback) {
    PagesShell t;
    registerShortcuts(t.get());
    const QString intro = t.put("Act 1", "Intro.YSQ", PagesShell::sequenceBytes(1, 2, QStringLiteral(" 4")));
    t.put("Act 1", "Wash.YSQ", PagesShell::sequenceBytes(1, 2));
    t.put("Act 2", "Finale.YSQ", PagesShell::sequenceBytes(1, 2));
    t.get().shortcuts().showShortcutPages();
    frmSequenceShortcuts* w = loadedForm<frmSequenceShortcuts>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Sequence Shortcuts");
    EXPECT_EQ(w->tab(0)->text(), "Add New Page");
    EXPECT_EQ(w->tab(1)->text(), "Act 1()");
    EXPECT_EQ(w->tab(2)->text(), "Act 2()");
    QPushButton* button = w->pageButton(1);
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->toolTip(), "Intro");
    EXPECT_TRUE(w->pageButton(2)->isVisible());
    EXPECT_FALSE(w->pageButton(3)->isVisible());

    button->click();
    ASSERT_EQ(t.playback->loads.size(), 1u);
    EXPECT_EQ(t.playback->loads[0].playback, 4);
    EXPECT_EQ(t.playback->loads[0].path, intro);
    EXPECT_EQ(button->property("state").toString(), "on");
    EXPECT_EQ(t.get().engine<ShortcutPages>().shortcutCollection.count("Intro"), 1u);

    w->tab(2)->click();
    EXPECT_EQ(w->pageButton(1)->toolTip(), "Finale");
    EXPECT_FALSE(w->pageButton(2)->isVisible());
    w->tab(1)->click();
    EXPECT_EQ(w->pageButton(1)->property("state").toString(), "on"); // still playing when the page comes back
    w->pageButton(1)->click();
    EXPECT_EQ(t.playback->fadedOut, std::vector<int32_t>{4});
    EXPECT_EQ(w->pageButton(1)->property("state").toString(), "off");
}

TEST(ShortcutWindows, MasterWindowListsTheTableAndTheKeyListItsRows) {
    PagesShell t;
    registerShortcuts(t.get());
    t.get().state.masterShortcutFiles = QStringList(513, QString());
    t.get().state.masterShortcutFiles[2] = "Club\\Act 1\\Intro.YSQ";
    t.get().shortcuts().showMasterShortcuts();
    Shortcuts* master = loadedForm<Shortcuts>();
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->windowTitle(), "MASTER Shortcuts");
    EXPECT_EQ(master->ShortcutCommand(1)->text(), "Intro");
    EXPECT_EQ(master->ShortcutCommand(1)->toolTip(), "Club\\Act 1\\Intro.YSQ");
    EXPECT_EQ(master->ShortcutCommand(511)->text(), "Sequence 511");

    t.get().shortcuts().showKeyList();
    ShortcutsDefined* keys = loadedForm<ShortcutsDefined>();
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->List1->count(), 67);
    EXPECT_EQ(keys->List1->item(66)->text(), "F12 = Stop Schedule");
}

TEST(ShortcutWindows, ServiceAnswersTheCurrentPageAndPlacesNewButtons) {
    PagesShell t;
    registerShortcuts(t.get());
    t.put("Main", "A.YSQ");
    t.get().shortcuts().showShortcutPages();
    ShortcutsService& service = t.get().shortcuts();
    EXPECT_EQ(service.currentPage(), "Main");
    service.saveNewButtonPosition("Saved", false);
    float x = 0, y = 0;
    EXPECT_TRUE(pageSettings::readButtonPosition("Main", "Saved", x, y));
}

} // namespace
