#include "console/console.h"
#include "console/consoleFakes.h"
#include "support/fakePlatform.h"
#include "shell/services/audioService.h"
#include "shell/services/controlService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mastersService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"

#include <gtest/gtest.h>

namespace {

QStringList* journal = nullptr;
void note(const QString& s) { *journal << s; }

struct Effects : EffectsService {
    void strobeChaseButton(bool down) override { note(down ? "strobe down" : "strobe up"); }
    void pressFog() override { note("fog on"); }
    void releaseFog() override { note("fog off"); }
};
struct Audio : AudioService {
    void tapTempo() override { note("tap"); }
};
struct Masters : MastersService {
    bool wing = true, programming = true;
    bool tessalyControlWing() override { return wing; }
    bool programingMode() override { return programming; }
    void cmdProgramingMode_Click() override {
        programming = true;
        note("programming mode");
    }
    void cmdBlackOut_Click() override { note("grand blackout"); }
    void cmdMasterPause_Click() override { note("master pause"); }
};
struct Shortcuts : ShortcutsService {
    bool dialogShown = false;
    void pressActivePageButton() override { note("page reloaded"); }
    void showSequenceProperties(int32_t p) override { note(QStringLiteral("dialog(%1)").arg(p)); }
    bool sequencePropertiesVisible() override { return dialogShown; }
    void saveSequenceProperties(const QString& name) override { note(QStringLiteral("save(%1)").arg(name)); }
    int32_t currentPageButtonCount() override { return 4; }
};
struct Control : ControlService {
    void sendWingNoteOn(int32_t, int32_t n, int32_t) override { note(QStringLiteral("light on %1").arg(n)); }
    void sendWingNoteOff(int32_t, int32_t n, int32_t) override { note(QStringLiteral("light off %1").arg(n)); }
};
struct Fader : FakePlaybacks {
    void setFadeTimeSliderValue(int32_t p, int32_t v) override { note(QStringLiteral("fade %1=%2").arg(p).arg(v)); }
};

struct KeyDesk {
    QStringList log;
    TestShell ts;
    Fader& pb = ts.get().provide<PlaybackService>(std::make_unique<Fader>());
    FakeSelection& sel = ts.get().provide<PatchService>(std::make_unique<FakeSelection>());
    Masters& masters = ts.get().provide<MastersService>(std::make_unique<Masters>());
    Console& console = ts.get().engine<Console>();
    Shortcuts& pages = ts.get().provide<ShortcutsService>(std::make_unique<Shortcuts>());
    KeyDesk() {
        journal = &log;
        ts.get().provide<EffectsService>(std::make_unique<Effects>());
        ts.get().provide<AudioService>(std::make_unique<Audio>());
        ts.get().provide<ControlService>(std::make_unique<Control>());
        ts.get().state.resize(16);
        pb.documents = 3;
        ts.get().state.currentPlayback = 2;
    }
    ~KeyDesk() { journal = nullptr; }
    bool wing(int n, int velocity, const QString& channel = "1") {
        return console.recieveMidiNote(QString::number(n), channel, QString::number(velocity));
    }
};

TEST(ConsoleKeys, KeyTableDownAndUp) {
    const struct {
        int key, shift;
        bool up;
        const char* want;
    } cases[] = {
        {32, 0, false, "strobe down"}, {35, 0, false, "tap"},           {46, 0, false, "grand blackout"},
        {45, 0, false, "fog on"},      {19, 0, false, "master pause"}, {65, 0, false, ""},
        {35, 2, false, ""},            {32, 1, false, ""},             {45, 1, true, "fog off"},
        {32, 0, true, "strobe up"},    {27, 0, true, ""},              {27, 3, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key * 10 + c.shift);
        KeyDesk d;
        if (c.up) d.console.keyshortcutsup(c.key, c.shift);
        else d.console.Keyshortcuts(c.key, c.shift);
        EXPECT_EQ(d.log.join(","), c.want);
    }
}

TEST(ConsoleKeys, HeldSpaceStrobesOnceAndTypingInTheNameBoxBlocksKeys) {
    KeyDesk d;
    for (int i = 0; i < 3; ++i) d.console.Keyshortcuts(32, 0);
    d.console.keyshortcutsup(32, 0);
    EXPECT_EQ(d.log.join(","), "strobe down,strobe up");
    d.log.clear();
    d.console.keys.sequenceDetailsHasFocus = true;
    d.console.Keyshortcuts(46, 0);
    EXPECT_TRUE(d.log.isEmpty());
}

TEST(ConsoleKeys, ShiftEscClearsEveryUnlockedPlaybackAndReloadsThePage) {
    KeyDesk d;
    d.pb.priority[1] = 10;
    d.console.keyshortcutsup(27, 1);
    EXPECT_EQ(d.pb.calls.filter("clear").join(","), "clear(2),clear(3)");
    EXPECT_EQ(d.log.join(","), "page reloaded");
}

TEST(ControlWing, NotesMapOntoTheConsole) {
    const struct {
        int note;
        bool pressHandled, releaseHandled;
        const char* calls; // playback calls after press and release
    } cases[] = {
        {34, true, false, "play(2),mode(2,1)"}, // one GO, on the release
        {35, true, false, "pause(2)"},
        {37, true, false, "stepBackWards(2)"},
        {38, true, false, "StepFoward(2)"},
        {43, true, false, "new"},
        {44, true, false, "fadeOut(2)"},
        {45, true, false, "waitForGO(2,0)"},
        {46, false, false, ""},
        {47, false, false, ""},
        {100, false, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        KeyDesk d;
        EXPECT_EQ(d.wing(c.note, 127), c.pressHandled);
        EXPECT_EQ(d.wing(c.note, 0), c.releaseHandled);
        d.pb.calls.removeAll("updateDisplayData(2)");
        EXPECT_EQ(d.pb.calls.join(","), c.calls);
    }
}

TEST(ControlWing, PlaybackSelectionStopsAtTheEnds) {
    KeyDesk d;
    EXPECT_TRUE(d.wing(116, 127));
    EXPECT_EQ(d.ts.get().state.currentPlayback, 3);
    EXPECT_FALSE(d.wing(116, 127));
    EXPECT_EQ(d.ts.get().state.currentPlayback, 3);
    d.ts.get().state.currentPlayback = 1;
    EXPECT_FALSE(d.wing(114, 127));
    EXPECT_EQ(d.ts.get().state.currentPlayback, 1);
}

TEST(ControlWing, EncoderMovesTheFadeTimeOnlyInFadeModeAndShiftGivesItToAll) {
    KeyDesk d;
    EXPECT_FALSE(d.wing(91, 127)); // passed on while the mode is off
    EXPECT_FALSE(d.wing(115, 127));
    EXPECT_TRUE(d.wing(115, 0));
    EXPECT_TRUE(d.wing(91, 127));
    EXPECT_TRUE(d.wing(91, 0)); // a turn sends both: +20
    d.wing(47, 127);
    EXPECT_TRUE(d.wing(92, 127));
    EXPECT_EQ(d.log.join(","), "light on 115,fade 2=10,fade 2=20,fade 2=10,fade 0=10");
}

TEST(ControlWing, OtherChannelsOrNoWingAreNotHandledAndPlaybackModeSwitchesFirst) {
    KeyDesk d;
    EXPECT_FALSE(d.wing(38, 127, "2"));
    d.masters.wing = false;
    EXPECT_FALSE(d.wing(38, 127));
    EXPECT_TRUE(d.pb.calls.isEmpty());
    d.masters.wing = true;
    d.masters.programming = false;
    EXPECT_FALSE(d.wing(40, 0));
    EXPECT_TRUE(d.log.isEmpty()); // 39 and 40 never switch the mode
    EXPECT_FALSE(d.wing(20, 127));
    EXPECT_EQ(d.log.join(","), "programming mode");
}

// The save key opens the Sequence Properties dialog; pressed again while it
// shows, it saves, naming a sequence without a file after the next button.
TEST(ControlWing, SaveKeyOpensTheDialogThenSaves) {
    const struct {
        bool shown;
        const char* file;
        const char* want;
    } cases[] = {
        {false, nullptr, "dialog(2)"},
        {true, nullptr, "save(Sequence 5)"},
        {true, "Club\\Intro.YSQ", "save()"}, // a loaded sequence keeps the dialog's name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want);
        KeyDesk d;
        d.pb.steps[2] = 3;
        d.pages.dialogShown = c.shown;
        if (c.file) d.pb.files[2] = QString::fromLatin1(c.file);
        EXPECT_TRUE(d.wing(39, 127));
        EXPECT_FALSE(d.wing(39, 0));
        EXPECT_EQ(d.log.join(","), c.want);
    }
}

} // namespace
