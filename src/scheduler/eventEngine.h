#pragma once
// The scheduler subsystem as the others reach it: the runner of step
// commands (the command text stored with a sequence step, run when a
// playback advances into that step), and the schedule, its recording and
// the media window. It is the SchedulerService while it lives.
//
// A command is four fields separated by commas: code, file, playback (for
// "Go to Step" the step), number. A playback of 0 or less means the caller.

#include "scheduler/schedulerSubsystem.h"
#include "shell/services/schedulerService.h"

#include <cstdint>
#include <memory>

class EventEngine final : public SchedulerService {
public:
    EventEngine();
    ~EventEngine() override;
    EventEngine(const EventEngine&) = delete;
    EventEngine& operator=(const EventEngine&) = delete;

    void readAndExecuteEventString(const QString& command, int32_t playbackNumber, const QString& sequenceFile) override;
    void callEvent(const QString& eventName, const QString& chaserToExecuteOn, const QString& theFilename) override;

    bool schedulerRecording() override;
    void recordEvent(const QString& eventToExecute, const QString& eventType) override;
    bool scheduleRunning() override;
    QString currentScheduleFile() const override;
    void callTheTrigger(int32_t triggerType, int32_t triggerValue) override;
    void stopSchedule() override;
    void startTimeline(const QString& path) override;
    void stopTimeline() override;

    void attachWindows(std::unique_ptr<SchedulerWindows> w) { windows = std::move(w); }
    void showScheduler(int32_t top, int32_t left, int32_t width, int32_t height) override;
    void showMediaPlayer() override;
    void clkVideoOptions_Click() override;

private:
    std::unique_ptr<SchedulerWindows> windows;
};
