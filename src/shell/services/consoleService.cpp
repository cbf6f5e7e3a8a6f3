#include "shell/services/consoleService.h"

#include "shell/shell.h"

ConsoleService& Shell::console() { return service<ConsoleService>(); }
