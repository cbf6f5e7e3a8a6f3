#pragma once
// The runner of step commands: the command text stored with a sequence step,
// run when a playback advances into that step. It is the SchedulerService
// while it lives; the schedule itself, its recording and the media players
// are not built yet, so their commands do nothing and recording stays off.
//
// A command is four fields separated by commas: code, file, playback (for
// "Go to Step" the step), number. A playback of 0 or less means the caller.

#include "shell/services/schedulerService.h"

#include <cstdint>

class EventEngine final : public SchedulerService {
public:
    EventEngine();
    ~EventEngine() override;
    EventEngine(const EventEngine&) = delete;
    EventEngine& operator=(const EventEngine&) = delete;

    void readAndExecuteEventString(const QString& command, int32_t playbackNumber, const QString& sequenceFile) override;
};
