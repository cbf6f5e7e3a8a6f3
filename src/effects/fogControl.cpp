#include "effects/fogControl.h"

#include "shell/shell.h"

#include <algorithm>

FogControl::FogControl() {
    if (hasShell()) redimFoggers(shell().state.totalChannels);
}

void FogControl::redimFoggers(int32_t totalNumber) {
    fogChannels.resize(size_t(std::max<int32_t>(totalNumber, 0)) + 1, 0);
}
