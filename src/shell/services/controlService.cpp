#include "shell/services/controlService.h"
#include "shell/shell.h"

ControlService& Shell::control() { return service<ControlService>(); }
