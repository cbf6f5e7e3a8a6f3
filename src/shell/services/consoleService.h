#pragma once
// What the main window's programming console offers the others: movement
// shapes and the fixture clipboard for the main window's menus, the palette
// window and the FX tool. The base is "no console": nothing is saved or
// loaded.

#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class ConsoleService {
public:
    virtual ~ConsoleService() = default;

    // ---- Movement shapes -----------------------------------------------------------------
    // Saves the first selected fixture's movement as Shapes\<name>.YSH (empty: ask); true when written.
    virtual bool saveCurrentShapeFunction(const QString& filenameToSave) { return false; }
    // Loads a shape file into the current playback for the selected fixtures; true when loaded.
    virtual bool ShapeGenerator(bool append, const QString& fileNameToOpen, int32_t theXSize, int32_t theYSize,
                                int32_t theCenterX, int32_t theCenterY) { return false; }
    // The DMX-pilot shift settings the last loaded shape carried.
    virtual int32_t dmxPilotShiftSteps() const { return 0; }
    virtual int32_t dmxPilotGroupSize() const { return 0; }

    // ---- Run controls over the current playback ---------------------------------------------
    // GO (every playback 1..8 with the lock latched) and its step display; fromChaser starts the current playback.
    virtual void play(int32_t chaserToPlay, bool fromChaser) {}
    // Button 1 stops the current playback (fromChase) and frees its unheld channels; 2 refreshes the pause tooltip.
    virtual void stopchase(int32_t button, bool fromChase) {}
    // The release button (STOP) pressed with a mouse button (1 left, 2 right): the current
    // playback, or every running one with the all-playbacks switch down; the left button
    // also stops a running schedule.
    virtual void BT_OFf_MouseDown(int32_t button) {}
    // 0 NEW Playback, 1 Clear Current PB, 2 CLEAR ALL (locked playbacks stay).
    virtual void cmdCreateNew_Click(int32_t index) {}
    // "3 - Intro", the alias or "Programmer - 3"; empty with no console.
    virtual QString returnSequenceNameForCurrentChaser() { return {}; }
    // Selects the fixtures the current playback controls.
    virtual void selectCurrentChaserActiveFixtures() {}

    // ---- Recording ------------------------------------------------------------------------------
    // Record over the current step / record into a new step after it.
    virtual void bt_store_Click() {}
    virtual void cmdRecordAndAddScene_Click() {}
    // A live change happened: re-records the current step of a static scene.
    virtual void autoRecord() {}
    // Insert a step (or a blackout step) at the current position; remove the current step.
    virtual void insertscene_Click() {}
    virtual void clkInsertBlackoutScene_Click() {}
    virtual void removescene_Click() {}

    // ---- Fade time ---------------------------------------------------------------------------
    // Moves the fade-time slider as if dragged and ticks the override.
    virtual void setFadeTimeSlider(int32_t theValue) {}
    // Ticks or clears the "FADETIME Overide" box.
    virtual void setUseFadetime(bool ticked) {}
    // True while the operator holds the fade-time slider.
    virtual bool mouseDownOnFade() const { return false; }
    // A time typed on the keypad for the main window's time box (0..5).
    virtual void timeBoxEntry(int32_t box, double value) {}

    // ---- Sequences ---------------------------------------------------------------------------
    // Regenerates every sequence of the MASTER table from its preset events (asks first).
    virtual void clkRefreshSequences_Click() {}
    // "Save Sequence": an empty current playback first records a step, then the save dialog opens.
    virtual void SaveSeq_Click() {}

    // ---- Keys and the control wing ------------------------------------------------------------
    // The console's global keys, down and up (shift: 1 Shift, 2 Ctrl, 4 Alt).
    virtual void Keyshortcuts(int32_t keyCode, int32_t shift) {}
    virtual void keyshortcutsup(int32_t keyCode, int32_t shift) {}
    // A control-wing note (texts: note, channel code, velocity); true when the console handled it.
    virtual bool recieveMidiNote(const QString& theNote, const QString& theChannel, const QString& velocity) { return false; }

    // ---- Scene and fixture clipboard ---------------------------------------------------------
    // Copy / paste the current playback's current step.
    virtual void copyscene_Click() {}
    virtual void pastescene_Click() {}
    // The current fixture's live levels, or its levels in every step, onto the clipboard.
    virtual void copyfixturescene_Click() {}
    virtual void copyfixturesequence_Click() {}
    // Pastes into the current fixture (same profile only), with or without pan and tilt.
    virtual void pastefixturescene_Click() {}
    virtual void pastefixscenewopanandtilt_Click() {}
    virtual void pastefixturesequence_Click() {}
    virtual void pastefixseqwopanandtilt_Click() {}
};

#pragma GCC diagnostic pop
