#pragma once
// The engine of one playback: the state of its loaded sequence and every
// operation on it that does not need a widget — the per-tick step and fade
// work, fade from the live output and fade out, the transport and trigger
// modes, the playback dimmer and the grand master, the channel claims. The
// playback window (frmPlayBackControl) owns one and mirrors its state; the
// frame addresses it by myPlaybackNumber. Loading and saving a sequence file
// live in sequenceFile.h and fill this state.
//
// Shared arrays come from shell().state; calls into other subsystems go
// through their services (src/shell/services/); the window that shows the
// playback attaches itself as its PlaybackView.

#include "playback/playbackState.h"
#include "playback/playbackViews.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

struct ChannelModel;

class PlaybackEngine {
public:
    ~PlaybackEngine();
    PlaybackEngine();

    PlaybackState state;

    // The window that shows this playback; none: nothing is shown.
    void setView(PlaybackView* v) { attachedView = v; }
    PlaybackView& view() { return attachedView ? *attachedView : noView; }
    bool hasView() const { return attachedView != nullptr; }
    // What holds this playback (the frame's slot); none: it is not shown.
    void setHost(PlaybackHost* h) { attachedHost = h; }

    // ---- Identity --------------------------------------------------------------
    int32_t myPlaybackNumber() const { return state.myPlaybackNumber; }
    // Sets the number, isDeskPlayback/deskRow (1..8 desk rows, else row 1)
    // and the fade-time slider to 1000.
    void setMyPlayBackNumber(int32_t number);
    void setPriority(int32_t priority);
    int32_t returnMyPlayBackPriority() const { return state.myPriority; }

    // ---- Sizing ---------------------------------------------------------------------
    // Grows the caller's stepCount by 5 and sizes every table to it (channels
    // to totalChannels); records a first scene when the playback has no steps.
    void reDimForStepCount(int32_t count, int32_t& stepCount);
    // stepCount := steps, then reDimForStepCount (steps comes back + 5).
    void setMaxSequenceSteps(int32_t& steps);
    // Sizes the tables for the current channel count without touching steps.
    void ensureChannelCapacity();

    // ---- Step and fade engine ------------------------------------------------------
    // One refresh tick; nothing unless running and not in a manual crossfade.
    void tmrPlayBackEvent_Timer();
    // The current step's times in ticks and the increments toward nextStep.
    void calculateStepFadeValues();
    // Moves to the next step; skipLevels leaves output and levels alone.
    void advanceToNextStep(bool skipLevels);
    // Truncation toward zero.
    static float roundDown(float dblValue);
    // (grand master / 100) x (dimmer / 100) as a 32-bit float.
    float computeIntensityFactor() const;

    // ---- Fade from current and fade out ----------------------------------------------
    void fadeFromCurrent(int32_t stepToFadeTo, bool realFade, int32_t thecurrentStep);
    void fadeFromCurrentOveride(int32_t stepToFadeTo);
    void fadeOutFromCurrent(bool& realFade, int32_t thecurrentStep);
    // Ends a running fade-out at once: Clear, clear the sequence, hide.
    void stopFadeout();
    void setFadeStatus(bool theStatus) { state.fadeFromCurrentScene = theStatus; }
    void setManualCrossfade(bool theStatus);

    // ---- Transport and trigger mode ---------------------------------------------------
    void cmdGo_Click();
    void cmdBack_Click();
    void cmdFoward_Click();
    void cmdPause_Click();
    void cmdClear_Click();
    // The window unloads: the playback stops and lets go of its channel
    // levels, with none of Clear's displays or recorded stop event.
    void unloadWindow();
    void setWaitForGO(bool theValue);
    void cmbBeatSync_Click();
    void clearLoadedSequence();
    // Window menu: "Stop" and "Clear Current Sequence/ Start New Sequence".
    void clkStop_Click() { cmdClear_Click(); }
    void clkStartnewSequence_Click();
    // "Hide Playback Control": stops, frees the playback's channels, clears
    // and hides the window (which stays loaded for reuse).
    void clkClosePlaybackControl_Click();
    // Darkens the control wing's strip indicators (the strips' pause buttons).
    void turnOffWingIndicators();
    void clearsequence();
    // Gives up every owned channel that is not held (owner 0, output 0, 128
    // for "pan"/"tilt").
    void releasePlaybackChannels();
    bool getTimerStatus() const { return state.isRunning; }
    bool timerRunning() const { return state.isRunning; }
    // Toggles the running flag (Pause).
    void setTimerStatus();
    // Trigger option clicked (0 Auto, 1 Play, 2 Audio).
    void optMode_Click(int32_t index);
    // Codes set: 1 Auto, 0 Play, 2 Audio; any other changes nothing.
    void setTriggerType(int32_t theType);
    // Codes reported: 1 Auto, 3 Play, 2 Audio, 0 none.
    int32_t getTriggerType() const;
    void setAutoTrigger(int32_t triggerNumber, bool save);
    void setUseSequenceFadetime(bool theBool);
    bool getUseSequenceFadetime() const { return state.useSequenceFadeTime; }
    // Sets the fade-time slider and applies it as the steps' fade times.
    void setFadeTimeSliderValue(int32_t theValue);
    void vsliderFadeTime_Scroll();
    void setFadeTimeSlider(int32_t bpm);

    // ---- Dimmer and grand master -------------------------------------------------------
    void setTheSliderValue(int32_t theValue);
    void changeDimmerValue(int32_t theValue);
    void sliderDimmer_Scroll();
    void changeGrandMaster();
    int16_t getDimmerValue() const { return state.sliderDimmer; }
    float getSliderValue() const { return state.intensityFactor; }

    // ---- Channel claims -----------------------------------------------------------------
    // Per-step claim while loading or recording step j; returns true when the
    // level was stored.
    bool claimStepChannel(int32_t step, int32_t channel, int32_t level);
    // Mask claim: a mask byte of 255 for the channel; true when taken.
    bool claimMaskChannel(int32_t channel);
    void takeOverHighPriorityChannels();
    void refreshPlaybackChannels();
    void newRefreshPlaybackChannels();
    // Re-claims from the loaded file; falls back to newRefreshPlaybackChannels
    // when the file is missing.
    void oldrefreshPlaybackChannels();
    void releaseMyLoneChannels();
    // Live change of one stored level (palette, presets, wizard).
    void updateChaserValue(int16_t channel, int16_t step, int16_t value, int16_t playback);
    int16_t sendChaserValue(int32_t channel, int32_t stepNumber, int32_t chaser);

    // ---- Recording and queries --------------------------------------------------------
    void recordScene(bool addscene);
    void updateCurrentSceneValues();
    void setCurrentStep(int32_t theStep);
    int32_t returnMyCurrentStep() const { return state.currentStep; }
    int32_t returnMyNextStep() const { return state.nextStep; }
    int32_t getNextStep() const { return state.nextStep; }
    int32_t giveMeMaxStep() const { return state.stepCount; }
    QString returnCurrentSequence(bool overRide) const;
    int32_t returnValueOfStep1(int32_t theChannel) const;
    void setSceneNameForPlayback(int32_t& stepNumber, const QString& sceneName);
    QString getSceneNameForPlayback(int32_t stepNumber) const;
    void giveMeFadeTimes(int32_t forStep, float& up, float& down, float& delayUp, float& delayDown, float& follow) const;
    void setMyFadeTimes(int32_t step, float up, float down, float delayUp, float delayDown, float follow);
    QString stepCommandName(int32_t step) const;
    // Grid editing, always of the current step: one edited cell (columns 2..7;
    // the fade times' sequence copies stay) and the whole row read back (cells
    // by column; the fade times also into the sequence copies). False at a
    // cell that is not a number, the cells before it taken over; false,
    // nothing changed, when there is no current step.
    bool updateTimingValues(int32_t colToUpdate, const QString& cellText);
    bool updateValuesForRow(const QStringList& rowCells);
    bool returnCurrentAutoGO() const;
    bool returnMyBlackOutStatus() const { return state.blackoutOff; }

    // ---- Blackout, colour mixers, main-window display ----------------------------------
    // Blacks out (theBlackoutState with forceStartState) or restores the
    // shutter, or else every owned channel but pan/tilt and strobe, of each
    // fixture the playback owns. bypassSwitch re-applies the present state;
    // byPassValues restores without writing levels.
    void blackOutMyControlledShutters(bool forceStartState, bool theBlackoutState, bool byPassValues, bool bypassSwitch);
    // Colour of the playback's blackout button: 0 normal, 16777215 blacked
    // out, 14737632 before the first toggle.
    int32_t cmdBlackOutColour = 0xE0E0E0;
    // The mixed colour of every colour fixture the playback owns, into
    // channelMixedColour.
    void updateColorMixers();
    // The current step's number, times, command and scene name on the main
    // window (current playback only), and the lock of priority 10.
    void showFadetimeOnMain();
    // Ranges of the four progress sliders for the step that just began.
    void refreshFadeProgress();

    // ---- Fade times from the main window and the progress sliders ------------------------
    // The main window's six time boxes into the current step, or into steps
    // 0..stepCount. False when a box is not a number: the boxes before it
    // stay written, the rest are left.
    bool setFadeTimesFromMainDesk(bool allSteps);
    // The same into the current step; a box that is not a number is reported.
    void takeMainDeskTimes();
    // One time box (0..4) into steps 1..stepCount + 1.
    bool setAllFadeValues(int32_t txtIndex);
    // Manual crossfade: v ticks into the fade up / fade down of this step.
    void pbFadeIn_Scroll(int32_t v);
    void pbFadeOut_Scroll(int32_t v);
    // Both fade sliders to position (0..1) x their range, through the drag handlers.
    void setCrossFadeStatus(float position);
    void increaseFadeTimeSliderValue();
    void decreaseFadeTimeSliderValue();
    void recieveTheBeat(bool fromMain);
    // The command of the current step; setting stepNumber 0 writes the
    // current step (recording a first scene when there is none).
    QString getSceneStringLong() const;
    void setSceneStringLong(const QString& theString, int32_t stepNumber);
    bool getRecordPlusLast() const { return state.recordPlusLast; }
    void setRecordPlusLast(bool theBool) { state.recordPlusLast = theBool; }
    bool getShowPlaybackShortcuts() const { return state.showPlaybackShortcuts; }

    // ---- Step editing and single stored values -----------------------------------------
    // The current step onto the program's scene clipboard.
    void clkCopyScene_Click();
    // The clipboard into the current step (step 1 when none), where the
    // priority allows, with the copied step's times; then shows it.
    void clkPasteScene_Click();
    // A new step before the current one (after it with after set), from the
    // live levels or as a blackout of colour and dimmer channels.
    void insertscene(bool after, bool blackOut);
    void clkDeleteScene_Click();
    // Sum of a channel's levels over the steps (100 when it cannot be summed).
    int32_t getChaserValueTotal(int32_t channel, int32_t chaser) const;
    // The channel's present output into every step (running) or its level.
    void adjustChaserValuesInRealTime(int32_t theChannel, int32_t theValue);
    // Shifts a channel in every step by increment, within 0..255.
    void movementMoveChannel(int32_t channel, int32_t increment);
    struct MovementRange {
        int16_t panMax = 0, panMin = 0, tiltMax = 0, tiltMin = 0, panCenter = 0, tiltCenter = 0, panSpan = 0,
                tiltSpan = 0;
    };
    MovementRange getMovementRange(int32_t fixture) const;
    void returnCenter(int32_t fixture, int32_t& x, int32_t& y) const;
    // ---- Window settings ---------------------------------------------------------------------
    // The view mode as stored: "Micro", "Compact", "ViewAll" or "both".
    QString viewModeText() const;
    // Writes the window's section of ylc.ini ("PlayBack " and the number with
    // its sign blank), keys in a fixed order: test, Mode, X (top), Y (left),
    // Visible, ShowShortcuts, Name. Positions in twips.
    void savePlaybackWindowSettings(int32_t topTwips, int32_t leftTwips);
    // ---- Sound to matrix ------------------------------------------------------------------
    // The matrix subsystem drives the pattern while the playback has it switched on.
    void startAudioMatrix(const QString& matrixName, int32_t frontColor, int32_t backColor, int32_t eqType);
    void stopActiveSoundToMatrix();
    bool returnAudioToMatrixStatus() const { return audioToMatrix; }
    void recieveAudioData(const std::vector<int32_t>& theData);

    // ---- Errors ------------------------------------------------------------------------
    // Appends one line to fadeErrorLog.txt in the program folder.
    void logFadeError(const QString& description, const QString& source);

private:
    void showWindow();
    void hideWindow();
    PlaybackView* attachedView = nullptr;
    PlaybackView noView;
    PlaybackHost* attachedHost = nullptr;
    void advanceChannelFades();
    void writeFineChannels();
    void clearValues();
    bool applyDimmerToColourChannels(int32_t fixture);
    void rewriteDimmedChannels();
    // The intensity factor from the grand master and dimmer, applied at once
    // to the owned dimmer and colour channels.
    void applyIntensityFactor();
    void crossfadeDrag(int32_t v, bool rising);
    // A playback that came from a file is marked changed live.
    void markAltered();
    void blackoutChannel(int32_t c, bool checkHold);
    void restoreChannel(int32_t c, bool byPassValues);
    bool audioToMatrix = false;
    void ensureStepSlot(int32_t step);
    // The shared channel model, with this playback's tables sized to it.
    ChannelModel& sizedModel();
    int16_t ownNumber() const { return int16_t(state.myPlaybackNumber); }
    bool isCurrentPlayback() const;
    void displayChanged();
    // The main window's and this window's displays, brought up to date after
    // the tick (at once outside it): what changed is marked, shown once.
    enum class Display { follow, stepNumber, fadeTimes, fadeProgress, fadeOutText, window };
    void markDisplay(Display what, std::function<void()> update);
    void showFadetimeNow();
    void showFadeProgressNow();
    // Shows an error; inside the tick it is logged and reported once instead,
    // as nothing may block there.
    void reportError(const QString& text);
    bool isPanOrTilt(int32_t channel) const;

    // Channels that move in the tick (patched and fading), gathered with the
    // step's increments so that the tick does no text comparisons: those that
    // fall and those that rise (or stay).
    std::vector<int32_t> fallingChannels, risingChannels;
    bool inTick = false;
    bool tickErrorReported = false;
    QString lastLoggedError;
};

// Rounds to the nearest whole number, halves to the even neighbour; values
// beyond the 32-bit range saturate, a value that is not a number gives 0.
int32_t roundHalfEvenWide(double value);
inline int32_t roundHalfEven(double value) {
    // Adding and taking away 1.5 x 2^52 leaves the value rounded to a whole
    // number in the default (half to even) mode, without a library call; the
    // tick does this for every intensity channel.
    constexpr double shifter = 6755399441055744.0;
    if (value > -2147483648.0 && value < 2147483647.0) return int32_t((value + shifter) - shifter);
    return roundHalfEvenWide(value);
}
// Saturates a level for channelOutput.
inline int32_t clampLevel(int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
