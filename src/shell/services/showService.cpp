#include "shell/services/showService.h"

#include "shell/shell.h"

ShowService& Shell::show() { return service<ShowService>(); }
