#pragma once
// The fixture clipboard of the main window: one fixture's channels copied
// from the live output or from every step of the current playback, pasted
// into another fixture of the same profile, with or without its pan and tilt
// channels. The clipboards are as wide as the copied fixture's profile.

#include <cstdint>
#include <vector>

namespace fixtureClipboard {
// True for a channel whose type starts "pan" or "tilt" (the fine channels too).
bool isPanOrTilt(int32_t channel);
} // namespace fixtureClipboard

class FixtureClipboard {
public:
    static constexpr int32_t maxSteps = 300;

    void copyFixtureScene();
    void copyFixtureSequence();
    void pasteFixtureScene(bool withPanTilt);
    void pasteFixtureSequence(bool withPanTilt);

    // Profile of the fixture last copied; 0 before any copy.
    int32_t clipboardFixtureClass = 0;
    // Steps copied with the fixture sequence (at most maxSteps).
    int32_t clipboardStepCount = 0;

private:
    std::vector<int32_t> sceneValues;
    // [step - 1][channel index]
    std::vector<std::vector<int32_t>> sequenceValues;
};
