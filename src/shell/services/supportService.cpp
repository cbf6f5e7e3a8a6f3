#include "shell/services/supportService.h"

#include "shell/shell.h"

SupportService& Shell::support() { return service<SupportService>(); }
