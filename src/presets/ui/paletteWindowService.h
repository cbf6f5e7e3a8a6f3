#pragma once
// The presets service of the running console: the preset engine with the
// palette window ("Control Palette"), made on first use.

#include "presets/presetsEngine.h"
#include "presets/ui/paletteLiveControls.h"

#include <memory>

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
    void enableChannel(const QString& channelType) override;
    void updateDMXValueDisplay(bool force) override;

    // The live controls the palette window carries (null until the live
    // attribute control subsystem gives them). Given before the window is made.
    PaletteLiveControls* liveControls() { return live.get(); }
    void setLiveControls(std::unique_ptr<PaletteLiveControls> controls) { live = std::move(controls); }

private:
    std::unique_ptr<PaletteLiveControls> live;
};

// Registers the presets service with its window.
void registerPresets(Shell& s);
