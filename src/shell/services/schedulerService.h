#pragma once
// What other subsystems ask of the scheduler. The base answers "nothing
// there": no schedule is loaded or running.

#include <QString>

class SchedulerService {
public:
    virtual ~SchedulerService() = default;
    // Path of the loaded schedule file (.YSC); empty when none.
    virtual QString currentScheduleFile() const;
    // True while a schedule runs.
    virtual bool scheduleRunning() const;
};
