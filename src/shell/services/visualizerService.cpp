#include "shell/services/visualizerService.h"

#include "shell/shell.h"

VisualizerService& Shell::visualizer() { return service<VisualizerService>(); }
