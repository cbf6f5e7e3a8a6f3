#pragma once
// The engine of the shortcut page window (frmSequenceShortcuts): the page
// tabs of the show, the buttons of the shown page with their places and state
// words, the button groups, moving buttons, page management, button files and
// the sequence data move on re-patch. One per shell:
// shell().engine<ShortcutPages>(). The window mirrors it (onChanged) and
// hands it the operator's input; all sizes and positions are twips.

#include "shortcuts/multiButtons.h"
#include "shortcuts/pageSettings.h"
#include "shortcuts/shortcutFiles.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

// The descriptor of a pressed button.
struct clsSequence {
    QString myPage;
    int32_t myIndex = 0;
    QString theName;
    QString myButtonGroup;
};

// One button control: index 0 is the fixed button, the grid's anchor.
struct PageButton {
    QString name; // ToolTipText
    shortcutFiles::ButtonKind kind = shortcutFiles::ButtonKind::none;
    double top = 0, left = 0;
    QString tag; // state word: "on"/"off", "auto on"/..., "multi on"/..., "timeline on"/...
    bool visible = false;
    bool fading = false;
};

class ShortcutPages {
public:
    ShortcutPages();

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
    std::map<QString, clsSequence> shortcutCollection;
    QStringList runningMultiCollection;
    QString runningAutoPilotName;
    bool flashButton = false;
    bool restoringButtonStates = false;
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
    // The first playback whose loaded file is this page's <name>.YSQ and that
    // runs; 0 when none.
    int32_t findPlaybackOfButton(const QString& name) const;
    // 1 plus the number of shown buttons named exactly name.
    int32_t returnNameCount(const QString& name) const;
    // Every pressed sequence button's playback re-claims its channels.
    void refreshCurrentlyPlaying();
    // A press on a page button (the least the trigger logic asks: a sequence
    // button loads its sequence on the playback its file names and starts it,
    // a second press fades it out; other kinds are not pressed yet).
    void pressButton(int32_t index);
    void doneWithFade();
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
    // The members of the multi being saved, in the order they were added.
    std::vector<multiButtons::Member> multiMembers;
    void setMultiCollectionToNothing();
    // Appends a member by its sequence name (no page: it lies in the show folder).
    void addToMultiCollection(const QString& theName);
    // Writes the members as the multi button name (no extension) of the shown
    // page; hidden marks members saved from all playbacks. The new button
    // gets a position and flashes. False, with a message, when the name cannot
    // be a button or the file cannot be written.
    bool saveMultiButton(const QString& name, bool isNewHiddenMultiType);

    // ---- Re-patch ------------------------------------------------------------------------
    void moveSequenceData(int32_t oldStart, int32_t newStart, int32_t oldEnd, int32_t newEnd, int32_t activeUniverse);

private:
    void changed();
    void hideButtons();
    void registerPressedButton(const clsSequence& s, const QString& name);
    QString sequenceRelative(const QString& page, const QString& name) const;
    void paintRunning(int32_t index, bool running);
    bool deleteButtonFiles(const QString& page, const QString& name, shortcutFiles::ButtonKind kind);
    QString freeCopyName(const QString& page, const QString& name) const;
    bool copyButtonFiles(const QString& sourcePage, const QString& sourceName, const QString& targetPage,
                         const QString& targetName, shortcutFiles::ButtonKind kind);
    float movingButtonTop = 0, movingButtonLeft = 0;
    double currentRowTop = 0;
};
