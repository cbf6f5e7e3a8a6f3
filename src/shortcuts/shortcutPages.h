#pragma once
// The engine of the shortcut page window (frmSequenceShortcuts): the page
// tabs of the show, the buttons of the shown page with their places and state
// words, the button groups, moving buttons, page management, button files and
// the sequence data move on re-patch. One per shell:
// shell().engine<ShortcutPages>(). The window mirrors it (onChanged) and
// hands it the operator's input; all sizes and positions are twips.

#include "platform/tickTimer.h"
#include "shortcuts/clsSequence.h"
#include "shortcuts/multiButtons.h"
#include "shortcuts/pageSettings.h"
#include "shortcuts/shortcutFiles.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

// One button control: index 0 is the fixed button, the grid's anchor.
struct PageButton {
    QString name; // ToolTipText
    shortcutFiles::ButtonKind kind = shortcutFiles::ButtonKind::none;
    double top = 0, left = 0;
    QString tag; // state word: "on"/"off", "auto on"/..., "multi on"/..., "timeline on"/...
    bool visible = false;
    bool fading = false;     // released, its sequence fading out ("FADING OUT")
    int32_t fadePercent = 0; // progress of that fade: the bar along the top
    bool locked = false;     // the pressed button's playback is locked (priority 10)
    bool audio = false;      // ... and steps on beats
    bool timer = false;      // an ON time of the daily timers is set (the face's clock mark)
};

class ShortcutPages {
public:
    ShortcutPages();
    ~ShortcutPages();

    // ---- Window geometry (set by the window) ----------------------------------------
    double windowWidth = 12375, windowHeight = 9000;
    double buttonWidth = 1125, buttonHeight = 666;
    double fixedButtonTop = 585;

    // ---- State shared with the window ------------------------------------------------
    QStringList pages;          // page tabs 1..n (index 0 of the list is tab 1)
    int32_t selectedTab = 0;    // tab last selected by a click, 0 none
    QString currentPage;
    int32_t currentPageButtonCount = 0;
    std::vector<PageButton> buttons; // 0..maxButtons
    QString currentButtonName;
    int32_t currentButtonIndex = 0;
    std::vector<pageSettings::GroupRect> groups; // shown groups 1..groupCount
    SequenceCollection shortcutCollection; // pressed sequence buttons of every page
    QStringList runningMultiCollection;    // names of the multi buttons that are on
    QString runningAutoPilotName;
    bool flashButton = false;
    bool restoringButtonStates = false; // the start-up replay runs
    int32_t movingButtonIndex = 0;

    // The window redraws from the engine's state after any change.
    std::function<void()> onChanged;
    // Sends a file to the desktop's trash; true when it went there.
    std::function<bool(const QString& path)> trash;

    // ---- Window start and page tabs --------------------------------------------------
    // The window's load: the show folder (made once when missing while the
    // show file exists), the tabs, page 1, the web remote. False when the show
    // folder is missing and could not be made.
    bool start();
    // Rebuilds the tabs from the page folders; a show without one gets "Page 1"
    // with the files of the show folder copied into it.
    void loadPageButtons();
    // Index below 1 asks for and creates a page; otherwise shows page index.
    void cmdPages_Click(int32_t index);
    // Tab captions: the page name and its own shortcut in parentheses.
    QString tabCaption(int32_t index) const;
    void pressActivePageButton();
    // Clicks the first tab whose caption begins with page (case-sensitive).
    void pressPageButton(const QString& page);
    void refreshCurrentPage();

    // ---- Page loading and states -----------------------------------------------------
    // The full load of a page's buttons; false (with a message) on failure.
    bool loadPageButtonsFromFolder(const QString& page);
    int32_t perRow() const;
    void placeButton(int32_t index, int32_t perRow);
    void refreshPageOnly();
    void updateCurrentPage();
    // The active playback holding this page's <name>.YSQ: one that steps on
    // GO, waits for GO or runs, and is not fading out to clear itself; 0 when none.
    int32_t findPlaybackOfButton(const QString& name) const;
    // 1 plus the number of shown buttons named exactly name.
    int32_t returnNameCount(const QString& name) const;
    // Index of the shown button named name (surrounding blanks ignored); 0 when none.
    int32_t buttonIndex(const QString& name) const;

    // ---- Presses (buttonPress.cpp) ---------------------------------------------------
    // Every press, from the mouse or any other source, ends here. button: 1
    // left, 2 right; shift: the cross-fade flag of the load; x, y: twips
    // inside the 1125-twip face. A height of 500 or less releases the
    // button's group first (400 on multi buttons), more stacks; the page
    // press mode overrides the height. (x, y) in 15..400 x 765..1095 switches
    // a playing button's audio stepping, 750..1080 x 750..1080 its lock.
    void cmdSequence_MouseUp(int32_t index, int32_t button, int32_t shift, float x, float y);
    void dispatch(int32_t index, int32_t button, int32_t shift, float x, float y);
    // A bump button goes on at mouse-down; a left mouse-down starts the hold timer.
    void cmdSequence_MouseDown(int32_t index, int32_t button, int32_t shift, float x, float y);
    void cmdSequence_DblClick(int32_t index);
    // A press from the web remote: shows page tab `page` when another is in
    // view, then clicks button `button` at its top-left corner. Ids that name
    // no tab or no button press nothing (the remote's model may be stale).
    void pressWebButton(int32_t button, int32_t page);
    // Left / Up / Right arrow on a focused button: step back, audio start, step on.
    void cmdSequence_KeyDown(int32_t index, int32_t keyCode);
    // The fixed button: release everything on the page (true) or open the start wizard.
    void releaseAllAndCreateNew(bool release);
    void releaseTimelineButtons();
    void toggleSequenceButton(int32_t index, bool stack, int32_t crossFade);
    // Loads the button's sequence into the first free playback at the dimmer
    // percentage; the playback used, 0 when nothing was loaded.
    int32_t executecmdSequence(int32_t index, int32_t crossFade, int32_t dimmer);
    // Fades out the pressed, active, unlocked buttons of the calling button's
    // group (0: of no group; -1: every group).
    void releaseAllOnPage(int32_t callingIndex);
    void releaseSequenceButton(const clsSequence& s);
    bool isButtonLocked(int32_t index) const;
    bool isButtonAudioMode(int32_t index) const;
    bool isPlaybackFadingOut(int32_t playback) const;
    // Everything released and the pressed, multi and auto-pilot lists emptied.
    void removeAllButtonCollections();
    // The hold timer (100 ms): a press held past its fourth tick starts a
    // move; its first tick after the window's start replays the saved states.
    void buttonTimer_Timer();
    void startButtonTimer();
    void stopButtonTimer();
    TickTimer& holdTimer() { return *buttonTimer; }

    QString mouseDownButtonName;
    int32_t mouseDownButtonIndex = 0;
    bool buttonHeld = false;
    int32_t buttonHeldTicks = 0;
    bool firstLoad = false;      // the start-up replay has run
    float theCurrentY = 0;       // height of the last press after the page mode
    int32_t lastLoadedPlayback = 0;
    QString currentMultiEditing; // the multi the Multi Button Wizard edits
    // The window's side of a press: the button menu at the pointer (with
    // the edit entry's caption and what is enabled), the start wizard.
    struct MenuRequest {
        int32_t index = 0;
        bool editEnabled = false, bumpEnabled = false, bumpChecked = false;
        QString editCaption, midiCaption;
    };
    std::function<void(const MenuRequest&)> showButtonMenu;
    std::function<void()> openStartWizard;

    // ---- Button menu (buttonPress.cpp) -------------------------------------------------
    void clkSaveChangesToButton_Click();
    void cmdEditButton_Click();
    // Starts an off button (or makes a playing one current) for the fade-time dialog.
    void clkAdjustFadeInFadeOut_Click();
    void clkRefreshButtonSequecne_Click();
    void clkBumpOption_Click();
    bool isBumpButton(const QString& name) const;

    // ---- States, faces and the replay (buttonStates.cpp) ---------------------------------
    // Sets the state word and stores it per page in the show's shortcutsStatus.ini.
    void setButtonState(int32_t index, const QString& tag);
    void saveButtonLocked(bool locked, int32_t index);
    // Presses again every button that was on, page by page, once.
    void startUpSequencesFromIniFile();
    void replayButtonStates();
    // The lock and audio marks of a pressed button.
    void setOnPicture(int32_t index);
    // The face of a button: "FADING OUT" while fading; the wing lamp follows the state.
    void paintButtonFace(int32_t index, bool fading);
    // A playback ended its fade-out: the page is derived again, at most once
    // in 0.8 s; a refresh owed is paid by checkDoneWithFadeDelay.
    void doneWithFade(bool byPass);
    void checkDoneWithFadeDelay();
    // The page tabs that hold a pressed button.
    void markPlayingPages();
    std::vector<bool> playingTabs; // by tab index 1..pages (0 unused)

    // ---- Page press mode and groups (buttonGroups.cpp) ---------------------------------------
    QString pageMode; // "Release", "Stack", "Default"; empty until a page stored one
    QString pageModeCaption() const;
    void cmdLockorStack_Click();
    void loadPageMode();
    void savePageMode();
    std::vector<int32_t> groupCursor;     // 1..pageGroupCount: index of the group's GO button
    std::vector<int32_t> lastChosenInGroup = std::vector<int32_t>(51, 0);
    std::vector<int32_t> groupDimmer = std::vector<int32_t>(pageSettings::maxGroups + 1, 100); // 0 hidden: 100
    int32_t pageGroupCount() const { return int32_t(groups.size()); }
    int32_t returnButtonIndexForGroup(int32_t group) const;
    QString highlightNextButtonInGroup(int32_t group);
    QString highlightPreviousButtonInGroup(int32_t group);
    void highlightFirstButtonOfGroups(int32_t group, int32_t index);
    void pressGoFromSubmaster(int32_t group, int32_t crossFade, float overRideTime);
    void goOfGroup(int32_t group, int32_t crossFade, float overRideTime);
    // The cursor's neighbour in its row, direction 1 right / -1 left, at least
    // one width and less than reach widths away; 0 when none.
    int32_t rowNeighbour(int32_t group, int32_t direction, double reach);
    void sldrDimmer_Scroll(int32_t group);
    void adjustCurrentPageGroup(int32_t group, int32_t value);
    int32_t getGroupSubMaster(int32_t group);
    void saveGroupSubMaster(int32_t group);
    // The stored group of a button name on the first page, in tab order, that groups it.
    int32_t findGroupOfButton(const QString& name) const;
    // The stored level of the reference's group on its page; 100 for none or on a bad value.
    int32_t readButtonGroupDimmer(const clsSequence& s) const;

    // Every pressed sequence button's playback re-claims its channels; the
    // wing's group lamps light.
    void refreshCurrentlyPlaying();
    void updateFadeOutText(const QString& sequenceFile, int32_t percent);

    // ---- Positions and moving ----------------------------------------------------------
    // Saves a button's position and group; an empty name saves the current button.
    void savePosition(const QString& name, float x, float y);
    void saveNewButtonPosition(const QString& name, bool overRide);
    void setFlashButton();
    void endFlash();
    void saveButtonGroupsOfPage();
    void cmdReset_Click();
    bool hasLeftNeighbour(int32_t index) const;
    int32_t buttonAtSamePosition(int32_t index) const;
    void clkMoveButton_Click();
    // The pointer (twips) while a button moves; coarse is Shift alone.
    void followMove(float x, float y, bool coarse);
    void dropMove();

    // ---- Groups --------------------------------------------------------------------------
    void loadPageGroups();
    void hideAllGroups();
    int32_t groupAtPoint(float x, float y) const { return pageSettings::groupAtPoint(groups, x, y); }
    // Adds a group (false with the limit message at ten).
    bool createGroup(const pageSettings::GroupRect& rect);
    void deleteGroup(int32_t group);
    void renameGroup(int32_t group);
    void recolourGroup(int32_t group);

    // ---- Page management (the page menu) -------------------------------------------------
    void clkDuplicatePage_Click();
    void clkRenamePage_Click();
    void deleteCurrentPage();
    void deleteAllPages();

    // ---- Button files (the button menu and the copy / move dialog) -------------------------
    void clkDeleteShortcut_Click();
    void clkRenameShortcut_Click();
    // Copies the button name of sourcePage to targetPage and asks whether to
    // delete the source; true when a copy was made.
    bool copyMoveButton(const QString& sourcePage, const QString& name, const QString& targetPage);

    // ---- Multi buttons ----------------------------------------------------------------
    // The members of the multi being saved, run or loaded, in order.
    std::vector<SequenceRef> multiMembers;
    QString currentMultiName;
    // The steps of the auto pilot being built or loaded.
    std::vector<SequenceRef> autoPilotSteps;
    bool autoPilotBuilding = false;
    bool insertStepPending = false;
    int32_t selectedStepRow = -1; // the step list's selected row
    bool beatsMode = true;        // the auto-pilot panel's interval mode
    QString txtBeats = QStringLiteral("32"), txtTime = QStringLiteral("1");

    // ---- Auto pilot (autoPilot.cpp) -------------------------------------------------------
    // The Start tool: "Start", "Stop" (running) or "Save Changes".
    QString startCaption = QStringLiteral("Start");
    bool autoPilotRunning = false;
    int32_t currentStep = 0; // from 1; 0 before the first step
    int32_t beatCount = 0;
    // Reads the auto-pilot file of button index into the steps and starts stepping.
    bool loadAutoPilotButton(int32_t index);
    void switchAutoPilotOff();
    // Presses a step's button (0: the step after the current one).
    void pressNextAutoPilotStep(int32_t step);
    // One beat (tap tempo or the beat detector): in beats mode it can move the auto pilot on.
    void recieveBeat();
    void cmdStart_Click();
    // The lapse tick (250 ms, 1000 ms once a beat moved the auto pilot on).
    void tmrLapse_Timer();
    void setIntervalMode(bool isTime);
    void storeStepInterval(bool isTime);
    // The panel's up-down arrows (direction 1 up, -1 down): minutes by 1
    // within 0..10 or beats by 16 within 0..5000, that mode selected and the
    // current step given the new wait.
    void stepIntervalBox(bool isTime, int32_t direction);
    // A box's text stepped as those arrows step it.
    static QString steppedInterval(const QString& text, bool isTime, int32_t direction);
    void removeAutoPilotStep(int32_t step);
    TickTimer& lapseTimer() { return *tmrLapse; }
    // The step list's lines: "<name>  Release: True".
    QStringList stepLines() const;
    // Loads a multi (or auto-pilot) file: button index of the shown page, or
    // the full path withName; false when it cannot be read.
    bool loadMultiButton(int32_t index, const QString& withName);
    // Switches the loaded multi's members on (at the group's level) or off.
    void executeMulti(bool turnOn);
    void switchMulti(bool turnOn);
    void releaseAllMultiOnPage(int32_t callingIndex, bool all);
    // The members of the shown page's multi of that name; empty when none.
    std::vector<SequenceRef> returnMultiCollection(const QString& name);
    void clearMultiCollection();
    // Files the pressed buttons as the multi name (no extension) of the shown page.
    bool saveMultiButtonClicked(const QString& name);
    // Writes the auto-pilot steps as name (no extension); overWrite saves a loaded one back.
    bool saveAutoDMXPilot(const QString& name, bool overWrite);
    void createNewAutoPilot(bool on);
    void recordPressForBuilder(int32_t index, int32_t stack);
    void setMultiCollectionToNothing();
    // Appends a member by its sequence name (no page: it lies in the show folder).
    void addToMultiCollection(const QString& theName);
    // Writes the members as the multi button name (no extension) of the shown
    // page; hidden marks members saved from all playbacks. The new button
    // gets a position and flashes. False, with a message, when the name cannot
    // be a button or the file cannot be written.
    bool saveMultiButton(const QString& name, bool isNewHiddenMultiType);

    // ---- Daily button timers (buttonTimers.cpp) -------------------------------------------
    // Looks the present minute up in the show's timers and carries out a due
    // action once (from the refresh tick, every 26th tick).
    void checkTimers();
    // Brings the button of the page (its tab clicked first) into the asked
    // state with a left press; nothing when it is there already.
    void switchTimedButton(const QString& page, const QString& button, bool on, const QDateTime& at);
    bool returnIfTimerIsActive(const QString& button, const QString& page) const;

    // ---- Re-patch ------------------------------------------------------------------------
    void moveSequenceData(int32_t oldStart, int32_t newStart, int32_t oldEnd, int32_t newEnd, int32_t activeUniverse);

private:
    void changed();
    void hideButtons();
    void registerPressedButton(const SequenceRef& s, const QString& name);
    QString sequenceRelative(const QString& page, const QString& name) const;
    void paintRunning(int32_t index, bool running);
    void addBuilderStep(const QString& name, bool release, int32_t position);
    void pressMulti(int32_t index);
    void pressAutoPilot(int32_t index);
    void pressTimeline(int32_t index);
    void pressSequence(int32_t index, int32_t shift, float x, float y, int32_t playback);
    void stopLongPress();
    bool pressedFor(const QString& page, int32_t index) const;
    void wingLamp(int32_t index);
    std::unique_ptr<TickTimer> buttonTimer;
    std::unique_ptr<TickTimer> tmrLapse;
    QString lastTimerAction; // action, page, button and minute of the last timed press
    int64_t stepStartMs = 0; // monotonic: a wait never breaks however long the console runs
    int64_t lastFadeDoneMs = -1000000;
    bool fadeDoneDeferred = false;
    bool deleteButtonFiles(const QString& page, const QString& name, shortcutFiles::ButtonKind kind);
    QString freeCopyName(const QString& page, const QString& name) const;
    bool copyButtonFiles(const QString& sourcePage, const QString& sourceName, const QString& targetPage,
                         const QString& targetName, shortcutFiles::ButtonKind kind);
    float movingButtonTop = 0, movingButtonLeft = 0;
    double currentRowTop = 0;
};
