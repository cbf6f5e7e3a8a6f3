#include "shell/services/patchService.h"
#include "shell/shell.h"

PatchService& Shell::patch() { return service<PatchService>(); }
