#include "shell/services/playbackService.h"
#include "shell/shell.h"

PlaybackService& Shell::playback() { return service<PlaybackService>(); }
