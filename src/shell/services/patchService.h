#pragma once
// What the patch and the layout window offer the others. The base is "no
// layout": no icons.

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class PatchService {
public:
    virtual ~PatchService() = default;

    // The name held by a fixture's layout icon; empty when none.
    virtual QString fixtureIconName(int32_t fixtureNumber);

    // Loads and shows the patch window for the profile now in the editor;
    // `fromFile` sets its state for a profile read from a file.
    virtual void showPatchWindow(bool fromFile) { (void)fromFile; }
    // Unloads the patch window when it is open.
    virtual void closePatchWindow() {}
    // With no fixtures to add: pushes the edited profile into the show's
    // profile of the same name (asks, and may close the profile editor).
    virtual void updatePatchedProfile() {}
    // Reloads every fixture icon of the layout window.
    virtual void refreshIcons() {}
    // Stops or restarts the layout simulation.
    virtual void setSimulationRunning(bool on) { (void)on; }
    // Places the icons of fixtures first..first + count - 1 (named from fixtureName).
    virtual void layoutFixtureIcons(int32_t first, int32_t count) { (void)first, (void)count; }
    // Unloads the icon of a fixture.
    virtual void unloadFixtureIcon(int32_t fixture) { (void)fixture; }
    // Unloads the fixture list window, or the layout window.
    virtual void unloadFixtureList() {}
    virtual void unloadLayoutWindow() {}
    // Loads and shows the fixture list window.
    virtual void showFixtureList() {}
    // Unloads and shows the layout window again.
    virtual void reloadLayoutWindow() {}
    // Shows the layout window, the patch list, or the patch window in its view mode (channel configuration).
    virtual void showLayoutWindow() {}
    virtual void showPatchList() {}
    virtual void showChannelConfiguration() {}
};

#pragma GCC diagnostic pop
