#pragma once
// Daily button timers: any button of a page switched on or off at a time of
// day, every day or on chosen weekdays. They live in the show's
// buttonTimers.ini: one action section per day and minute, named
// "<hh:mm AM|PM>,<day>" (English day names, "Daily" for every day) with
// PageName, Button and Status ("ON"/"OFF"), and one section per timed
// button, "<page>,<button>", with TimeOn<day> / TimeOff<day> naming its
// action sections and Active = "True" while it has an ON time. The pages
// look the present minute up (ShortcutPages::checkTimers); the Add Timer
// dialog edits one button's settings.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>
#include <optional>

namespace buttonTimers {

// "Daily", then "Sunday" .. "Saturday": the dialog's boxes 0..7.
const QStringList& dayNames();
// The weekday's name of a date ("Sunday" .. "Saturday"), whatever the locale.
QString weekdayName(const QDate& date);
// "08:00 PM": the hour on the 12-hour clock, two digits; midnight 12:00 AM.
QString timeText(const QTime& time);
// The time of a "hh:mm AM|PM" text; nullopt when it is not one.
std::optional<QTime> parseTime(const QString& text);

// The show's timer file (real path).
QString timersFile();

// One button's timers as the dialog shows them.
struct Settings {
    std::array<bool, 8> onDays{}, offDays{};
    QTime onTime = QTime(20, 0), offTime = QTime(7, 0);
};

// Reads the button's settings and takes its action sections out of the file,
// so the dialog holds them alone until save() writes them back. When a stored
// time cannot be read, only this button's entries are dropped and nullopt
// comes back (the file and every other button's timers stay).
std::optional<Settings> take(const QString& page, const QString& button);
// Writes the settings: an action section per ticked day ("Daily" alone when
// it is ticked) and the button's own section, rewritten whole.
void save(const QString& page, const QString& button, const Settings& s);
// Removes an action section, only when it names this page and button.
void removeTimerEntry(const QString& section, const QString& page, const QString& button);
// Whether the button has an ON time (the timer mark of its face).
bool isActive(const QString& page, const QString& button);

struct Action {
    QString page, button;
    bool on = false;
};
// The action due in the minute of `now`: the "Daily" one, else the weekday's.
std::optional<Action> dueAction(const QDateTime& now);

} // namespace buttonTimers
