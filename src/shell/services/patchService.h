#pragma once
// The layout window and fixture list (subsystem 5) as the show load and
// clear use them. The base has no windows.

#include <cstdint>

class PatchService {
public:
    virtual ~PatchService() = default;
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
};
