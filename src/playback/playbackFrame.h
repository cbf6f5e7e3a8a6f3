#pragma once
// The engine of the application frame (frmPlayBackManager): the live
// playback windows in creation order, the refresh tick and its fixed order of
// work, the creation and numbering of playbacks, loading a sequence into a
// playback, and the facade through which every other subsystem drives a
// playback by its number. One per shell: shell().engine<PlaybackFrame>(); it
// is the playback service of the shell while it lives.
//
// Lookup rule: an operation on playback n walks the live windows in order;
// "first match" operations act on the first window numbered n, "every match"
// ones on each. A window that unloads leaves the list at once, so the tick
// and the facade never visit it and never skip the windows behind it.

#include "playback/playbackViews.h"
#include "shell/services/playbackService.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class PlaybackEngine;
class TickTimer;
class PlaybackFrame;

// One playback window as the frame sees it: the engine plus what the window
// shows. The widget (frmPlayBackControl) mirrors these.
class PlaybackWindowSlot : public PlaybackHost {
public:
    explicit PlaybackWindowSlot(PlaybackFrame& frame);
    ~PlaybackWindowSlot() override;
    PlaybackEngine& engine() { return *engineObject; }
    const PlaybackEngine& engine() const { return *engineObject; }

    bool visible() const { return isVisible; }
    const QString& caption() const { return captionText; }
    QString Tag;

    // The frame window's place for this playback; none: nothing is shown.
    void setView(PlaybackSlotView* v) { attachedView = v; }
    PlaybackSlotView& view() { return attachedView ? *attachedView : noView; }
    void showWindow() override;
    void hideWindow() override;

private:
    friend class PlaybackFrame;
    PlaybackFrame& frame;
    std::unique_ptr<PlaybackEngine> engineObject;
    bool isVisible = false;
    bool unloaded = false;
    QString captionText;
    PlaybackSlotView* attachedView = nullptr;
    PlaybackSlotView noView;
};

class PlaybackFrame : public PlaybackService {
public:
    PlaybackFrame();
    ~PlaybackFrame() override;
    PlaybackFrame(const PlaybackFrame&) = delete;
    PlaybackFrame& operator=(const PlaybackFrame&) = delete;

    // The frame window; none: nothing is shown.
    void setView(PlaybackFrameView* v) { attachedView = v; }
    PlaybackFrameView& view() { return attachedView ? *attachedView : noView; }
    // The frame's caption (the console's status line).
    void setFrameCaption(const QString& text) override;
    const QString& frameCaption() const { return frameCaptionText; }
    void setRefreshTickEnabled(bool on) override;
    bool refreshTickEnabled() const override;
    int32_t maxStepsAtPosition(int32_t position) const override;
    void sceneCopied(int32_t playbackNumber, int32_t step) override;
    void pasteCopiedFadeTimes(int32_t pasteTo) override;
    void saveUseSequenceFadetimeShort(int32_t playbackNumber) override;

    // ---- Windows ----------------------------------------------------------------------
    int32_t DocumentCount() const override { return int32_t(playbackWindows.size()); }
    bool playbackWindowActive() const override { return attachedView && attachedView->playbackWindowActive(); }
    // The window in position i (1..DocumentCount); null outside.
    PlaybackWindowSlot* slotAt(int32_t i) const;
    // The first window numbered n; null when none.
    PlaybackWindowSlot* findPlayback(int32_t n) const;
    PlaybackEngine* playback(int32_t n) const;
    void setVisible(PlaybackWindowSlot& w, bool visible);
    void setCaption(PlaybackWindowSlot& w, const QString& caption);
    // The window unloads itself: it leaves the list at once.
    void unloadPlayback(PlaybackWindowSlot& w);

    void clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible, bool livePlayback) override;
    // Loads a file into playback doc (0: the first free playback, created
    // when none is free) and starts it. Returns the playback used, 0 when the
    // file could not be loaded.
    int32_t loadSequenceInDoc(int32_t& doc, const QString& sequenceName, bool doNotFadeCurrent, bool crossFade,
                              int32_t sentDimmerValue) override;
    void reDimAllPlaybackControls() override;

    // ---- Refresh tick ------------------------------------------------------------------
    TickTimer& HiResTimer1() { return *tick; }
    void HiResTimer1_Timer();
    // The interval set at start-up: the settings value when 1..99, else 33.
    void applyStartupRefreshRate(const QString& settingsValue) override;
    int32_t refreshIntervalMs() const override;
    void setRefreshIntervalMs(int32_t milliseconds) override;
    // Errors the tick has reported (each once).
    const std::vector<QString>& tickErrors() const { return reportedTickErrors; }
    // A late tick steps the playbacks once for every period that passed
    // since the last one, at most this many times, so fades and waits keep
    // to wall-clock time; a tick on time steps them once, as always.
    static constexpr int32_t maxCatchUpPeriods = 8;

    // The scene clipboard's origin.
    int32_t sceneMemoryBelongsToPlayBackNumber = 0;
    int32_t sceneCopiedFrom = 0;

    // ---- Frame queries ---------------------------------------------------------------
    int32_t returnNumberOfPlaybacksActive() const override;
    int32_t returnFirstPlayback() const override;
    std::vector<std::pair<int32_t, QString>> visiblePlaybackCaptions() const override;
    int32_t getMaxSteps(int32_t theDoc) const override;
    void giveMeMaxStepsInDoc(int32_t theDoc, int32_t& theAmount) const override;
    int32_t returnDocNumberWithCaption(const QString& caption) const override;

    // ---- Facade: starting, stopping, pausing ------------------------------------------
    void playLoadedSequence(int32_t playBackNumber, bool fadeFrom, bool autoMode, bool fromStack) override;
    void stopLoadedSequence(int32_t playBackNumber) override;
    void fadeOutSequence(int32_t playBackNumber) override;
    void stopFadeout(int32_t playback) override;
    void clearSequenceInChaser(int32_t playBackNumber) override;
    void clearAllLivePlaybacks() override;
    void StepFoward(int32_t playBackNumber) override;
    void stepBackWards(int32_t playBackNumber) override;
    void setPause(int32_t theplayback, bool all) override;
    void setTimerStatus(int32_t theplayback, bool all) override;
    void setChaseMode(int32_t playBackNumber, int32_t chaseMode, bool save) override;
    void setCurrentStep(int32_t playBackNumber, int32_t theStep) override;
    void setWaitForGO(int32_t playBackNumber, bool theValue) override;

    // ---- Facade: fading from the live output ---------------------------------------------
    void fadeFromCurrent(int32_t playBackNumber, int32_t fadeTo) override;
    void fadeFromCurrentOverride(int32_t playBackNumber, int32_t fadeTo, float crossFadeTime) override;
    void setCurrentCrossfadeTime(int32_t playBackNumber, float crossFadeTime) override;
    void setoverRideCrossFadeTimes(int32_t playBackNumber, bool theState) override;
    void setfadeInStatusfadeTimes(float UpTime, float downtime, int32_t theplayback) override;
    void setFadeInStatus(int32_t theplayback, bool theStatus) override;

    // ---- Facade: steps, scene data, channel values -----------------------------------------
    void pressRecord(int32_t playBackNumber, bool add) override;
    void updateSceneValues(int32_t theChaser) override;
    void refreshCurrentValues(int32_t theplayback) override { updateSceneValues(theplayback); }
    void setMaxStepsValue(int32_t forPlaybackNumber, int32_t maxStepNumber) override;
    void resizeMyArrays() override;
    void setSceneName(int32_t playBackNumber, int32_t stepNumber, const QString& scenename) override;
    bool recieveChaserValueData(int32_t channel, int32_t stepNumber, int32_t theValue, int32_t chasernumber) override;
    void returnFadeTimes(int32_t playBackNumberToCopyFrom, int32_t step, int32_t playBackToPasteTo) override;
    void copyscene(int32_t thePlaybackNumber) override;
    void pastescene(int32_t thePlaybackNumber) override;
    void deleteScene(int32_t thePlaybackNumber) override;
    void insertscene(int32_t thePlaybackNumber, bool blackOut) override;
    void insertSceneAfter(int32_t thePlaybackNumber, bool blackOut) override;
    void adjustPlayBackValuesInRealTime(int32_t theplayback, int32_t theChannel, int32_t theValue) override;
    // Every playback that owns the channel shifts it in all its steps.
    void movePanAndTilt(int32_t increment, int32_t channel) override;
    void scaleSequenceForPlayback(int32_t theplayback) override;

    // ---- Facade: times, dimmer, priority, claims -----------------------------------------
    void setUseSequenceFadetime(int32_t playBackNumber, bool valueBool) override;
    void saveUseFadetime(int32_t thePlaybackNumber) override;
    void setUseMotionfade(int32_t playBackNumber, bool theBool) override;
    void setFadeTimeSliderValue(int32_t theplayback, int32_t theValue) override;
    void setFadeTime(int32_t bpm) override;
    void setDimmerValue(int32_t theValue, int32_t theplayback) override;
    void setSliderValue(int32_t theplayback, int32_t theValue) override { setDimmerValue(theValue, theplayback); }
    void adjustGranmaster() override;
    void setPlaybackPriority(int32_t theplayback, int32_t priority, bool Refresh) override;
    void refreshPlaybackChannels(int32_t thePlaybackNumber) override;
    void refreshPlaybackUsingSequence(const QString& sequenceName) override;
    void refreshVisiblePlaybacks() override;
    bool refreshAlteredPlayback(const QString& theplayback) override;
    void updatePlaybacksColorMixers(int32_t thePlaybackNumber) override;
    void blackOutPlaybacks(int32_t thePlaybackNumber, bool theState, bool allPlaybacks, bool byPassValues, bool bypassSwitch) override;

    // ---- Facade: saving -------------------------------------------------------------------
    bool saveSequence(int32_t playBackNumber, int32_t theplayback, const QString& autoPlay, int32_t saveMode,
                      const QString& theString) override;
    bool saveTheSequence(int32_t playBackNumber, bool DoNotAskMe) override;
    // Every visible playback saved as "theString n" into the show's folder
    // for a multi button. False when one of the saves failed.
    bool saveMultiSequences(const QString& autoPlay, const QString& theString) override;

    // ---- Facade: step commands and times from the main window -----------------------------
    void setSceneStringLong(int32_t theplayback, const QString& theString, int32_t stepNumber) override;
    // False when a main-window box is not a number.
    bool SendMefadeTimeFromMain(int32_t theplayback, bool allSteps) override;
    bool setAllStepsFadeTime(int32_t theplayback, int32_t theTextIndex) override;
    void increaseFadeTimeSliderValue(int32_t theplayback) override;
    void decreaseFadeTimeSliderValue(int32_t theplayback) override;
    void theBeat(bool fromMain) override;

    // ---- Facade: shortcut panels and sound to matrix ---------------------------------------
    void refreshShortcuts(int32_t thePlaybackNumber, bool allPlaybacks) override;
    void checkForActivePlaybacks(int32_t thePlaybackNumber, const QString& theSequence) override;
    bool checkForShortcut(int32_t thePlaybackNumber, const QString& shortcutName, bool playIfFound) override;
    void startAudioMatrix(const QString& matrixName, int32_t frontColor, int32_t backColor, int32_t eqType,
                          int32_t theplayback) override;
    void stopAudioMatrix(int32_t theplayback) override;
    void sendAudioDataToPlaybacks(const std::vector<int32_t>& theData) override;

    // ---- Facade: live playbacks ---------------------------------------------------------------
    void pressRecordInLiveMode(int32_t theplayback) override;
    // The palette window starts a live playback named theString; theplayback
    // receives its number (unchanged when none was made).
    void setPlaybackAlias(const QString& theString, int32_t& theplayback, const QString& fromPreset) override;
    void setLiveCrossFadeFlag(bool status, const QString& thePlaybackName, float fadeOverRideTime) override;
    // The page crossfader at position 0..1 drives every playback whose file
    // title is thePlaybackName by hand.
    void setCrossFade(float position, const QString& thePlaybackName) override;

    // ---- Facade: windows --------------------------------------------------------------------
    void showPlayback(int32_t thePlaybackNumber) override;
    void hidePlayback(int32_t thePlaybackNumber) override;
    void updateDisplayData(int32_t playBackNumber) override;
    void UpdateMainDisplay(int32_t thePlaybackNumber) override;
    void ShowEditCommandDialog(int32_t thePlaybackNumber) override;
    bool enterGridValue(int32_t column, double value) override;
    void showPlaybackMenu(int32_t theplayback) override;
    void loadSequence(int32_t playBackNumber) override;

    // ---- Queries ---------------------------------------------------------------------------
    bool getChaserFlag(int32_t theplayback) const override;
    int32_t returnCurrentStep(int32_t playBackNumber) const override;
    int32_t thecurrentStep(int32_t theplayback) const override;
    int32_t theNextStep(int32_t theplayback) const override;
    bool getCurrentAutoGo(int32_t theplayback) const override;
    bool returnGoMode(int32_t theplayback) const override;
    int32_t returnChaseType(int32_t thePlaybackNumber) const override;
    bool returnFadeOutStatus(int32_t thePlaybackNumber) const override;
    bool getSequencefadetimeStatus(int32_t playbackNumber) const override;
    bool getUseMotionfade(int32_t theplayback) const override;
    bool getFadeInStatus(int32_t theplayback) const override;
    bool getRecordPlusLast(int32_t theplayback) const override;
    bool checkForShowPlaybackShortcuts(int32_t thePlaybackNumber) const override;
    QString getSceneStringLong(int32_t theplayback) const override;
    void getfadeInStatusfadeTimes(float& UpTime, float& downtime, int32_t theplayback) const override;
    int32_t getDimmerValue(int32_t theplayback) const override;
    float getSliderValue(int32_t theplayback) const override;
    float intensityFactor(int32_t theplayback) const override;
    int32_t reportPlayBackPriority(int32_t theplayback) const override;
    bool reportBlackoutStatus(int32_t theplayback) const override;
    QString getCurrentSequence(int32_t theplayback, int32_t& playBackNumber) const override;
    QString getSceneName(int32_t playBackNumber, int32_t stepNumber) const override;
    int32_t sendChaserValueFromPlayback(int32_t channel, int32_t stepNumber, int32_t chasernumber) override;
    int32_t getChaserValueTotal(int32_t channel, int32_t chasernumber) override;
    void returnXYCenter(int32_t thePlaybackNumber, int32_t fixture, int32_t& x, int32_t& y) const override;
    bool returnIfFilenameIsRunning(const QString& theFilename, int32_t& theChaser) const override;
    bool returnIfFilenameIsLoaded(const QString& theFilename, int32_t& theChaser) const override;
    QString getPlaybackAlias(int32_t theplayback) const override;
    std::vector<clsLivePlayback> returnLivePlaybacks() const override;
    int32_t returnValueforStep1(int32_t theChannel, int32_t callingPlayback, bool& stacked) const override;

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
    QString sequencesPath(const QString& theFilename) const;

    // The refresh period the console was designed around, in milliseconds.
    static constexpr int designIntervalMs = 33;
    SlotList playbackWindows;
    std::unique_ptr<TickTimer> tick;
    int32_t tickCounter = 0;
    // The periods this tick stands for (1 when on time), from the monotonic
    // clock; restarted whenever the tick starts or changes its period.
    int32_t periodsDue();
    void restartCatchUp() { lastTickMs = -1; }
    int64_t lastTickMs = -1;
    int64_t owedMs = 0;
    std::vector<QString> reportedTickErrors;
    QString frameCaptionText;
    PlaybackFrameView* attachedView = nullptr;
    PlaybackFrameView noView;
};

// The frame of the installed shell.
PlaybackFrame& playbackFrame();
