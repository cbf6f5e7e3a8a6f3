#include "shell/windowMenu.h"

#include "platform/prompts.h"
#include "shell/services/audioService.h"
#include "shell/services/controlService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/outputService.h"
#include "shell/services/patchService.h"
#include "shell/services/presetsService.h"
#include "shell/services/profilesService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "shell/services/visualizerService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <exception>

namespace windowMenu {

namespace {
void opened(const settingsKeys::Key& key) { settingsKeys::write(key, QStringLiteral("True")); }
} // namespace

void pellamVisualizer_Click() {
    shell().visualizer().unloadVisualizer();
    shell().visualizer().showVisualizer();
}

void showAudioTrigger() {
    shell().audio().showAudioTrigger();
    opened(settingsKeys::windowsAudioTrigger);
}

void showPlaybackFaders() {
    shell().masters().showPlaybackFaders();
    opened(settingsKeys::windowsSubMaster);
}

void showDmxInput() { shell().control().showDmxInput(); }

void showFogControl() {
    shell().effects().showFogControl();
    opened(settingsKeys::windowsFogControl);
}

void showPalettes() {
    shell().presets().showPalettes();
    opened(settingsKeys::windowsPalettes);
}

void clkPatchList_Click() { shell().patch().showPatchList(); }
void clkRGBEditor_Click() { shell().effects().showRgbEditor(); }
void showSequenceWizard() { shell().shortcuts().showSequenceWizard(); }

void clkShowPresetData_Click() {
    if (shell().presets().updateGridData(false)) shell().presets().showPresetData();
}

void clkViewBrumalPixel_Click() { shell().matrix().showBrumalMatrix(); }
void clkViewDmxOutWindow_Click() { shell().output().showDmxOutputWindow(); }

void clkViewStrobeSettings_Click() {
    try {
        const auto [top, left] = shell().patch().layoutWindowTopLeft();
        shell().effects().showStrobeSettings(top, left);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral(" Error in view Strobe Settings: ") + QString::fromLocal8Bit(e.what()),
                                     msgBox::OKOnly);
    }
}

void dmxChannelConfigurationClick_Click() { shell().patch().showPatchWindow(false); }

void Fixture_Editor_Click() {
    shell().visualizer().unloadVisualizer();
    shell().profiles().showProfileEditor();
}

void showFixtureList() {
    shell().patch().showFixtureList();
    opened(settingsKeys::windowsFixtureList);
}

void lblMaster_Click() { shell().masters().showGrandMaster(); }
void mediaplayermain_Click() { shell().scheduler().showMediaPlayer(); }

void showMasterShortcuts() {
    shell().shortcuts().showMasterShortcuts();
    opened(settingsKeys::windowsShortcuts);
}

void schedulerclick_Click(int screenWidthTwips, int screenHeightTwips, int shortcutsBottomTwips, int mainLeftTwips) {
    shell().masters().cmdPlaybackMode_Click();
    shell().scheduler().showScheduler(shortcutsBottomTwips, mainLeftTwips, screenWidthTwips - 100,
                                      int(screenHeightTwips * 0.23));
}

void shapegenmenu_Click() { shell().effects().showShapeGenerator(); }
void clkChangeTextBackColor_Click() { shell().patch().changeTextBackColor(); }

const std::vector<ToolWindow>& toolWindows() {
    static const std::vector<ToolWindow> table = {
        {"pellamVisualizerForm", &pellamVisualizer_Click},
        {"BeatDetect", [] { shell().audio().showAudioTrigger(); }},
        {"Submaster", [] { shell().masters().showPlaybackFaders(); }},
        {"frmDmxInput", &showDmxInput},
        {"frmFogControl", [] { shell().effects().showFogControl(); }},
        {"frmPalettes", [] { shell().presets().showPalettes(); }},
        {"frmPatchDetails", &clkPatchList_Click},
        {"frmRGBEditor", &clkRGBEditor_Click},
        {"frmSequenceWizard", &showSequenceWizard},
        {"frmShowPresetData", [] { shell().presets().showPresetData(); }},
        {"frmBrumalMatrix", &clkViewBrumalPixel_Click},
        {"frmDmxOutDisplay", &clkViewDmxOutWindow_Click},
        {"frmEditStrobeChannels", &clkViewStrobeSettings_Click},
        {"NewWhat", &dmxChannelConfigurationClick_Click},
        {"Light_Editor", [] { shell().profiles().showProfileEditor(); }},
        {"FixtureList", [] { shell().patch().showFixtureList(); }},
        {"MasterFader", &lblMaster_Click},
        {"frmMediaPlayer", &mediaplayermain_Click},
        {"Shortcuts", [] { shell().shortcuts().showMasterShortcuts(); }},
        {"ShapeGeneratorWin", &shapegenmenu_Click},
        {"fixture", [] { shell().patch().showLayoutWindow(); }},
        {"frmStrobe", [] { shell().effects().showStrobe(); }},
    };
    return table;
}

const ToolWindow* findToolWindow(const QString& name) {
    for (const ToolWindow& w : toolWindows())
        if (name == QLatin1String(w.name)) return &w;
    return nullptr;
}

} // namespace windowMenu
