// The windows offscreen: a show of two pages, pressing a button, the MASTER
// window and the key list, each opened through the pages' service.

#include "shell/services/shortcutsService.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/pressDesk.h"
#include "shortcuts/shortcutsTestSupport.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"
#include "shortcuts/ui/masterShortcutWindows.h"
#include "shortcuts/ui/shortcutsServiceImpl.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A mouse press and release at a point of a widget.
void click(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

TEST(ShortcutWindows, TwoPagesOpenAndMouseClicksPressLockAndReleaseAButton) {
    PressDesk d;
    d.button("Act 1", "Intro", 585, 30);
    d.button("Act 1", "Wash", 585, 1185);
    d.button("Act 2", "Finale", 585, 30);
    d.t.get().shortcuts().showShortcutPages();
    frmSequenceShortcuts* w = loadedForm<frmSequenceShortcuts>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Sequence Shortcuts");
    EXPECT_EQ(w->tab(0)->text(), "Add New Page");
    EXPECT_EQ(w->tab(1)->text(), "Act 1()");
    EXPECT_EQ(w->tab(2)->text(), "Act 2()");
    EXPECT_EQ(w->modeButton()->text(), "Default Mode");
    QPushButton* button = w->pageButton(1);
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->toolTip(), "Intro");
    EXPECT_TRUE(w->pageButton(2)->isVisible());
    EXPECT_FALSE(w->pageButton(3)->isVisible());

    click(button, QPoint(button->width() / 2, 2));
    ASSERT_EQ(d.pb->loads.size(), 1u);
    EXPECT_EQ(d.pb->loads[0].path, d.t.showFolder() + "/Act 1/Intro.YSQ");
    EXPECT_EQ(button->property("state").toString(), "on");
    EXPECT_TRUE(w->tab(1)->property("playing").toBool());
    const int32_t p = d.pb->loads[0].playback;
    // The lower right corner of the face is the lock.
    click(button, QPoint(button->width() * 9 / 10, button->height() * 9 / 10));
    EXPECT_EQ(d.pb->run(p).priority, 10);
    EXPECT_TRUE(button->text().contains("[locked]"));
    click(button, QPoint(button->width() * 9 / 10, button->height() * 9 / 10));
    EXPECT_EQ(d.pb->run(p).priority, 5);

    w->tab(2)->click();
    EXPECT_EQ(w->pageButton(1)->toolTip(), "Finale");
    EXPECT_FALSE(w->pageButton(2)->isVisible());
    w->tab(1)->click();
    EXPECT_EQ(w->pageButton(1)->property("state").toString(), "on"); // still playing when the page comes back
    click(w->pageButton(1), QPoint(5, 5));
    EXPECT_EQ(d.pb->fadedOut, std::vector<int32_t>{p});
    EXPECT_TRUE(w->pageButton(1)->text().startsWith("FADING OUT"));
    d.pb->finishFade(p);
    EXPECT_EQ(w->pageButton(1)->property("state").toString(), "off");
    EXPECT_FALSE(w->tab(1)->property("playing").toBool());
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
