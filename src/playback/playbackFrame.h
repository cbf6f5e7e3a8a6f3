#pragma once
// The engine of the application frame (frmPlayBackManager): the live
// playback windows in creation order, the refresh tick and its fixed order of
// work, the creation and numbering of playbacks, loading a sequence into a
// playback, and the facade through which every other subsystem drives a
// playback by its number. One per shell: shell().engine<PlaybackFrame>().
//
// Lookup rule: an operation on playback n walks the live windows in order;
// "first match" operations act on the first window numbered n, "every match"
// ones on each. A window that unloads leaves the list at once, so the tick
// and the facade never visit it and never skip the windows behind it.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class frmPlayBackControlEngine;
class TickTimer;

// One playback window as the frame sees it: the engine plus what the window
// shows. The widget (frmPlayBackControl) mirrors these.
class PlaybackWindowSlot {
public:
    PlaybackWindowSlot();
    ~PlaybackWindowSlot();
    frmPlayBackControlEngine& engine() { return *engineObject; }
    const frmPlayBackControlEngine& engine() const { return *engineObject; }

    bool visible() const { return isVisible; }
    const QString& caption() const { return captionText; }
    QString Tag;

    // Set by the widget that shows this playback.
    std::function<void(bool visible)> onVisibilityChanged;
    std::function<void(const QString& caption)> onCaptionChanged;
    std::function<void()> onFocus;

private:
    friend class PlaybackFrame;
    std::unique_ptr<frmPlayBackControlEngine> engineObject;
    bool isVisible = false;
    bool unloaded = false;
    QString captionText;
};

// A live playback for the palette window.
struct clsLivePlayback {
    int32_t myPlaybackNumber = 0;
    QString myPlaybackName;
};

// Calls from the frame up into subsystems built after playback. Unset
// entries do nothing (or answer "nothing there").
struct PlaybackFrameHooks {
    // Palette window refreshes.
    std::function<void(bool)> updateDMXValueDisplay;
    std::function<void(bool)> loadAllSelectedFixturePositions;
    // Pixel matrix window.
    std::function<bool()> matrixVisible;
    std::function<QString()> myMatrixName;
    std::function<void(int32_t column, int32_t row, int32_t colour, int32_t step)> drawMatrix;
    // Top bar clock, daily button timers, fade-done check of the button pages.
    std::function<void()> showTime;
    std::function<void()> checkTimers;
    std::function<void()> checkDoneWithFadeDelay;
    // Submaster window: a fader strip for a playback.
    std::function<void(int32_t number, const QString& alias, const QString& numberText)> loadAnotherFader;
    // Button pages and scheduler.
    std::function<bool()> scheduleRunning;
    std::function<void()> refreshPageOnly;
    // The operator's names of playbacks 1..8 (index 0..7).
    std::function<QString(int32_t index)> playbackNames;
    // Main window's "  Fade Scenes" box.
    std::function<void(bool)> mainFadeScenes;
    // Palette window's live mode.
    std::function<bool()> paletteLiveMode;
    // Multi-button wizard's collection of sequences.
    std::function<void()> setMultiCollectionToNothing;
    std::function<void(const QString& theName)> addToMultiCollection;
    // Main window: re-colours its buttons for the current sequence.
    std::function<void()> returnSequenceNameForCurrentChaser;
    // An error of the tick, reported once (status text); never blocks.
    std::function<void(const QString&)> tickErrorReported;
};

class PlaybackFrame {
public:
    PlaybackFrame();
    ~PlaybackFrame();
    PlaybackFrame(const PlaybackFrame&) = delete;
    PlaybackFrame& operator=(const PlaybackFrame&) = delete;

    PlaybackFrameHooks hooks;
    // Set by the frame window: a playback window was created / unloaded.
    std::function<void(PlaybackWindowSlot&)> onWindowCreated;
    std::function<void(PlaybackWindowSlot&)> onWindowUnloaded;

    // ---- Windows ----------------------------------------------------------------------
    int32_t DocumentCount() const { return int32_t(playbackWindows.size()); }
    // The window in position i (1..DocumentCount); null outside.
    PlaybackWindowSlot* slotAt(int32_t i) const;
    // The first window numbered n; null when none.
    PlaybackWindowSlot* findPlayback(int32_t n) const;
    frmPlayBackControlEngine* playback(int32_t n) const;
    void setVisible(PlaybackWindowSlot& w, bool visible);
    void setCaption(PlaybackWindowSlot& w, const QString& caption);
    // The window unloads itself: it leaves the list at once.
    void unloadPlayback(PlaybackWindowSlot& w);

    void clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible, bool livePlayback);
    // Loads a file into playback doc (0: the first free playback, created
    // when none is free) and starts it. Returns the playback used, 0 when the
    // file could not be loaded.
    int32_t loadSequenceInDoc(int32_t& doc, const QString& sequenceName, bool doNotFadeCurrent, bool crossFade,
                              int32_t sentDimmerValue);
    void reDimAllPlaybackControls();

    // ---- Refresh tick ------------------------------------------------------------------
    TickTimer& HiResTimer1() { return *tick; }
    void HiResTimer1_Timer();
    // The interval set at start-up: the settings value when 1..99, else 33.
    void applyStartupRefreshRate(const QString& settingsValue);
    int32_t refreshIntervalMs() const;
    // Errors the tick has reported (each once).
    const std::vector<QString>& tickErrors() const { return reportedTickErrors; }

    // The scene clipboard's origin.
    int32_t sceneMemoryBelongsToPlayBackNumber = 0;
    int32_t sceneCopiedFrom = 0;

    // ---- Frame queries ---------------------------------------------------------------
    int32_t returnNumberOfPlaybacksActive() const;
    int32_t returnFirstPlayback() const;
    int32_t getMaxSteps(int32_t theDoc) const;
    void giveMeMaxStepsInDoc(int32_t theDoc, int32_t& theAmount) const;
    int32_t returnDocNumberWithCaption(const QString& caption) const;

    // ---- Facade: starting, stopping, pausing ------------------------------------------
    void playLoadedSequence(int32_t playBackNumber, bool fadeFrom, bool autoMode, bool fromStack);
    void stopLoadedSequence(int32_t playBackNumber);
    void fadeOutSequence(int32_t playBackNumber);
    void stopFadeout(int32_t playback);
    void clearSequenceInChaser(int32_t playBackNumber);
    void clearAllLivePlaybacks();
    void StepFoward(int32_t playBackNumber);
    void stepBackWards(int32_t playBackNumber);
    void setPause(int32_t theplayback, bool all);
    void setTimerStatus(int32_t theplayback, bool all);
    void setChaseMode(int32_t playBackNumber, int32_t chaseMode, bool save);
    void setCurrentStep(int32_t playBackNumber, int32_t theStep);
    void setWaitForGO(int32_t playBackNumber, bool theValue);

    // ---- Facade: fading from the live output ---------------------------------------------
    void fadeFromCurrent(int32_t playBackNumber, int32_t fadeTo);
    void fadeFromCurrentOverride(int32_t playBackNumber, int32_t fadeTo, float crossFadeTime);
    void setCurrentCrossfadeTime(int32_t playBackNumber, float crossFadeTime);
    void setoverRideCrossFadeTimes(int32_t playBackNumber, bool theState);
    void setfadeInStatusfadeTimes(float UpTime, float downtime, int32_t theplayback);
    void setFadeInStatus(int32_t theplayback, bool theStatus);

    // ---- Facade: steps, scene data, channel values -----------------------------------------
    void pressRecord(int32_t playBackNumber, bool add);
    void updateSceneValues(int32_t theChaser);
    void refreshCurrentValues(int32_t theplayback) { updateSceneValues(theplayback); }
    void setMaxStepsValue(int32_t forPlaybackNumber, int32_t maxStepNumber);
    void resizeMyArrays();
    void setSceneName(int32_t playBackNumber, int32_t stepNumber, const QString& scenename);
    bool recieveChaserValueData(int32_t channel, int32_t stepNumber, int32_t theValue, int32_t chasernumber);
    void returnFadeTimes(int32_t playBackNumberToCopyFrom, int32_t step, int32_t playBackToPasteTo);
    void copyscene(int32_t thePlaybackNumber);
    void pastescene(int32_t thePlaybackNumber);
    void deleteScene(int32_t thePlaybackNumber);
    void insertscene(int32_t thePlaybackNumber, bool blackOut);
    void insertSceneAfter(int32_t thePlaybackNumber, bool blackOut);
    void adjustPlayBackValuesInRealTime(int32_t theplayback, int32_t theChannel, int32_t theValue);
    // Every playback that owns the channel shifts it in all its steps.
    void movePanAndTilt(int32_t increment, int32_t channel);
    void scaleSequenceForPlayback(int32_t theplayback);

    // ---- Facade: times, dimmer, priority, claims -----------------------------------------
    void setUseSequenceFadetime(int32_t playBackNumber, bool valueBool);
    void saveUseFadetime(int32_t thePlaybackNumber);
    void setUseMotionfade(int32_t playBackNumber, bool theBool);
    void setFadeTimeSliderValue(int32_t theplayback, int32_t theValue);
    void setFadeTime(int32_t bpm);
    void setDimmerValue(int32_t theValue, int32_t theplayback);
    void setSliderValue(int32_t theplayback, int32_t theValue) { setDimmerValue(theValue, theplayback); }
    void adjustGranmaster();
    void setPlaybackPriority(int32_t theplayback, int32_t priority, bool Refresh);
    void refreshPlaybackChannels(int32_t thePlaybackNumber);
    void refreshPlaybackUsingSequence(const QString& sequenceName);
    void refreshVisiblePlaybacks();
    bool refreshAlteredPlayback(const QString& theplayback);
    void updatePlaybacksColorMixers(int32_t thePlaybackNumber);
    void blackOutPlaybacks(int32_t thePlaybackNumber, bool theState, bool allPlaybacks, bool byPassValues, bool bypassSwitch);

    // ---- Facade: saving -------------------------------------------------------------------
    bool saveSequence(int32_t playBackNumber, int32_t theplayback, const QString& autoPlay, int32_t saveMode,
                      const QString& theString);
    bool saveTheSequence(int32_t playBackNumber, bool DoNotAskMe);
    // Every visible playback saved as "theString n" into the show's folder
    // for a multi button. False when one of the saves failed.
    bool saveMultiSequences(const QString& autoPlay, const QString& theString);

    // ---- Facade: step commands and times from the main window -----------------------------
    void setSceneStringLong(int32_t theplayback, const QString& theString, int32_t stepNumber);
    // False when a main-window box is not a number.
    bool SendMefadeTimeFromMain(int32_t theplayback, bool allSteps);
    bool setAllStepsFadeTime(int32_t theplayback, int32_t theTextIndex);
    void increaseFadeTimeSliderValue(int32_t theplayback);
    void decreaseFadeTimeSliderValue(int32_t theplayback);
    void theBeat(bool fromMain);

    // ---- Facade: shortcut panels and sound to matrix ---------------------------------------
    void refreshShortcuts(int32_t thePlaybackNumber, bool allPlaybacks);
    void checkForActivePlaybacks(int32_t thePlaybackNumber, const QString& theSequence);
    bool checkForShortcut(int32_t thePlaybackNumber, const QString& shortcutName, bool playIfFound);
    void startAudioMatrix(const QString& matrixName, int32_t frontColor, int32_t backColor, int32_t eqType,
                          int32_t theplayback);
    void stopAudioMatrix(int32_t theplayback);
    void sendAudioDataToPlaybacks(const std::vector<int32_t>& theData);

    // ---- Facade: live playbacks ---------------------------------------------------------------
    void pressRecordInLiveMode(int32_t theplayback);
    // The palette window starts a live playback named theString; theplayback
    // receives its number (unchanged when none was made).
    void setPlaybackAlias(const QString& theString, int32_t& theplayback, const QString& fromPreset);
    void setLiveCrossFadeFlag(bool status, const QString& thePlaybackName, float fadeOverRideTime);
    // The page crossfader at position 0..1 drives every playback whose file
    // title is thePlaybackName by hand.
    void setCrossFade(float position, const QString& thePlaybackName);

    // ---- Facade: windows --------------------------------------------------------------------
    void showPlayback(int32_t thePlaybackNumber);
    void hidePlayback(int32_t thePlaybackNumber);
    void updateDisplayData(int32_t playBackNumber);
    void UpdateMainDisplay(int32_t thePlaybackNumber);
    void ShowEditCommandDialog(int32_t thePlaybackNumber);
    void showPlaybackMenu(int32_t theplayback);
    void loadSequence(int32_t playBackNumber);

    // ---- Queries ---------------------------------------------------------------------------
    bool getChaserFlag(int32_t theplayback) const;
    int32_t returnCurrentStep(int32_t playBackNumber) const;
    int32_t thecurrentStep(int32_t theplayback) const;
    int32_t theNextStep(int32_t theplayback) const;
    bool getCurrentAutoGo(int32_t theplayback) const;
    bool returnGoMode(int32_t theplayback) const;
    int32_t returnChaseType(int32_t thePlaybackNumber) const;
    bool returnFadeOutStatus(int32_t thePlaybackNumber) const;
    bool getSequencefadetimeStatus(int32_t playbackNumber) const;
    bool getUseMotionfade(int32_t theplayback) const;
    bool getFadeInStatus(int32_t theplayback) const;
    bool getRecordPlusLast(int32_t theplayback) const;
    bool checkForShowPlaybackShortcuts(int32_t thePlaybackNumber) const;
    QString getSceneStringLong(int32_t theplayback) const;
    void getfadeInStatusfadeTimes(float& UpTime, float& downtime, int32_t theplayback) const;
    int32_t getDimmerValue(int32_t theplayback) const;
    float getSliderValue(int32_t theplayback) const;
    int32_t reportPlayBackPriority(int32_t theplayback) const;
    bool reportBlackoutStatus(int32_t theplayback) const;
    QString getCurrentSequence(int32_t theplayback, int32_t& playBackNumber) const;
    QString getSceneName(int32_t playBackNumber, int32_t stepNumber) const;
    int32_t sendChaserValueFromPlayback(int32_t channel, int32_t stepNumber, int32_t chasernumber);
    int32_t getChaserValueTotal(int32_t channel, int32_t chasernumber);
    void returnXYCenter(int32_t thePlaybackNumber, int32_t fixture, int32_t& x, int32_t& y) const;
    bool returnIfFilenameIsRunning(const QString& theFilename, int32_t& theChaser) const;
    bool returnIfFilenameIsLoaded(const QString& theFilename, int32_t& theChaser) const;
    QString getPlaybackAlias(int32_t theplayback) const;
    std::vector<clsLivePlayback> returnLivePlaybacks() const;
    int32_t returnValueforStep1(int32_t theChannel, int32_t callingPlayback, bool& stacked) const;

private:
    using SlotList = std::vector<std::shared_ptr<PlaybackWindowSlot>>;
    PlaybackWindowSlot& createWindow(int32_t number, const QString& heading);
    void applyLiveMarks(PlaybackWindowSlot& w, bool livePlayback, const QString& liveHeading);
    void finalFaderStep();
    bool numberExists(int32_t n) const;
    // Runs f on the first / every live window numbered n; true when one matched.
    bool first(int32_t n, const std::function<void(PlaybackWindowSlot&)>& f) const;
    bool every(int32_t n, const std::function<void(PlaybackWindowSlot&)>& f) const;
    void all(const std::function<void(PlaybackWindowSlot&)>& f) const;
    // Applies a step or record command, creating the playback once when missing.
    void withCreated(int32_t n, bool makeVisible, const std::function<void(PlaybackWindowSlot&)>& f);
    void loadInto(PlaybackWindowSlot& w, const QString& sequenceName, bool doNotFadeCurrent, bool crossFade,
                  int32_t sentDimmerValue, bool& loaded);
    void redrawMatrix();
    void reportTickError(const QString& text);
    void installHooks();
    QString sequencesPath(const QString& theFilename) const;

    SlotList playbackWindows;
    std::unique_ptr<TickTimer> tick;
    int32_t tickCounter = 0;
    std::vector<QString> reportedTickErrors;
};

// The frame of the installed shell.
PlaybackFrame& playbackFrame();
