#pragma once
// What the scheduler offers the others: recording operator actions and
// running step commands. The base is "no scheduler".

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class SchedulerService {
public:
    virtual ~SchedulerService() = default;

    // True while the scheduler records operator actions.
    virtual bool schedulerRecording() { return false; }
    // Records one operator action.
    virtual void recordEvent(const QString& eventToExecute, const QString& eventType) {}
    // Runs a step command for a playback.
    virtual void readAndExecuteEventString(const QString& command, int32_t playbackNumber, const QString& sequenceFile) {}
    // Runs a DMX-input event by name ("Start Media File", "Stop Media File", "Sequence Shortcut",
    // "Stop Sequence Shortcut", "Submaster", "Sub & Go") for a playback (as text) and a file or level.
    virtual void callEvent(const QString& eventName, const QString& chaserToExecuteOn, const QString& theFilename) {}
    // True while a schedule runs.
    virtual bool scheduleRunning() { return false; }
    // A trigger offered to the running schedule (the audio trigger sends (0, 1) on every beat).
    virtual void callTheTrigger(int32_t triggerType, int32_t triggerValue) {}
    // Stops the schedule when it is timing its rows (the console's release button).
    virtual void stopSchedule() {}
    // Asks on which monitor the media player shows its video.
    virtual void clkVideoOptions_Click() {}

    // Path of the loaded schedule file (.YSC); empty when none.
    virtual QString currentScheduleFile() const;
    // A time-line button: loads and starts a schedule file (full path); stops
    // the running schedule and what it started.
    virtual void startTimeline(const QString& path) {}
    virtual void stopTimeline() {}

    // ---- Windows opened from the main window ----
    // Shows the scheduler window above the others at a place (twips: top, left, width, height).
    virtual void showScheduler(int32_t top, int32_t left, int32_t width, int32_t height) {}
    // Shows the media player.
    virtual void showMediaPlayer() {}
};

#pragma GCC diagnostic pop
