#pragma once
// What the main window (the programming console) offers the others: its
// displays of the current playback (step, times, progress bars, sliders,
// button colours and captions), its time boxes, the programming lock, the
// caption, and the event loop the window runs. The base is "no main window":
// displays are dropped, boxes read as empty, nothing is locked.

#include <utility>
#include <vector>
#include <QString>
#include <cstdint>
#include <optional>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class MainWindowService {
public:
    virtual ~MainWindowService() = default;

    // ---- Window and event loop ----------------------------------------------------
    // Whether a window event loop runs (pending events can be let through).
    virtual bool hasEventLoop() { return false; }
    // Lets pending window events run once.
    virtual void processPendingEvents() {}
    // One-console mode: the frame has no caption and the status line goes to the top bar.
    virtual bool oneConsole() { return false; }
    // Shows the About box.
    virtual void showAbout() {}
    // The one road out (the top bar's quit, the update checker): the save questions, then the
    // confirmation or the installer hand-over. True when the program ends.
    virtual bool closeProgram(const QString& startNew) { return false; }
    // Sets the main window's caption.
    virtual void setMainCaption(const QString& caption) {}
    // The frame's toolbar (buttons 1..21): whether a button's command can run now, and running it.
    virtual bool toolbarButtonAvailable(int32_t index) { return false; }
    virtual void toolbarButtonClick(int32_t index) {}
    // The caption of the main window's playbacks button (cmdAllPlaybacks).
    virtual void setAllPlaybacksCaption(const QString& caption) {}
    // Re-colours the buttons for the current sequence and answers its name.
    virtual QString returnSequenceNameForCurrentChaser() { return {}; }
    // The operator's name of playback 1..8 (index 0..7); none when the show keeps no names.
    virtual std::optional<QString> playbackNames(int32_t index) { return std::nullopt; }

    // ---- Current playback displays ---------------------------------------------------
    // The follow progress bar (percent).
    virtual void mainFollowProgress(int32_t percent) {}
    // The step label ("3:10", "0") and its colour.
    virtual void mainStepNumber(const QString& text, int32_t colour) {}
    // The playback dimmer slider.
    virtual void mainDimmerSlider(int32_t value) {}
    // The console's fade-time slider set by the control wing's knob.
    virtual void setFadeTimeSlider(int32_t value) {}
    // The pause button colour.
    virtual void mainPauseColour(int32_t colour) {}
    // The auto-follow button colour (0 the step waits for GO, 255 it runs on).
    virtual void mainAutoFollowColour(int32_t colour) {}
    // The blackout button colour.
    virtual void mainBlackOutColour(int32_t colour) {}
    // Captions of the command and tempo buttons.
    virtual void mainCommandCaption(const QString& caption) {}
    virtual void mainBpmCaption(const QString& caption) {}
    // The scene name shown.
    virtual void updateSequenceDetails(const QString& sceneName) {}
    // Progress bar k (0 fade up, 1 fade down, 2 delay up, 3 delay down, 4 follow): its maximum and value.
    virtual void mainProgressMaximum(int32_t bar, float maximum) {}
    virtual void mainProgressValue(int32_t bar, float value) {}
    // The modeless progress window: shown with a maximum, advanced with a label, closed.
    virtual void showProgressWindow(int32_t maximum) { (void)maximum; }
    virtual void advanceProgressWindow(const QString& label) { (void)label; }
    virtual void closeProgressWindow() {}
    // The "  Fade Scenes" box.
    virtual void mainFadeScenes(bool on) {}

    // ---- Time boxes and programming ----------------------------------------------------
    // Whether there is a main window whose six time boxes can be read.
    virtual bool hasFadeTimeBoxes() { return false; }
    // Time box (0 fade up, 1 fade down, 2 delay up, 3 delay down, 4 hold, 5 next scene) as text.
    virtual QString mainFadeTimeText(int32_t box) { return {}; }
    virtual void setMainFadeTimeText(int32_t box, const QString& text) {}
    // The main window's fade-time slider; none without a main window.
    virtual std::optional<int32_t> mainFadeTimeSlider() { return std::nullopt; }
    // True while the operator holds the fade-time slider down.
    virtual bool mouseDownOnFade() { return false; }
    // Whether the programming buttons are enabled; locks them (printing "LOCKED") or unlocks.
    virtual bool mainProgrammingEnabled() { return true; }
    virtual void setMainProgrammingLocked(bool locked) {}
    // The main window's GO of playback button 1..8 (released on a playback window's GO).
    virtual void play(int32_t playbackNumber, bool fromKey) {}
    // The "Clear Current Sequence/ Start New Sequence" question and clear.
    virtual void clearsequence_Click() {}
    // Applies a user mode: "User Only" and "Playback Only" lock the save and programming commands.
    virtual void applyUserMode(const QString& mode) {}


    // Replaces the entries of the "Groups" menu after entry 0 ("Deselect All
    // Groups "): one per group, by group number 1..256, with its caption.
    virtual void setGroupMenu(const std::vector<std::pair<int, QString>>& entries) { (void)entries; }

    virtual QString userMode() { return {}; }                     // "User Only", "Playback Only", ... ; empty = programmer
    // The console's key shortcuts, in the key codes and shift state keyCodes gives.
    virtual void Keyshortcuts(int /*keyCode*/, int /*shift*/) {}
    virtual void keyshortcutsup(int /*keyCode*/, int /*shift*/) {}
    virtual void checkGroupSelected(int /*group*/) {}              // mark the chosen fixture group (0 = none)
    virtual bool canRemoveFixtures() { return false; }             // removal is offered
    virtual void removeSelectedFixtures() {}                       // ask and remove the selected fixtures
    virtual void removeMatrix(const QString& /*matrixName*/) {}   // ask and remove a matrix's fixtures

    // The main window's saving and editing controls (save changes, remove matrix, remove fixtures).
    virtual void setProgrammingControlsEnabled(bool enabled) {}
};

#pragma GCC diagnostic pop
