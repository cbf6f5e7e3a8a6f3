#include "scheduleFixture.h"

#include <gtest/gtest.h>

using namespace scheduleTest;

namespace {
const char* stop = "Stop Playback";
const char* relative = "Relative Time";
} // namespace

TEST(ScheduleClock, relativeRowsRunOnceAtTheirStartInGridOrder) {
    Fixture f;
    f.rows({{stop, "", relative, "00:00:05.50", "3"},
            {stop, "", relative, "00:00:01.00", "1"},
            {stop, "", relative, "00:00:01.00", "2"}});
    f.start();
    f.run(990);
    EXPECT_TRUE(f.playbacks.calls.isEmpty());
    f.run(71);
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1", "stop 2"})) << "same start: one tick, grid order";
    f.playbacks.calls.clear();
    f.t.clock().ms = f.engine.relativeBase + 5'499;
    f.tick(0);
    EXPECT_TRUE(f.playbacks.calls.isEmpty());
    f.tick(1);
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 3"}));
    EXPECT_EQ(f.engine.statusLabel, QStringLiteral("Event 1 Active"));
    f.run(2000);
    EXPECT_EQ(f.playbacks.calls.size(), 1) << "a fired row does not run again";
    f.start(); // a second start keeps the marks and restarts the clock
    f.run(6000);
    EXPECT_EQ(f.playbacks.calls.size(), 1);
    EXPECT_EQ(f.engine.relativeClockLabel.left(8), QStringLiteral("00:00:06"));
}

TEST(ScheduleClock, timeOfDayAndWeekdayRows) {
    Fixture f; // Friday 10:00
    f.rows({{stop, "", "System Time", "09:00:00.00", "1"},
            {stop, "", "System Time", "10:00:30.00", "2"},
            {stop, "", "System Day/Time", "09:00:00.00", "3"},
            {stop, "", "System Day/Time", "09:00:00.00", "4"},
            {stop, "", "System Time", "not a time", "5"}});
    f.engine.setCell(3, scheduleText::day, QStringLiteral("Friday"));
    f.engine.setCell(4, scheduleText::day, QStringLiteral("Monday"));
    f.start();
    f.tick();
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1", "stop 3"})) << "past rows run at the first tick";
    f.run(30'000);
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1", "stop 3", "stop 2"}));
    EXPECT_EQ(f.engine.weekdayLabel, QStringLiteral("Friday"));
}

TEST(ScheduleClock, mediaTimeRowsFollowTheActivePlayerInHundredths) {
    Fixture f;
    f.rows({{"Start Media File", "/media/song.wav", relative, "00:00:00.00", ""},
            {stop, "", "Media Time", "00:00:05.50", "2"},
            {stop, "", "Media Time", "00:00:06.05", "3"}});
    f.start();
    f.tick();
    ASSERT_EQ(f.engine.activeMediaPlayer, 1);
    EXPECT_EQ(f.media.one.url(), QStringLiteral("/media/song.wav"));
    EXPECT_EQ(f.media.one.playCount, 1);
    // 5.4 s: not yet; 5.5 s: the row (compared as hundredths, not as text).
    for (const auto& [position, calls] : {std::pair{5.4, 0}, {5.5, 1}, {6.04, 1}, {6.2, 2}}) {
        f.media.one.position = position;
        f.tick();
        f.tick(); // the clock shows the position, then the rows see it
        EXPECT_EQ(f.playbacks.calls.size(), calls) << position;
    }
    EXPECT_EQ(f.engine.mediaClockLabel, QStringLiteral("00:06"));
}

TEST(ScheduleClock, aMediaTimeRowWaitsForTheRowAboveIt) {
    Fixture f;
    f.rows({{stop, "", "Manual", "", "1"}, {stop, "", "Media Time", "00:00:01.00", "2"}});
    f.engine.activeMediaPlayer = 1;
    f.media.one.setUrl("/a.wav");
    f.media.one.play();
    f.media.one.position = 3;
    f.start();
    f.run(500);
    EXPECT_TRUE(f.playbacks.calls.isEmpty());
    f.engine.rowSel = 0;
    f.engine.callTheTrigger(-1, 1); // the manual row by hand
    f.run(200);
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1", "stop 2"}));
}

TEST(ScheduleClock, midiTimeCodeRunsRowsWithoutAStart) {
    Fixture f;
    f.rows({{stop, "", "MIDI Time", "00:00:10.20", "1"}, {stop, "", relative, "00:00:00.00", "2"}});
    EXPECT_TRUE(f.engine.selectTimeCodeSource(2));
    EXPECT_EQ(f.control.opened, 2);
    EXPECT_EQ(f.engine.relativeCaption, QStringLiteral("MTC/SMPTE:"));
    f.control.code = QStringLiteral("00:00:10.05");
    f.tick();
    f.tick();
    EXPECT_EQ(f.engine.relativeClockLabel, QStringLiteral("00:00:10.05"));
    EXPECT_EQ(f.engine.timeFormatLabel, QStringLiteral("SMPTE 25"));
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 2"})) << "relative rows count from 0 without a start";
    f.control.code = QStringLiteral("00:00:10.20");
    f.tick();
    f.tick();
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 2", "stop 1"}));
    f.engine.Command2_Click(1); // the stop lets the source go
    EXPECT_EQ(f.control.opened, -1);
    EXPECT_FALSE(f.engine.timeCodeChecked);

    Fixture g;
    g.control.opens = false;
    EXPECT_FALSE(g.engine.selectTimeCodeSource(0));
    EXPECT_FALSE(g.engine.timeCodeChecked) << "a source that does not open stays unchosen";
}

TEST(ScheduleClock, manualStepsJumpTheClockOrRunTheRow) {
    Fixture f;
    f.rows({{stop, "", relative, "00:00:10.00", "1"},
            {stop, "", "Manual", "", "2"},
            {stop, "", "System Time", "23:00:00.00", "3"}});
    f.start();
    f.tick();
    f.engine.rowSel = 0;
    f.engine.callTheTrigger(-1, 1); // onto row 1: the clock jumps to 10 s
    f.tick();
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1"}));
    EXPECT_EQ(f.engine.relativeClockLabel.left(8), QStringLiteral("00:00:10"));
    f.engine.callTheTrigger(-1, 1); // row 2, manual: runs at once
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1", "stop 2"}));
    EXPECT_EQ(f.engine.rowSel, 2);
    f.engine.callTheTrigger(-1, 1); // row 3, system time: nothing
    EXPECT_EQ(f.playbacks.calls.size(), 2);
    EXPECT_EQ(f.engine.rowSel, 2);
    f.engine.rowSel = 3;
    f.engine.callTheTrigger(-1, 1); // past the last row: row 1 again
    f.tick();
    EXPECT_EQ(f.playbacks.calls.size(), 3);
    f.engine.callTheTrigger(0, 1); // a beat of the audio trigger: nothing
    EXPECT_EQ(f.playbacks.calls.size(), 3);
}

TEST(ScheduleClock, playlistRowsFollowTheEndOfTheActiveMedia) {
    Fixture f;
    f.rows({{"Start Media File", "/a.mp3", relative, "00:00:00.00", ""},
            {"Start Media File", "/b.mp3", "Media Playlist", "", ""},
            {"Start Media File", "/c.mp3", "Media Playlist", "", ""}});
    f.start();
    f.tick();
    EXPECT_EQ(f.media.one.url(), QStringLiteral("/a.mp3"));
    f.run(1000);
    EXPECT_EQ(f.media.one.url(), QStringLiteral("/a.mp3"));
    f.media.one.end();
    f.tick();
    EXPECT_EQ(f.media.one.url(), QStringLiteral("/b.mp3")) << "the ended player is free again";
    f.run(500);
    EXPECT_EQ(f.media.one.url(), QStringLiteral("/b.mp3"));
    f.media.one.end();
    f.tick();
    EXPECT_EQ(f.media.one.url(), QStringLiteral("/c.mp3"));
}

TEST(ScheduleClock, aDayLaterEveryRowMayRunAgainAndLoopRestarts) {
    Fixture f;
    f.rows({{stop, "", relative, "00:00:00.00", "1"}});
    f.start();
    f.tick();
    f.tick(86'400'000);
    f.tick();
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1", "stop 1"}));

    Fixture g;
    g.rows({{stop, "", relative, "00:00:01.00", "1"}, {"Loop", "", "Loop", "", ""}});
    g.start();
    g.run(2000);
    g.console.calls.clear();
    g.t.clock().time = g.t.clock().time.addSecs(86'401);
    g.tick();
    EXPECT_EQ(g.console.calls.size(), 12) << "the restart stops every playback";
    EXPECT_TRUE(g.engine.scheduleRunning);
    g.run(1100);
    EXPECT_EQ(g.playbacks.calls, (QStringList{"stop 1", "stop 1"}));
}

TEST(ScheduleClock, stopReachesEveryPlaybackAndClearsTheMarks) {
    Fixture f;
    f.rows({{stop, "", relative, "00:00:00.00", "1"}});
    f.start();
    f.tick();
    f.media.two.setUrl("/v.avi");
    f.media.two.play();
    f.engine.Command2_Click(1);
    EXPECT_EQ(f.console.calls.size(), 12) << "all twelve playbacks, not only 1 to 8";
    EXPECT_EQ(f.console.calls.front(), QStringLiteral("stopchase 1 12"));
    EXPECT_EQ(f.engine.statusLabel, QStringLiteral("All Events Stopped"));
    EXPECT_EQ(f.media.two.playState(), MediaPlayer::stopped);
    EXPECT_FALSE(f.engine.fired(1));
    EXPECT_FALSE(f.engine.relativetimego);
    EXPECT_EQ(f.pages.calls, (QStringList{"clear multis"}));
}

TEST(ScheduleClock, pauseHoldsTheTickAndTheRunningPlaybacksAndPlayers) {
    Fixture f;
    f.playbacks.running[2] = f.playbacks.running[5] = true;
    f.media.one.setUrl("/a.wav");
    f.media.one.play();
    f.rows({{stop, "", relative, "00:00:01.00", "1"}});
    f.start();
    f.engine.pauseSchedule();
    EXPECT_FALSE(f.engine.timer().enabled());
    EXPECT_EQ(f.playbacks.calls, (QStringList{"toggle 2", "toggle 5"}));
    EXPECT_EQ(f.media.one.playState(), MediaPlayer::paused);
    f.playbacks.running[7] = true; // started meanwhile: not touched by the resume
    f.t.clock().ms += 2000;
    f.engine.pauseSchedule();
    EXPECT_EQ(f.playbacks.calls, (QStringList{"toggle 2", "toggle 5", "toggle 2", "toggle 5"}));
    EXPECT_EQ(f.media.one.playState(), MediaPlayer::playing);
    f.tick(0);
    EXPECT_EQ(f.playbacks.calls.back(), QStringLiteral("stop 1")) << "due meanwhile: runs at the first tick";
}

TEST(ScheduleClock, aStartThatIsNoTimeStopsTheStartWithAMessage) {
    Fixture f;
    f.rows({{stop, "", relative, "00:xx:01.00", "1"}});
    f.start();
    ASSERT_EQ(f.t.prompts().messages.size(), 1);
    EXPECT_TRUE(f.t.prompts().messages[0].startsWith(
        QStringLiteral("Error starting or stopping schedule, please check format and try again ")));
    EXPECT_EQ(ScheduleEngine::startMilliseconds(QStringLiteral("01:02:03.45")), 3'723'450.0);
    EXPECT_EQ(ScheduleEngine::startMilliseconds(QStringLiteral("00:00")), std::nullopt);
}
