#pragma once
// The main window's commands that open the tool windows. Each shows its
// window (most above the others, through the owning subsystem's service);
// six also record in ylc.ini [Windows] that the window was opened. None is a
// toggle: a second call shows the window again and writes the key again.

#include <QString>
#include <vector>

namespace windowMenu {

void pellamVisualizer_Click();
void showAudioTrigger();
void showPlaybackFaders();
void showDmxInput();
void showFogControl();
void showPalettes();
void clkPatchList_Click();
void clkRGBEditor_Click();
void showSequenceWizard();
void clkShowPresetData_Click();
void clkViewBrumalPixel_Click();
void clkViewDmxOutWindow_Click();
void clkViewStrobeSettings_Click();
void dmxChannelConfigurationClick_Click();
void Fixture_Editor_Click();
void showFixtureList();
void lblMaster_Click();
void mediaplayermain_Click();
void showMasterShortcuts();
// Screen size in twips, for the scheduler's place.
void schedulerclick_Click(int screenWidthTwips, int screenHeightTwips, int shortcutsBottomTwips,
                          int mainLeftTwips);
void shapegenmenu_Click();
void clkChangeTextBackColor_Click();

// The tool windows a workspace file may name, with the command that opens
// each; a name not in this list is no window of the console.
struct ToolWindow {
    const char* name;
    void (*open)();
};
const std::vector<ToolWindow>& toolWindows();
const ToolWindow* findToolWindow(const QString& name);

} // namespace windowMenu
