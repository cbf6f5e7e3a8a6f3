#include "scheduler/scheduleEngine.h"

#include "platform/clock.h"
#include "platform/mediaPlayer.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "shell/numberText.h"
#include "shell/services/consoleService.h"
#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QDebug>
#include <QFileInfo>
#include <cmath>

namespace scheduleText {

const QStringList headings{QStringLiteral("Event Type"), QStringLiteral("Event To Execute "),
                           QStringLiteral("Trigger"),    QStringLiteral("Day"),
                           QStringLiteral("Start"),      QStringLiteral("Length"),
                           QStringLiteral("Playback")};
const QStringList eventTypes{
    QStringLiteral("Sequence Button"),   QStringLiteral("Multi Button"),        QStringLiteral("Start Media File"),
    QStringLiteral("Stop Playback"),     QStringLiteral("Pause Playback"),      QStringLiteral("Blackout Playback"),
    QStringLiteral("Restore Blackout"),  QStringLiteral("Stop All Playbacks"),  QStringLiteral("Pause All Playbacks"),
    QStringLiteral("Restart Relative Time"), QStringLiteral("Loop"),            QStringLiteral("Load Schedule"),
    QStringLiteral("Set Volume Level")};
const QStringList triggers{QStringLiteral("Relative Time"), QStringLiteral("Media Time"), QStringLiteral("Manual"),
                           QStringLiteral("MIDI Time"),     QStringLiteral("System Time"),
                           QStringLiteral("System Day/Time"), QStringLiteral("Media Playlist")};

namespace {
const QStringList weekdays{QStringLiteral("Sunday"),   QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                           QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
                           QStringLiteral("Saturday")};
}

QString weekdayName(int day) { return day >= 1 && day <= 7 ? weekdays[day - 1] : QString(); }
int weekdayNumber(const QString& day) { return int(weekdays.indexOf(day)) + 1; }

} // namespace scheduleText

using namespace scheduleText;

namespace {
const QString relativeTime = QStringLiteral("Relative Time");
const QString mediaTime = QStringLiteral("Media Time");

// Two digits at least.
QString two(long long v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }

// A whole number in text positions [from, from + count) of a time text; nothing when it is none.
std::optional<int> piece(const QString& text, qsizetype from, qsizetype count) {
    const QString p = text.mid(from, count);
    if (!numberText::isNumber(p)) return std::nullopt;
    return int(numberText::leadingValue(p));
}

// Hundredths of a second of a time text hh:mm:ss.ff (the last two digits
// are hundredths, or frames for time code); nothing when it is not one.
std::optional<int64_t> totalHundredths(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() < 11) return std::nullopt;
    const auto h = piece(t, 0, 2), m = piece(t, 3, 2), s = piece(t, 6, 2), f = piece(t, t.size() - 2, 2);
    if (!h || !m || !s || !f) return std::nullopt;
    return ((int64_t(*h) * 60 + *m) * 60 + *s) * 100 + *f;
}

// Seconds of the day of the first eight characters (hh:mm:ss).
std::optional<int> secondsOfDay(const QString& text) {
    const QString t = text.trimmed();
    const auto h = piece(t, 0, 2), m = piece(t, 3, 2), s = piece(t, 6, 2);
    if (t.size() < 8 || !h || !m || !s) return std::nullopt;
    return (*h * 60 + *m) * 60 + *s;
}

// Event types whose action uses the Playback cell.
bool usesPlayback(const QString& type) {
    static const QStringList users{QStringLiteral("Sequence Button"), QStringLiteral("Stop Playback"),
                                   QStringLiteral("Pause Playback"), QStringLiteral("Blackout Playback"),
                                   QStringLiteral("Restore Blackout")};
    return users.contains(type);
}
} // namespace

ScheduleEngine::ScheduleEngine() : Scheduletimer(shell().timers().create()) {
    grid.push_back({});
    for (int c = 0; c < 7; ++c) grid[0][size_t(c)] = headings[c];
    grid.push_back({});
    Scheduletimer->setInterval(71);
    Scheduletimer->onTick = [this] { Scheduletimer_Timer(); };
    Scheduletimer->setEnabled(true);
}

ScheduleEngine::~ScheduleEngine() { Scheduletimer->setEnabled(false); }

void ScheduleEngine::changed() {
    if (view) view->scheduleChanged();
}

int64_t ScheduleEngine::now() const { return shell().clock().monotonicMs(); }
QDateTime ScheduleEngine::timeOfDay() const { return shell().clock().now(); }

MediaPlayer* ScheduleEngine::player(int n) const { return media ? media->player(n) : nullptr; }
bool ScheduleEngine::playerPlaying(int n) const {
    MediaPlayer* p = player(n);
    return p && p->playState() == MediaPlayer::playing;
}

// ---- The grid -------------------------------------------------------------------------------------

void ScheduleEngine::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rows() || column < 0 || column > 6) return;
    grid[size_t(row)][size_t(column)] = text;
    changed();
}

void ScheduleEngine::setRows(int count) {
    grid.resize(size_t(std::max(count, 1)));
    changed();
}

void ScheduleEngine::setEventRows(const std::vector<scheduleFile::Row>& rows) {
    grid.resize(1);
    grid.insert(grid.end(), rows.begin(), rows.end());
    changed();
}

std::vector<scheduleFile::Row> ScheduleEngine::eventRows() const { return {grid.begin() + 1, grid.end()}; }

bool ScheduleEngine::fired(int row) const { return row >= 1 && row <= maxRows && rowFired[size_t(row - 1)]; }

void ScheduleEngine::setFired(int row, bool value) {
    if (row >= 1 && row <= maxRows) rowFired[size_t(row - 1)] = value;
}

void ScheduleEngine::clearFired() { rowFired.fill(false); }

// ---- The file -------------------------------------------------------------------------------------

void ScheduleEngine::loadschedule(const QString& whichone) {
    Scheduletimer->setEnabled(false);
    QString path = whichone;
    if (path.isEmpty())
        path = shell().prompts().openFileName(
            {QStringLiteral("Open Schedule File"), shell().programFolder(), QString(), QStringLiteral("Schedules (*.YSC)")});
    shell().state.sequenceChanged = false;
    if (!path.isEmpty()) {
        QString why;
        if (const auto rows = scheduleFile::read(path, &why)) {
            currentScheduleFile = path;
            shell().state.currentFileName = path;
            setEventRows(*rows);
            rowSel = 0;
            mediaClockLabel = QStringLiteral("00:00");
            mediaFractionLabel = QStringLiteral(".00");
        } else if (QFileInfo::exists(path)) {
            shell().prompts().messageBox(QStringLiteral("The schedule %1 cannot be loaded: %2").arg(path, why));
        }
    }
    // The tick runs again after every load, also when nothing was loaded.
    Scheduletimer->setEnabled(true);
    changed();
}

bool ScheduleEngine::saveSchedule(const QString& path) {
    scheduleEdited = false;
    QString why;
    if (path.isEmpty() || !scheduleFile::write(path, eventRows(), &why)) {
        shell().prompts().messageBox(QStringLiteral("Error saving file ") + (path.isEmpty() ? QStringLiteral("no file name") : why));
        return false;
    }
    shell().state.currentFileName = path;
    shell().state.sequenceChanged = false;
    return true;
}

// ---- The clock ------------------------------------------------------------------------------------

std::optional<double> ScheduleEngine::startMilliseconds(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() < 6) return std::nullopt;
    const auto h = piece(t, 0, 2), m = piece(t.left(5), 3, 2), s = piece(t.right(5), 0, 2),
               f = piece(t, t.size() - 2, 2);
    if (!h || !m || !s || !f) return std::nullopt;
    return double(*h) * 3'600'000 + double(*m) * 60'000 + double(*s) * 1'000 + double(*f) * 10;
}

void ScheduleEngine::Command2_Click(int index) {
    if (myRecordMode) cmdRealTimeRecord_Click();
    scheduleStartMoment = timeOfDay();
    if (index == 0) {
        startColour = 65280;
        stopColour = 0;
        scheduleRunning = true;
        statusLabel = QStringLiteral("No Events Active");
        relativetimego = true;
        if (media) media->load();
        if (rows() - 1 > maxRows) {
            shell().prompts().messageBox(
                QStringLiteral("Error starting or stopping schedule, please check format and try again ") +
                QStringLiteral("The schedule has more than %1 rows.").arg(maxRows));
            return changed();
        }
        for (int r = 1; r < rows(); ++r) {
            const QString text = cell(r, start).trimmed();
            rowStartText[size_t(r - 1)] = text;
            if (text.size() < 6) continue;
            const auto ms = startMilliseconds(text);
            if (!ms) {
                shell().prompts().messageBox(
                    QStringLiteral("Error starting or stopping schedule, please check format and try again ") +
                    QStringLiteral("Row %1: the start \"%2\" is not a time.").arg(r).arg(text));
                return changed();
            }
            rowStartMs[size_t(r - 1)] = *ms;
        }
        relativeBase = now();
        return changed();
    }
    startColour = 255;
    stopColour = 0;
    myRecordMode = false;
    if (timeCodeChecked) selectTimeCodeSource(timeCodeDevice);
    recordTrigger = relativeTime;
    relativetimego = false;
    relativeClockLabel = QStringLiteral("00:00:00.00");
    mediaClockLabel = QStringLiteral("00:00");
    mediaFractionLabel = QStringLiteral(".00");
    statusLabel = QStringLiteral("All Events Stopped");
    for (int n = 1; n <= 2; ++n)
        if (MediaPlayer* p = player(n)) p->stop();
    clearFired();
    stopPlaybacks();
    shell().shortcuts().clearMultiCollection();
    myRecordMode = false;
    relativeBase = 0;
    scheduleRunning = false;
    changed();
}

// Every playback, from the highest down, stops as the console's stop does it.
void ScheduleEngine::stopPlaybacks() {
    ChannelModel& m = shell().state;
    const int32_t current = m.currentPlayback;
    for (int32_t n = std::max(shell().playback().DocumentCount(), 8); n >= 1; --n) {
        m.currentPlayback = n;
        shell().console().stopchase(1, true);
    }
    m.currentPlayback = current;
}

void ScheduleEngine::Scheduletimer_Timer() {
    const bool pass = relativetimego || timeCodeChecked;
    if (pass) rowPass();
    if (pass || myRecordMode) {
        elapsedMs = double(now() - relativeBase);
        const auto ms = int64_t(elapsedMs);
        const QString text = two(ms / 3'600'000) + QLatin1Char(':') + two(ms % 3'600'000 / 60'000) + QLatin1Char(':') +
                             two(ms % 60'000 / 1'000) + QLatin1Char('.') + two(ms % 1'000 / 10);
        if (timeCodeChecked) {
            const QString code = shell().control().timeCode();
            if (!code.isEmpty() && code != relativeClockLabel) {
                relativeClockLabel = code;
                if (showTimeCodeRate) {
                    timeFormatLabel = shell().control().timeCodeRate();
                    showTimeCodeRate = false;
                }
            }
        } else if (text != relativeClockLabel) {
            relativeClockLabel = text;
        }
        showMediaTime();
    }
    if (pass && elapsedMs >= 86'400'000) {
        relativeBase = now();
        clearFired();
    }
    const QDateTime t = timeOfDay();
    const QString clock = t.toString(QStringLiteral(" hh:mm:ss.")) + two(now() % 1000 / 10);
    if (clock != systemClockLabel) systemClockLabel = clock;
    const QString day = weekdayName(t.date().dayOfWeek() % 7 + 1);
    if (day != weekdayLabel) weekdayLabel = day;
    changed();
}

void ScheduleEngine::rowPass() {
    for (int r = 1; r < rows(); ++r) {
        if (cell(r, trigger) == QStringLiteral("Loop")) {
            if (scheduleStartMoment.isValid() && scheduleStartMoment.secsTo(timeOfDay()) > 86'400) {
                Command2_Click(1);
                Command2_Click(0);
                return;
            }
            continue;
        }
        if (due(r)) {
            const int rowsBefore = rows();
            executeEvent(r);
            // An action that restarted or replaced the schedule ends this pass.
            if (!relativetimego && !timeCodeChecked) return;
            if (rows() != rowsBefore) return;
        }
    }
}

bool ScheduleEngine::due(int r) {
    if (r > maxRows) return false; // no row state beyond the slots
    const QString& trig = cell(r, trigger);
    const QString startText = cell(r, start).trimmed();
    if (trig == relativeTime)
        return !startText.isEmpty() && !fired(r) && double(now() - relativeBase) >= rowStartMs[size_t(r - 1)];
    if (trig == QStringLiteral("System Time") || trig == QStringLiteral("System Day/Time")) {
        if (startText.isEmpty() || fired(r)) return false;
        const auto at = secondsOfDay(startText);
        if (!at) return false;
        const QDateTime t = timeOfDay();
        if (trig == QStringLiteral("System Day/Time") && t.date().dayOfWeek() % 7 + 1 != weekdayNumber(cell(r, day)))
            return false;
        return t.time().msecsSinceStartOfDay() / 1000 >= *at;
    }
    if (trig == mediaTime) {
        if (mediaClockLabel.isEmpty() || fired(r)) return false;
        if (r > 1 && !fired(r - 1)) return false;
        const auto at = totalHundredths(startText);
        const auto position = totalHundredths(QStringLiteral("00:") + mediaClockLabel + QStringLiteral(".") +
                                              mediaFractionText.left(2).leftJustified(2, QLatin1Char('0')));
        if (!at || !position || *position < *at) return false;
        return cell(r, eventType).trimmed() == QStringLiteral("Start Media File") || playerPlaying(1) != playerPlaying(2);
    }
    if (trig == QStringLiteral("MIDI Time")) {
        if (fired(r)) return false;
        const auto at = totalHundredths(startText);
        const auto code = totalHundredths(relativeClockLabel);
        return at && code && *code >= *at;
    }
    if (trig == QStringLiteral("Media Playlist")) {
        if (MediaPlayer* p = player(activeMediaPlayer); p && p->playState() == MediaPlayer::mediaEnded)
            playlistAdvance = true;
        if (fired(r) || !playlistAdvance) return false;
        playlistAdvance = false;
        return true;
    }
    return false;
}

void ScheduleEngine::callTheTrigger(int clickArg, int direction) {
    if (clickArg != -1) return; // beats of the audio trigger step nothing
    int row = rowSel + direction;
    if (row >= rows()) row = 1;
    if (row < 1) {
        shell().prompts().messageBox(QStringLiteral(" Error in CalletheTrigger:") +
                                     QStringLiteral(" there is no row before the first."));
        return;
    }
    setFired(row, false);
    if (row + 1 < rows()) setFired(row + 1, false);
    if (cell(row, eventType).trimmed() == QStringLiteral("Restart Relative Time")) row = 1;
    const QString& trig = cell(row, trigger);
    if (trig == relativeTime) {
        if (relativetimego && row <= maxRows) relativeBase = now() - int64_t(std::nearbyint(rowStartMs[size_t(row - 1)]));
        else executeEvent(row);
    } else if (trig == QStringLiteral("Manual") || trig == QStringLiteral("Media Playlist") ||
               trig == QStringLiteral("System Day/Time")) {
        executeEvent(row);
    } else if (trig == mediaTime) {
        const QString t = cell(row, start).trimmed();
        const auto h = piece(t, 0, 2), m = piece(t, 3, 2), sec = piece(t, 6, 2);
        if (MediaPlayer* p = player(activeMediaPlayer); p && h && m && sec)
            p->setCurrentPosition(double(*h) * 3600 + double(*m) * 60 + double(*sec));
    }
    changed();
}

void ScheduleEngine::pauseSchedule() {
    const int32_t count = shell().playback().DocumentCount();
    playbackPausedBySchedule.resize(size_t(std::max(count, 0)) + 1, false);
    PlaybackService& pb = shell().playback();
    if (Scheduletimer->enabled()) {
        pauseColour = 255;
        startColour = stopColour = 14737632;
        Scheduletimer->setEnabled(false);
        for (int32_t p = 1; p <= count; ++p)
            if (pb.getChaserFlag(p)) {
                pb.setPause(p, false);
                playbackPausedBySchedule[size_t(p)] = true;
            }
        if (playerPlaying(1)) {
            player(1)->pause();
            player1PausedBySchedule = true;
        }
        if (playerPlaying(2)) {
            player(2)->pause();
            player2PausedBySchedule = true;
        }
    } else {
        pauseColour = 33023;
        startColour = 65280;
        stopColour = 255;
        Scheduletimer->setEnabled(true);
        for (int32_t p = 1; p <= count; ++p)
            if (playbackPausedBySchedule[size_t(p)]) {
                pb.setPause(p, false);
                playbackPausedBySchedule[size_t(p)] = false;
            }
        if (player1PausedBySchedule && player(1)) player(1)->play();
        if (player2PausedBySchedule && player(2)) player(2)->play();
        player1PausedBySchedule = player2PausedBySchedule = false;
    }
    changed();
}

// Selecting device n as the source of MIDI time code, or deselecting it.
bool ScheduleEngine::selectTimeCodeSource(int device) {
    clearFired();
    ControlService& control = shell().control();
    if (timeCodeChecked && device == timeCodeDevice) {
        timeCodeChecked = false;
        timeFormatLabel.clear();
        relativeCaption = QStringLiteral("Relative Time:");
        control.closeTimeCodeInput();
        changed();
        return true;
    }
    if (timeCodeChecked) control.closeTimeCodeInput();
    timeCodeDevice = device;
    if (!control.openTimeCodeInput(device)) {
        // A source that does not open is left unchosen.
        timeCodeChecked = false;
        relativeCaption = QStringLiteral("Relative Time:");
        changed();
        return false;
    }
    showTimeCodeRate = true;
    timeCodeChecked = true;
    relativeCaption = QStringLiteral("MTC/SMPTE:");
    changed();
    return true;
}

void ScheduleEngine::showMediaTime() {
    if (MediaPlayer* p = player(activeMediaPlayer)) {
        // Whole seconds here, the fraction apart: a rounded second would
        // count the fraction twice and run rows up to a second early.
        const double position = p->currentPosition();
        const int whole = int(std::floor(position));
        clockMinutes = whole / 60;
        clockSeconds = whole - 60 * clockMinutes;
        const QString asText = QString::number(position, 'f', 6);
        QString fraction = asText.section(QLatin1Char('.'), 1, 1);
        while (fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
        mediaFractionText = fraction;
        if (clockSeconds >= 0) mediaTimeText = two(clockMinutes) + QLatin1Char(':') + two(clockSeconds);
    } else {
        const auto ms = int64_t(elapsedMs);
        clockMinutes = int(ms % 3'600'000 / 60'000);
        clockSeconds = int(ms % 60'000 / 1'000);
    }
    if (clockSeconds > 0 || clockMinutes > 0) {
        mediaClockLabel = mediaTimeText;
        mediaFractionLabel = QStringLiteral(".") + mediaFractionText.left(2);
    }
}

// ---- Actions ----------------------------------------------------------------------------------------

// A row that cannot be performed is reported in the status line and left,
// so the schedule runs on (no box: this runs inside the tick).
void ScheduleEngine::reportBadRow(int row, const QString& why) {
    statusLabel = QStringLiteral("Event %1 skipped: %2").arg(row).arg(why);
    qWarning() << "Schedule row" << row << "skipped:" << why;
    setFired(row, true);
}

void ScheduleEngine::executeEvent(int row) {
    int r = std::max(row, 1);
    if (r >= rows()) return;
    topRow = r;
    if (view) view->scrollTo(r);
    ChannelModel& m = shell().state;
    PlaybackService& pb = shell().playback();
    const QString type = cell(r, eventType).trimmed();
    const QString target = cell(r, eventToExecute).trimmed();
    const QString playbackText = cell(r, playback);
    if (playbackText == QStringLiteral("All Playbacks")) {
        eventPlayback = m.currentPlayback;
        eventAllPlaybacks = true;
    } else if (!playbackText.trimmed().isEmpty() && numberText::isNumber(playbackText.trimmed())) {
        eventPlayback = int32_t(std::nearbyint(numberText::leadingValue(playbackText.trimmed())));
        m.currentPlayback = eventPlayback;
        eventAllPlaybacks = false;
    } else if (!playbackText.trimmed().isEmpty() && usesPlayback(type)) {
        reportBadRow(r, QStringLiteral("the playback \"%1\" is not a number").arg(playbackText.trimmed()));
        shell().shortcuts().refreshPageOnly();
        return changed();
    } else {
        // Empty, or a text such as "N/A" on a row that needs no playback.
        eventPlayback = 1;
        eventAllPlaybacks = false;
    }
    const int32_t last = std::max(pb.DocumentCount(), 8);
    bool markFired = true, showStatus = true;
    if (type == QStringLiteral("Start Media File")) {
        startMediaFile(r, target);
        markFired = showStatus = false; // the media steps mark the row themselves
    } else if (type == QStringLiteral("Stop Playback")) {
        if (eventAllPlaybacks)
            for (int32_t n = last; n >= 1; --n) pb.stopLoadedSequence(n);
        else
            pb.stopLoadedSequence(eventPlayback);
    } else if (type == QStringLiteral("Pause Playback")) {
        if (eventAllPlaybacks)
            for (int32_t n = last; n >= 1; --n) pb.setTimerStatus(n, false);
        else
            pb.setTimerStatus(eventPlayback, false);
    } else if (type == QStringLiteral("Blackout Playback")) {
        pb.blackOutPlaybacks(eventAllPlaybacks ? 1 : eventPlayback, true, eventAllPlaybacks, false, false);
    } else if (type == QStringLiteral("Restore Blackout")) {
        pb.blackOutPlaybacks(eventAllPlaybacks ? 1 : eventPlayback, false, eventAllPlaybacks, false, false);
    } else if (type == QStringLiteral("Stop All Playbacks")) {
        for (int32_t n = 1; n <= last; ++n) {
            m.currentPlayback = n;
            shell().console().stopchase(1, true);
        }
    } else if (type == QStringLiteral("Pause All Playbacks")) {
        shell().console().BT_OFf_MouseDown(2);
    } else if (type == QStringLiteral("Restart Relative Time")) {
        relativetimego = false;
        clearFired();
        r = 0;
        Command2_Click(0);
    } else if (type == QStringLiteral("Load Schedule")) {
        loadschedule(target);
        Command2_Click(1);
        relativetimego = false;
        clearFired();
        r = 0;
        Command2_Click(0);
    } else if (type == QStringLiteral("Set Volume Level")) {
        if (!numberText::isNumber(target)) {
            reportBadRow(r, QStringLiteral("the level \"%1\" is not a number").arg(target));
            shell().shortcuts().refreshPageOnly();
            return changed();
        }
        showStatus = false; // the level is read and applied to nothing
    } else if (type == QStringLiteral("Sequence Button") || type == QStringLiteral("Multi Button")) {
        const QString file = shell().programPath(QStringLiteral("Sequences\\") + target);
        if (!QFileInfo::exists(file) || target.isEmpty()) {
            showStatus = false;
        } else if (type == QStringLiteral("Sequence Button")) {
            m.currentPlayback = eventPlayback;
            int32_t doc = m.currentPlayback;
            pb.loadSequenceInDoc(doc, file, false, true, 100);
            pb.playLoadedSequence(m.currentPlayback, true, false, false);
        } else {
            ShortcutsService& pages = shell().shortcuts();
            pages.clearMultiCollection();
            pages.executeMultiFile(file);
        }
    } else {
        markFired = showStatus = false; // no action, not fired
    }
    if (markFired && r > 0) setFired(r, true);
    if (showStatus) statusLabel = QStringLiteral("Event %1 Active").arg(r);
    if (r > 0) rowSel = r;
    shell().shortcuts().refreshPageOnly();
    changed();
}

void ScheduleEngine::startMediaFile(int r, const QString& file) {
    const bool busy1 = playerPlaying(1), busy2 = playerPlaying(2);
    if (busy1 && busy2) return; // both busy: offered again at the next tick
    const int n = busy1 ? 2 : 1;
    MediaPlayer* p = player(n);
    if (!p) {
        reportBadRow(r, QStringLiteral("there is no media player"));
        return;
    }
    activeMediaPlayer = n;
    p->setPlayCount(1);
    p->pause();
    p->setUrl(file);
    p->play();
    if (media) media->show();
    setFired(r, true);
    statusLabel = QStringLiteral("Event %1 Active").arg(r);
}

// ---- Recording --------------------------------------------------------------------------------------

void ScheduleEngine::cmdRealTimeRecord_Click() {
    myRecordMode = !myRecordMode;
    if (myRecordMode) relativeBase = now();
    changed();
}

void ScheduleEngine::recordEvent(const QString& eventToExecute, const QString& type) {
    if (!myRecordMode) return;
    if (recordTrigger == relativeTime) recordStartText = relativeClockLabel;
    else if (recordTrigger == mediaTime) recordStartText = QStringLiteral("00:") + mediaClockLabel + mediaFractionLabel;
    static const QStringList plain{QStringLiteral("Stop Playback"), QStringLiteral("Pause Playback"),
                                   QStringLiteral("Blackout Playback"), QStringLiteral("Restore Blackout")};
    static const QStringList strobe{QStringLiteral("Strobe All"), QStringLiteral("Strobe All Off"),
                                    QStringLiteral("Strobe Chase On"), QStringLiteral("Strobe Chase Off")};
    const bool writes = type == QStringLiteral("Sequence") || type == QStringLiteral("Sequence Button") ||
                        plain.contains(type) || strobe.contains(type) || type == QStringLiteral("Start Media File");
    // A row that already holds an event (a loaded schedule's last row, or
    // the headings of an empty grid) is kept: the new event gets a row of its own.
    int last = rows() - 1;
    if (writes && (last == 0 || !cell(last, eventType).trimmed().isEmpty())) {
        grid.push_back({});
        last = rows() - 1;
    }
    const QString current = QString::number(shell().state.currentPlayback);
    if (type == QStringLiteral("Start Media File")) {
        grid[size_t(last)][eventType] = type;
        grid[size_t(last)][scheduleText::eventToExecute] = eventToExecute;
        grid[size_t(last)][trigger] = relativeTime;
        recordTrigger = mediaTime;
        grid[size_t(last)][start] = recordStartText;
        grid[size_t(last)][playback] = current;
    } else if (writes) {
        const bool sequence = type == QStringLiteral("Sequence") || type == QStringLiteral("Sequence Button");
        grid[size_t(last)][eventType] = sequence ? QStringLiteral("Sequence Button") : type;
        grid[size_t(last)][scheduleText::eventToExecute] = strobe.contains(type) ? QString() : eventToExecute;
        grid[size_t(last)][trigger] = recordTrigger;
        grid[size_t(last)][start] = recordStartText;
        grid[size_t(last)][playback] = current;
    }
    if (rows() != 1) grid.push_back({});
    topRow = rows() - 1;
    if (view) view->scrollTo(topRow);
    changed();
}

// ---- Editing ------------------------------------------------------------------------------------------

void ScheduleEngine::addEvent() {
    grid.push_back({});
    scheduleEdited = true;
    changed();
}

// A new empty row directly below `belowRow`; the rows after it move down
// with their fired marks.
void ScheduleEngine::insertEvent(int belowRow) {
    const int at = std::clamp(belowRow + 1, 1, rows());
    grid.insert(grid.begin() + at, scheduleFile::Row{});
    for (int r = std::min(rows() - 1, maxRows); r > at; --r) setFired(r, fired(r - 1));
    setFired(at, false);
    scheduleEdited = true;
    changed();
}

// Removes an event row (not the first); the rows after it move up with their fired marks.
bool ScheduleEngine::removeEvent(int row) {
    scheduleEdited = true;
    if (row < 2 || row >= rows()) {
        if (row < 2) shell().prompts().messageBox(QStringLiteral(" First Row cannot be removed"));
        changed();
        return false;
    }
    grid.erase(grid.begin() + row);
    for (int r = row; r < std::min(rows() + 1, maxRows); ++r) setFired(r, fired(r + 1));
    changed();
    return true;
}

void ScheduleEngine::clearScheduler() {
    if (rows() > 1) {
        grid.assign(2, scheduleFile::Row{});
        for (int c = 0; c < 7; ++c) grid[0][size_t(c)] = headings[c];
    }
    recordTrigger = relativeTime;
    changed();
}
