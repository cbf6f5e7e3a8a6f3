// The control wing's keys and faders on the page submaster strips, the grand
// master, the blackout and the cross-faders, as messages arrive at the MIDI
// input.

#include "mastersFixture.h"

#include "shell/miscGlobalFunctions.h"
#include "support/fakePlatform.h"

namespace {

class WingMapping : public RecordedMastersTest {};

} // namespace

TEST_F(WingMapping, faderControllersScaleVelocityToPercentAndRememberTheOldValue) {
    attachWing();
    loadGroups(3);
    struct Case {
        int controller, raw, strip, expected;
    };
    // 0.787 per step, rounded half to even: 127 gives 100, 64 gives 50.
    const Case cases[] = {{53, 64, 2, 50}, {58, 127, 3, 100}, {53, 0, 2, 0}, {58, 1, 3, 1}};
    for (const Case& c : cases) {
        const int before = m.submasters.strip(c.strip).groupFader;
        controller(c.controller, c.raw);
        EXPECT_EQ(m.submasters.strip(c.strip).groupFader, c.expected) << c.controller << " " << c.raw;
        EXPECT_EQ(m.submasters.bumpMemory[size_t(c.strip)], before) << c.controller;
    }
    EXPECT_TRUE(pages.calls.contains(QStringLiteral("dimmer 2 50")));
}

TEST_F(WingMapping, controller48StoresStripOneTwiceSoItsBumpMemoryHoldsTheNewValue) {
    attachWing();
    loadGroups(1);
    m.setGroupSubmaster(1, 30);
    controller(48, 64);
    EXPECT_EQ(m.submasters.strip(1).groupFader, 50);
    EXPECT_EQ(m.submasters.bumpMemory[1], 50);
}

TEST_F(WingMapping, grandMasterControllerAppliesTheValue) {
    attachWing();
    controller(1, 64);
    EXPECT_EQ(m.grandMaster(), 50);
    controller(1, 127);
    EXPECT_EQ(m.grandMaster(), 100);
}

TEST_F(WingMapping, fadeTimeKnobRunsBackwardsAndHasAFloor) {
    attachWing();
    struct Case {
        int raw, expected;
    };
    const Case cases[] = {{0, 5160}, {127, 11}, {126, 11}, {64, 1290}};
    for (const Case& c : cases) {
        playback.calls.clear();
        controller(2, c.raw);
        EXPECT_EQ(playback.calls, QStringList{QStringLiteral("fadeTime 0 %1").arg(c.expected)}) << c.raw;
    }
}

TEST_F(WingMapping, faderKeyBumpsAndReleasesBack) {
    attachWing();
    loadGroups(3);
    m.setGroupSubmaster(3, 30);
    note(58, 100);
    EXPECT_EQ(m.submasters.strip(3).groupFader, 100);
    note(58, 0);
    EXPECT_EQ(m.submasters.strip(3).groupFader, 30);
}

TEST_F(WingMapping, shiftWithGoReleasesTheGroupInsteadOfStarting) {
    attachWing();
    loadGroups(1);
    note(47, 100);
    note(49, 100);
    wing.goTimer().setEnabled(true);
    static_cast<FakeTickTimer&>(wing.goTimer()).fire();
    EXPECT_TRUE(pages.calls.contains(QStringLiteral("release 101")));
    EXPECT_FALSE(pages.calls.filter(QStringLiteral("go ")).size() > 0);
}

TEST_F(WingMapping, goKeysPressOnlyExistingVisibleStrips) {
    loadGroups(2);
    struct Case {
        int note;
        bool pressed;
    };
    // 94 names strip 10 and 119 strip 15 by the key rule: no such strips
    // here; 119 is the blackout key, not a GO.
    const Case cases[] = {{49, true}, {54, true}, {59, false}, {94, false}, {119, false}, {124, false}};
    for (const Case& c : cases) {
        pages.calls.clear();
        EXPECT_EQ(m.wingGo(c.note, 1, 100), c.pressed) << c.note;
        EXPECT_EQ(!pages.calls.filter(QStringLiteral("go ")).isEmpty(), c.pressed) << c.note;
    }
    m.unloadNewSubmaster(2);
    EXPECT_FALSE(m.wingGo(54, 1, 100));
}

TEST_F(WingMapping, goWorksFromAnyMidiKeyboardWithoutAWing) {
    ports.inputs = QStringList{QStringLiteral("Keys")};
    miscGlobalFunctions::writeIniValue(shell().iniFile(), QStringLiteral("Midi Input Device"),
                                       QStringLiteral("Device Name"), QStringLiteral("Keys"));
    wing.initMidi();
    ASSERT_FALSE(wing.controlWingAttached());
    loadGroups(1);
    note(49, 100);
    EXPECT_TRUE(pages.calls.filter(QStringLiteral("go ")).isEmpty()); // not before the 20 ms
    static_cast<FakeTickTimer&>(wing.goTimer()).fire();
    EXPECT_EQ(pages.calls.filter(QStringLiteral("go ")).size(), 1);
    m.setGroupSubmaster(1, 30);
    note(48, 100); // the bump key needs a wing
    EXPECT_EQ(m.submasters.strip(1).groupFader, 30);
}

TEST_F(WingMapping, repeatedNextKeyMovesTheCursorOnEveryThirdMessage) {
    attachWing();
    loadGroups(1);
    pages.buttons = QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    m.updateNextSequence(1, QStringLiteral("A"));
    note(51, 100);
    note(51, 100);
    EXPECT_EQ(m.submasters.strip(1).next, QStringLiteral("A"));
    note(51, 100);
    EXPECT_EQ(m.submasters.strip(1).next, QStringLiteral("B"));
}

TEST_F(WingMapping, notesBeyondTheStripsAreNotHandledButTheNextHiddenFaderMoves) {
    attachWing();
    loadGroups(2);
    for (int n = 63; n <= 67; ++n) EXPECT_FALSE(m.submasters.recieveMidiNote(n, 1, 100)) << n;
    EXPECT_TRUE(m.submasters.recieveMidiNote(58, 1, 100));
    EXPECT_EQ(m.submasters.strip(3).groupFader, 100);
    EXPECT_FALSE(m.submasters.strip(3).visible);
}

TEST_F(WingMapping, blackoutKeyTogglesOnReleaseAndLightsTheLed) {
    attachWing();
    note(119, 100);
    EXPECT_FALSE(m.returnGrandBlackoutState());
    note(119, 0);
    EXPECT_TRUE(m.returnGrandBlackoutState());
    ASSERT_FALSE(ports.sent.empty());
    EXPECT_EQ(ports.sent.back().status, 145);
    EXPECT_EQ(ports.sent.back().data1, 119);
    EXPECT_EQ(ports.sent.back().data2, 64);
    note(119, 0);
    EXPECT_FALSE(m.returnGrandBlackoutState());
    EXPECT_EQ(ports.sent.back().status, 129);
    EXPECT_EQ(ports.sent.back().data2, 0);
}

TEST_F(WingMapping, crossFaderKeyAndKnobMoveTheVisibleCrossFaders) {
    attachWing();
    loadGroups(2);
    m.updateNextSequence(1, QStringLiteral("B"));
    m.setGroupsCurrrentSequence(1, QStringLiteral("A"));
    playback.loaded[QStringLiteral("\\Page1\\A.YSQ")] = 4;
    note(120, 1); // 0.787: neither a press nor a release
    EXPECT_FALSE(m.submasters.wingCrossFaderHeld);
    note(120, 100);
    EXPECT_TRUE(m.submasters.wingCrossFaderHeld);
    controller(2, 64);
    EXPECT_EQ(m.submasters.strip(1).crossFader, 50);
    EXPECT_EQ(m.submasters.strip(2).crossFader, 50);
    EXPECT_TRUE(playback.calls.contains(QStringLiteral("cross 0.5 B")));
    EXPECT_TRUE(playback.calls.contains(QStringLiteral("cross 0.5 A")));
    note(120, 0);
    EXPECT_FALSE(m.submasters.wingCrossFaderHeld);
    EXPECT_EQ(m.submasters.strip(1).crossFader, 0);
    EXPECT_EQ(m.submasters.strip(1).current, QStringLiteral("B"));
}

TEST_F(WingMapping, layerKeysSwitchToProgrammingModeAndStepOnRelease) {
    attachWing();
    shell().state.viewNames[1] = QStringLiteral("Stage");
    shell().state.viewNames[2] = QStringLiteral("Floor");
    note(112, 100);
    EXPECT_TRUE(m.programingMode());
    EXPECT_EQ(m.top.currentLayer, 0);
    note(112, 0);
    EXPECT_EQ(m.top.currentLayer, 1);
    note(105, 0);
    note(105, 0);
    EXPECT_EQ(m.top.currentLayer, 2); // View 1 wraps back to the last visible layer
    note(107, 0);
    EXPECT_EQ(m.top.shownLayer, QStringLiteral("Stage"));
}
