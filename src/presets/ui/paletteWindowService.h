#pragma once
// The presets service of the running console: the preset engine with the
// palette window ("Control Palette"), made on first use.

#include "presets/presetsEngine.h"

class Shell;
class frmPalettes;

class PaletteWindowService : public PresetsEngine {
public:
    // The palette window when it is loaded; null otherwise.
    frmPalettes* loadedWindow();

    void showPalettes() override;
    void showPaletteWindow(bool visible) override;
    void cmdColor_Click() override;
    void refreshButtons() override;
    void updateCurrentActivePalettePreset() override;
    void regenerateAllPresets() override;
    bool updateGridData(bool force) override;
    void showPresetData() override;
    bool paletteLiveMode() override;
};

// Registers the presets service with its window.
void registerPresets(Shell& s);
