#include "shell/services/outputService.h"

#include "shell/shell.h"

OutputService& Shell::output() { return service<OutputService>(); }
