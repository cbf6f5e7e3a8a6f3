#pragma once
// What the shortcut pages, their triggering and the sequence wizard offer
// the others. The base is "no pages": no current page, nothing fading.

#include <QString>
#include <QStringList>
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
    // The MASTER buttons recoloured for a sequence (relative to "Sequences")
    // whose running state may have changed.
    virtual void checkActivePlaybacks(const QString& sequence) {}
    // Redraws the current page only.
    virtual void refreshPageOnly() {}
    // Reloads the shown page as a press of its tab would.
    virtual void pressActivePageButton() {}
    // Shows the Sequence Properties save dialog for a playback, kept on top.
    virtual void showSequenceProperties(int32_t playbackNumber) {}
    // Whether the Sequence Properties dialog is shown.
    virtual bool sequencePropertiesVisible() { return false; }
    // Presses the shown dialog's Save; a non-empty name first replaces the one in its name box.
    virtual void saveSequenceProperties(const QString& buttonName) {}
    // How many buttons the shown page holds.
    virtual int32_t currentPageButtonCount() { return 0; }
    // The multi-button wizard's collection of sequences: emptied, one added.
    virtual void setMultiCollectionToNothing() {}
    virtual void addToMultiCollection(const QString& theName) {}
    // Shows the multi-button wizard modeless; a non-empty mode files every active playback into one multi button.
    virtual void showMultiWizard(const QString& mode) {}
    // Shows the "Enter Time" keypad for target ("txtfadeTime": time box index; "crossFade": group strip index)
    // with its lower right corner at (right, bottom) screen pixels; Enter writes the typed time there.
    virtual void showTimeKeypad(const QString& target, int32_t index, int32_t right, int32_t bottom) {}
    // The same keypad with its top left corner at (left, top) screen pixels ("theGrid": the active
    // playback window's grid column index).
    virtual void showTimeKeypadAt(const QString& target, int32_t index, int32_t left, int32_t top) {}


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
    // The pages' deleting and editing controls (delete group, page and button; group, reset, lock-or-stack).
    virtual void setProgrammingControlsEnabled(bool enabled) {}
    // Restores the pressed, stacked and locked buttons of every page, then starts Art-Net when enabled.
    virtual void startUpSequencesFromIniFile() {}

    // The shown page's button groups as the page submaster strips drive them:
    // GO on the group's cursor button, moving the cursor (the name it moved
    // to), the group dimmer (0..100), the cursor button's index and releasing
    // the pressed buttons of that button's group.
    virtual void pressGoFromSubmaster(int32_t group, int32_t crossFade, float overrideTime, int32_t manualCrossfade) {}
    virtual QString highlightNextButtonInGroup(int32_t group) { return {}; }
    virtual QString highlightPreviousButtonInGroup(int32_t group) { return {}; }
    virtual void adjustCurrentPageGroup(int32_t group, int32_t value) {}
    virtual int32_t returnButtonIndexForGroup(int32_t group) { return 0; }
    virtual void releaseAllOnPage(int32_t buttonIndex) {}
    // The shown page reloaded (window placement changed).
    virtual void refreshCurrentPage() {}
    // Hides the page window (programming mode on one monitor).
    virtual void hideShortcutPages() {}
    // The top bar's page commands: release the page (true) or release and
    // open the button wizard (false), toggle group creation, reset the
    // page's positions and groups, cycle the press mode.
    virtual void releaseAllAndCreateNew(bool releaseOnly) {}
    virtual void setGroupCreate(bool fromWing) {}
    virtual void cmdReset_Click() {}
    virtual void cmdLockorStack_Click() {}

    // One beat of the audio trigger (detected or emulated): the pages' beat
    // counter, and in beats mode the auto pilot's next step.
    virtual void recieveBeat() {}

    // ---- What the scheduler uses ----
    // Releases every running multi button of the shown page.
    virtual void clearMultiCollection() {}
    // Reads a multi-button file (the button index's file when withName is empty) as the current multi.
    virtual void loadMultiButton(int32_t index, const QString& withName) {}
    // Starts (true) or releases (false) every member of the current multi.
    virtual void executeMulti(int32_t index, bool turnOn) {}
    // Starts flashing the button saveNewButtonPosition remembered.
    virtual void setFlashButton() {}
    // The file names (with extension) of the shown page's folder that match a pattern ("*.YSQ", "*.mul").
    virtual QStringList pageFiles(const QString& pattern) { return {}; }

    // ---- Windows opened from the main window ----
    // Shows the sequence wizard above the others.
    virtual void showSequenceWizard() {}
};

#pragma GCC diagnostic pop
