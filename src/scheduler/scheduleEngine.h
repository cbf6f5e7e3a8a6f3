#pragma once
// The engine of the scheduler window (Scheduler): the schedule grid, its
// clock and triggers, the actions of due rows, manual steps, pause, the MIDI
// time-code source and real-time recording. The window mirrors the grid and
// the labels and calls the handlers below; everything runs on the
// user-interface thread, the tick on a precise 71 ms timer.
//
// Grid row 0 holds the headings; event rows are 1 .. rows() - 1. Each event
// row r has a fired mark, its start in milliseconds and its start text (the
// slots of rows 1 .. 1024).

#include "scheduler/scheduleFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TickTimer;
class MediaPlayer;

namespace scheduleText {
// Column numbers of the grid.
enum Column { eventType = 0, eventToExecute = 1, trigger = 2, day = 3, start = 4, length = 5, playback = 6 };
extern const QStringList headings;
extern const QStringList eventTypes; // in the editor's order
extern const QStringList triggers;   // in the editor's order
// Weekday text of a number, Sunday = 1 (empty for others), and back (0 for others).
QString weekdayName(int day);
int weekdayNumber(const QString& day);
} // namespace scheduleText

// The two media players the schedule drives (the media window's); the
// window's engine implements it.
class ScheduleMedia {
public:
    virtual ~ScheduleMedia() = default;
    // Player 1 or 2; null when there is no media.
    virtual MediaPlayer* player(int n) = 0;
    // Loads the media window (not shown) / shows it / unloads it.
    virtual void load() {}
    virtual void show() {}
    virtual void unload() {}
};

// What the window implements to follow the engine.
class ScheduleView {
public:
    virtual ~ScheduleView() = default;
    virtual void scheduleChanged() = 0;
    // The grid scrolled so that row is its top row.
    virtual void scrollTo(int row) { (void)row; }
};

class ScheduleEngine {
public:
    static constexpr int maxRows = scheduleFile::maxRows;

    ScheduleEngine();
    ~ScheduleEngine();
    ScheduleEngine(const ScheduleEngine&) = delete;
    ScheduleEngine& operator=(const ScheduleEngine&) = delete;

    void attach(ScheduleView* v) { view = v; }
    void detach(ScheduleView* v) {
        if (view == v) view = nullptr;
    }
    void setMedia(ScheduleMedia* m) { media = m; }

    // ---- The grid ----
    int rows() const { return int(grid.size()); }
    const QString& cell(int row, int column) const { return grid[size_t(row)][size_t(column)]; }
    void setCell(int row, int column, const QString& text);
    void setRows(int count);                     // keeps the rows that stay; new ones empty
    void setEventRows(const std::vector<scheduleFile::Row>& rows);
    std::vector<scheduleFile::Row> eventRows() const;
    bool fired(int row) const;
    void setFired(int row, bool value);
    void clearFired();
    int rowSel = 0;     // the grid's selection row
    int topRow = 1;

    // ---- The file ----
    // Reads a schedule into the grid (the tick stops meanwhile); nothing
    // changes when the file is missing or refused (the reason is shown).
    void loadschedule(const QString& whichone);
    // Writes the grid to a file; false with the message shown when it cannot.
    bool saveSchedule(const QString& path);
    QString currentScheduleFile;
    bool scheduleEdited = false; // scheduleChanged: edits not yet saved

    // ---- The clock ----
    void Command2_Click(int index); // 0 start, 1 stop
    void callTheTrigger(int clickArg, int direction);
    void pauseSchedule();
    void Scheduletimer_Timer();
    bool selectTimeCodeSource(int device);
    TickTimer& timer() { return *Scheduletimer; }
    // Milliseconds of a start text (hh:mm:ss.ff); nothing when it is shorter
    // than 6 characters or its pieces are not numbers.
    static std::optional<double> startMilliseconds(const QString& text);

    bool relativetimego = false;
    bool scheduleRunning = false;
    bool timeCodeChecked = false;
    int timeCodeDevice = 0;
    int64_t relativeBase = 0;
    double elapsedMs = 0;
    QString systemClockLabel = QStringLiteral("24:59:59.99"); // Label1 (0)
    QString weekdayLabel = QStringLiteral("Monday");          // Label1 (1)
    QString relativeClockLabel = QStringLiteral("00:00:00:00"); // Label1 (2)
    QString statusLabel = QStringLiteral("No Events Active"); // Label1 (3)
    QString mediaClockLabel = QStringLiteral("00:00");        // Label1 (4)
    QString mediaFractionLabel = QStringLiteral(".00");       // Label1 (5)
    QString relativeCaption = QStringLiteral("Relative Time:"); // Label2 (1)
    QString timeFormatLabel;                                  // lblTimeFormat, shown when not empty
    int32_t startColour = -1, stopColour = -1, pauseColour = -1;
    int activeMediaPlayer = 0;

    // ---- Actions ----
    void executeEvent(int row);

    // ---- Recording ----
    void cmdRealTimeRecord_Click();
    void recordEvent(const QString& eventToExecute, const QString& eventType);
    bool myRecordMode = false;
    QString recordTrigger = QStringLiteral("Relative Time");
    QString recordStartText;

    // ---- Editing (rows) ----
    void addEvent();
    void insertEvent(int belowRow);
    bool removeEvent(int row);
    void clearScheduler();

private:
    void changed();
    void rowPass();
    bool due(int row);
    void showMediaTime();
    void stopPlaybacks();
    void restartFromTop();
    int64_t now() const;
    QDateTime timeOfDay() const;
    MediaPlayer* player(int n) const;
    bool playerPlaying(int n) const;
    void startMediaFile(int row, const QString& file);
    void reportBadRow(int row, const QString& why);

    ScheduleView* view = nullptr;
    ScheduleMedia* media = nullptr;
    std::unique_ptr<TickTimer> Scheduletimer;
    std::vector<scheduleFile::Row> grid;
    std::array<bool, maxRows> rowFired{};
    std::array<double, maxRows> rowStartMs{};
    std::array<QString, maxRows> rowStartText{};
    QDateTime scheduleStartMoment;
    QString mediaTimeText, mediaFractionText;
    int clockMinutes = 0, clockSeconds = 0;
    bool playlistAdvance = false;
    std::vector<bool> playbackPausedBySchedule;
    bool player1PausedBySchedule = false, player2PausedBySchedule = false;
    bool showTimeCodeRate = false;
    int32_t eventPlayback = 1;
    bool eventAllPlaybacks = false;
};
