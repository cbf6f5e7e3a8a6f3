#pragma once
// The top bar, masters and submasters (subsystem 7). The base has no top bar.

class MastersService {
public:
    virtual ~MastersService() = default;
    // The top bar's programming-mode and playback-mode buttons.
    virtual void cmdProgramingMode_Click() {}
    virtual void cmdPlaybackMode_Click() {}
};
