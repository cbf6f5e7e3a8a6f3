#pragma once
// The button pages and MASTER shortcut windows (subsystems 9, 10). The base
// has no pages.

class ShortcutsService {
public:
    virtual ~ShortcutsService() = default;
    // Rebuilds the page tabs of the show's button folder.
    virtual void loadPageButtons() {}
    // Unloads the MASTER shortcut window and the button-page window.
    virtual void unloadShortcutWindows() {}
    // Deletes every page folder of the show's button folder.
    virtual void deleteAllPages() {}
};
