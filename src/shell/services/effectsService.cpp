#include "shell/services/effectsService.h"
#include "shell/shell.h"

EffectsService& Shell::effects() { return service<EffectsService>(); }
