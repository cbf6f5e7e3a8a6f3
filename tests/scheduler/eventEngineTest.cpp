#include "scheduler/eventEngine.h"
#include "scheduler/mediaWindowEngine.h"
#include "scheduler/scheduleEngine.h"
#include "scheduler/scheduleFile.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "support/fakeMediaPlayer.h"
#include "support/fakePlatform.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Writes down what the step commands ask of the playbacks.
class RecordingPlaybacks final : public PlaybackService {
public:
    QStringList calls;
    void stopLoadedSequence(int32_t p) override { calls << QString("stop %1").arg(p); }
    void playLoadedSequence(int32_t p, bool fadeFrom, bool autoMode, bool fromStack) override {
        calls << QString("play %1 %2 %3 %4").arg(p).arg(fadeFrom).arg(autoMode).arg(fromStack);
    }
    void setTimerStatus(int32_t p, bool all) override { calls << QString("pause %1 %2").arg(p).arg(all); }
    void clkAddPlaybackControl(int32_t p, bool, bool makeVisible, bool) override {
        calls << QString("add %1 %2").arg(p).arg(makeVisible);
    }
    int32_t loadSequenceInDoc(int32_t& doc, const QString& name, bool, bool, int32_t dimmer) override {
        calls << QString("load %1 %2 %3").arg(doc).arg(name).arg(dimmer);
        return 0;
    }
    void fadeFromCurrent(int32_t p, int32_t to) override { calls << QString("fade %1 %2").arg(p).arg(to); }
    void startAudioMatrix(const QString& name, int32_t front, int32_t back, int32_t mode, int32_t p) override {
        calls << QString("matrix %1 %2 %3 %4 %5").arg(name).arg(front).arg(back).arg(mode).arg(p);
    }
    void setChaseMode(int32_t p, int32_t mode, bool save) override {
        calls << QString("mode %1 %2 %3").arg(p).arg(mode).arg(save);
    }
    bool returnIfFilenameIsRunning(const QString& name, int32_t& p) const override {
        if (name != "Show\\Page\\a.YSQ") return false;
        p = 5;
        return true;
    }
};

class CountingPages final : public ShortcutsService {
public:
    int refreshes = 0;
    QStringList masters{QString(), "Show\\a.YSQ", "Show\\b.YSQ", "Show\\a.YSQ"};
    QStringList pressed;
    void refreshPageOnly() override { ++refreshes; }
    bool pressMasterShortcut(const QString& entry) override {
        if (!masters.contains(entry) || entry.isEmpty()) return false;
        pressed << QString::number(masters.indexOf(entry));
        return true;
    }
};

// Playback faders 1 to 4.
class Faders final : public MastersService {
public:
    QStringList moves;
    bool hasPlaybackFader(int32_t n) override { return n >= 1 && n <= 4; }
    void setPlaybackFader(int32_t n, double percent) override { moves << QString("fader %1 %2").arg(n).arg(percent); }
};

} // namespace

TEST(EventEngine, runsTheStepCommandsOfThePlaybacks) {
    struct Case { const char* command; const char* call; bool refresh; };
    const Case cases[] = {
        {"0,,3", "stop 3", true},
        {"0", "stop 7", true},
        {"0,,-2", "stop 7", true},
        {" 1 ,,2.6", "play 3 1 1 0", true},
        {"2,,4", "pause 4 0", false},
        {"3,Sequences\\Show\\Page\\a.YSQ,6,", "add 6 0|load 6 Sequences\\Show\\Page\\a.YSQ 0", true},
        {"4,,5", "fade 2 5", false},
        {"12,Wall,255,65280", "matrix Wall 255 65280 12 7", false},
        {"5,night.YSC", "", true},
        {"x,,3", "", false},
    };
    for (const Case& c : cases) {
        TestShell t;
        auto& playbacks = t.get().provide<PlaybackService>(std::make_unique<RecordingPlaybacks>());
        auto& pages = t.get().provide<ShortcutsService>(std::make_unique<CountingPages>());
        shell().state.currentPlayback = 2;
        EventEngine engine;
        shell().scheduler().readAndExecuteEventString(QString::fromLatin1(c.command), 7, "seq.YSQ");
        EXPECT_EQ(playbacks.calls.join('|'), QString::fromLatin1(c.call)) << c.command;
        EXPECT_EQ(pages.refreshes, c.refresh ? 1 : 0) << c.command;
    }
}

// Schedules and media from step commands: 5 loads and starts a schedule, 6
// loads the first player, 7 starts it, 8 plays a file for the sequence.
TEST(EventEngine, stepCommandsStartSchedulesAndMedia) {
    TestShell t;
    auto& pages = t.get().provide<ShortcutsService>(std::make_unique<CountingPages>());
    auto factory = std::make_unique<FakeMediaPlayerFactory>();
    FakeMediaPlayerFactory& players = *factory;
    shell().platform().media = std::move(factory);
    EventEngine engine;
    const QString schedule = t.folder() + "/night.YSC";
    ASSERT_TRUE(scheduleFile::write(schedule, {{"Stop All Playbacks", "", "Relative Time", "", "00:00:05.00", "", ""}}));
    const QString video = t.folder() + "/clip.avi";
    QFile(video).open(QIODevice::WriteOnly);

    shell().scheduler().readAndExecuteEventString("5," + schedule, 1, "seq.YSQ");
    const ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->currentScheduleFile, schedule);
    EXPECT_EQ(s->cell(1, 0), "Stop All Playbacks");
    EXPECT_TRUE(s->relativetimego) << "the schedule runs";
    ASSERT_EQ(players.made.size(), 2u);
    FakeMediaPlayer& one = *players.made[0];

    shell().scheduler().readAndExecuteEventString("6," + video, 1, "seq.YSQ");
    EXPECT_EQ(one.url(), video);
    EXPECT_NE(one.playState(), MediaPlayer::playing) << "loading does not start it";
    shell().scheduler().readAndExecuteEventString("7", 1, "seq.YSQ");
    EXPECT_EQ(one.playState(), MediaPlayer::playing);

    // The first player is on screen: the file for the sequence goes to the hidden second.
    shell().scheduler().readAndExecuteEventString("8," + video, 1, "Show\\Page\\seq.YSQ");
    FakeMediaPlayer& two = *players.made[1];
    EXPECT_EQ(two.url(), video);
    EXPECT_EQ(two.playState(), MediaPlayer::playing);
    EXPECT_EQ(scheduler::mediaWindow().playerSequence[1], "Show\\Page\\seq.YSQ");
    EXPECT_EQ(pages.refreshes, 4);
}

// The DMX-input events: media in either player, MASTER shortcuts, fader levels.
TEST(EventEngine, inputEventsReachMediaShortcutsAndFaders) {
    TestShell t;
    auto& playbacks = t.get().provide<PlaybackService>(std::make_unique<RecordingPlaybacks>());
    auto& pages = t.get().provide<ShortcutsService>(std::make_unique<CountingPages>());
    auto& faders = t.get().provide<MastersService>(std::make_unique<Faders>());
    auto factory = std::make_unique<FakeMediaPlayerFactory>();
    FakeMediaPlayerFactory& players = *factory;
    shell().platform().media = std::move(factory);
    EventEngine engine;
    SchedulerService& s = shell().scheduler();
    s.callEvent(" Start Media File ", "1", " song.mp3 ");
    ASSERT_EQ(players.made.size(), 2u);
    FakeMediaPlayer& one = *players.made[0];
    FakeMediaPlayer& two = *players.made[1];
    EXPECT_EQ(one.calls.join('|'), "stop|url song.mp3|play");
    s.callEvent("Start Media File", "1", "next.mp3");
    EXPECT_EQ(two.url(), "next.mp3") << "the first plays: the second takes it";
    // Both playing the same file (as two inputs may leave them).
    one.path = "next.mp3";
    one.setState(MediaPlayer::playing);
    two.setState(MediaPlayer::playing);
    s.callEvent("Start Media File", "1", "other.mp3");
    EXPECT_EQ(one.url(), "next.mp3") << "both play: nothing";
    EXPECT_EQ(two.url(), "next.mp3");
    s.callEvent("Stop Media File", "1", "next.mp3 ");
    EXPECT_NE(one.playState(), MediaPlayer::playing) << "both stop when both play the file";
    EXPECT_NE(two.playState(), MediaPlayer::playing);

    s.callEvent("Sequence Shortcut", "", "Show\\a.YSQ");
    s.callEvent("Sequence Shortcut", "", "Show\\none.YSQ");
    EXPECT_EQ(pages.pressed.join('|'), "1") << "only the lowest-numbered button that holds it";

    s.callEvent("Stop Sequence Shortcut", "", "Show\\Page\\a.YSQ");
    s.callEvent("Stop Sequence Shortcut", "", "Show\\Page\\b.YSQ");
    EXPECT_EQ(playbacks.calls.join('|'), "stop 5");
    playbacks.calls.clear();

    s.callEvent("Sub & Go", "2", "255");
    s.callEvent("Sub & Go", "3", "128");
    s.callEvent("Submaster", "4", "0");
    s.callEvent("Submaster", "5", "200");   // no fader 5
    s.callEvent("Submaster", "N/A", "200"); // not a number
    s.callEvent("Sub & Go", "1", "high");
    s.callEvent("Unknown", "1", "255");
    EXPECT_EQ(playbacks.calls.join('|'), "play 2 0 0 0|mode 2 0 0");
    EXPECT_EQ(faders.moves.join('|'), "fader 2 100|fader 3 50.2|fader 4 0");
}
