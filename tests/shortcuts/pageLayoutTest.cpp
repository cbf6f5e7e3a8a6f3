// Placing buttons on a page, saving positions and groups, the snap grid and
// the group sections of the page settings file.

#include "shell/miscGlobalFunctions.h"
#include "shortcuts/pageSettings.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/shortcutsTestSupport.h"

#include <gtest/gtest.h>

namespace {

QString ini(PagesShell& t, const QString& page, const QString& section, const QString& key) {
    return miscGlobalFunctions::readIniValue(t.page(page) + QStringLiteral("/pageSetting.ini"), section, key,
                                             QStringLiteral("<missing>"));
}

TEST(PageLayout, UnplacedButtonsFillRowsOfTenAndAreStoredTopAsXLeftAsY) {
    PagesShell t;
    for (int i = 1; i <= 20; ++i) t.put(QStringLiteral("Main"), QStringLiteral("B%1.YSQ").arg(i, 2, 10, QLatin1Char('0')));
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    ASSERT_EQ(pages.perRow(), 10);
    ASSERT_EQ(pages.currentPageButtonCount, 20);
    const double pitch = pages.buttonWidth + 30, secondRow = pages.buttonHeight + 615;
    struct Case { int index; double left, top; };
    for (const Case& c : {Case{1, 30, 585}, Case{9, 30 + 8 * pitch, 585}, Case{10, 30, secondRow},
                          Case{19, 30 + 9 * pitch, secondRow}, Case{20, 30, 2 * pages.buttonHeight + 585 + 60}}) {
        const PageButton& b = pages.buttons[size_t(c.index)];
        EXPECT_EQ(b.left, c.left) << c.index;
        EXPECT_EQ(b.top, c.top) << c.index;
        EXPECT_EQ(ini(t, "Main", b.name, "x"), QString::number(c.top)) << c.index;
        EXPECT_EQ(ini(t, "Main", b.name, "y"), QString::number(c.left)) << c.index;
    }
    // A stored position wins at the next load.
    miscGlobalFunctions::writeIniValue(t.page("Main") + "/pageSetting.ini", "B05", "x", QStringLiteral("4000"));
    pages.refreshCurrentPage();
    EXPECT_EQ(pages.buttons[5].top, 4000);
}

TEST(PageLayout, KindsComeBeforeNamesAndAPageOfMoreThan300ShowsNothing) {
    PagesShell t;
    t.put("Main", "Z.YSQ");
    t.put("Main", "A.YTO");
    t.put("Main", "C.MUL");
    t.put("Main", "B.YSC");
    for (int i = 0; i < 301; ++i) t.put("Big", QStringLiteral("S%1.YSQ").arg(i));
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    ASSERT_EQ(pages.pages, (QStringList{"Big", "Main"}));
    EXPECT_EQ(pages.currentPageButtonCount, 0);
    EXPECT_TRUE(t.prompts().messages.last().startsWith("Error IN Page Please Delete Page:  "));
    pages.cmdPages_Click(2);
    ASSERT_EQ(pages.currentPageButtonCount, 4);
    QStringList names, tags;
    for (int i = 1; i <= 4; ++i) {
        names << pages.buttons[size_t(i)].name;
        tags << pages.buttons[size_t(i)].tag;
    }
    EXPECT_EQ(names, (QStringList{"Z", "A", "C", "B"}));
    EXPECT_EQ(tags, (QStringList{"off", "auto off", "multi off", "timeline off"}));
    t.prompts().messages.clear();
    pages.cmdPages_Click(1);
    EXPECT_EQ(t.prompts().messages.size(), 1);
    EXPECT_FALSE(pages.buttons[1].visible);
}

TEST(PageLayout, ShowWithoutPagesGetsPageOneWithItsLooseFiles) {
    PagesShell t;
    writeWholeFile(t.showFolder() + "/Loose.YSQ", "x");
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    EXPECT_EQ(pages.pages, QStringList{"Page 1"});
    EXPECT_EQ(pages.tabCaption(1), "Page 1()");
    ASSERT_EQ(pages.currentPageButtonCount, 1);
    EXPECT_EQ(pages.buttons[1].name, "Loose");
}

TEST(PageLayout, SavePositionWritesTheGroupHoldingTheButton) {
    struct Case { double groupLeft, groupTop, groupWidth, groupHeight; QString group; };
    for (const Case& c : {Case{200, 500, 600, 400, "2"}, Case{500, 200, 400, 600, "0"}}) {
        PagesShell t;
        t.page("Main");
        ShortcutPages& pages = t.get().engine<ShortcutPages>();
        ASSERT_TRUE(pages.start());
        pageSettings::saveGroupRect("Main", 1, {5000, 5000, 500, 500, 0, {}}, true, true);
        pageSettings::saveGroupRect("Main", 2, {c.groupTop, c.groupLeft, c.groupWidth, c.groupHeight, 0, {}}, true, true);
        pages.loadPageGroups();
        pages.savePosition("Chase", 600, 300);
        EXPECT_EQ(ini(t, "Main", "Chase", "x"), "600");
        EXPECT_EQ(ini(t, "Main", "Chase", "y"), "300");
        EXPECT_EQ(ini(t, "Main", "Chase", "group"), c.group);
    }
}

TEST(PageLayout, HandEditedNumbersPastTheirRangeReadAsNotStored) {
    // A hand-edited pageSetting.ini must not be cast out of range.
    PagesShell t;
    t.put("Main", "A.YSQ");
    const QString file = t.page("Main") + QStringLiteral("/pageSetting.ini");
    struct Case { const char* x; const char* y; bool stored; float expectX, expectY; };
    for (const Case& c : {Case{"1e300", "0", false, 0, 0}, Case{"1e300", "500", true, 0, 500},
                          Case{"-1e20", "inf", false, 0, 0}, Case{"1200", "600", true, 1200, 600}}) {
        miscGlobalFunctions::writeIniValue(file, "A", "x", QString::fromLatin1(c.x));
        miscGlobalFunctions::writeIniValue(file, "A", "y", QString::fromLatin1(c.y));
        float x = 0, y = 0;
        EXPECT_EQ(pageSettings::readButtonPosition("Main", "A", x, y), c.stored) << c.x << " " << c.y;
        if (c.stored) {
            EXPECT_EQ(std::pair(x, y), std::pair(c.expectX, c.expectY)) << c.x << " " << c.y;
        }
    }
    miscGlobalFunctions::writeIniValue(file, "A", "group", "1e20");
    EXPECT_EQ(pageSettings::groupOfButtonOnPage("Main", "A"), 0);
    pageSettings::saveGroupRect("Main", 1, {100, 100, 500, 500, 0, {}}, true, true);
    miscGlobalFunctions::writeIniValue(file, "1", "color", "1e20");
    const std::vector<pageSettings::GroupRect> groups = pageSettings::loadGroups("Main");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].color, 0);
    miscGlobalFunctions::writeIniValue(file, "1", "color", "16777215");
    EXPECT_EQ(pageSettings::loadGroups("Main")[0].color, 16777215);
}

TEST(PageLayout, SnapToGridRoundsHalfAStepUp) {
    struct Case { float value, step, snapped; };
    for (const Case& c : {Case{29, 0.04f, 58}, Case{28, 0.04f, 0}, Case{144, 0.2f, 288}, Case{143, 0.2f, 0},
                          Case{87, 0.04f, 116}}) {
        EXPECT_EQ(pageSettings::snapCoordinate(c.value, c.step), c.snapped) << c.value << " step " << c.step;
    }
}

TEST(PageLayout, DeletingGroupTwoOfFourShiftsTheLaterSectionsDown) {
    PagesShell t;
    t.page("Main");
    const QString file = t.page("Main") + "/pageSetting.ini";
    for (int g = 1; g <= 4; ++g) {
        pageSettings::saveGroupRect("Main", g, {100.0 * g, 10.0 * g, 1500, 900, 255 * g, {}}, true, false);
        miscGlobalFunctions::writeIniValue(file, QString::number(g), "SubMaster", QString::number(10 * g));
    }
    miscGlobalFunctions::writeIniValue(file, "3", "name", QStringLiteral("Wash"));
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    ASSERT_EQ(pages.groups.size(), 4u);
    pages.deleteGroup(2);
    EXPECT_EQ(ini(t, "Main", "2", "top"), "300");
    EXPECT_EQ(ini(t, "Main", "2", "color"), "765");
    EXPECT_EQ(ini(t, "Main", "2", "name"), "Wash");
    EXPECT_EQ(ini(t, "Main", "3", "top"), "400");
    EXPECT_EQ(ini(t, "Main", "3", "name"), "none");
    EXPECT_EQ(ini(t, "Main", "2", "SubMaster"), "20");
    EXPECT_EQ(ini(t, "Main", "3", "SubMaster"), "30");
    EXPECT_EQ(ini(t, "Main", "4", "top"), "<missing>");
    EXPECT_EQ(ini(t, "Main", "4", "SubMaster"), "<missing>");
    EXPECT_EQ(pages.groups.size(), 3u);
}

TEST(PageLayout, AfterALoadTheShownPageIsOneOfTheShowsPages) {
    // A page name left from another show must not decide where the next
    // sequence is saved.
    PagesShell t;
    t.put("Main", "A.YSQ");
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    pages.currentPage = QStringLiteral("Gone");
    pages.loadPageButtons();
    EXPECT_EQ(pages.currentPage, QStringLiteral("Main"));
    EXPECT_EQ(pages.selectedTab, 1);
    // The new button's place follows the page's present size.
    pages.windowWidth = 6000;
    pages.windowHeight = 4500;
    pages.saveNewButtonPosition(QStringLiteral("New"), true);
    float top = 0, left = 0;
    ASSERT_TRUE(pageSettings::readButtonPosition("Main", "New", top, left));
    EXPECT_EQ(std::pair(top, left), std::pair(3300.0f, 4800.0f));
}

TEST(PageLayout, DroppingOnAnotherButtonSwapsThemAndRegroupsThePage) {
    PagesShell t;
    t.put("Main", "A.YSQ");
    t.put("Main", "B.YSQ");
    const QString file = t.page("Main") + "/pageSetting.ini";
    for (const auto& [name, left] : {std::pair{"A", "58"}, std::pair{"B", "1160"}}) {
        miscGlobalFunctions::writeIniValue(file, name, "x", QStringLiteral("580"));
        miscGlobalFunctions::writeIniValue(file, name, "y", QString::fromLatin1(left));
    }
    pageSettings::saveGroupRect("Main", 1, {500, 1000, 1500, 900, 0, {}}, true, true);
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    pages.currentButtonIndex = 1;
    pages.clkMoveButton_Click();
    pages.followMove(1175, 590, false); // snaps to 1160, 580: B's place
    pages.dropMove();
    EXPECT_EQ(pages.buttons[1].left, 1160);
    EXPECT_EQ(pages.buttons[2].left, 58);
    EXPECT_EQ(ini(t, "Main", "A", "y"), "1160");
    EXPECT_EQ(ini(t, "Main", "A", "group"), "1");
    EXPECT_EQ(ini(t, "Main", "B", "y"), "58");
    EXPECT_EQ(ini(t, "Main", "B", "group"), "0");
    EXPECT_EQ(pages.movingButtonIndex, 0);
}

TEST(PageLayout, NewButtonPlaceIsTakenOnlyByAnUnplacedButton) {
    PagesShell t;
    t.page("Main");
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    pages.saveNewButtonPosition("Fresh", false);
    EXPECT_EQ(ini(t, "Main", "Fresh", "x"), QString::number(pages.windowHeight - 1200));
    EXPECT_EQ(ini(t, "Main", "Fresh", "y"), QString::number(pages.windowWidth - 1200));
    EXPECT_EQ(pages.currentButtonName, "Fresh");
    pages.savePosition("Old", 700, 800);
    pages.currentButtonName = "Fresh";
    pages.saveNewButtonPosition("Old", false);
    EXPECT_EQ(ini(t, "Main", "Old", "x"), "700");
    EXPECT_EQ(pages.currentButtonName, "Fresh");
}

} // namespace
