#include "scheduleFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace scheduleTest;

namespace {
// Runs one row of a given type, target and playback cell by hand.
void perform(Fixture& f, const char* type, const char* target, const char* playback) {
    f.rows({{type, target, "Manual", "", playback}});
    f.engine.executeEvent(1);
}
} // namespace

TEST(ScheduleActions, playbackRowsActOnTheirPlaybackOrOnAll) {
    struct Case { const char* type; const char* playback; QStringList calls; };
    QStringList allStops, allPauses;
    for (int n = 12; n >= 1; --n) {
        allStops << QStringLiteral("stop %1").arg(n);
        allPauses << QStringLiteral("pause %1").arg(n);
    }
    const Case cases[] = {
        {"Stop Playback", " 3 ", {"stop 3"}},
        {"Stop Playback", "", {"stop 1"}},
        {"Stop Playback", "All Playbacks", allStops}, // every playback, not only 1 to 8
        {"Pause Playback", "4", {"pause 4"}},
        {"Pause Playback", "All Playbacks", allPauses},
        {"Blackout Playback", "4", {"blackout 4 1 0"}},
        {"Restore Blackout", "All Playbacks", {"blackout 1 0 1"}},
    };
    for (const Case& c : cases) {
        Fixture f;
        shell().state.currentPlayback = 6;
        perform(f, c.type, "Not Applicable", c.playback);
        EXPECT_EQ(f.playbacks.calls, c.calls) << c.type << " " << c.playback;
        EXPECT_TRUE(f.engine.fired(1));
        EXPECT_EQ(f.engine.statusLabel, QStringLiteral("Event 1 Active"));
        EXPECT_EQ(f.pages.refreshes, 1);
    }
    Fixture f;
    perform(f, "Stop Playback", "", " 3 ");
    EXPECT_EQ(shell().state.currentPlayback, 3) << "the row's playback becomes the current one";
}

TEST(ScheduleActions, stopAllAndPauseAllGoThroughTheConsole) {
    Fixture f;
    shell().state.currentPlayback = 2;
    perform(f, "Stop All Playbacks", "", "");
    ASSERT_EQ(f.console.calls.size(), 12);
    EXPECT_EQ(f.console.calls.front(), QStringLiteral("stopchase 1 1"));
    EXPECT_EQ(f.console.calls.back(), QStringLiteral("stopchase 1 12"));
    f.console.calls.clear();
    perform(f, "Pause All Playbacks", "", "");
    EXPECT_EQ(f.console.calls, (QStringList{"release 2"}));
}

TEST(ScheduleActions, sequenceAndMultiButtonsRunTheirFilesAndMissingOnesAreMarkedSilently) {
    Fixture f;
    const QString page = QStringLiteral("Sequences/Show/Page1");
    ASSERT_TRUE(QDir(f.t.folder()).mkpath(page));
    for (const char* name : {"Intro.YSQ", "Party.mul"}) {
        QFile file(f.t.folder() + QLatin1Char('/') + page + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    perform(f, "Sequence Button", "Show\\Page1\\Intro.YSQ", "2");
    EXPECT_EQ(f.playbacks.calls, (QStringList{"load 2 Intro.YSQ 1 100", "play 2 1 0"}));
    f.playbacks.calls.clear();
    perform(f, "Multi Button", "Show\\Page1\\Party.mul", "N/A"); // the editor's "N/A" is no error here
    EXPECT_EQ(f.pages.calls, (QStringList{"clear multis", "multi Party.mul"}));
    EXPECT_EQ(f.engine.statusLabel, QStringLiteral("Event 1 Active"));
    f.engine.statusLabel.clear();
    perform(f, "Sequence Button", "Show\\Page1\\Gone.YSQ", "1");
    EXPECT_TRUE(f.engine.fired(1));
    EXPECT_TRUE(f.engine.statusLabel.isEmpty());
    EXPECT_TRUE(f.playbacks.calls.isEmpty());
    EXPECT_TRUE(f.t.prompts().messages.isEmpty());
}

TEST(ScheduleActions, aPlaybackThatIsNoNumberSkipsTheRowAndTheScheduleRunsOn) {
    Fixture f;
    f.rows({{"Stop Playback", "", "Relative Time", "00:00:00.00", "two"},
            {"Stop Playback", "", "Relative Time", "00:00:00.50", "2"}});
    f.engine.Command2_Click(0);
    f.run(700);
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 2"}));
    EXPECT_TRUE(f.engine.timer().enabled());
    EXPECT_TRUE(f.engine.relativetimego);
    EXPECT_TRUE(f.engine.fired(1)) << "reported once, not at every tick";
    EXPECT_TRUE(f.t.prompts().messages.isEmpty()) << "no box inside the tick";
}

TEST(ScheduleActions, mediaRowsTakeTheFreePlayer) {
    struct Case { bool onePlays, twoPlays; int chosen; };
    for (const Case c : {Case{false, false, 1}, Case{false, true, 1}, Case{true, false, 2}, Case{true, true, 0}}) {
        Fixture f;
        if (c.onePlays) f.media.one.setUrl("/x.wav"), f.media.one.play();
        if (c.twoPlays) f.media.two.setUrl("/y.wav"), f.media.two.play();
        perform(f, "Start Media File", " /show/clip.mp4 ", "");
        EXPECT_EQ(f.engine.activeMediaPlayer, c.chosen);
        EXPECT_EQ(f.engine.fired(1), c.chosen != 0) << "both busy: offered again later";
        if (c.chosen == 0) continue;
        FakeMediaPlayer& p = c.chosen == 1 ? f.media.one : f.media.two;
        EXPECT_EQ(p.url(), QStringLiteral("/show/clip.mp4"));
        EXPECT_EQ(p.playCount, 1);
        EXPECT_EQ(p.playState(), MediaPlayer::playing);
        EXPECT_EQ(f.media.shows, 1);
    }
}

TEST(ScheduleActions, restartAndLoadScheduleStartAgainFromTheTop) {
    Fixture f;
    const QString other = f.t.folder() + QStringLiteral("/other.YSC");
    ASSERT_TRUE(scheduleFile::write(other, {{"Stop Playback", "", "Relative Time", "", "00:00:00.00", "", "9"}}));
    f.rows({{"Stop Playback", "", "Relative Time", "00:00:00.00", "1"},
            {"Restart Relative Time", "", "Relative Time", "00:00:01.00", ""}});
    f.engine.Command2_Click(0);
    f.run(1100);
    EXPECT_EQ(f.playbacks.calls, (QStringList{"stop 1", "stop 1"})) << "the restart cleared the marks";
    f.engine.setCell(2, scheduleText::eventType, QStringLiteral("Load Schedule"));
    f.engine.setCell(2, scheduleText::eventToExecute, other);
    f.playbacks.calls.clear();
    f.run(1100);
    EXPECT_EQ(f.engine.currentScheduleFile, other);
    EXPECT_EQ(f.engine.rows(), 2);
    EXPECT_TRUE(f.engine.scheduleRunning);
    EXPECT_EQ(f.playbacks.calls.back(), QStringLiteral("stop 9"));

    Fixture g;
    g.engine.rowSel = 1;
    perform(g, "Restart Relative Time", "", "");
    EXPECT_EQ(g.engine.statusLabel, QStringLiteral("Event 0 Active"));
    EXPECT_EQ(g.engine.rowSel, 1) << "the selection does not move";
    EXPECT_TRUE(g.engine.relativetimego);
}

TEST(ScheduleActions, otherTypesDoNothingAndStayUnfired) {
    for (const char* type : {"Loop", "Strobe All", ""}) {
        Fixture f;
        perform(f, type, "", "");
        EXPECT_FALSE(f.engine.fired(1)) << type;
        EXPECT_EQ(f.pages.refreshes, 1) << "the page is refreshed all the same";
    }
    Fixture f;
    perform(f, "Set Volume Level", "40", "");
    EXPECT_TRUE(f.engine.fired(1));
    EXPECT_EQ(f.engine.statusLabel, QStringLiteral("No Events Active"));
}
