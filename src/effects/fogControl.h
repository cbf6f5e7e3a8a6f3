#pragma once
// The engine of fog and haze control. For now it keeps the per-channel list
// that follows the show's channel count; the controller itself comes later.
// One per shell: shell().engine<FogControl>().

#include <cstdint>
#include <vector>

class FogControl {
public:
    FogControl();
    // Resizes the per-channel list to 1..totalNumber, keeping its contents.
    void redimFoggers(int32_t totalNumber);
    const std::vector<int32_t>& foggers() const { return fogChannels; }

private:
    std::vector<int32_t> fogChannels; // index 0 unused
};
