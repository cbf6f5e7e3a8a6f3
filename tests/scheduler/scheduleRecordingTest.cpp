#include "scheduleFixture.h"

#include <gtest/gtest.h>

using namespace scheduleTest;

namespace {
QStringList row(const ScheduleEngine& e, int r) {
    QStringList out;
    for (int c = 0; c < 7; ++c) out << e.cell(r, c);
    return out;
}
} // namespace

TEST(ScheduleRecording, actionsBecomeRowsStampedWithTheRelativeThenTheMediaClock) {
    Fixture f;
    f.engine.recordEvent(QStringLiteral("Show\\P\\a.YSQ"), QStringLiteral("Sequence"));
    EXPECT_EQ(f.engine.rows(), 2) << "record mode off: nothing";
    f.engine.cmdRealTimeRecord_Click();
    shell().state.currentPlayback = 4;
    f.run(1500);
    f.engine.recordEvent(QStringLiteral("Show\\P\\a.YSQ"), QStringLiteral("Sequence"));
    f.engine.recordEvent(QStringLiteral("Not Apllicable"), QStringLiteral("Stop Playback"));
    f.engine.recordEvent(QString(), QStringLiteral("MotionFade On")); // no row, an empty one appended
    EXPECT_EQ(row(f.engine, 1), (QStringList{"Sequence Button", "Show\\P\\a.YSQ", "Relative Time", "",
                                             "00:00:01.56", "", "4"}));
    EXPECT_EQ(row(f.engine, 2)[0], QStringLiteral("Stop Playback"));
    EXPECT_EQ(row(f.engine, 2)[1], QStringLiteral("Not Apllicable"));
    EXPECT_EQ(f.engine.rows(), 5);
    EXPECT_TRUE(f.engine.cell(4, 0).isEmpty());

    f.engine.recordEvent(QStringLiteral("/m/song.mp3"), QStringLiteral("Start Media File"));
    EXPECT_EQ(row(f.engine, 4), (QStringList{"Start Media File", "/m/song.mp3", "Relative Time", "", "00:00:01.56",
                                             "", "4"}));
    f.engine.activeMediaPlayer = 1;
    f.media.one.setUrl("/m/song.mp3");
    f.media.one.play();
    f.media.one.position = 90.25;
    f.tick();
    f.engine.recordEvent(QStringLiteral("Show\\P\\b.YSQ"), QStringLiteral("Sequence Button"));
    EXPECT_EQ(row(f.engine, 5)[2], QStringLiteral("Media Time"));
    EXPECT_EQ(row(f.engine, 5)[4], QStringLiteral("00:01:30.25"));
    f.engine.Command2_Click(0);
    EXPECT_FALSE(f.engine.myRecordMode) << "a start ends recording";
    f.engine.Command2_Click(1);
    EXPECT_EQ(f.engine.recordTrigger, QStringLiteral("Relative Time"));
}

TEST(ScheduleRecording, aLoadedScheduleKeepsItsLastRowAndAnEmptyGridKeepsItsHeadings) {
    Fixture f;
    f.rows({{"Stop Playback", "", "Relative Time", "00:00:01.00", "1"}});
    f.engine.cmdRealTimeRecord_Click();
    f.engine.recordEvent(QStringLiteral("Not Apllicable"), QStringLiteral("Pause Playback"));
    EXPECT_EQ(f.engine.cell(1, 0), QStringLiteral("Stop Playback")) << "the loaded row stays";
    EXPECT_EQ(f.engine.cell(2, 0), QStringLiteral("Pause Playback"));
    EXPECT_EQ(f.engine.rows(), 4);

    Fixture g;
    g.engine.setEventRows({});
    g.engine.cmdRealTimeRecord_Click();
    g.engine.recordEvent(QStringLiteral("Not Apllicable"), QStringLiteral("Stop Playback"));
    EXPECT_EQ(g.engine.cell(0, 0), QStringLiteral("Event Type")) << "the headings stay";
    EXPECT_EQ(g.engine.cell(1, 0), QStringLiteral("Stop Playback"));
}

TEST(ScheduleEditing, insertAndRemoveMoveTheFiredMarksWithTheRows) {
    Fixture f;
    f.rows({{"Stop Playback", "", "Manual", "", "1"},
            {"Stop Playback", "", "Manual", "", "2"},
            {"Stop Playback", "", "Manual", "", "3"}});
    f.engine.setFired(2, true);
    f.engine.insertEvent(1); // a new row 2
    EXPECT_TRUE(f.engine.cell(2, 0).isEmpty());
    EXPECT_FALSE(f.engine.fired(2));
    EXPECT_TRUE(f.engine.fired(3)) << "the fired row moved down with its texts";
    EXPECT_EQ(f.engine.cell(3, 6), QStringLiteral("2"));
    EXPECT_TRUE(f.engine.removeEvent(2));
    EXPECT_TRUE(f.engine.fired(2));
    EXPECT_EQ(f.engine.cell(2, 6), QStringLiteral("2"));
    EXPECT_FALSE(f.engine.fired(3));
    EXPECT_FALSE(f.engine.removeEvent(1));
    EXPECT_EQ(f.t.prompts().messages, (QStringList{" First Row cannot be removed"}));
    EXPECT_TRUE(f.engine.scheduleEdited);
}
