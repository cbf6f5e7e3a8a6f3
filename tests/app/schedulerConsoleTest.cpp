// A show run by the clock on the running console: a dimmer patched and a
// look filed as a page button; a three-row schedule built in the scheduler's
// editor (the look at +1 s, its blackout at +2 s, the blackout released at
// +3 s) runs on simulated time and the levels follow at a USB-to-DMX
// interface; saved as a time-line button, a press on that button runs it again.

#include "app/console.h"
#include "runningDesk.h"
#include "console/ui/ConsoleBand.h"
#include "platform/clock.h"
#include "platform/tickTimer.h"
#include "scheduler/scheduleEngine.h"
#include "scheduler/schedulerSubsystem.h"
#include "scheduler/ui/Scheduler.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/showService.h"
#include "shell/ui/mainCommands.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/ui/frmSequenceShortcuts.h"
#include "shortcuts/ui/sequenceProperties.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Desk {
    explicit Desk(const QString& folder) {
        running = std::make_unique<console::Console>(folder, runningDesk::scriptedServices());
        running->start();
        QApplication::processEvents();
        port = &runningDesk::attachInterface(running->shell());
    }
    Shell& shell() { return running->shell(); }
    FakePrompts& prompts() { return static_cast<FakePrompts&>(shell().prompts()); }
    int slot(int ch) const { return runningDesk::lastLevel(*port, ch); }
    // Simulated time in 50 ms steps: the schedule's tick, then the refresh tick.
    void run(int ms) {
        auto& clock = static_cast<FakeClock&>(shell().clock());
        auto& scheduleTick = static_cast<FakeTickTimer&>(scheduler::schedule().timer());
        for (int done = 0; done < ms; done += 50) {
            clock.time = clock.time.addMSecs(50);
            runningDesk::runTicks(shell(), 1);
            scheduleTick.fire();
        }
        runningDesk::runTicks(shell(), 1);
    }
    std::unique_ptr<console::Console> running;
    FakeFtdiDevice* port = nullptr;
};

// Picks the item of the editor's list for a cell, as the operator does.
void pick(Scheduler& w, int row, int column, const QString& item) {
    w.ScheduleGrid_Click(row, column);
    const int index = w.Combo1->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    w.Combo1_Click(index);
}

void time(Scheduler& w, int row, const QString& text) {
    w.ScheduleGrid_Click(row, 4);
    ASSERT_TRUE(w.DTPicker1->isVisible());
    w.DTPicker1->setText(text);
    w.DTPicker1_Change(w.DTPicker1->text());
}

} // namespace

TEST(SchedulerOnTheRunningConsole, aScheduleBuiltInTheEditorRunsTheLightsAndItsTimeLineButtonRunsItAgain) {
    QTemporaryDir dir;
    ASSERT_EQ(console::prepareProgramFolder(QStringLiteral(VARNEL_RESOURCES_DIR), dir.path()), QString());
    Desk d(dir.path());
    Shell& s = d.shell();
    QDir().mkpath(dir.filePath(QStringLiteral("Configurations")));
    d.prompts().files.push_back(dir.filePath(QStringLiteral("Configurations/Clock.YCF")));
    ASSERT_TRUE(s.show().saveConfiguration(false, true, false)) << d.prompts().messages.join('|').toStdString();
    ASSERT_GT(runningDesk::patchShipped(s, QStringLiteral("Dimmer 1ch.fix"), 1, 1), 0);
    s.shortcuts().showShortcutPages();
    s.shortcuts().loadPageButtons();
    s.shortcuts().showPage(1);
    const QString page = s.shortcuts().currentPage();
    ASSERT_FALSE(page.isEmpty());
    const qsizetype messagesOfTheSetUp = d.prompts().messages.size();

    // A look of the dimmer at 200 on playback 1, filed as the page button "Look".
    ConsoleBand* band = ConsoleBand::shown();
    ASSERT_NE(band, nullptr);
    ChannelModel& m = s.state;
    for (QLineEdit* box : band->txtfadeTime) box->setText(QStringLiteral("0"));
    while (s.playback().visiblePlaybackCaptions().empty()) band->cmdCreateNew[0]->click();
    ASSERT_TRUE(runningDesk::choosePlayback(*band, 1));
    m.channelOwner[1] = 1;
    m.channelOutput[1] = 200;
    band->cmdRecordAndAddScene->click();
    band->cmdSaveChanges->click();
    sequenceProperties* properties = loadedForm<sequenceProperties>();
    ASSERT_NE(properties, nullptr);
    properties->optPlayStart[2]->click(); // "Manual Start": the look holds until released
    properties->txtButtonName->setText(QStringLiteral("Look"));
    properties->saveButton->click();
    unloadForm<sequenceProperties>();
    band->cmdCreateNew[2]->click();
    d.run(500);
    ASSERT_EQ(d.slot(1), 0);

    // The schedule, built in the editor opened from its menu entry.
    mainCommands::run(mainCommands::Command::Scheduler);
    Scheduler* w = loadedForm<Scheduler>();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible());
    ScheduleEngine& schedule = scheduler::schedule();
    const QString look = m.showName + QLatin1Char('\\') + page + QStringLiteral("\\Look.YSQ");
    pick(*w, 1, 0, QStringLiteral("Sequence Button"));
    pick(*w, 1, 1, look);
    time(*w, 1, QStringLiteral("00:00:01.00"));
    schedule.addEvent();
    pick(*w, 2, 0, QStringLiteral("Blackout Playback"));
    pick(*w, 2, 2, QStringLiteral("Relative Time"));
    time(*w, 2, QStringLiteral("00:00:02.00"));
    schedule.addEvent();
    pick(*w, 3, 0, QStringLiteral("Restore Blackout"));
    pick(*w, 3, 2, QStringLiteral("Relative Time"));
    time(*w, 3, QStringLiteral("00:00:03.00"));
    ASSERT_EQ(w->ScheduleGrid->rowCount(), 3);
    EXPECT_EQ(w->ScheduleGrid->item(0, 1)->text(), look);
    EXPECT_EQ(w->ScheduleGrid->item(0, 2)->text(), QStringLiteral("Relative Time"));
    EXPECT_EQ(w->ScheduleGrid->item(1, 6)->text(), QStringLiteral("1"));
    EXPECT_EQ(w->ScheduleGrid->item(2, 4)->text(), QStringLiteral("00:00:03.00"));

    // Run on simulated time: the look, its blackout, the blackout released.
    w->startButton->click();
    d.run(800);
    EXPECT_EQ(d.slot(1), 0) << "nothing before its second";
    d.run(700);
    EXPECT_EQ(d.slot(1), 200) << "the look at +1 s";
    d.run(1000);
    EXPECT_EQ(d.slot(1), 0) << "blacked out at +2 s";
    d.run(1000);
    EXPECT_EQ(d.slot(1), 200) << "the blackout released at +3 s";
    EXPECT_EQ(schedule.statusLabel, QStringLiteral("Event 3 Active"));
    w->stopButton->click();
    band->cmdCreateNew[2]->click();
    d.run(500);
    ASSERT_EQ(d.slot(1), 0);

    // Saved into the page folder, it becomes the time-line button "Night".
    const QString pageFolder = s.programPath(QStringLiteral("Sequences\\") + m.showName + QLatin1Char('\\') + page);
    d.prompts().files.push_back(pageFolder + QStringLiteral("/Night.YSC"));
    w->savescheduleclick_Click();
    ASSERT_TRUE(QFileInfo::exists(pageFolder + QStringLiteral("/Night.YSC")))
        << d.prompts().messages.join('|').toStdString();
    EXPECT_FALSE(schedule.scheduleEdited);
    schedule.clearScheduler();
    w->close();

    s.shortcuts().showPage(1);
    frmSequenceShortcuts* pages = loadedForm<frmSequenceShortcuts>();
    ASSERT_NE(pages, nullptr);
    const int32_t index = s.engine<ShortcutPages>().buttonIndex(QStringLiteral("Night"));
    ASSERT_GT(index, 0);
    QPushButton* night = pages->pageButton(index);
    runningDesk::click(night, QPoint(night->width() / 2, 3));
    EXPECT_EQ(night->property("state").toString(), QStringLiteral("timeline on"));
    w = loadedForm<Scheduler>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible()) << "the press opens the scheduler";
    EXPECT_EQ(schedule.currentScheduleFile, pageFolder + QStringLiteral("/Night.YSC"));
    EXPECT_EQ(schedule.rows(), 4);
    EXPECT_TRUE(schedule.relativetimego);
    d.run(1500);
    EXPECT_EQ(d.slot(1), 200);
    d.run(1000);
    EXPECT_EQ(d.slot(1), 0);
    d.run(1000);
    EXPECT_EQ(d.slot(1), 200);

    // A second press stops the schedule and releases what it started.
    runningDesk::click(night, QPoint(night->width() / 2, 3));
    EXPECT_EQ(night->property("state").toString(), QStringLiteral("timeline off"));
    EXPECT_FALSE(schedule.relativetimego);
    d.run(500);
    EXPECT_EQ(d.slot(1), 0);
    EXPECT_EQ(d.prompts().messages.size(), messagesOfTheSetUp) << d.prompts().messages.join('|').toStdString();
}
