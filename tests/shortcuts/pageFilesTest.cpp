// Page management and button files: duplicate, rename and delete pages with
// their assignments; delete, rename, copy and move buttons with their
// companion files.

#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/controlService.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/shortcutsTestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString keyboardIni(PagesShell& t) { return t.showFolder() + "/keyboardShortcuts.ini"; }
QString read(const QString& file, const QString& section, const QString& key) {
    return miscGlobalFunctions::readIniValue(file, section, key, QString());
}
// Key K presses button on page, both ways; key P selects the page.
void assignKey(PagesShell& t, const QString& key, const QString& page, const QString& button) {
    miscGlobalFunctions::writeIniValue(keyboardIni(t), key, page, button);
    miscGlobalFunctions::writeIniValue(keyboardIni(t), key, button + "Trigger", QStringLiteral("0"));
    miscGlobalFunctions::writeIniValue(keyboardIni(t), button, page, key);
}
void assignPageKey(PagesShell& t, const QString& key, const QString& page) {
    miscGlobalFunctions::writeIniValue(keyboardIni(t), key, "PageName", page);
    miscGlobalFunctions::writeIniValue(keyboardIni(t), page, page, key);
}
bool exists(const QString& path) { return QFileInfo::exists(path); }

TEST(PageManagement, DuplicateCopiesFilesButNoAssignment) {
    PagesShell t;
    t.put("Intro", "Chase.YSQ");
    t.put("Intro", "pageSetting.ini", "[Chase]\r\nx=600\r\n");
    assignKey(t, "K", "Intro", "Chase");
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    pages.clkDuplicatePage_Click();
    EXPECT_EQ(pages.pages, (QStringList{"Intro", "Intro Copy"}));
    EXPECT_TRUE(exists(t.showFolder() + "/Intro Copy/Chase.YSQ"));
    EXPECT_TRUE(exists(t.showFolder() + "/Intro Copy/pageSetting.ini"));
    EXPECT_EQ(t.get().control().getMyKeyboardShortcut("Intro Copy", "Chase"), "");
    EXPECT_EQ(pages.currentPage, "Intro");
    pages.clkDuplicatePage_Click();
    EXPECT_TRUE(t.prompts().messages.last().startsWith("Error Duplicating Page:"));
}

// The page Intro with a button Chase on key K and its own key P.
class AssignedPage : public ::testing::Test {
protected:
    void SetUp() override {
        t.put("Intro", "Chase.YSQ");
        assignKey(t, "K", "Intro", "Chase");
        assignPageKey(t, "P", "Intro");
        ASSERT_TRUE(pages.start());
    }
    PagesShell t;
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
};

TEST_F(AssignedPage, RenameFitsTheNameAndCarriesPageAndButtonKeys) {
    t.prompts().inputs.push_back("Act 1.2/Encore");
    pages.clkRenamePage_Click();
    EXPECT_EQ(pages.pages, QStringList{"Act 1,2&Encore"});
    EXPECT_EQ(pages.currentPage, "Act 1,2&Encore");
    EXPECT_EQ(pages.currentPageButtonCount, 1);
    EXPECT_EQ(read(keyboardIni(t), "K", "Act 1,2&Encore"), "Chase");
    EXPECT_EQ(read(keyboardIni(t), "K", "ChaseTrigger"), "0");
    EXPECT_EQ(read(keyboardIni(t), "K", "Intro"), "");
    EXPECT_EQ(pages.tabCaption(1), "Act 1,2&Encore(P)");
    EXPECT_EQ(read(keyboardIni(t), "P", "PageName"), "Act 1,2&Encore");
}

TEST(PageManagement, RenameOntoAnExistingPageOrWithNoAnswerChangesNothing) {
    for (const QString& answer : {QStringLiteral("Other"), QString()}) {
        PagesShell t;
        t.put("Intro", "Chase.YSQ");
        t.page("Other");
        ShortcutPages& pages = t.get().engine<ShortcutPages>();
        ASSERT_TRUE(pages.start());
        t.prompts().inputs.push_back(answer);
        pages.clkRenamePage_Click();
        EXPECT_EQ(pages.pages, (QStringList{"Intro", "Other"}));
        EXPECT_TRUE(exists(t.showFolder() + "/Intro/Chase.YSQ"));
        EXPECT_EQ(t.prompts().messages, QStringList{"Please Enter New Name For Page"});
    }
}

TEST_F(AssignedPage, DeleteRemovesButtonAssignmentsButKeepsThePageKey) {
    t.prompts().answers.push_back(msgBox::Yes);
    pages.deleteCurrentPage();
    EXPECT_FALSE(exists(t.showFolder() + "/Intro"));
    EXPECT_EQ(pages.pages, QStringList{"Page 1"});
    EXPECT_EQ(pages.currentPage, "Page 1");
    EXPECT_EQ(read(keyboardIni(t), "K", "Intro"), "");
    EXPECT_EQ(read(keyboardIni(t), "Chase", "Intro"), "");
    EXPECT_EQ(read(keyboardIni(t), "Intro", "Intro"), "P");
}

TEST(PageManagement, DeleteAllPagesEmptiesTheNewShowsOwnFolder) {
    PagesShell t;
    t.put("Old show page", "A.YSQ");
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
    ASSERT_TRUE(pages.start());
    // The new show's folder holds pages the tabs do not name.
    t.get().state.showName = "Fresh";
    QDir(t.folder()).mkpath("Sequences/Fresh/Stale");
    writeWholeFile(t.folder() + "/Sequences/Fresh/Stale/X.YSQ", "x");
    writeWholeFile(t.folder() + "/Sequences/Fresh/shortcutsStatus.ini", "x");
    QStringList trashed;
    pages.trash = [&](const QString& path) {
        trashed << QFileInfo(path).fileName();
        return QDir(path).exists() ? QDir(path).removeRecursively() : QFile::remove(path);
    };
    pages.deleteAllPages();
    trashed.sort();
    EXPECT_EQ(trashed, (QStringList{"Stale", "shortcutsStatus.ini"}));
    EXPECT_EQ(pages.pages, QStringList{"Page 1"});
    EXPECT_TRUE(exists(t.showFolder() + "/Old show page/A.YSQ")); // the previous show is untouched
}

class ButtonFiles : public ::testing::Test {
protected:
    void SetUp() override {
        t.put("Main", "Chase.YSQ", "chase");
        t.put("Main", "Chase.UQF", "events");
        t.put("Main", "Other.YSQ", "other");
        t.put("Second", "Chase.YSQ", "old chase");
        t.put("Second", "Chase.UQF", "old events");
        t.put("Main", "pageSetting.ini", "[Chase]\r\nx=600\r\ny=300\r\n");
        assignKey(t, "K", "Main", "Chase");
        ASSERT_TRUE(pages.start());
        pages.currentButtonName = "Chase";
        pages.currentButtonIndex = 1;
    }
    QString mainFile(const QString& name) const { return t.showFolder() + "/Main/" + name; }
    PagesShell t;
    ShortcutPages& pages = t.get().engine<ShortcutPages>();
};

TEST_F(ButtonFiles, DeleteKeepsEverythingWhenTheTrashRefuses) {
    pages.trash = [](const QString&) { return false; };
    t.prompts().answers.push_back(msgBox::Yes);
    pages.clkDeleteShortcut_Click();
    EXPECT_TRUE(exists(mainFile("Chase.YSQ")));
    EXPECT_TRUE(exists(mainFile("Chase.UQF")));
    EXPECT_EQ(read(mainFile("pageSetting.ini"), "Chase", "x"), "600");
    EXPECT_EQ(read(keyboardIni(t), "Chase", "Main"), "K");
}

TEST_F(ButtonFiles, DeleteRemovesFilesPositionAndKeyOnceTheSequenceIsGone) {
    QStringList trashed;
    pages.trash = [&](const QString& path) {
        trashed << QFileInfo(path).fileName();
        return QFile::remove(path);
    };
    t.prompts().answers.push_back(msgBox::Yes);
    pages.clkDeleteShortcut_Click();
    EXPECT_EQ(trashed, QStringList{"Chase.YSQ"});
    EXPECT_FALSE(exists(mainFile("Chase.UQF")));
    EXPECT_EQ(read(mainFile("pageSetting.ini"), "Chase", "x"), "");
    EXPECT_EQ(read(keyboardIni(t), "K", "Main"), "");
    EXPECT_EQ(pages.currentPageButtonCount, 1);
}

TEST_F(ButtonFiles, RenameMovesCompanionPositionAndKeyAndRefusesUnfitNames) {
    struct Case { QString answer; QString problemStart; };
    for (const Case& c : {Case{"3", "Error Renaming Button:"}, Case{"ReleaseorStack", "Error Renaming Button:"},
                          Case{"Other", "Error Renaming Button:"}, Case{"C:evil", "Error Renaming Button:"}}) {
        t.prompts().inputs.push_back(c.answer);
        pages.currentButtonName = "Chase";
        pages.clkRenameShortcut_Click();
        EXPECT_TRUE(t.prompts().messages.last().startsWith(c.problemStart)) << c.answer.toStdString();
        EXPECT_TRUE(exists(mainFile("Chase.YSQ"))) << c.answer.toStdString();
    }
    pages.currentButtonName = "Chase";
    t.playback->loaded[3] = mainFile("Chase.YSQ");
    t.prompts().inputs.push_back("../Up.Beat");
    pages.clkRenameShortcut_Click();
    EXPECT_TRUE(exists(mainFile(",,&Up,Beat.YSQ")));
    EXPECT_TRUE(exists(mainFile(",,&Up,Beat.UQF")));
    EXPECT_FALSE(exists(mainFile("Chase.YSQ")));
    EXPECT_EQ(t.playback->cleared, std::vector<int32_t>{3});
    EXPECT_EQ(read(mainFile("pageSetting.ini"), ",,&Up,Beat", "x"), "600");
    EXPECT_EQ(read(keyboardIni(t), ",,&Up,Beat", "Main"), "K");
    EXPECT_EQ(read(keyboardIni(t), "K", "Main"), ",,&Up,Beat");
}

TEST_F(ButtonFiles, SamePageCopiesTakeTheFirstFreeNumber) {
    t.prompts().answers = {msgBox::No, msgBox::No};
    ASSERT_TRUE(pages.copyMoveButton("Main", "Chase", "Main"));
    ASSERT_TRUE(pages.copyMoveButton("Main", "Chase", "Main"));
    EXPECT_EQ(readWholeFile(mainFile("Chase 2.YSQ")), "chase");
    EXPECT_EQ(readWholeFile(mainFile("Chase 3.UQF")), "events");
    EXPECT_TRUE(exists(mainFile("Chase.YSQ")));
    EXPECT_EQ(pages.currentButtonName, "Chase 3");
    EXPECT_TRUE(pages.flashButton);
    EXPECT_EQ(read(mainFile("pageSetting.ini"), "Chase 3", "x"), QString::number(pages.windowHeight - 1200));
}

TEST_F(ButtonFiles, ReplacingAButtonOnAnotherPageAsksFirstAndLeavesNoStaleEvents) {
    QFile::remove(mainFile("Chase.UQF"));
    t.prompts().answers = {msgBox::No};
    EXPECT_FALSE(pages.copyMoveButton("Main", "Chase", "Second"));
    EXPECT_EQ(readWholeFile(t.showFolder() + "/Second/Chase.YSQ"), "old chase");
    t.prompts().answers = {msgBox::Yes, msgBox::Yes};
    pages.trash = [](const QString& path) { return QFile::remove(path); };
    ASSERT_TRUE(pages.copyMoveButton("Main", "Chase", "Second"));
    EXPECT_EQ(readWholeFile(t.showFolder() + "/Second/Chase.YSQ"), "chase");
    EXPECT_FALSE(exists(t.showFolder() + "/Second/Chase.UQF"));
    EXPECT_FALSE(exists(mainFile("Chase.YSQ"))); // moved
    EXPECT_EQ(pages.currentPage, "Second");
}

} // namespace
