#include "shortcuts/buttonTimers.h"

#include "platform/clock.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"
#include "shortcuts/shortcutFiles.h"
#include "shortcuts/shortcutPages.h"

#include <QRegularExpression>

using miscGlobalFunctions::readIniValue;
using miscGlobalFunctions::writeIniValue;

namespace buttonTimers {

namespace {

QString buttonSection(const QString& page, const QString& button) { return page + QLatin1Char(',') + button; }
QString key(const char* prefix, int day) { return QLatin1String(prefix) + dayNames()[day]; }

// Every key of the button's own section.
void dropButtonSection(const QString& f, const QString& page, const QString& button) {
    writeIniValue(f, buttonSection(page, button), std::nullopt, std::nullopt);
}

// The action sections the button's section names, each removed when it is this button's.
void removeNamedActions(const QString& f, const QString& page, const QString& button) {
    const QString b = buttonSection(page, button);
    for (int d = 0; d < 8; ++d)
        for (const char* prefix : {"TimeOn", "TimeOff"}) {
            const QString section = readIniValue(f, b, key(prefix, d));
            if (!section.isEmpty()) removeTimerEntry(section, page, button);
        }
}

} // namespace

const QStringList& dayNames() {
    static const QStringList names = {QStringLiteral("Daily"),    QStringLiteral("Sunday"),   QStringLiteral("Monday"),
                                      QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                                      QStringLiteral("Friday"),   QStringLiteral("Saturday")};
    return names;
}

QString weekdayName(const QDate& date) {
    // Qt counts Monday 1 .. Sunday 7; the list counts Sunday 1 .. Saturday 7.
    return dayNames()[date.dayOfWeek() % 7 + 1];
}

QString timeText(const QTime& time) {
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

std::optional<QTime> parseTime(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})\\s*(AM|PM)\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const int hour = m.captured(1).toInt(), minute = m.captured(2).toInt();
    if (hour < 1 || hour > 12 || minute > 59) return std::nullopt;
    const bool pm = m.captured(3).compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
    return QTime(hour % 12 + (pm ? 12 : 0), minute);
}

QString timersFile() { return shortcutFiles::showFolder() + QStringLiteral("/buttonTimers.ini"); }

std::optional<Settings> take(const QString& page, const QString& button) {
    const QString f = timersFile();
    const QString b = buttonSection(page, button);
    Settings s;
    bool readable = true;
    for (int d = 0; d < 8; ++d) {
        const struct {
            const char* prefix;
            bool& ticked;
            QTime& time;
        } sides[] = {{"TimeOn", s.onDays[size_t(d)], s.onTime}, {"TimeOff", s.offDays[size_t(d)], s.offTime}};
        for (const auto& side : sides) {
            const QString section = readIniValue(f, b, key(side.prefix, d));
            if (section.isEmpty()) continue;
            const std::optional<QTime> t = parseTime(section.section(QLatin1Char(','), 0, 0));
            if (!t) readable = false;
            else {
                side.ticked = true;
                side.time = *t;
            }
        }
    }
    removeNamedActions(f, page, button);
    if (!readable) {
        dropButtonSection(f, page, button);
        return std::nullopt;
    }
    return s;
}

void save(const QString& page, const QString& button, const Settings& s) {
    if (button.isEmpty()) return;
    const QString f = timersFile();
    const QString b = buttonSection(page, button);
    removeNamedActions(f, page, button);
    dropButtonSection(f, page, button);
    const struct {
        const std::array<bool, 8>& days;
        const QTime& time;
        const char* prefix;
        bool on;
    } sides[] = {{s.onDays, s.onTime, "TimeOn", true}, {s.offDays, s.offTime, "TimeOff", false}};
    for (const auto& side : sides) {
        for (int d = 0; d < 8; ++d) {
            if (!side.days[size_t(d)]) continue;
            const QString section = timeText(side.time) + QLatin1Char(',') + dayNames()[d];
            writeIniValue(f, section, QStringLiteral("PageName"), page);
            writeIniValue(f, section, QStringLiteral("Button"), button);
            writeIniValue(f, section, QStringLiteral("Status"), side.on ? QStringLiteral("ON") : QStringLiteral("OFF"));
            writeIniValue(f, b, key(side.prefix, d), section);
            if (side.on) writeIniValue(f, b, QStringLiteral("Active"), QStringLiteral("True"));
            // "Daily" covers every weekday.
            if (d == 0) break;
        }
    }
}

void removeTimerEntry(const QString& section, const QString& page, const QString& button) {
    const QString f = timersFile();
    // Another button's action of the same minute stays.
    if (readIniValue(f, section, QStringLiteral("PageName")) != page ||
        readIniValue(f, section, QStringLiteral("Button")) != button)
        return;
    writeIniValue(f, section, std::nullopt, std::nullopt);
}

bool isActive(const QString& page, const QString& button) {
    return readIniValue(timersFile(), buttonSection(page, button), QStringLiteral("Active"), QStringLiteral("False")) ==
           QLatin1String("True");
}

std::optional<Action> dueAction(const QDateTime& now) {
    const QString f = timersFile();
    const QString t = timeText(now.time());
    for (const QString& day : {QStringLiteral("Daily"), weekdayName(now.date())}) {
        const QString section = t + QLatin1Char(',') + day;
        Action a;
        a.page = readIniValue(f, section, QStringLiteral("PageName"));
        a.button = readIniValue(f, section, QStringLiteral("Button"));
        if (a.page.isEmpty() && a.button.isEmpty()) continue;
        if (a.page.isEmpty() || a.button.isEmpty()) return std::nullopt;
        a.on = readIniValue(f, section, QStringLiteral("Status")) == QLatin1String("ON");
        return a;
    }
    return std::nullopt;
}

} // namespace buttonTimers

// ---- The pages' side ------------------------------------------------------------------------

void ShortcutPages::checkTimers() {
    const QDateTime now = shell().clock().now();
    if (const std::optional<buttonTimers::Action> a = buttonTimers::dueAction(now))
        switchTimedButton(a->page, a->button, a->on, now);
}

void ShortcutPages::switchTimedButton(const QString& page, const QString& button, bool on, const QDateTime& at) {
    // Found on every check within its minute, carried out once that minute;
    // the next day's same minute is another action.
    const QString action = QStringLiteral("%1|%2|%3|%4").arg(on).arg(page, button, at.toString(QStringLiteral("yyyyMMddHHmm")));
    if (action == lastTimerAction) return;
    lastTimerAction = action;
    if (page != currentPage) {
        const int32_t tab = int32_t(pages.indexOf(page)) + 1;
        if (tab > 0) cmdPages_Click(tab);
    }
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        if (buttons[size_t(i)].name != button) continue;
        const bool isOff = buttons[size_t(i)].tag.endsWith(QLatin1String("off"));
        if (isOff == on) cmdSequence_MouseUp(i, 1, 0, 0, 0);
        return;
    }
}

bool ShortcutPages::returnIfTimerIsActive(const QString& button, const QString& page) const {
    return buttonTimers::isActive(page, button);
}
