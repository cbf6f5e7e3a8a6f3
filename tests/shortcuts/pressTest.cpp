// Button presses over fake playbacks: switching on and the two-stage release,
// the page press modes, the hot spots, locks, groups, multis and the state
// file with its start-up replay.

#include "shortcuts/pressDesk.h"

#include "shell/services/controlService.h"
#include "shell/services/mastersService.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Page "Main": A and B side by side in group 1, C below them in group 1, D
// outside every group.
struct GroupedPage : PressDesk {
    GroupedPage() {
        group("Main", 1, 500, 0, 4000, 1500);
        button("Main", "A", 585, 30, 1);
        button("Main", "B", 585, 1185, 1);
        button("Main", "C", 1281, 30, 1);
        button("Main", "D", 3000, 30, 0);
        open();
    }
};

TEST(ButtonPress, OnLoadsAFreePlaybackAndOffIsTwoStageUntilTheFadeHasEnded) {
    GroupedPage d;
    d.press("A");
    const int32_t p = d.playbackOf("A");
    ASSERT_GT(p, 0);
    EXPECT_EQ(d.at("A").tag, "on");
    EXPECT_TRUE(d.pb->run(p).hidden);
    EXPECT_EQ(d.pb->loads.back().path, d.t.showFolder() + "/Main/A.YSQ");
    EXPECT_EQ(d.pages->shortcutCollection.count("A"), 1u);
    EXPECT_EQ(d.status("A", "Main"), "on");

    d.press("A");
    EXPECT_EQ(d.pb->fadedOut, std::vector<int32_t>{p});
    EXPECT_EQ(d.pb->run(p).priority, 5);
    // Fading: still "on", marked, no longer pressed.
    EXPECT_EQ(d.at("A").tag, "on");
    EXPECT_TRUE(d.at("A").fading);
    EXPECT_EQ(d.pages->shortcutCollection.count("A"), 0u);
    EXPECT_EQ(d.status("A", "Main"), "on");

    d.pb->finishFade(p);
    EXPECT_EQ(d.at("A").tag, "off");
    EXPECT_FALSE(d.at("A").fading);
    EXPECT_EQ(d.status("A", "Main"), "off");
    // The cleared playback is reused by the next press.
    d.press("B");
    EXPECT_EQ(d.playbackOf("B"), p);
}

TEST(ButtonPress, ThePageModeDecidesWhetherAPressReleasesItsGroup) {
    struct Case {
        const char* mode; // empty: none stored
        float y;
        bool releases;
    };
    for (const Case& c : {Case{"", 500, true}, Case{"", 500.5f, false}, Case{"Default", 0, true},
                          Case{"Default", 900, false}, Case{"Release", 1000, false}, Case{"Stack", 0, false}}) {
        GroupedPage d;
        if (*c.mode) d.pages->pageMode = QString::fromLatin1(c.mode);
        d.press("A", 700);
        d.press("D", 700);
        const int32_t a = d.playbackOf("A"), dp = d.playbackOf("D");
        d.press("B", c.y);
        const bool released = d.pb->run(a).fadingOut;
        // Release mode forces the release whatever the height.
        const bool expected = QString::fromLatin1(c.mode) == "Release" ? true : c.releases;
        EXPECT_EQ(released, expected) << c.mode << " " << c.y;
        EXPECT_FALSE(d.pb->run(dp).fadingOut) << "another group keeps playing";
        EXPECT_EQ(d.at("B").tag, "on");
    }
}

TEST(ButtonPress, HotSpotsUseTheRawClickAndALockedButtonStaysThroughReleases) {
    GroupedPage d;
    d.pages->pageMode = QStringLiteral("Stack");
    d.press("A", 700);
    const int32_t p = d.playbackOf("A");
    // Bounds are strict: 750 is no lock spot, so that press releases the button.
    struct Spot {
        float x, y;
        int32_t priority, chase;
    };
    for (const Spot& s : {Spot{900, 900, 10, 1}, Spot{200, 900, 10, 2}, Spot{200, 900, 10, 1}, Spot{900, 900, 5, 1},
                          Spot{900, 900, 10, 1}}) {
        d.press("A", s.y, s.x);
        EXPECT_EQ(d.pb->run(p).priority, s.priority) << s.x;
        EXPECT_EQ(d.pb->run(p).chaseType, s.chase) << s.x;
        EXPECT_EQ(d.at("A").tag, "on");
    }
    EXPECT_TRUE(d.at("A").locked);
    EXPECT_EQ(d.status("A", "Locked"), "True");
    // A group release passes over it; pressing it asks for the unlock.
    d.pages->pageMode = QStringLiteral("Release");
    d.press("B");
    EXPECT_FALSE(d.pb->run(p).fadingOut);
    d.press("A");
    EXPECT_FALSE(d.pb->run(p).fadingOut);
    EXPECT_EQ(d.t.prompts().messages.back(), "Button is Locked Please Unlock to Release");
    // An off button: the corners are ordinary face.
    d.press("C", 900, 900);
    EXPECT_GT(d.playbackOf("C"), 0);
}

TEST(ButtonPress, AMissingSequenceFileLeavesTheButtonOffAndSaysSo) {
    GroupedPage d;
    d.press("D");
    const int32_t earlier = d.playbackOf("D");
    ASSERT_GT(earlier, 0);
    QFile::remove(d.t.showFolder() + "/Main/A.YSQ");
    d.press("A");
    EXPECT_EQ(d.at("A").tag, "off");
    EXPECT_EQ(d.pages->shortcutCollection.count("A"), 0u);
    EXPECT_TRUE(d.t.prompts().messages.back().contains("missing")) << d.t.prompts().messages.back().toStdString();
    EXPECT_FALSE(d.pb->run(earlier).fadingOut);
}

TEST(ButtonPress, FadeEndsWithinPointEightSecondsArePaidOnTheNextTick) {
    GroupedPage d;
    d.pages->pageMode = QStringLiteral("Stack");
    for (const char* name : {"A", "B", "C", "D"}) d.press(name);
    const int32_t a = d.playbackOf("A"), b = d.playbackOf("B"), c = d.playbackOf("C"), still = d.playbackOf("D");
    d.press("A");
    d.press("B");
    d.press("C");
    // Every refresh makes the playing D claim its channels again: count them.
    auto refreshes = [&] { return std::count(d.pb->refreshed.begin(), d.pb->refreshed.end(), still); };
    d.t.clock().ms = 10000;
    d.pb->finishFade(a);
    EXPECT_EQ(refreshes(), 1);
    EXPECT_EQ(d.at("A").tag, "off");
    d.t.clock().ms += 500;
    d.pb->finishFade(b);
    d.t.clock().ms += 500;
    d.pb->finishFade(c); // 0.5 s after the previous end: still owed
    EXPECT_EQ(refreshes(), 1);
    d.pages->checkDoneWithFadeDelay();
    EXPECT_EQ(refreshes(), 2);
    d.pages->checkDoneWithFadeDelay(); // paid once
    EXPECT_EQ(refreshes(), 2);
    d.t.clock().ms += 900;
    d.pb->finishFade(c);
    EXPECT_EQ(refreshes(), 3);
}

TEST(ButtonGroups, DimmersReachTheGroupsPlaybacksAndAreStored) {
    GroupedPage d;
    d.ini("Main", "1", "SubMaster", "40");
    d.pages->pageMode = QStringLiteral("Stack");
    d.press("A");
    d.press("D");
    EXPECT_EQ(d.pb->run(d.playbackOf("A")).dimmer, 40);
    EXPECT_EQ(d.pb->run(d.playbackOf("D")).dimmer, 100);
    d.pages->adjustCurrentPageGroup(1, 70);
    EXPECT_EQ(d.pb->run(d.playbackOf("A")).dimmer, 70);
    EXPECT_EQ(d.pb->run(d.playbackOf("D")).dimmer, 100);
    EXPECT_EQ(miscGlobalFunctions::readIniValue(d.t.showFolder() + "/Main/pageSetting.ini", "1", "SubMaster"), "70");
    // A level that cannot be read loads at full, not dark.
    d.ini("Main", "1", "SubMaster", "abc");
    d.press("B");
    EXPECT_EQ(d.pb->run(d.playbackOf("B")).dimmer, 100);
}

TEST(ButtonGroups, CursorWalksRightThenDownWrapsAndPreviousDoesNotWrap) {
    GroupedPage d;
    ShortcutPages& p = *d.pages;
    // The page load put the cursor on the top-left button.
    EXPECT_EQ(p.returnButtonIndexForGroup(1), d.index("A"));
    EXPECT_EQ(p.highlightNextButtonInGroup(1), "B");
    EXPECT_EQ(p.highlightNextButtonInGroup(1), "C"); // the row below, at the left column
    EXPECT_EQ(p.highlightNextButtonInGroup(1), "A"); // wraps
    EXPECT_EQ(p.highlightPreviousButtonInGroup(1), "A");
    EXPECT_EQ(p.returnButtonIndexForGroup(1), d.index("A"));
    // Pressing a grouped button puts the cursor on it.
    d.press("C");
    EXPECT_EQ(p.returnButtonIndexForGroup(1), d.index("C"));
    // Previous from C goes to the row above only at its rightmost column (B).
    EXPECT_EQ(p.highlightPreviousButtonInGroup(1), "B");
    EXPECT_EQ(p.highlightPreviousButtonInGroup(1), "A");
    EXPECT_EQ(p.returnButtonIndexForGroup(9), 0);
}

TEST(ButtonGroups, NeighbourBoundsAreAsymmetric) {
    // B lies 1.5 widths right of A: previous reaches A from B, next never reaches B from A.
    PressDesk d;
    d.group("Main", 1, 500, 0, 6000, 1000);
    d.button("Main", "A", 585, 30, 1);
    d.button("Main", "B", 585, 30 + 1125 * 1.5, 1);
    ShortcutPages& p = d.open();
    // Nothing right of A within 1.1 widths, and nothing chosen yet: no move.
    EXPECT_EQ(p.highlightNextButtonInGroup(1), "");
    p.highlightFirstButtonOfGroups(1, d.index("B"));
    EXPECT_EQ(p.highlightPreviousButtonInGroup(1), "A");
    p.highlightFirstButtonOfGroups(1, d.index("B"));
    EXPECT_EQ(p.highlightNextButtonInGroup(1), "A"); // once chosen, next wraps
}

TEST(ButtonGroups, GoStartsTheCursorButtonOrCrossfadesItsRunningSequence) {
    GroupedPage d;
    ShortcutPages& p = *d.pages;
    d.press("D");
    p.pageMode = QStringLiteral("Stack");
    p.pressGoFromSubmaster(1, 1, 2.5f);
    const int32_t a = d.playbackOf("A");
    ASSERT_GT(a, 0);
    EXPECT_EQ(d.pb->crossfadeTimes[a], 2.5f);
    EXPECT_FALSE(d.pb->run(d.playbackOf("D")).fadingOut);
    // Running: the next step, by the strip's time; a one-step sequence does nothing.
    p.pressGoFromSubmaster(1, 0, 0);
    EXPECT_EQ(d.pb->crossfades, QStringList{QStringLiteral("%1>2@0").arg(a)});
    EXPECT_FALSE(d.pb->overrides[a]);
    d.pb->runs[a].steps = 1;
    p.pressGoFromSubmaster(1, 0, 0);
    EXPECT_EQ(d.pb->crossfades.size(), 1);
}

TEST(PageMode, TheModeButtonCyclesAndEachPageKeepsItsOwn) {
    PressDesk d;
    d.button("One", "A", 585, 30);
    d.button("Two", "B", 585, 30);
    ShortcutPages& p = d.open();
    EXPECT_EQ(p.pageModeCaption(), "Default Mode");
    const QStringList expected{"Default", "Release", "Stack", "Default"};
    for (const QString& mode : expected) {
        p.cmdLockorStack_Click();
        EXPECT_EQ(p.pageMode, mode);
        EXPECT_EQ(miscGlobalFunctions::readIniValue(d.t.showFolder() + "/One/pageSetting.ini", "ReleaseorStack", "value"),
                  mode);
    }
    p.cmdLockorStack_Click(); // Release
    p.cmdPages_Click(2);      // no stored mode: keeps Release
    EXPECT_EQ(p.pageMode, "Release");
    d.ini("Two", "ReleaseorStack", "value", "Stack");
    p.cmdPages_Click(2);
    EXPECT_EQ(p.pageModeCaption(), "Stack Mode");
}

// ---- Multi buttons -----------------------------------------------------------------------------

struct MultiPage : GroupedPage {
    MultiPage() {
        pages->pageMode = QStringLiteral("Stack");
        press("A");
        press("B");
        EXPECT_TRUE(pages->saveMultiButtonClicked(QStringLiteral("Both")));
        ini("Main", "Both", "group", "0");
        const int32_t a = playbackOf("A"), b = playbackOf("B");
        press("A");
        press("B");
        pb->finishFade(a);
        pb->finishFade(b);
        pages->checkDoneWithFadeDelay();
    }
};

TEST(MultiButtons, PressedButtonsAreFiledAndTheMultiSwitchesThemTogether) {
    MultiPage d;
    const auto members = multiButtons::decode(readWholeFile(d.t.showFolder() + "/Main/Both.MUL"));
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].theName.trimmed(), "A");
    EXPECT_EQ(members[1].myPage.trimmed(), "Main");
    ASSERT_EQ(d.at("A").tag, "off");
    ASSERT_EQ(d.at("B").tag, "off");
    d.press("Both");
    EXPECT_EQ(d.at("Both").tag, "multi on");
    EXPECT_EQ(d.status("Both", "Main"), "multi on");
    EXPECT_EQ(d.at("A").tag, "on");
    EXPECT_EQ(d.at("B").tag, "on");
    EXPECT_EQ(d.pages->shortcutCollection.find("A")->myMulti, "Both");
    EXPECT_EQ(d.pages->runningMultiCollection, QStringList{"Both"});
    const int32_t a = d.playbackOf("A"), b = d.playbackOf("B");
    ASSERT_TRUE(a > 0 && b > 0 && a != b);
    d.press("Both");
    EXPECT_EQ(d.at("Both").tag, "multi off");
    EXPECT_TRUE(d.pb->run(a).fadingOut);
    EXPECT_TRUE(d.pb->run(b).fadingOut);
    EXPECT_EQ(d.pages->shortcutCollection.size(), 0u);
    EXPECT_EQ(d.pages->runningMultiCollection, QStringList());
}

TEST(MultiButtons, AGroupReleaseSkipsLockedMembersButSwitchingOffUnlocksThem) {
    MultiPage d;
    d.press("Both");
    const int32_t a = d.playbackOf("A"), b = d.playbackOf("B");
    d.pb->setPlaybackPriority(a, 10, true);
    // The fixed button's release: every multi of the page; A is locked and stays.
    d.pages->releaseAllMultiOnPage(0, true);
    EXPECT_FALSE(d.pb->run(a).fadingOut);
    EXPECT_TRUE(d.pb->run(b).fadingOut);
    EXPECT_EQ(d.pages->shortcutCollection.count("A"), 1u);
    EXPECT_EQ(d.at("Both").tag, "multi off");
    // Switching the multi off itself fades the locked member and unlocks its playback.
    d.press("Both");
    d.press("Both");
    EXPECT_TRUE(d.pb->run(a).fadingOut);
    EXPECT_EQ(d.pb->run(a).priority, 5);
}

// ---- State file and replay ---------------------------------------------------------------------

TEST(ButtonReplay, ButtonsThatWereOnComeBackOnceInPageOrderWithTheirLocks) {
    PressDesk d;
    d.button("One", "A", 585, 30);
    d.button("One", "B", 585, 1185);
    d.button("Two", "A", 585, 30);
    d.button("Two", "Mix", 585, 1185, 0, ".MUL");
    multiButtons::Member member;
    member.theName = QStringLiteral("B");
    member.myPage = QStringLiteral("One");
    writeWholeFile(d.t.showFolder() + "/Two/Mix.MUL", multiButtons::encode({member}, false));
    const QString file = d.t.showFolder() + "/shortcutsStatus.ini";
    miscGlobalFunctions::writeIniValue(file, "A", "One", "off");
    miscGlobalFunctions::writeIniValue(file, "A", "Two", "on");
    miscGlobalFunctions::writeIniValue(file, "A", "Locked", "True");
    miscGlobalFunctions::writeIniValue(file, "Mix", "Two", "multi on");
    miscGlobalFunctions::writeIniValue(file, "Mix", "Locked", "True"); // a lock is only a sequence button's
    ShortcutPages& p = d.open();
    p.buttonTimer_Timer(); // the first tick replays
    EXPECT_TRUE(p.firstLoad);
    EXPECT_EQ(p.currentPage, "One");
    ASSERT_EQ(d.pb->loads.size(), 2u);
    EXPECT_EQ(d.pb->loads[0].path, d.t.showFolder() + "/Two/A.YSQ");
    EXPECT_EQ(d.pb->run(d.pb->loads[0].playback).priority, 10);
    EXPECT_EQ(d.pb->loads[1].path, d.t.showFolder() + "/One/B.YSQ");
    EXPECT_EQ(p.runningMultiCollection, QStringList{"Mix"});
    p.buttonTimer_Timer(); // once only
    EXPECT_EQ(d.pb->loads.size(), 2u);
    // A second replay (the web server switched on) leaves running buttons running.
    p.startUpSequencesFromIniFile();
    EXPECT_EQ(p.runningMultiCollection, QStringList{"Mix"});
    EXPECT_EQ(d.pb->loads.size(), 2u);
    EXPECT_TRUE(d.t.prompts().messages.isEmpty()) << d.t.prompts().messages.join("|").toStdString();
}

TEST(ButtonReplay, ALockThatIsNoTruthValueStopsTheReplayWithAMessage) {
    PressDesk d;
    d.button("One", "A", 585, 30);
    d.button("Two", "B", 585, 30);
    const QString file = d.t.showFolder() + "/shortcutsStatus.ini";
    miscGlobalFunctions::writeIniValue(file, "A", "One", "on");
    miscGlobalFunctions::writeIniValue(file, "A", "Locked", "yes");
    miscGlobalFunctions::writeIniValue(file, "B", "Two", "on");
    d.open().startUpSequencesFromIniFile();
    EXPECT_TRUE(d.pb->loads.empty());
    ASSERT_EQ(d.t.prompts().messages.size(), 1);
    EXPECT_TRUE(d.t.prompts().messages[0].startsWith("StartupSequence: "));
}

// ---- The control wing's lamps ---------------------------------------------------------------------

class FakeWing final : public ControlService {
public:
    bool controlWingAttached() override { return true; }
    QString getMyKeyboardShortcut(const QString&, const QString& name) override {
        return name == "A" ? QStringLiteral("53,1") : name == "D" ? QStringLiteral("5,1") : QString();
    }
    void sendWingNoteOn(int32_t status, int32_t note, int32_t velocity) override {
        sent << QStringLiteral("on %1 %2 %3").arg(status).arg(note).arg(velocity);
    }
    void sendWingNoteOff(int32_t status, int32_t note, int32_t velocity) override {
        sent << QStringLiteral("off %1 %2 %3").arg(status).arg(note).arg(velocity);
    }
    QStringList sent;
};

TEST(ButtonFaces, WingLampsFollowTheButtonsAndOnlyGroupsOneToTenLight) {
    GroupedPage d;
    auto& wing = d.t.get().provide<ControlService>(std::make_unique<FakeWing>());
    d.pages->pageMode = QStringLiteral("Stack");
    d.press("A");
    d.press("D");
    EXPECT_EQ(wing.sent, (QStringList{"on 145 54 64", "on 145 5 64"}));
    wing.sent.clear();
    d.pages->refreshCurrentlyPlaying();
    // A is in group 1 (note 52); D in no group lights nothing.
    EXPECT_EQ(wing.sent, QStringList{"on 145 52 127"});
    wing.sent.clear();
    const int32_t p = d.playbackOf("D");
    d.press("D");
    d.pb->finishFade(p); // the lamp goes out with the button, after its fade
    EXPECT_TRUE(wing.sent.contains("off 129 5 0")) << wing.sent.join("|").toStdString();
}

TEST(ButtonPress, ABumpButtonPlaysWhileHeld) {
    GroupedPage d;
    d.ini("Main", "A", "bump", "True");
    ShortcutPages& p = *d.pages;
    const int32_t a = d.index("A");
    p.cmdSequence_MouseDown(a, 1, 0, 10, 10);
    EXPECT_EQ(d.at("A").tag, "on");
    const int32_t pa = d.playbackOf("A");
    p.cmdSequence_MouseUp(a, 1, 0, 10, 10);
    EXPECT_TRUE(d.pb->run(pa).fadingOut);
    // The menu's "Bump Button" switches it back to an ordinary button.
    p.mouseDownButtonName = "A";
    p.clkBumpOption_Click();
    EXPECT_FALSE(p.isBumpButton("A"));
}

} // namespace

namespace {

// A value that is no number in a hand-edited pageSetting.ini is reported by
// the reader's caller instead of reading as 0.
TEST(PageSettingsNumbers, AValueThatIsNoNumberIsReportedWhereItIsRead) {
    struct Case {
        const char* section;
        const char* key;
        const char* message; // the start of the one message
        bool buttonsShown;
    };
    for (const Case& c : {Case{"A", "x", "Error IN Page Please Delete Page:  ", false},
                          Case{"A", "y", "Error IN Page Please Delete Page:  ", false},
                          Case{"1", "width", "Error in Load Page Groups", true},
                          Case{"1", "color", "Error in Load Page Groups", true}}) {
        PressDesk d;
        d.group("Main", 1, 500, 0, 4000, 1500);
        d.button("Main", "A", 585, 30, 1);
        d.ini("Main", c.section, c.key, "abc");
        ShortcutPages& p = d.open();
        ASSERT_EQ(d.t.prompts().messages.size(), 1) << c.key;
        EXPECT_TRUE(d.t.prompts().messages[0].startsWith(c.message)) << d.t.prompts().messages[0].toStdString();
        EXPECT_TRUE(d.t.prompts().messages[0].contains("abc"));
        EXPECT_EQ(p.buttons[1].visible && p.currentPageButtonCount == 1, c.buttonsShown) << c.key;
    }
}

TEST(PageSettingsNumbers, AnUnreadableGroupStopsTheGroupReleaseButNotThePress) {
    GroupedPage d;
    d.press("A", 700);
    const int32_t a = d.playbackOf("A");
    d.ini("Main", "A", "group", "abc");
    d.press("B"); // releasing: the release stops at A
    EXPECT_FALSE(d.pb->run(a).fadingOut);
    EXPECT_EQ(d.at("B").tag, "on");
    // Next on the group raises to its caller, the page submaster strip.
    EXPECT_THROW(d.pages->highlightNextButtonInGroup(1), pageSettings::NotANumber);
}

} // namespace
