#include "shell/services/mastersService.h"
#include "shell/shell.h"

MastersService& Shell::masters() { return service<MastersService>(); }
