#include "scheduler/scheduleEngine.h"
#include "scheduler/scheduleFile.h"
#include "platform/byteRecord.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {
using Rows = std::vector<scheduleFile::Row>;
// A record with a row count, for files made by hand.
QByteArray record(const QString& type, int16_t count) {
    ByteWriter w;
    w.fixedText(type, 25);
    w.fill(358 - 25 - 2, ' ');
    w.i16(count);
    return w.bytes();
}
} // namespace

TEST(ScheduleFile, roundTripsTrimmedAndCutToTheFieldWidths) {
    const Rows rows{{"  Sequence Button ", "Show\\Page\\Intro.YSQ", "Relative Time", "Friday", "00:00:01.50", "02:06", "3"},
                    {QString(40, 'T'), QString(300, 'E'), "Manual", "Wednesday!!", "00:00:00.00", "", "All Playbacks"}};
    const QByteArray bytes = scheduleFile::encode(rows);
    ASSERT_EQ(bytes.size(), 2 * 358);
    ByteReader r(bytes, 346);
    EXPECT_EQ(r.fixedText(10), QStringLiteral("Friday    ")) << "the day comes last among the texts";
    EXPECT_EQ(r.i16(), 2);
    ByteReader second(bytes, 358 + 356);
    EXPECT_EQ(second.i16(), 2) << "every record carries the count";
    const auto back = scheduleFile::decode(bytes);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 2u);
    EXPECT_EQ((*back)[0][0], QStringLiteral("Sequence Button"));
    EXPECT_EQ((*back)[0][3], QStringLiteral("Friday"));
    EXPECT_EQ((*back)[0][5], QStringLiteral("02:06"));
    EXPECT_EQ((*back)[1][0], QString(25, 'T'));
    EXPECT_EQ((*back)[1][1], QString(255, 'E'));
    EXPECT_EQ((*back)[1][3], QStringLiteral("Wednesday!"));
    EXPECT_EQ((*back)[1][6], QStringLiteral("All Playbacks"));
}

TEST(ScheduleFile, theRowCountOfRecordOneIsCheckedAgainstTheFile) {
    struct Case { QByteArray bytes; int rows; bool refused; };
    const Case cases[] = {
        {QByteArray(), 0, false},                                         // an empty schedule
        {record("A", 3) + record("B", 3) + record("C", 3), 3, false},
        {record("A", 1) + record("B", 7), 1, false},                      // later counts do not matter
        {record("A", 9) + record("B", 9), 2, false},                      // more than the file holds
        {record("A", -4) + record("B", -4), 0, false},                    // negative
        {record("A", 2) + QByteArray(100, 'x'), 1, false},                // a torn last record
        {record("A", 1025), 0, true},                                     // beyond the row slots
    };
    for (const Case& c : cases) {
        QString why;
        const auto rows = scheduleFile::decode(c.bytes, &why);
        EXPECT_EQ(!rows, c.refused) << c.rows;
        if (rows) EXPECT_EQ(int(rows->size()), c.rows);
        else EXPECT_TRUE(why.contains(QStringLiteral("1025")));
    }
}

TEST(ScheduleFile, theEngineLoadsAndSavesThroughTheFile) {
    TestShell t;
    ScheduleEngine e;
    const QString path = t.folder() + QStringLiteral("/night.YSC");
    e.setEventRows({{"Stop Playback", "", "Relative Time", "", "00:00:02.00", "", "1"},
                    {"Stop Playback", "", "Relative Time", "", "00:00:03.00", "", "2"}});
    shell().state.sequenceChanged = true;
    ASSERT_TRUE(e.saveSchedule(path));
    EXPECT_FALSE(shell().state.sequenceChanged);
    e.setEventRows({{"Stop Playback", "", "Manual", "", "", "", "5"}});
    ASSERT_TRUE(e.saveSchedule(path)); // shorter: no stale record behind
    EXPECT_EQ(readWholeFile(path).size(), 358);
    e.setRows(10);
    e.loadschedule(path);
    EXPECT_EQ(e.rows(), 2);
    EXPECT_EQ(e.cell(1, 6), QStringLiteral("5"));
    EXPECT_EQ(e.currentScheduleFile, path);
    EXPECT_TRUE(e.timer().enabled());

    ASSERT_TRUE(writeWholeFile(path, record("A", 2000)));
    e.loadschedule(path);
    EXPECT_EQ(e.rows(), 2) << "a refused file changes nothing";
    EXPECT_EQ(t.prompts().messages.size(), 1);
    e.loadschedule(t.folder() + QStringLiteral("/missing.YSC"));
    EXPECT_EQ(t.prompts().messages.size(), 1) << "a missing file: silently nothing";
    EXPECT_FALSE(e.saveSchedule(QString()));
    EXPECT_TRUE(t.prompts().messages.back().startsWith(QStringLiteral("Error saving file ")));
}
