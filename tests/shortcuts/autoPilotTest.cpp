// The auto pilot on a fake clock: steps pressed by minutes and by beats,
// round and round, stopped with its button; steps recorded by the builder
// and written as an auto-pilot file.

#include "shortcuts/pressDesk.h"

#include <gtest/gtest.h>

namespace {

// Page "Main": A, B, C and the auto pilot "Tour" over them, every step
// releasing, waiting `minutes` or `beats`.
struct TourPage : PressDesk {
    TourPage(bool byBeats, float wait) {
        for (int i = 0; i < 3; ++i) button("Main", QString(QChar('A' + i)), 585, 30 + i * 1155);
        std::vector<multiButtons::Member> steps(3);
        for (int i = 0; i < 3; ++i) {
            steps[size_t(i)].theName = QString(QChar('A' + i));
            steps[size_t(i)].myPage = QStringLiteral("Main");
            steps[size_t(i)].releaseActive = true;
            (byBeats ? steps[size_t(i)].beatBool : steps[size_t(i)].timeBool) = true;
            (byBeats ? steps[size_t(i)].theBeat : steps[size_t(i)].theTime) = wait;
        }
        button("Main", "Tour", 3000, 30, 0, ".YTO");
        writeWholeFile(t.showFolder() + "/Main/Tour.YTO", multiButtons::encode(steps, false));
        open();
        t.clock().ms = 1000000;
    }
    QString playing() {
        QStringList on;
        for (const char* n : {"A", "B", "C"})
            if (playbackOf(n) > 0) on << n;
        return on.join(',');
    }
};

TEST(AutoPilot, MinutesModeStepsRoundAndStopsWithItsButton) {
    TourPage d(false, 2);
    d.press("Tour");
    EXPECT_EQ(d.at("Tour").tag, "auto on");
    EXPECT_EQ(d.pages->runningAutoPilotName, "Tour");
    EXPECT_TRUE(d.pages->lapseTimer().enabled());
    EXPECT_EQ(d.playing(), "A");
    EXPECT_EQ(d.pages->txtTime, "2");
    EXPECT_FALSE(d.pages->beatsMode);
    struct Tick { int64_t advance; const char* playing; int step; };
    for (const Tick& k : {Tick{119000, "A", 1}, Tick{1000, "B", 2}, Tick{120000, "C", 3}, Tick{120000, "A", 1}}) {
        d.t.clock().ms += k.advance;
        // The fades of released steps have ended by now.
        for (auto& [n, r] : d.pb->runs)
            if (r.fadingOut) d.pb->finishFade(n);
        d.pages->tmrLapse_Timer();
        // A releasing step fades the one before out.
        EXPECT_TRUE(d.playing().startsWith(k.playing)) << d.playing().toStdString();
        EXPECT_EQ(d.pages->currentStep, k.step);
    }
    d.press("Tour");
    EXPECT_EQ(d.at("Tour").tag, "auto off");
    EXPECT_FALSE(d.pages->lapseTimer().enabled());
    EXPECT_TRUE(d.pages->autoPilotSteps.empty());
}

TEST(AutoPilot, BeatsModeStepsOnTheBeatAfterTheCount) {
    TourPage d(true, 2);
    d.press("Tour");
    EXPECT_TRUE(d.pages->beatsMode);
    EXPECT_EQ(d.pages->currentStep, 1);
    d.t.get().shortcuts().recieveBeat();
    d.t.get().shortcuts().recieveBeat();
    EXPECT_EQ(d.pages->currentStep, 1);
    // Two beats counted: the lapse tick finds them due.
    d.pages->tmrLapse_Timer();
    EXPECT_EQ(d.pages->currentStep, 2);
    EXPECT_EQ(d.pages->beatCount, 0);
    for (int i = 0; i < 3; ++i) d.t.get().shortcuts().recieveBeat(); // the third beat moves on by itself
    EXPECT_EQ(d.pages->currentStep, 3);
    EXPECT_EQ(d.pages->lapseTimer().interval(), 1000);
}

TEST(AutoPilot, BuiltStepsAreWrittenAndReadBackWithTheirWaits) {
    TourPage d(false, 1);
    ShortcutPages& p = *d.pages;
    p.createNewAutoPilot(true);
    p.beatsMode = true;
    p.txtBeats = QStringLiteral("32");
    d.press("A");      // releases
    d.press("B", 700); // stacks
    p.beatsMode = false;
    p.txtTime = QStringLiteral("1.5");
    d.press("C");
    p.createNewAutoPilot(false);
    EXPECT_EQ(p.stepLines(), (QStringList{"A  Release: True", "B  Release: False", "C  Release: True"}));
    ASSERT_TRUE(p.saveAutoDMXPilot(QStringLiteral("Built"), false));
    const auto steps = multiButtons::decode(readWholeFile(d.t.showFolder() + "/Main/Built.YTO"));
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_TRUE(steps[0].beatBool && !steps[0].timeBool && steps[0].theBeat == 32.0f && steps[0].releaseActive);
    EXPECT_FALSE(steps[1].releaseActive);
    EXPECT_TRUE(steps[2].timeBool && steps[2].theTime == 1.5f);
    EXPECT_EQ(steps[2].myPage.trimmed(), "Main");
    EXPECT_EQ(steps[2].kind, 0);
    // Refused names write nothing.
    EXPECT_FALSE(p.saveAutoDMXPilot(QStringLiteral("../x"), false));
}

} // namespace

#include "shell/ui/windowRegistry.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

TEST(AutoPilot, ThePanelShowsTheStepsAndItsStartToolStops) {
    TourPage d(false, 1);
    d.t.get().shortcuts().showShortcutPages();
    frmSequenceShortcuts* w = loadedForm<frmSequenceShortcuts>();
    ASSERT_NE(w, nullptr);
    d.press("Tour");
    ASSERT_EQ(w->lstSequences->count(), 3);
    EXPECT_EQ(w->lstSequences->item(0)->text(), "A  Release: True");
    EXPECT_EQ(w->lstSequences->currentRow(), 0);
    EXPECT_EQ(w->cmdStart->text(), "Stop");
    // The lapse timer is the shell's: its tick steps on once the minute is over.
    d.t.clock().ms += 60000;
    static_cast<FakeTickTimer&>(d.pages->lapseTimer()).fire();
    EXPECT_EQ(w->lstSequences->currentRow(), 1);
    w->cmdStart->click();
    EXPECT_EQ(w->cmdStart->text(), "Start");
    EXPECT_FALSE(d.pages->lapseTimer().enabled());
    w->cmdBeats->click();
    EXPECT_TRUE(d.pages->beatsMode);
    // The arrows step their box, select its mode and give the current step the new wait.
    w->UdTimeUp->click();
    EXPECT_FALSE(d.pages->beatsMode);
    EXPECT_EQ(w->txtTime->text(), "2");
    EXPECT_EQ(d.pages->autoPilotSteps[size_t(d.pages->currentStep) - 1]->theTime, 2.0f);
    EXPECT_EQ(w->cmdStart->text(), "Save Changes");
    w->UdBeatDown->click();
    EXPECT_TRUE(d.pages->beatsMode);
    EXPECT_EQ(w->txtBeats->text(), "16");
    const struct {
        const char* text;
        bool time;
        int direction;
        const char* after;
    } steps[] = {{"10", true, 1, "10"}, {"0", true, -1, "0"}, {"4990", false, 1, "5000"},
                 {"8", false, -1, "0"},  {"x", true, 1, "1"},  {"2.5", true, 1, "3"}};
    for (const auto& c : steps)
        EXPECT_EQ(ShortcutPages::steppedInterval(c.text, c.time, c.direction), c.after) << c.text;
}

} // namespace
