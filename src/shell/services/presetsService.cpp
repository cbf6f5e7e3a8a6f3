#include "shell/services/presetsService.h"

#include "shell/shell.h"

PresetsService& Shell::presets() { return service<PresetsService>(); }
