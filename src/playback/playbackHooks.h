#pragma once
// Calls from a playback up into the subsystems built after it (masters,
// console, shortcuts, scheduler, audio, effects) and across to the frame.
// One set per shell (shell().engine<PlaybackHooks>()); each later subsystem
// fills its own entries when it starts. An unset entry answers as "nothing
// there": grand master at full, no current-playback display, no recorder.

#include <QString>
#include <cstdint>
#include <functional>

struct PlaybackHooks {
    // ---- The frame (set by the playback frame) --------------------------------
    // Interval of the refresh tick in milliseconds; 50 when unset.
    std::function<int32_t()> refreshIntervalMs;
    // Level of a channel in the current step of the last other visible playback
    // that claimed it, walking from the last window to the first; -1 when none.
    // stacked is set true with an answer, false when a window answers -1.
    std::function<int32_t(int32_t channel, int32_t callingPlayback, bool& stacked)> returnValueforStep1;
    // Number of the first visible playback; 1 when none.
    std::function<int32_t()> returnFirstPlayback;
    // Rewrites the trigger text of a sequence file in place (save = true of setAutoTrigger).
    std::function<void(int32_t playbackNumber)> saveUseSequenceFadetimeShort;

    // ---- Master faders ------------------------------------------------------------
    // Grand master level 0..100; 100 when unset.
    std::function<int32_t()> grandMaster;
    // Remembers a step's level per channel in the playback faders and the grand
    // master window (called for every channel at each step change).
    std::function<void(int16_t value, int32_t channel)> submasterSetMyValuemem;
    std::function<void(int16_t value, int32_t channel)> masterFaderSetMyValuemem;

    // ---- Main window ----------------------------------------------------------------
    // The follow progress bar (percent) of the current playback.
    std::function<void(int32_t percent)> mainFollowProgress;
    // The main window's step label ("3:10", "0") and its colour.
    std::function<void(const QString& text, int32_t colour)> mainStepNumber;
    // The main window's playback dimmer slider.
    std::function<void(int32_t value)> mainDimmerSlider;
    // The main window's pause button colour.
    std::function<void(int32_t colour)> mainPauseColour;
    // The main window's grand blackout state.
    std::function<bool()> returnGrandBlackoutState;
    // The main window's six time boxes (0 fade up, 1 fade down, 2 delay up,
    // 3 delay down, 4 hold time, 5 next scene): read and written as text.
    // With no reader there is no main window: its times are not taken.
    std::function<QString(int32_t box)> mainFadeTimeText;
    std::function<void(int32_t box, const QString& text)> setMainFadeTimeText;
    // True while the operator holds the main window's fade-time slider down.
    std::function<bool()> mouseDownOnFade;
    // The main window's auto-follow button colour (0 the step waits for GO, 255 it runs on).
    std::function<void(int32_t colour)> mainAutoFollowColour;
    // Whether the main window's programming buttons are enabled; locks
    // (disables, prints "LOCKED") or unlocks them.
    std::function<bool()> mainProgrammingEnabled;
    std::function<void(bool locked)> setMainProgrammingLocked;
    // Captions of the main window's command and tempo buttons.
    std::function<void(const QString& caption)> mainCommandCaption;
    std::function<void(const QString& caption)> mainBpmCaption;
    // The scene name shown on the main window.
    std::function<void(const QString& sceneName)> updateSequenceDetails;
    // Main window progress bar k (0 fade up, 1 fade down, 2 delay up, 3 delay
    // down, 4 follow): its maximum and its value.
    std::function<void(int32_t bar, float maximum)> mainProgressMaximum;
    std::function<void(int32_t bar, float value)> mainProgressValue;
    // The main window's blackout button colour.
    std::function<void(int32_t colour)> mainBlackOutColour;

    // ---- Scene clipboard (set by the playback frame) -----------------------------------
    // A playback copied its step onto the clipboard.
    std::function<void(int32_t playbackNumber, int32_t step)> sceneCopied;
    // The times of the step last copied go into this playback's current step
    // (all 0 when nothing was copied).
    std::function<void(int32_t pasteTo)> pasteCopiedFadeTimes;

    // ---- Preset engine of the main window -------------------------------------------
    // Preset events follow their steps when steps move; a deleted step's go.
    std::function<void(int32_t fromStep, int32_t toStep)> changeMyStepNumber;
    std::function<void(int32_t step, bool allPages)> removeEventIfInCurrentStep;

    // ---- Palette window --------------------------------------------------------------
    // Marks the presets that the current step uses.
    std::function<void()> updateCurrentActivePalettePreset;

    // ---- Control wing ----------------------------------------------------------------
    std::function<void(const QString& name, bool on)> switchWingButton;
    // A control wing is attached; a note-off to it (status byte, note, velocity).
    std::function<bool()> controlWingAttached;
    std::function<void(int32_t status, int32_t note, int32_t velocity)> sendWingNoteOff;
    // Main window's "Clear Current Sequence/ Start New Sequence" question and clear.
    std::function<void()> clearsequence_Click;

    // ---- Shortcut pages -------------------------------------------------------------
    // The "Global" tempo option of the button pages is selected.
    std::function<bool()> globalTempoSelected;
    std::function<void(bool)> doneWithFade;
    std::function<void(const QString& sequenceFile, int32_t percent)> updateFadeOutText;

    // ---- Scheduler --------------------------------------------------------------------
    // True while the scheduler records operator actions.
    std::function<bool()> schedulerRecording;
    std::function<void(const QString& eventToExecute, const QString& eventType)> recordEvent;
    // Runs a step command.
    std::function<void(const QString& command, int32_t playbackNumber, const QString& sequenceFile)> readAndExecuteEventString;

    // ---- Effects ------------------------------------------------------------------------
    // True while the FX tool drags its shape's centre or resizes its shape.
    std::function<bool()> shapeGeneratorBusy;

    // ---- Audio ---------------------------------------------------------------------------
    // One beat tap of a playback's tap-tempo keeper; answers the averaged tempo
    // (never below 1).
    std::function<int32_t(int32_t playbackNumber)> beatPressed;
    // The beat detector's present tempo in beats per minute; unset: none (0).
    std::function<double()> beatDetectorBpm;
    // Resets a playback's tempo keeper to a tempo.
    std::function<void(int32_t playbackNumber, int32_t bpm)> resetBpmTimer;
};

// The hooks of the installed shell.
PlaybackHooks& playbackHooks();
