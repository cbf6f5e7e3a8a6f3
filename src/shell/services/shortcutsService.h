#pragma once
// What the shortcut pages, their triggering and the sequence wizard offer
// the others. The base is "no pages": no current page, nothing fading.

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class ShortcutsService {
public:
    virtual ~ShortcutsService() = default;

    // The button page that new sequence files go into (folder name); empty when none.
    virtual QString currentPage() { return {}; }
    // Places the button of a newly saved sequence on the current page.
    virtual void saveNewButtonPosition(const QString& baseName, bool fromWizard) {}
    // Whether the "Global" tempo option of the pages is selected.
    virtual bool globalTempoSelected() { return false; }
    // A sequence finished fading (true) or started again (false).
    virtual void doneWithFade(bool done) {}
    // The fade-out text of a sequence's button (percent done).
    virtual void updateFadeOutText(const QString& sequenceFile, int32_t percent) {}
    // The daily button timers and the fade-done check (from the refresh tick).
    virtual void checkTimers() {}
    virtual void checkDoneWithFadeDelay() {}
    // Redraws the current page only.
    virtual void refreshPageOnly() {}
    // Reloads the shown page as a press of its tab would.
    virtual void pressActivePageButton() {}
    // Shows the Sequence Properties save dialog for a playback, kept on top.
    virtual void showSequenceProperties(int32_t playbackNumber) {}
    // The multi-button wizard's collection of sequences: emptied, one added.
    virtual void setMultiCollectionToNothing() {}
    virtual void addToMultiCollection(const QString& theName) {}


    // A fixture moved from oldStart to newStart..newEnd (channels within
    // activeUniverse): its levels move in every sequence of the show's pages.
    virtual void moveSequenceData(int32_t oldStart, int32_t newStart, int32_t oldEnd, int32_t newEnd,
                                  int32_t activeUniverse);
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

#pragma GCC diagnostic pop
