#include "shell/services/shortcutsService.h"

#include "shell/shell.h"

ShortcutsService& Shell::shortcuts() { return service<ShortcutsService>(); }
