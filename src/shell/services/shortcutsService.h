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
    // A playback ended its release fade (byPass false); the page is derived
    // again, at most once in 0.8 s (byPass true: at once).
    virtual void doneWithFade(bool byPass) {}
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
    // An empty mode (the start wizard) is a new multi of the pressed buttons.
    virtual void showMultiWizard(const QString& mode) {}
    // Shows a new auto-pilot wizard modeless, above the others.
    virtual void showAutoPilotWizard() {}
    // Shows the step-command builder for the current step of the current
    // playback, its top left corner at (left, top) screen pixels, above the others.
    virtual void showCommandBuilder(int32_t left, int32_t top) {}
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

    // ---- What the scheduler uses ----
    // Starts flashing the button saveNewButtonPosition remembered.
    virtual void setFlashButton() {}
    // The file names (with extension) of the shown page's folder that match a pattern ("*.YSQ", "*.mul").
    virtual QStringList pageFiles(const QString& pattern) { return {}; }

    // ---- Presses: every source (mouse, keys, MIDI, the web remote, timers,
    // auto pilot, the replay) ends in the pages' one dispatcher ----
    // A press on button index of the shown page (0 = the fixed release-all
    // button). button: 1 left, 2 right (the button menu); shift: 1 makes the
    // sequence fade in from the present output; x, y: twips inside the
    // 1125-twip face. A sequence button at y 500 or less first releases the
    // other pressed buttons of its group, above stacks (a multi button: 400);
    // the page press mode overrides y. Callers send y 0 to release, 501
    // (auto pilot), 600 (MIDI), 700 (replay), 1200/1600 (keys) to stack;
    // x 1000, y 1000 toggles the lock of a playing sequence button.
    virtual void cmdSequence_MouseUp(int32_t index, int32_t button, int32_t shift, float x, float y) {}
    // The mouse-down of a press (the web remote sends it first): a bump
    // button goes on here and off at the mouse-up.
    virtual void cmdSequence_MouseDown(int32_t index, int32_t button, int32_t shift, float x, float y) {}
    // The shown page's buttons: index of a name (0 when none), name and state
    // word ("on", "off", "multi on", "auto off", "timeline on", ...) of an index.
    virtual int32_t buttonIndex(const QString& buttonName) { return 0; }
    virtual QString buttonName(int32_t index) { return {}; }
    virtual QString buttonState(int32_t index) { return {}; }
    // The page folders in tab order, and showing one (tab 1..).
    virtual QStringList pageNames() { return {}; }
    virtual void showPage(int32_t tab) {}
    // The active playback holding the shown page's sequence button; 0 when none.
    virtual int32_t findPlaybackOfButton(const QString& buttonName) { return 0; }
    // Releases the running multis of the calling button's group (0: of no
    // group); all: every running multi of the page.
    virtual void releaseAllMultiOnPage(int32_t callingIndex, bool all) {}
    // Releases everything on the page and forgets every pressed button,
    // running multi and auto pilot (the main window cleared all playbacks).
    virtual void removeAllButtonCollections() {}
    // The member names of the shown page's multi button of that name; empty when none.
    virtual QStringList returnMultiCollection(const QString& multiName) { return {}; }
    // Releases every running multi of the page and reloads it.
    virtual void clearMultiCollection() {}
    // Switches on the members of a multi button file (full path), as the
    // scheduler's multi events do.
    virtual void executeMultiFile(const QString& path) {}
    // Makes playback 1 current and presses the lowest-numbered MASTER shortcut whose entry is
    // the text, as the program presses it (never recorded into a schedule); false when none holds it.
    virtual bool pressMasterShortcut(const QString& entry) { return false; }
    // Names of the running multi buttons.
    virtual QStringList runningMultis() { return {}; }
    // One beat (tap tempo or the beat detector) for the auto pilot's beats mode.
    virtual void recieveBeat() {}
    // Files the pressed buttons as a multi button of the shown page; false (with a message) when nothing was saved.
    virtual bool saveMultiButtonClicked(const QString& multiName) { return false; }

    // ---- Windows opened from the main window ----
    // Shows the sequence wizard above the others.
    virtual void showSequenceWizard() {}
    // A press from the web remote: shows page `page` (a tab index) and
    // clicks button `button` at its top-left corner.
    virtual void pressWebButton(int16_t button, int16_t page) {}
};

#pragma GCC diagnostic pop
