#include "shell/services/schedulerService.h"

#include "shell/shell.h"

SchedulerService& Shell::scheduler() { return service<SchedulerService>(); }

QString SchedulerService::currentScheduleFile() const { return {}; }
