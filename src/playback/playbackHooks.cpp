#include "playback/playbackHooks.h"

#include "shell/shell.h"

PlaybackHooks& playbackHooks() { return shell().engine<PlaybackHooks>(); }
