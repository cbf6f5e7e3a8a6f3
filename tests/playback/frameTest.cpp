#include "playback/playbackFrame.h"

#include "profiles/ClsFixture.h"
#include "playback/playbackEngine.h"
#include "playback/sequenceFile.h"
#include "fakeServices.h"
#include "output/DmxOutput.h"
#include "playbackTestSupport.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace playbackTest;

namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        makeShow(1);
        shell().engine<DmxOutput>(); // the send stage of the tick
        frame().HiResTimer1().setInterval(50);
    }
    PlaybackFrame& frame() { return playbackFrame(); }
    FakeTickTimer& tick() { return static_cast<FakeTickTimer&>(frame().HiResTimer1()); }
    PlaybackEngine& add(int number, bool visible = true) {
        frame().clkAddPlaybackControl(number, false, visible, false);
        return *frame().playback(number);
    }
    // Two steps on channel 1: 0 then 255, fading up over one second.
    void rising(PlaybackEngine& e) {
        program(e, e.myPlaybackNumber(), 2);
        own(e, 1, 1, 0);
        own(e, 1, 2, 255);
        times(e, 1, 1.0f, 1.0f);
        times(e, 2, 1.0f, 1.0f);
    }
    QString writeSequence(const QString& name, int level) {
        sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(1, 2);
        d.levels[0][0] = char(level);
        d.levels[1][0] = char(level);
        d.masks[0].bytes[0] = char(255);
        d.masks[0].triggerText = QStringLiteral("1");
        d.useSequenceFadeTime = true;
        const QString path = QDir(shell().programFolder()).filePath(name);
        safeFile::writeWhole(path, sequenceFile::encode(d));
        return path;
    }
    TestShell t;
};

} // namespace

TEST_F(Frame, theFrameIsThePlaybackServiceWhileItLives) {
    PlaybackEngine& e = add(3);
    e.setPriority(7);
    int32_t steps = 4;
    e.setMaxSequenceSteps(steps);
    PlaybackService& h = shell().playback();
    ASSERT_EQ(&h, static_cast<PlaybackService*>(&frame()));
    EXPECT_EQ(h.DocumentCount(), 1);
    EXPECT_EQ(h.reportPlayBackPriority(3), 7);
    EXPECT_EQ(h.reportPlayBackPriority(4), 0);
    EXPECT_EQ(h.maxStepsAtPosition(1), 4); // by position
    h.reDimAllPlaybackControls();
    EXPECT_EQ(frame().DocumentCount(), 0);
}

TEST_F(Frame, tickStepsPlaybacksThenSendsThenRefreshes) {
    PlaybackEngine& e = add(1, false);
    rising(e);
    e.cmdGo_Click();
    tick().fire(); // takes step 1; the fade toward step 2 starts with the next tick
    // The hidden running playback was shown by the tick that served it.
    EXPECT_TRUE(frame().findPlayback(1)->visible());
    ChannelModel& m = shell().state;
    std::vector<std::string> calls;
    int sentLevelSeenByPalette = -1;
    struct Palette : PresetsService {
        std::vector<std::string>& calls;
        int& seen;
        Palette(std::vector<std::string>& c, int& s) : calls(c), seen(s) {}
        void updateDMXValueDisplay(bool) override {
            calls.push_back("values");
            seen = shell().state.channelLastSent[1];
        }
        void loadAllSelectedFixturePositions(bool) override { calls.push_back("positions"); }
    };
    struct Matrix : MatrixService {
        std::vector<std::string>& calls;
        explicit Matrix(std::vector<std::string>& c) : calls(c) {}
        bool matrixVisible() override { calls.push_back("matrix"); return false; }
    };
    struct Pages : ShortcutsService {
        std::vector<std::string>& calls;
        explicit Pages(std::vector<std::string>& c) : calls(c) {}
        void checkDoneWithFadeDelay() override { calls.push_back("fadeDone"); }
    };
    shell().provide<PresetsService>(std::make_unique<Palette>(calls, sentLevelSeenByPalette));
    shell().provide<MatrixService>(std::make_unique<Matrix>(calls));
    shell().provide<ShortcutsService>(std::make_unique<Pages>(calls));
    const int before = m.channelOutput[1];
    tick().fire();
    EXPECT_EQ(calls, (std::vector<std::string>{"values", "positions", "matrix", "fadeDone"}));
    // The playback's new level went out before the palette refreshed.
    EXPECT_GT(m.channelOutput[1], before);
    EXPECT_EQ(sentLevelSeenByPalette, m.channelOutput[1]);
}

TEST_F(Frame, slowWorkRunsOnEvery26thTick) {
    struct TopBar : MastersService {
        int clock = 0;
        void showTime() override { ++clock; }
    };
    struct Pages : ShortcutsService {
        int timers = 0, fadeDone = 0;
        void checkTimers() override { ++timers; }
        void checkDoneWithFadeDelay() override { ++fadeDone; }
    };
    const int& clock = playbackTest::fake<MastersService, TopBar>().clock;
    Pages& pages = playbackTest::fake<ShortcutsService, Pages>();
    const int& timers = pages.timers;
    const int& fadeDone = pages.fadeDone;
    for (int i = 0; i < 25; ++i) tick().fire();
    EXPECT_EQ(clock, 0);
    tick().fire();
    EXPECT_EQ(clock, 1);
    for (int i = 0; i < 26; ++i) tick().fire();
    EXPECT_EQ(clock, 2);
    EXPECT_EQ(timers, 2);
    EXPECT_EQ(fadeDone, 52);
}

TEST_F(Frame, anUnloadedWindowLeavesTheListAndTheLastIsStillServed) {
    add(1);
    add(2);
    PlaybackEngine& third = add(3);
    rising(third);
    third.cmdGo_Click();
    frame().unloadPlayback(*frame().findPlayback(2));
    EXPECT_EQ(frame().DocumentCount(), 2);
    EXPECT_EQ(frame().playback(2), nullptr);
    for (int i = 0; i < 3; ++i) tick().fire();
    EXPECT_GT(shell().state.channelOutput[1], 0);
    // A new playback takes a number no window carries.
    frame().clkAddPlaybackControl(0, false, true, false);
    EXPECT_EQ(frame().DocumentCount(), 3);
    EXPECT_NE(frame().playback(4), nullptr);
}

TEST_F(Frame, anUnloadedWindowClearsItsChannelsButRecordsNoStop) {
    FakeScheduler& scheduler = fake<SchedulerService, FakeScheduler>();
    PlaybackEngine& e = add(2);
    rising(e);
    e.cmdGo_Click();
    for (int i = 0; i < 3; ++i) tick().fire();
    ASSERT_GT(shell().state.channelOutput[1], 0);
    scheduler.recording = true;
    frame().unloadPlayback(*frame().findPlayback(2));
    EXPECT_EQ(shell().state.channelOutput[1], 0);
    EXPECT_TRUE(scheduler.events.empty()) << "an unload is no operator's Stop";
}

TEST_F(Frame, matrixErrorsAreReportedOnceWithoutAMessageBox) {
    ChannelModel& m = shell().state;
    add(1);
    m.currentPlayback = 9; // no such playback
    struct Matrix : MatrixService {
        std::vector<int> drawn;
        bool matrixVisible() override { return true; }
        void drawMatrix(int32_t column, int32_t, int32_t colour, int32_t) override { drawn.push_back(column * 1000 + colour); }
    };
    // The status line shows each error once: the frame's caption.
    struct StatusLine : PlaybackFrameView {
        std::vector<QString> captions;
        void captionChanged(const QString& text) override { captions.push_back(text); }
    } statusLine;
    frame().setView(&statusLine);
    const std::vector<QString>& reported = statusLine.captions;
    const std::vector<int>& drawn = playbackTest::fake<MatrixService, Matrix>().drawn;
    tick().fire();
    tick().fire();
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_TRUE(t.prompts().messages.isEmpty());

    // A fixture whose colour channel lies outside the channel table is
    // reported; the good one is still drawn.
    m.currentPlayback = 1;
    ClsFixture& profile = m.lightClass(1);
    profile.setRedChannel(1);
    m.fixtureCount = 2;
    for (int f : {1, 2}) {
        m.fixtureMatrixMarker[f] = QStringLiteral("YesMatrix");
        m.fixtureLightClass[size_t(f)] = 1;
        m.fixtureMatrixColumn[size_t(f)] = f;
        m.fixtureMatrixRow[size_t(f)] = 1;
    }
    m.fixtureStartChannel[1] = 10;
    m.fixtureStartChannel[2] = 600;
    m.channelMixedColour[11] = QStringLiteral("255");
    tick().fire();
    tick().fire();
    EXPECT_EQ(drawn, (std::vector<int>{255, 255}));
    EXPECT_EQ(reported.size(), 2u);
    EXPECT_TRUE(t.prompts().messages.isEmpty());
    frame().setView(nullptr);
}

TEST_F(Frame, addingPlaybacks) {
    frame().clkAddPlaybackControl(0, false, false, false);
    ASSERT_EQ(frame().DocumentCount(), 1);
    // A hidden window blocks adding; with makeVisible it is reused as live.
    frame().clkAddPlaybackControl(0, false, false, false);
    EXPECT_EQ(frame().DocumentCount(), 1);
    frame().clkAddPlaybackControl(0, false, true, true);
    EXPECT_EQ(frame().DocumentCount(), 1);
    PlaybackWindowSlot& w = *frame().slotAt(1);
    EXPECT_TRUE(w.visible());
    EXPECT_TRUE(w.engine().state.iAmLivePlayback);
    EXPECT_EQ(w.engine().state.livePlaybackName, QString("Use Presets to Create"));
    EXPECT_EQ(w.engine().state.originalHeading, QString("LIVE Playback:1"));
    // fromMain adds only when there is no playback.
    frame().clkAddPlaybackControl(0, true, true, false);
    EXPECT_EQ(frame().DocumentCount(), 1);
    // An existing number changes only visibility and the live marks.
    frame().clkAddPlaybackControl(1, false, true, false);
    EXPECT_EQ(frame().DocumentCount(), 1);
    EXPECT_FALSE(w.engine().state.iAmLivePlayback);
    struct Faders : MastersService {
        int faders = 0;
        void loadAnotherFader(int32_t number, const QString&, const QString& text) override {
            ++faders;
            EXPECT_EQ(text, QString::number(number));
        }
    };
    const int& faders = playbackTest::fake<MastersService, Faders>().faders;
    frame().clkAddPlaybackControl(12, false, true, false);
    EXPECT_EQ(frame().slotAt(2)->engine().state.originalHeading, QString("  Playback #: 12"));
    EXPECT_EQ(frame().slotAt(2)->Tag, QString("2"));
    EXPECT_EQ(shell().state.currentPlayback, 12);
    EXPECT_EQ(faders, 1);
}

TEST_F(Frame, aNewPlaybackFadesBetweenStepsWithItsOwnTimes) {
    // A fresh window starts as its load leaves it: fading between scenes on,
    // the sequence's own times in use, continuous run on, priority 5.
    PlaybackEngine& e = add(9);
    EXPECT_TRUE(frame().getUseMotionfade(9));
    EXPECT_TRUE(e.state.useSequenceFadeTime);
    EXPECT_TRUE(e.state.continuousRun);
    EXPECT_EQ(frame().reportPlayBackPriority(9), 5);
}

TEST_F(Frame, firstAndEveryMatch) {
    PlaybackEngine& a = add(2);
    add(3);
    PlaybackEngine& b = *frame().playback(3);
    b.setMyPlayBackNumber(2); // two windows carry number 2
    frame().setDimmerValue(40, 2);
    EXPECT_EQ(a.getDimmerValue(), 40);
    EXPECT_EQ(b.getDimmerValue(), 100);
    frame().setMaxStepsValue(2, 6);
    EXPECT_EQ(a.giveMeMaxStep(), 6);
    EXPECT_EQ(b.giveMeMaxStep(), 6);
}

TEST_F(Frame, pauseStopAndPriorityTen) {
    PlaybackEngine& p1 = add(1);
    PlaybackEngine& p5 = add(5);
    PlaybackEngine& p10 = add(10);
    for (auto* e : {&p1, &p5, &p10}) {
        rising(*e);
        e->cmdGo_Click();
    }
    frame().setTimerStatus(5, false);
    EXPECT_TRUE(p1.getTimerStatus());
    EXPECT_FALSE(p5.getTimerStatus());
    frame().setPause(0, true);
    EXPECT_FALSE(p1.getTimerStatus());
    EXPECT_TRUE(p5.getTimerStatus());
    EXPECT_FALSE(p10.getTimerStatus());
    frame().setPause(0, true);
    p10.setPriority(10);
    frame().stopLoadedSequence(10);
    EXPECT_TRUE(p10.getTimerStatus());
    frame().stopLoadedSequence(1);
    EXPECT_FALSE(p1.getTimerStatus());
    EXPECT_EQ(p1.returnMyCurrentStep(), 0);
}

TEST_F(Frame, commandsThatCreateAMissingPlayback) {
    PlaybackEngine& current = add(2);
    rising(current);
    shell().state.currentPlayback = 2;
    frame().StepFoward(7);
    ASSERT_NE(frame().playback(7), nullptr);
    EXPECT_EQ(frame().DocumentCount(), 2);
    frame().playLoadedSequence(9, false, false, false);
    EXPECT_EQ(frame().playback(9), nullptr);
    EXPECT_TRUE(current.getTimerStatus());
    // A command for a number that no window has does nothing.
    frame().setDimmerValue(10, 42);
    EXPECT_EQ(frame().DocumentCount(), 2);
}

TEST_F(Frame, loadSequenceInDocChoosesOrMakesThePlayback) {
    const QString file = writeSequence("Intro.YSQ", 200);
    struct Names : MainWindowService {
        std::optional<QString> playbackNames(int32_t index) override { return QStringLiteral("Name%1").arg(index); }
    };
    playbackTest::fake<MainWindowService, Names>();
    PlaybackEngine& one = add(1);
    PlaybackEngine& two = add(2);
    // doc 0: the first window that is stopped and holds no sequence.
    one.state.theSequenceFilename = QStringLiteral("busy.YSQ");
    int32_t doc = 0;
    EXPECT_EQ(frame().loadSequenceInDoc(doc, file, false, false, 100), 2);
    EXPECT_EQ(doc, 2);
    EXPECT_EQ(two.state.theSequenceFilename, file);
    EXPECT_TRUE(two.getTimerStatus());
    EXPECT_EQ(frame().findPlayback(2)->caption(), QString("Intro  ( Playback 2)'Name1'"));
    // Every window busy, none hidden: a new playback 3.
    doc = 0;
    EXPECT_EQ(frame().loadSequenceInDoc(doc, file, true, false, 100), 3);
    EXPECT_EQ(frame().DocumentCount(), 3);
    // A busy hidden window blocks reuse: a playback of its own, shown and current.
    frame().setVisible(*frame().findPlayback(3), false);
    doc = 0;
    EXPECT_EQ(frame().loadSequenceInDoc(doc, file, true, false, 100), 4);
    EXPECT_TRUE(frame().findPlayback(4)->visible());
    EXPECT_EQ(shell().state.currentPlayback, 4);
    // A number that no window has is made once; a high number gets no name.
    doc = 11;
    EXPECT_EQ(frame().loadSequenceInDoc(doc, file, true, false, 100), 11);
    EXPECT_EQ(frame().findPlayback(11)->caption(), QString("Intro  ( Playback 11)"));
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(Frame, loadSequenceInDocWithABadFileStartsNothing) {
    PlaybackEngine& one = add(1);
    const QString bad = QDir(shell().programFolder()).filePath("bad.YSQ");
    safeFile::writeWhole(bad, QByteArray(700, '\0'));
    int32_t doc = 1;
    EXPECT_EQ(frame().loadSequenceInDoc(doc, bad, false, false, 100), 0);
    EXPECT_FALSE(one.getTimerStatus());
    EXPECT_TRUE(one.state.theSequenceFilename.isEmpty());
    ASSERT_EQ(t.prompts().messages.size(), 1);
    EXPECT_TRUE(t.prompts().messages[0].startsWith("Sequence Not Recognized "));
}

TEST_F(Frame, queries) {
    PlaybackEngine& one = add(1);
    PlaybackEngine& two = add(2);
    EXPECT_EQ(frame().reportPlayBackPriority(0), 0);
    EXPECT_EQ(frame().getPlaybackAlias(1), QString("No"));
    EXPECT_EQ(frame().getPlaybackAlias(5), QString());
    two.state.iAmLivePlayback = true;
    two.state.livePlaybackName = QStringLiteral("Warm");
    frame().setVisible(*frame().findPlayback(1), false);
    const auto live = frame().returnLivePlaybacks();
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0].myPlaybackNumber, 2);
    EXPECT_EQ(live[0].myPlaybackName, QString("Warm"));
    EXPECT_EQ(frame().returnFirstPlayback(), 2);
    frame().setVisible(*frame().findPlayback(2), false);
    EXPECT_EQ(frame().returnFirstPlayback(), 1);
    EXPECT_EQ(frame().returnDocNumberWithCaption("nothing like it"), 1);

    const QString file = shell().programPath("Sequences\\Club\\a.YSQ");
    one.state.theSequenceFilename = file;
    int32_t chaser = 0;
    EXPECT_FALSE(frame().returnIfFilenameIsRunning("Club\\a.YSQ", chaser));
    EXPECT_TRUE(frame().returnIfFilenameIsLoaded("Club\\a.YSQ", chaser));
    EXPECT_EQ(chaser, 1);

    frame().setVisible(*frame().findPlayback(1), true);
    bool stacked = true;
    EXPECT_EQ(frame().returnValueforStep1(1, 1, stacked), -1);
    one.setTriggerType(0);
    EXPECT_EQ(frame().returnChaseType(1), 3);
    EXPECT_TRUE(frame().returnGoMode(1));
}

TEST_F(Frame, startupRefreshRate) {
    struct T { const char* value; int interval; };
    for (T c : {T{"50", 50}, T{"25", 25}, T{"99", 99}, T{"1", 1}, T{"0", 33}, T{"100", 33}, T{"fast", 33}, T{"", 33}}) {
        frame().applyStartupRefreshRate(c.value);
        EXPECT_EQ(frame().refreshIntervalMs(), c.interval) << c.value;
    }
}

TEST_F(Frame, livePlaybacksFromThePalette) {
    struct Palette : PresetsService {
        bool liveMode = false;
        bool paletteLiveMode() override { return liveMode; }
    };
    bool& liveMode = playbackTest::fake<PresetsService, Palette>().liveMode;
    PlaybackEngine& one = add(1);
    rising(one);
    int32_t number = 0;
    frame().setPlaybackAlias("Warm wash", number, "");
    EXPECT_EQ(number, 0); // not in live mode
    EXPECT_EQ(frame().DocumentCount(), 1);
    liveMode = true;
    frame().setPlaybackAlias("Warm wash", number, "");
    ASSERT_EQ(number, 2);
    PlaybackWindowSlot& live = *frame().findPlayback(2);
    EXPECT_TRUE(live.visible());
    EXPECT_EQ(live.caption(), QString("Live:Warm wash"));
    EXPECT_EQ(frame().getPlaybackAlias(2), QString("Warm wash"));
    EXPECT_EQ(live.engine().giveMeMaxStep(), 1); // a first step was recorded
    // A one-letter sequence name is ignored by the crossfade flag.
    one.state.theSequenceFilename = QStringLiteral("/x/Intro.YSQ");
    frame().setLiveCrossFadeFlag(true, "I", 2.0f);
    EXPECT_FALSE(one.state.manualCrossfade);
    frame().setLiveCrossFadeFlag(true, "Intro", 2.0f);
    EXPECT_TRUE(one.state.manualCrossfade);
    EXPECT_EQ(one.state.fadeFromCurrentFadeUpTime, 2.0f);
}

namespace {

// One run of the refresh tick on a fresh console: a playback fading channel 1
// from 0 to 255 over one second at a 50 ms period, and the tick fired after
// each of the given gaps on the monotonic clock. Answers channel 1's level,
// the step and the fade's tick count after the last tick.
struct TickRun {
    int level, step, fadeUpCount;
    bool operator==(const TickRun&) const = default;
};
std::ostream& operator<<(std::ostream& os, const TickRun& r) {
    return os << "level " << r.level << ", step " << r.step << ", fade count " << r.fadeUpCount;
}

TickRun runTicks(const std::vector<int>& gapsMs) {
    TestShell t;
    makeShow(1);
    shell().engine<DmxOutput>();
    PlaybackFrame& frame = playbackFrame();
    frame.HiResTimer1().setInterval(50);
    frame.clkAddPlaybackControl(1, false, true, false);
    PlaybackEngine& e = *frame.playback(1);
    program(e, 1, 2);
    own(e, 1, 1, 0);
    own(e, 1, 2, 255);
    times(e, 1, 1.0f, 1.0f);
    times(e, 2, 1.0f, 1.0f);
    e.cmdGo_Click();
    auto& tick = static_cast<FakeTickTimer&>(frame.HiResTimer1());
    for (int gap : gapsMs) {
        t.clock().ms += gap;
        tick.fire();
    }
    return {shell().state.channelOutput[1], e.state.currentStep, e.state.fadeUpCount};
}

} // namespace

// A tick that comes late steps the playbacks for every period that passed
// (at most maxCatchUpPeriods), so a fade keeps to wall-clock time; ticks on
// time, a little early or a little late step once, as they always did.
TEST(FrameCatchUp, lateTicksStepForThePeriodsThatPassed) {
    const int most = PlaybackFrame::maxCatchUpPeriods;
    struct Case {
        const char* name;
        std::vector<int> late, regular;
    } cases[] = {
        {"three periods late", {50, 50, 150}, {50, 50, 50, 50, 50}},
        {"jitter is no lateness", {50, 48, 53, 49, 51}, {50, 50, 50, 50, 50}},
        {"late by half a period twice", {50, 75, 75}, {50, 50, 50, 50}},
        {"bounded", {50, 50 * (most + 12)}, std::vector<int>(size_t(most) + 1, 50)},
        {"a stopped clock steps once per tick", {0, 0, 0}, {50, 50, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(runTicks(c.late), runTicks(c.regular));
    }
    // The fade is under way in every case, so the counts above are its own.
    EXPECT_GT(runTicks({50, 50, 50}).level, runTicks({50, 50}).level);
}
