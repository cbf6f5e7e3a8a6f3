#pragma once
// The patch subsystem's windows and its service as the running console
// offers it: the layout engine's answers plus opening the layout window and
// the fixture list. startPatchWindows registers it.

#include "patch/layoutPatchService.h"

#include <memory>

class Shell;
class fixture;
class FixtureList;

class PatchWindowsService : public LayoutPatchService {
public:
    PatchWindowsService();
    ~PatchWindowsService() override;
    void showLayoutWindow() override;
    void hideLayoutWindow() override;
    void showFixtureList() override;
    void hideFixtureList() override;
    void unloadFixtureList() override;
    void reloadFixtureList() override;
    void unloadLayoutWindow() override;
    void reloadLayoutWindow() override;
    void refreshIcons() override;
    void popupGroupMenuAtPointer() override;

    // The windows, loaded on first use; or the loaded one, null when none.
    fixture& layoutWindow();
    FixtureList& fixtureList();
    fixture* loadedLayoutWindow() const;
    FixtureList* loadedFixtureList() const;

private:
    struct Views;
    std::unique_ptr<Views> views;
};

// Registers the patch service with its windows in the shell, lays out the
// show and shows the layout window and the fixture list.
PatchWindowsService& startPatchWindows(Shell& shell);
