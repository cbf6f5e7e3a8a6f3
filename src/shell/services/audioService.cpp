#include "shell/services/audioService.h"

#include "shell/shell.h"

AudioService& Shell::audio() { return service<AudioService>(); }
