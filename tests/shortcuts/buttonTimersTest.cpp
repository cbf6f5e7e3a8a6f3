// Daily button timers on a fake clock: a button switched on and off at its
// times across a midnight and a weekday change, once a minute and again the
// next day; the Add Timer dialog's round trip, and the other buttons'
// timers left alone by it.

#include "shortcuts/pressDesk.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/buttonTimers.h"
#include "shortcuts/ui/frmAddTimer.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTimeEdit>
#include <gtest/gtest.h>

namespace {

using miscGlobalFunctions::readIniValue;
using miscGlobalFunctions::writeIniValue;

// Pages "Main" (A, B) and "Other" (C); 2026-12-11 is a Friday.
struct TimedPages : PressDesk {
    TimedPages() {
        button("Main", "A", 585, 30);
        button("Main", "B", 585, 1185);
        button("Other", "C", 585, 30);
        open();
    }
    void at(int day, int hour, int minute, int second = 0) {
        t.clock().time = QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
        pages->checkTimers();
    }
    // Whether the button is on once the release fades have ended.
    bool on(const QString& name) {
        t.clock().ms += 1000; // the pages redraw at most once in 0.8 s after a fade
        for (auto& [n, r] : pb->runs)
            if (r.fadingOut) pb->finishFade(n);
        return index(name) > 0 && at(name).tag == "on";
    }
    using PressDesk::at;
    QString ini(const QString& section, const QString& key) {
        return readIniValue(buttonTimers::timersFile(), section, key);
    }
    // Sets the button's timers through its dialog, as the operator would.
    void setTimers(const QString& page, const QString& name, std::initializer_list<int> onDays,
                   std::initializer_list<int> offDays, QTime onTime = QTime(20, 0), QTime offTime = QTime(7, 0)) {
        frmAddTimer& d = form<frmAddTimer>();
        d.update(page, name);
        for (int i = 0; i < 8; ++i) {
            d.chkDailyOn[size_t(i)]->setChecked(std::find(onDays.begin(), onDays.end(), i) != onDays.end());
            d.chkDailyOff[size_t(i)]->setChecked(std::find(offDays.begin(), offDays.end(), i) != offDays.end());
        }
        d.DTPickerON->setTime(onTime);
        d.DTPickeroff->setTime(offTime);
        d.cmdAddTimer->click();
        QApplication::processEvents();
    }
};

TEST(ButtonTimers, TimeAndDayTextsAreTheEnglishTwelveHourForms) {
    const struct {
        QTime time;
        const char* text;
    } cases[] = {{QTime(0, 30), "12:30 AM"}, {QTime(12, 30), "12:30 PM"}, {QTime(20, 0), "08:00 PM"},
                 {QTime(7, 5), "07:05 AM"},  {QTime(23, 59), "11:59 PM"}, {QTime(12, 0), "12:00 PM"}};
    for (const auto& c : cases) {
        EXPECT_EQ(buttonTimers::timeText(c.time), c.text);
        EXPECT_EQ(buttonTimers::parseTime(c.text), c.time) << c.text;
    }
    for (const char* bad : {"", "25:00 PM", "8 PM", "08:00", "13:00 AM", "08:61 AM"})
        EXPECT_FALSE(buttonTimers::parseTime(bad)) << bad;
    EXPECT_EQ(buttonTimers::weekdayName(QDate(2026, 12, 13)), "Sunday");
    EXPECT_EQ(buttonTimers::weekdayName(QDate(2026, 12, 14)), "Monday");
    EXPECT_EQ(buttonTimers::weekdayName(QDate(2026, 12, 19)), "Saturday");
}

TEST(ButtonTimers, DailyOnAndOffFireOnceInTheirMinuteAndAgainTheNextDay) {
    TimedPages d;
    d.setTimers("Main", "A", {0}, {0});
    EXPECT_EQ(d.ini("08:00 PM,Daily", "Button"), "A");
    EXPECT_EQ(d.ini("08:00 PM,Daily", "Status"), "ON");
    EXPECT_EQ(d.ini("07:00 AM,Daily", "Status"), "OFF");
    EXPECT_EQ(d.ini("Main,A", "TimeOnDaily"), "08:00 PM,Daily");
    EXPECT_EQ(d.ini("Main,A", "Active"), "True");
    EXPECT_TRUE(d.at("A").timer) << "the face shows the clock mark";
    EXPECT_FALSE(d.at("B").timer);

    d.at(11, 19, 59, 59);
    EXPECT_FALSE(d.on("A"));
    d.at(11, 20, 0, 0);
    EXPECT_TRUE(d.on("A"));
    const size_t loads = d.pb->loads.size();
    // Switched off by hand within the minute: the timer does not press again that minute.
    d.press("A");
    d.at(11, 20, 0, 50);
    EXPECT_FALSE(d.on("A"));
    d.press("A");
    // Past midnight, the OFF time of the next morning.
    d.at(12, 0, 0);
    EXPECT_TRUE(d.on("A"));
    d.at(12, 7, 0, 1);
    EXPECT_FALSE(d.on("A"));
    d.at(12, 7, 0, 40);
    EXPECT_FALSE(d.on("A"));
    // The next evening again, though no other action came in between.
    d.at(12, 20, 0, 3);
    EXPECT_TRUE(d.on("A"));
    EXPECT_EQ(d.pb->loads.size(), loads + 2);
    // A button already on at its ON time is not pressed.
    d.at(13, 20, 0, 3);
    EXPECT_TRUE(d.on("A"));
    EXPECT_EQ(d.pb->loads.size(), loads + 2);
}

TEST(ButtonTimers, WeekdayTimersFireOnTheirDayAndDailyHidesTheWeekday) {
    TimedPages d;
    // Daily and Monday both ticked: only Daily is written.
    d.setTimers("Main", "A", {0, 2}, {});
    EXPECT_EQ(d.ini("08:00 PM,Monday", "Button"), "");
    EXPECT_EQ(d.ini("Main,A", "TimeOnMonday"), "");
    // B on Monday 12:30 AM (the night from Sunday to Monday).
    d.setTimers("Main", "B", {2}, {}, QTime(0, 30));
    EXPECT_EQ(d.ini("12:30 AM,Monday", "Button"), "B");
    d.at(13, 0, 30); // Sunday
    EXPECT_FALSE(d.on("B"));
    d.at(14, 0, 30); // Monday
    EXPECT_TRUE(d.on("B"));
    // A timer of another page clicks that page's tab first.
    d.setTimers("Other", "C", {}, {0}, QTime(20, 0), QTime(1, 15));
    d.pages->cmdPages_Click(int32_t(d.pages->pages.indexOf("Other")) + 1);
    d.press("C");
    d.pages->cmdPages_Click(int32_t(d.pages->pages.indexOf("Main")) + 1);
    d.at(15, 1, 15);
    EXPECT_EQ(d.pages->currentPage, "Other");
    EXPECT_FALSE(d.on("C"));
    EXPECT_FALSE(d.at("C").timer) << "an OFF time alone sets no mark";
}

TEST(ButtonTimers, TheDialogShowsTheSettingsAgainAndLeavesOtherButtonsTimersAlone) {
    TimedPages d;
    d.setTimers("Main", "B", {0}, {0}); // B: 08:00 PM and 07:00 AM daily
    d.setTimers("Main", "A", {2, 6}, {2}, QTime(21, 15), QTime(6, 45));
    // Opening A shows its settings and takes its actions out while it is open.
    frmAddTimer& dialog = form<frmAddTimer>();
    dialog.update("Main", "A");
    EXPECT_EQ(dialog.windowTitle(), " Add timer to: A");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(dialog.chkDailyOn[size_t(i)]->isChecked(), i == 2 || i == 6) << i;
        EXPECT_EQ(dialog.chkDailyOff[size_t(i)]->isChecked(), i == 2) << i;
    }
    EXPECT_EQ(dialog.DTPickerON->time(), QTime(21, 15));
    EXPECT_EQ(dialog.DTPickeroff->time(), QTime(6, 45));
    EXPECT_EQ(d.ini("09:15 PM,Monday", "Button"), "");
    dialog.close(); // unchanged: the same sections again
    QApplication::processEvents();
    EXPECT_EQ(d.ini("09:15 PM,Monday", "Button"), "A");
    EXPECT_EQ(d.ini("09:15 PM,Friday", "Status"), "ON");
    EXPECT_EQ(d.ini("06:45 AM,Monday", "Status"), "OFF");
    EXPECT_EQ(d.ini("Main,A", "TimeOffMonday"), "06:45 AM,Monday");

    // A changed time leaves no stale action behind.
    d.setTimers("Main", "A", {2}, {}, QTime(22, 0));
    EXPECT_EQ(d.ini("09:15 PM,Monday", "Button"), "");
    EXPECT_EQ(d.ini("06:45 AM,Monday", "Button"), "");
    EXPECT_EQ(d.ini("Main,A", "Active"), "True");

    // An untimed button's dialog opened and closed at the default times: B's
    // actions of those minutes stay.
    form<frmAddTimer>().update("Main", "A2");
    form<frmAddTimer>().close();
    QApplication::processEvents();
    EXPECT_EQ(d.ini("08:00 PM,Daily", "Button"), "B");
    EXPECT_EQ(d.ini("07:00 AM,Daily", "Button"), "B");
    // Unticking every box removes the button's timers and its mark.
    d.setTimers("Main", "A", {}, {});
    EXPECT_EQ(d.ini("10:00 PM,Monday", "Button"), "");
    EXPECT_EQ(d.ini("Main,A", "Active"), "");
    EXPECT_FALSE(d.pages->returnIfTimerIsActive("A", "Main"));
}

TEST(ButtonTimers, AnUnreadableStoredTimeDropsOnlyThatButtonsEntries) {
    TimedPages d;
    d.setTimers("Main", "B", {0}, {0});
    const QString f = buttonTimers::timersFile();
    writeIniValue(f, "Main,A", QStringLiteral("TimeOnDaily"), QStringLiteral("25:99 XM,Daily"));
    writeIniValue(f, "25:99 XM,Daily", QStringLiteral("PageName"), QStringLiteral("Main"));
    writeIniValue(f, "25:99 XM,Daily", QStringLiteral("Button"), QStringLiteral("A"));
    form<frmAddTimer>().update("Main", "A");
    EXPECT_EQ(d.t.prompts().messages.last(),
              "Error loading timer settings, deleting settings to fix error. Please try editing settings again");
    EXPECT_TRUE(QFile::exists(f));
    EXPECT_EQ(d.ini("Main,A", "TimeOnDaily"), "");
    EXPECT_EQ(d.ini("25:99 XM,Daily", "Button"), "");
    EXPECT_EQ(d.ini("08:00 PM,Daily", "Button"), "B");
    EXPECT_EQ(d.ini("Main,B", "Active"), "True");
    unloadForm<frmAddTimer>();
}

TEST(ButtonTimers, ADialogUnloadedWithTheConsoleWritesItsSettingsBack) {
    TimedPages d;
    d.setTimers("Main", "A", {3}, {});
    form<frmAddTimer>().update("Main", "A");
    EXPECT_EQ(d.ini("08:00 PM,Tuesday", "Button"), "");
    unloadForm<frmAddTimer>();
    EXPECT_EQ(d.ini("08:00 PM,Tuesday", "Button"), "A");
}

} // namespace
