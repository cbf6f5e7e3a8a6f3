#include "presets/ui/paletteWindowService.h"

#include "presets/ui/frmAddPreset.h"
#include "presets/ui/frmPalettes.h"
#include "presets/ui/frmShowPresetData.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

frmPalettes* PaletteWindowService::loadedWindow() { return loadedForm<frmPalettes>(); }

void PaletteWindowService::showPalettes() {
    const bool first = loadedWindow() == nullptr;
    frmPalettes& w = form<frmPalettes>();
    if (first) w.placeBelowTopBar();
    w.show();
    w.raise();
    if (first) w.cmdColor_Click();
}

void PaletteWindowService::showPaletteWindow(bool visible) {
    if (visible) {
        showPalettes();
    } else if (frmPalettes* w = loadedWindow()) {
        w->hide();
    }
}

void PaletteWindowService::cmdColor_Click() {
    if (frmPalettes* w = loadedWindow()) w->cmdColor_Click();
}

void PaletteWindowService::refreshButtons() {
    if (frmPalettes* w = loadedWindow()) w->refreshButtons();
}

void PaletteWindowService::updateCurrentActivePalettePreset() {
    if (frmPalettes* w = loadedWindow()) w->updateCurrentActivePalettePreset();
}

void PaletteWindowService::regenerateAllPresets() {
    PresetsEngine::regenerateAllPresets();
    cmdColor_Click();
}

bool PaletteWindowService::updateGridData(bool force) { return form<frmShowPresetData>().updateGridData(force); }

void PaletteWindowService::showPresetData() {
    frmShowPresetData& w = form<frmShowPresetData>();
    w.show();
    w.raise();
}

bool PaletteWindowService::paletteLiveMode() {
    const frmPalettes* w = loadedWindow();
    return w && w->liveMode;
}

void PaletteWindowService::enableChannel(const QString& channelType) {
    if (frmAddPreset* d = loadedForm<frmAddPreset>(); d && d->isVisible()) d->enableChannel(channelType);
}

void PaletteWindowService::updateDMXValueDisplay(bool force) {
    if (live && loadedWindow()) live->updateDMXValueDisplay(force);
}

void registerPresets(Shell& s) { s.provide<PresetsService>(std::make_unique<PaletteWindowService>()); }
