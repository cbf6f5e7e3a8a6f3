#pragma once
// What the master faders, submasters and top bar offer the others: the
// grand master and grand blackout, the levels the faders remember per
// channel, the playback fader strips, and the top bar's text and clock. The
// base is "no masters": grand master at full, no blackout.

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class MastersService {
public:
    virtual ~MastersService() = default;

    // Grand master level 0..100.
    virtual int32_t grandMaster() { return 100; }
    // Whether the grand blackout is on.
    virtual bool returnGrandBlackoutState() { return false; }
    // A step's level per channel, remembered by the playback faders and the grand master window.
    virtual void submasterSetMyValuemem(int16_t value, int32_t channel) {}
    virtual void masterFaderSetMyValuemem(int16_t value, int32_t channel) {}
    // A fader strip for a new playback.
    virtual void loadAnotherFader(int32_t number, const QString& alias, const QString& numberText) {}
    // The top bar: clears it and shows text (the status line in one-console mode).
    virtual void showTopBarText(const QString& text) {}
    // The top bar clock.
    virtual void showTime() {}


    // The top bar's programming-mode and playback-mode buttons.
    virtual void cmdProgramingMode_Click() {}
    virtual void cmdPlaybackMode_Click() {}

    virtual void changeButtonColors(const QString& /*layer*/) {} // mark the top bar's button of a view
    virtual void refreshCurrentLayer() {}                      // show the marked view again on the layout
    virtual bool tessalyControlWing() { return false; }        // a hardware control wing is attached

    // Enables or disables the top bar's programming-mode button.
    virtual void setProgramingModeEnabled(bool enabled) {}
    // The top bar's saving and editing controls (buttons 1, 2, 4, 5, 3, 7, "Delete View", the button wizard, group, reset page and button mode buttons).
    virtual void setProgrammingControlsEnabled(bool enabled) {}

    // Toggles the grand blackout (the main window's BlackOut label, toolbar button 21).
    virtual void lblBlackout_Click() {}
    // The top bar's BLACKOUT button (also the console's Delete key).
    virtual void cmdBlackOut_Click() {}
    // The top bar's Master Pause button (also the console's Pause key).
    virtual void cmdMasterPause_Click() {}
    // Sets the grand master fader and applies it to every playback.
    virtual void setGrandMaster(int32_t value) {}
    // Writes the grand master value without applying it (the page window's own slider).
    virtual void setGrandMasterValueOnly(int32_t value) {}
    // True in programming mode and in dual view.
    virtual bool programingMode() { return false; }
    // Whether two monitors are in use for the windows.
    virtual bool getDualMode() { return false; }
    // Caption of the top bar's Group Buttons button.
    virtual void setGroupButtonText(const QString& text) {}
    // The caption of the top bar's page press mode button ("Release Mode", ...).
    virtual void setButtonModeText(const QString& text) {}
    // The page submaster strips of the shown page's button groups.
    virtual void loadNewSubmaster(int32_t index, int32_t colour, const QString& name) {}
    virtual void unloadNewSubmaster(int32_t index) {}
    virtual void showAllSubmasters() {}
    virtual int32_t pageSubmasterCount() { return 0; }
    virtual void setPageSubmasterCount(int32_t count) {}
    virtual void setGroupsCurrrentSequence(int32_t group, const QString& sequence) {}
    virtual void updateNextSequence(int32_t group, const QString& sequence) {}
    virtual void updateCrossFadeTime(int32_t group, float time) {}
    // A group fader's value set by the page's own group slider (0..100).
    virtual void setGroupSubmaster(int32_t group, int32_t value) {}
    // Learned MIDI targets of the strips (the page's learned notes): GO, next, previous, bump.
    virtual void pressStripGo(int32_t group) {}
    virtual void stepStrip(int32_t group, bool forward) {}
    virtual void bumpStrip(int32_t group, bool down) {}
    // The submasters window's BLACKOUT button (learned MIDI note, wing note 119).
    virtual void submastersBlackOut_Click() {}
    // Marks the current playback's fader strip.
    virtual void showActivePlayback(int32_t number) {}
    // Applies playback fader n's present value to playback n's dimmer, as a value set (not dragged) would.
    virtual void applyPlaybackFader(int32_t number) {}
    // Whether playback n has a fader strip.
    virtual bool hasPlaybackFader(int32_t number) { return false; }
    // Moves playback fader n to a percentage as the operator's drag would (0 stops the playback,
    // back up restarts it); nothing when there is no fader n.
    virtual void setPlaybackFader(int32_t number, double percent) {}
    // Opening the windows: the top bar (the frame's load), the page
    // submasters, the playback faders, the master fade-out ("Grand Master").
    virtual void showTopBar() {}
    virtual void showPageSubmasters() {}
    virtual void showPlaybackFaders() {}
    virtual void showMasterFadeOut() {}

    // Shows the grand master window above the others.
    virtual void showGrandMaster() {}
};

#pragma GCC diagnostic pop
