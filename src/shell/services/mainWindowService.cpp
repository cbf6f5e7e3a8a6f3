#include "shell/services/mainWindowService.h"
#include "shell/shell.h"

MainWindowService& Shell::mainWindow() { return service<MainWindowService>(); }
