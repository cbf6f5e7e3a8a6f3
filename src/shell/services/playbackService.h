#pragma once
// What the playback subsystem offers the others: the frame's queries about
// the live playbacks and the facade that drives a playback by its number,
// the refresh tick, and the frame's caption (the console's status line). The
// base answers "no playback": nothing happens, queries give 0, false or "".

#include <utility>
#include <QString>
#include <cstdint>
#include <vector>

// A live playback for the palette window.
struct clsLivePlayback {
    int32_t myPlaybackNumber = 0;
    QString myPlaybackName;
};

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class PlaybackService {
public:
    virtual ~PlaybackService() = default;

    // ---- The frame ----------------------------------------------------------------------
    // Sets the frame's caption (the status line of the console).
    virtual void setFrameCaption(const QString& text) {}
    // Switches the refresh tick on or off (off while interfaces are enumerated).
    virtual void setRefreshTickEnabled(bool on) {}
    // Whether the refresh tick runs.
    virtual bool refreshTickEnabled() const { return false; }
    // Interval of the refresh tick in milliseconds.
    virtual int32_t refreshIntervalMs() const { return 50; }
    // Sets the refresh tick's interval in milliseconds; it takes effect at once.
    virtual void setRefreshIntervalMs(int32_t milliseconds) {}
    // Live playback windows.
    virtual int32_t DocumentCount() const { return 0; }
    // Steps of the playback window in position 1..DocumentCount; 0 outside.
    virtual int32_t maxStepsAtPosition(int32_t position) const { return 0; }
    // Unloads every playback window (the channel count changed).
    virtual void reDimAllPlaybackControls() {}
    // Adds a playback window (forceNumber 0: the next free number).
    virtual void clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible, bool livePlayback) {}
    // Loads a file into playback doc (0: the first free one) and starts it; the playback used, 0 when not loaded.
    virtual int32_t loadSequenceInDoc(int32_t& doc, const QString& sequenceName, bool doNotFadeCurrent, bool crossFade, int32_t sentDimmerValue) { return 0; }

    // ---- Frame queries --------------------------------------------------------------------
    // Playbacks that are running.
    virtual int32_t returnNumberOfPlaybacksActive() const { return 0; }
    // Whether the frame's active child window is a playback window.
    virtual bool playbackWindowActive() const { return false; }
    // Number of the first visible playback; 1 when none.
    virtual int32_t returnFirstPlayback() const { return 1; }
    // Steps of playback theDoc; 0 when none.
    virtual int32_t getMaxSteps(int32_t theDoc) const { return 0; }
    // Steps of playback theDoc into theAmount (left alone when none).
    virtual void giveMeMaxStepsInDoc(int32_t theDoc, int32_t& theAmount) const {}
    // Position of the window with this caption; 1 when none.
    virtual int32_t returnDocNumberWithCaption(const QString& caption) const { return 1; }

    // ---- Scene clipboard ------------------------------------------------------------------
    // A playback copied its step onto the clipboard.
    virtual void sceneCopied(int32_t playbackNumber, int32_t step) {}
    // The times of the step last copied into this playback's current step (0 when nothing was copied).
    virtual void pasteCopiedFadeTimes(int32_t pasteTo) {}
    // Rewrites the trigger text of playback n's sequence file in place.
    virtual void saveUseSequenceFadetimeShort(int32_t playbackNumber) {}

    // ---- Starting, stopping, pausing ---------------------------------------------------------
    // Starts the loaded sequence (fading from the live output with fadeFrom).
    virtual void playLoadedSequence(int32_t playBackNumber, bool fadeFrom, bool autoMode, bool fromStack) {}
    // Stops the sequence where it is.
    virtual void stopLoadedSequence(int32_t playBackNumber) {}
    // Fades the sequence out from the live output.
    virtual void fadeOutSequence(int32_t playBackNumber) {}
    // Ends a running fade-out at once.
    virtual void stopFadeout(int32_t playback) {}
    // Clears the loaded sequence.
    virtual void clearSequenceInChaser(int32_t playBackNumber) {}
    // Clears every live playback.
    virtual void clearAllLivePlaybacks() {}
    // One step forward / back.
    virtual void StepFoward(int32_t playBackNumber) {}
    virtual void stepBackWards(int32_t playBackNumber) {}
    // Pause, for one playback or all.
    virtual void setPause(int32_t theplayback, bool all) {}
    // Toggles the running flag, for one playback or all.
    virtual void setTimerStatus(int32_t theplayback, bool all) {}
    // Trigger mode (1 Auto, 0 Play, 2 Audio), written to the file with save.
    virtual void setChaseMode(int32_t playBackNumber, int32_t chaseMode, bool save) {}
    // Moves to a step.
    virtual void setCurrentStep(int32_t playBackNumber, int32_t theStep) {}
    // Whether the steps wait for GO.
    virtual void setWaitForGO(int32_t playBackNumber, bool theValue) {}

    // ---- Fading from the live output ------------------------------------------------------------
    // Fades from the live output to step fadeTo.
    virtual void fadeFromCurrent(int32_t playBackNumber, int32_t fadeTo) {}
    // The same over crossFadeTime seconds.
    virtual void fadeFromCurrentOverride(int32_t playBackNumber, int32_t fadeTo, float crossFadeTime) {}
    // The crossfade time of the fade from the live output.
    virtual void setCurrentCrossfadeTime(int32_t playBackNumber, float crossFadeTime) {}
    // Whether that crossfade time overrides the step times.
    virtual void setoverRideCrossFadeTimes(int32_t playBackNumber, bool theState) {}
    // The fade-in times of the fade from the live output.
    virtual void setfadeInStatusfadeTimes(float UpTime, float downtime, int32_t theplayback) {}
    // Whether the playback fades in from the live output.
    virtual void setFadeInStatus(int32_t theplayback, bool theStatus) {}

    // ---- Steps, scene data, channel values --------------------------------------------------------
    // Records the live levels as a step (add: a new step).
    virtual void pressRecord(int32_t playBackNumber, bool add) {}
    // The live levels into the current step.
    virtual void updateSceneValues(int32_t theChaser) {}
    virtual void refreshCurrentValues(int32_t theplayback) {}
    // Sizes the playback for maxStepNumber steps.
    virtual void setMaxStepsValue(int32_t forPlaybackNumber, int32_t maxStepNumber) {}
    // Sizes every playback for the present channel count.
    virtual void resizeMyArrays() {}
    // A step's scene name.
    virtual void setSceneName(int32_t playBackNumber, int32_t stepNumber, const QString& scenename) {}
    // One stored level; false when the playback is missing.
    virtual bool recieveChaserValueData(int32_t channel, int32_t stepNumber, int32_t theValue, int32_t chasernumber) { return false; }
    // A step's times from one playback into another's current step.
    virtual void returnFadeTimes(int32_t playBackNumberToCopyFrom, int32_t step, int32_t playBackToPasteTo) {}
    // Scene clipboard: copy, paste, delete, insert before / after.
    virtual void copyscene(int32_t thePlaybackNumber) {}
    virtual void pastescene(int32_t thePlaybackNumber) {}
    virtual void deleteScene(int32_t thePlaybackNumber) {}
    virtual void insertscene(int32_t thePlaybackNumber, bool blackOut) {}
    virtual void insertSceneAfter(int32_t thePlaybackNumber, bool blackOut) {}
    // A live change of a channel in the playback's steps.
    virtual void adjustPlayBackValuesInRealTime(int32_t theplayback, int32_t theChannel, int32_t theValue) {}
    // Every playback that owns the channel shifts it in all its steps.
    virtual void movePanAndTilt(int32_t increment, int32_t channel) {}
    // Rescales the pan/tilt movement of each moving fixture of the playback.
    virtual void scaleSequenceForPlayback(int32_t theplayback) {}

    // ---- Times, dimmer, priority, claims ---------------------------------------------------------
    // Whether the playback uses its sequence's fade times.
    virtual void setUseSequenceFadetime(int32_t playBackNumber, bool valueBool) {}
    // Writes the fade-time choice to the sequence file.
    virtual void saveUseFadetime(int32_t thePlaybackNumber) {}
    // Whether pan/tilt fade with the steps.
    virtual void setUseMotionfade(int32_t playBackNumber, bool theBool) {}
    // The fade-time slider, applied to the steps.
    virtual void setFadeTimeSliderValue(int32_t theplayback, int32_t theValue) {}
    // Every playback's fade time from a tempo.
    virtual void setFadeTime(int32_t bpm) {}
    // The playback dimmer (0..100).
    virtual void setDimmerValue(int32_t theValue, int32_t theplayback) {}
    virtual void setSliderValue(int32_t theplayback, int32_t theValue) {}
    // The grand master changed: every playback rescales.
    virtual void adjustGranmaster() {}
    // The playback's priority (1..10), re-claiming its channels with Refresh.
    virtual void setPlaybackPriority(int32_t theplayback, int32_t priority, bool Refresh) {}
    // Re-claims the playback's channels.
    virtual void refreshPlaybackChannels(int32_t thePlaybackNumber) {}
    // Re-claims for every playback that has this sequence loaded.
    virtual void refreshPlaybackUsingSequence(const QString& sequenceName) {}
    // Re-claims for every visible playback.
    virtual void refreshVisiblePlaybacks() {}
    // Re-claims for the playback with this file title; false when none.
    virtual bool refreshAlteredPlayback(const QString& theplayback) { return false; }
    // The mixed colours of the playback's colour fixtures.
    virtual void updatePlaybacksColorMixers(int32_t thePlaybackNumber) {}
    // Blackout of one or every playback.
    virtual void blackOutPlaybacks(int32_t thePlaybackNumber, bool theState, bool allPlaybacks, bool byPassValues, bool bypassSwitch) {}

    // ---- Saving -------------------------------------------------------------------------------------
    // Writes the playback's sequence; true when the file was written.
    virtual bool saveSequence(int32_t playBackNumber, int32_t theplayback, const QString& autoPlay, int32_t saveMode, const QString& theString) { return false; }
    // Saves the playback's sequence under its own name (asking unless DoNotAskMe).
    virtual bool saveTheSequence(int32_t playBackNumber, bool DoNotAskMe) { return false; }
    // Every visible playback saved as "theString n" for a multi button; false when one failed.
    virtual bool saveMultiSequences(const QString& autoPlay, const QString& theString) { return false; }

    // ---- Step commands and times from the main window -------------------------------------------------
    // A step's command text (stepNumber 0: the current step).
    virtual void setSceneStringLong(int32_t theplayback, const QString& theString, int32_t stepNumber) {}
    // The main window's time boxes into the current step or all; false when a box is not a number.
    virtual bool SendMefadeTimeFromMain(int32_t theplayback, bool allSteps) { return false; }
    // One main-window time box into every step.
    virtual bool setAllStepsFadeTime(int32_t theplayback, int32_t theTextIndex) { return false; }
    // Fade-time slider one notch up / down.
    virtual void increaseFadeTimeSliderValue(int32_t theplayback) {}
    virtual void decreaseFadeTimeSliderValue(int32_t theplayback) {}
    // One beat for the playbacks on audio trigger.
    virtual void theBeat(bool fromMain) {}

    // ---- Shortcut panels and sound to matrix -------------------------------------------------------------
    // Rebuilds the shortcut panel of one playback or all.
    virtual void refreshShortcuts(int32_t thePlaybackNumber, bool allPlaybacks) {}
    // Marks the panel buttons of sequences that run.
    virtual void checkForActivePlaybacks(int32_t thePlaybackNumber, const QString& theSequence) {}
    // Whether the playback's panel has this shortcut.
    virtual bool checkForShortcut(int32_t thePlaybackNumber, const QString& shortcutName, bool playIfFound) { return false; }
    // Sound to matrix on the playback, off again, and the band levels.
    virtual void startAudioMatrix(const QString& matrixName, int32_t frontColor, int32_t backColor, int32_t eqType, int32_t theplayback) {}
    virtual void stopAudioMatrix(int32_t theplayback) {}
    virtual void sendAudioDataToPlaybacks(const std::vector<int32_t>& theData) {}

    // ---- Live playbacks --------------------------------------------------------------------------------------
    // Records into a live playback.
    virtual void pressRecordInLiveMode(int32_t theplayback) {}
    // Starts a live playback named theString; theplayback receives its number (unchanged when none).
    virtual void setPlaybackAlias(const QString& theString, int32_t& theplayback, const QString& fromPreset) {}
    // The crossfade flag of the live playback named thePlaybackName.
    virtual void setLiveCrossFadeFlag(bool status, const QString& thePlaybackName, float fadeOverRideTime) {}
    // The page crossfader (0..1) drives every playback with this file title.
    virtual void setCrossFade(float position, const QString& thePlaybackName) {}

    // ---- Windows -----------------------------------------------------------------------------------------------
    // Shows / hides the playback's window.
    virtual void showPlayback(int32_t thePlaybackNumber) {}
    virtual void hidePlayback(int32_t thePlaybackNumber) {}
    // Refills the playback window's step grid.
    virtual void updateDisplayData(int32_t playBackNumber) {}
    // The playback's step and times on the main window.
    virtual void UpdateMainDisplay(int32_t thePlaybackNumber) {}
    // Opens the step-command editor, the window's menu, the load dialog.
    virtual void ShowEditCommandDialog(int32_t thePlaybackNumber) {}
    virtual void showPlaybackMenu(int32_t theplayback) {}
    virtual void loadSequence(int32_t playBackNumber) {}
    // The keypad's value into the active playback window's grid (selected row, this column 2..7) and its
    // current step's times; false when no playback window is active or nothing was taken.
    virtual bool enterGridValue(int32_t column, double value) { return false; }

    // ---- Queries ---------------------------------------------------------------------------------------------------
    // Whether the playback runs a chase.
    virtual bool getChaserFlag(int32_t theplayback) const { return false; }
    // The current and next step.
    virtual int32_t returnCurrentStep(int32_t playBackNumber) const { return 0; }
    virtual int32_t thecurrentStep(int32_t theplayback) const { return 0; }
    virtual int32_t theNextStep(int32_t theplayback) const { return 0; }
    // Whether the current step runs on by itself.
    virtual bool getCurrentAutoGo(int32_t theplayback) const { return false; }
    // Whether the playback waits for GO.
    virtual bool returnGoMode(int32_t theplayback) const { return false; }
    // Trigger code: 1 Auto, 3 Play, 2 Audio, 0 none.
    virtual int32_t returnChaseType(int32_t thePlaybackNumber) const { return 0; }
    // Whether the playback is fading out.
    virtual bool returnFadeOutStatus(int32_t thePlaybackNumber) const { return false; }
    // Whether it uses its sequence's fade times.
    virtual bool getSequencefadetimeStatus(int32_t playbackNumber) const { return false; }
    // Whether pan/tilt fade with the steps.
    virtual bool getUseMotionfade(int32_t theplayback) const { return false; }
    // Whether it fades in from the live output.
    virtual bool getFadeInStatus(int32_t theplayback) const { return false; }
    // Whether recording adds after the last step.
    virtual bool getRecordPlusLast(int32_t theplayback) const { return false; }
    // Whether the playback shows its shortcut panel.
    virtual bool checkForShowPlaybackShortcuts(int32_t thePlaybackNumber) const { return false; }
    // The current step's command text.
    virtual QString getSceneStringLong(int32_t theplayback) const { return {}; }
    // The fade-in times of the fade from the live output.
    virtual void getfadeInStatusfadeTimes(float& UpTime, float& downtime, int32_t theplayback) const {}
    // The playback dimmer (0..100) and its intensity factor.
    virtual int32_t getDimmerValue(int32_t theplayback) const { return 0; }
    // The playback's combined dimmer and grand-master factor, 0..1, unrounded; 0 when none.
    virtual float intensityFactor(int32_t theplayback) const { return 0.0f; }
    virtual float getSliderValue(int32_t theplayback) const { return 0.0f; }
    // The playback's priority; 0 when there is no such playback.
    virtual int32_t reportPlayBackPriority(int32_t theplayback) const { return 0; }
    // Whether the playback is blacked out.
    virtual bool reportBlackoutStatus(int32_t theplayback) const { return false; }
    // The loaded sequence's file ("" when none); playBackNumber receives the playback's number.
    virtual QString getCurrentSequence(int32_t theplayback, int32_t& playBackNumber) const { return {}; }
    // A step's scene name.
    virtual QString getSceneName(int32_t playBackNumber, int32_t stepNumber) const { return {}; }
    // One stored level; 0 when none.
    virtual int32_t sendChaserValueFromPlayback(int32_t channel, int32_t stepNumber, int32_t chasernumber) { return 0; }
    // Sum of a channel's levels over the steps.
    virtual int32_t getChaserValueTotal(int32_t channel, int32_t chasernumber) { return 0; }
    // A fixture's pan/tilt centre in the playback.
    virtual void returnXYCenter(int32_t thePlaybackNumber, int32_t fixture, int32_t& x, int32_t& y) const {}
    // Whether a file runs / is loaded; theChaser receives the playback.
    virtual bool returnIfFilenameIsRunning(const QString& theFilename, int32_t& theChaser) const { return false; }
    virtual bool returnIfFilenameIsLoaded(const QString& theFilename, int32_t& theChaser) const { return false; }
    // The playback's alias.
    virtual QString getPlaybackAlias(int32_t theplayback) const { return {}; }
    // Every live playback.
    virtual std::vector<clsLivePlayback> returnLivePlaybacks() const { return {}; }
    // Level of a channel in the current step of the last other visible playback that claimed it; -1 when none (stacked says whether one answered).
    virtual int32_t returnValueforStep1(int32_t theChannel, int32_t callingPlayback, bool& stacked) const { stacked = false; return -1; }

    // The refresh interval set at start-up from the settings text: taken when 1..99 ms, else it stays.
    virtual void applyStartupRefreshRate(const QString& settingsValue) {}
    // The captions of the visible playback windows with their playback numbers, in window order.
    virtual std::vector<std::pair<int32_t, QString>> visiblePlaybackCaptions() const { return {}; }
};

#pragma GCC diagnostic pop
