#pragma once
// What other subsystems ask of the button pages. The base answers "nothing
// there": no page, no window, nothing moved.

#include <QString>
#include <cstdint>

class ShortcutsService {
public:
    virtual ~ShortcutsService() = default;
    // The page being shown or worked on (folder name); empty when none.
    virtual QString currentPage();
    // Places a newly saved button in the new-button area of the shown page,
    // unless it has a position already (or overRide is set).
    virtual void saveNewButtonPosition(const QString& name, bool overRide);
    // A fixture moved from oldStart to newStart..newEnd (channels within
    // activeUniverse): its levels move in every sequence of the show's pages.
    virtual void moveSequenceData(int32_t oldStart, int32_t newStart, int32_t oldEnd, int32_t newEnd,
                                  int32_t activeUniverse);
    // Re-derives the state of every button of the shown page.
    virtual void refreshPageOnly();
    // A playback finished fading out.
    virtual void doneWithFade(bool refresh);
    // A sequence fading out shows its progress on its button.
    virtual void updateFadeOutText(const QString& sequenceFile, int32_t percent);
    // The "Global" tempo option of the pages is selected.
    virtual bool globalTempoSelected();
    // Empties every page of the loaded show (a new show starts).
    virtual void deleteAllPages();
    // A device arrived (a drive may have been plugged in).
    virtual void checkForDrive();
    // Opening the windows: the page window, the MASTER window, the key list.
    virtual void showShortcutPages();
    virtual void showMasterShortcuts();
    virtual void showKeyList();
    // Rebuilds the page tabs of the show's button folder.
    virtual void loadPageButtons() {}
    // Unloads the MASTER shortcut window and the button-page window.
    virtual void unloadShortcutWindows() {}
};
