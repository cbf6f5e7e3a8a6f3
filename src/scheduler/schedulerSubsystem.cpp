#include "scheduler/schedulerSubsystem.h"

#include "scheduler/mediaWindowEngine.h"
#include "scheduler/scheduleEngine.h"
#include "shell/shell.h"

namespace scheduler {

MediaWindowEngine& mediaWindow() { return shell().engine<MediaWindowEngine>(); }

// The media window's engine is made first, so it goes after the schedule that uses it.
ScheduleEngine& schedule() {
    if (ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>()) return *s;
    MediaWindowEngine& media = mediaWindow();
    ScheduleEngine& s = shell().engine<ScheduleEngine>();
    s.setMedia(&media);
    return s;
}

} // namespace scheduler
