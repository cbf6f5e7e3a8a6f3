#pragma once
// The palette window and preset engine (subsystems 11, 12). The base has no
// palettes.

class PresetsService {
public:
    virtual ~PresetsService() = default;
    // Opens the palette window's Color page.
    virtual void cmdColor_Click() {}
    // Makes the show's palette folders.
    virtual void makePalleteDirectories() {}
    // Deletes and regenerates every preset of the show.
    virtual void regenerateAllPresets() {}
};
