#pragma once
// The engine of fog and haze control. For now it keeps the per-channel list
// that follows the show's channel count; the controller itself comes later.
// One per shell: shell().engine<FogControl>(); while it lives it is the
// effects service of the shell.

#include "shell/services/effectsService.h"

#include <cstdint>
#include <vector>

class FogControl : public EffectsService {
public:
    FogControl();
    ~FogControl() override;
    FogControl(const FogControl&) = delete;
    FogControl& operator=(const FogControl&) = delete;

    // Resizes the per-channel list to 1..totalNumber, keeping its contents.
    void redimFoggers(int32_t totalNumber) override;
    const std::vector<int32_t>& foggers() const { return fogChannels; }

private:
    std::vector<int32_t> fogChannels; // index 0 unused
};
