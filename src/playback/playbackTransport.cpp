// The playback engine, transport and trigger modes, and fade times from the
// main window.

#include "playback/playbackEngine.h"

#include "playback/playbackEngineDetail.h"

#include "profiles/ClsFixture.h"
#include "platform/prompts.h"
#include "playback/channelClaim.h"
#include "playback/sequenceFileIo.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/audioService.h"
#include "shell/services/controlService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

using namespace playbackEngineDetail;

// ---- Transport ----------------------------------------------------------------------

void PlaybackEngine::cmdGo_Click() {
    calculateStepFadeValues();
    if (state.currentStep == 0 || state.currentStep == state.stepCount) fadeFromCurrent(1, false, 0);
    state.isRunning = true;
    state.stopAtStepEnd = false;
    state.recordPlusLast = false;
    displayChanged();
}

void PlaybackEngine::cmdFoward_Click() {
    PlaybackState& st = state;
    st.isRunning = false;
    st.stopAtStepEnd = true;
    st.recordPlusLast = false;
    setPhaseCounts(st, 0);
    calculateStepFadeValues();
    advanceToNextStep(false);
}

void PlaybackEngine::cmdBack_Click() {
    PlaybackState& st = state;
    st.isRunning = false;
    st.stopAtStepEnd = true;
    st.recordPlusLast = false;
    const int32_t c = st.currentStep;
    if (c >= 2 && c <= st.stepCount) {
        const int32_t back = st.previousStep - 1;
        if (back < 0 || back > st.lastStepSlot()) {
            // The step was set directly, so there is no step to go back to.
            reportError(QStringLiteral("Error in Sequence Step, Sequence Data has an Error") +
                        QStringLiteral("Subscript out of range"));
            displayChanged();
            return;
        }
        st.currentStep = back;
        const int32_t ns = usableNextScene(st, back);
        st.nextStep = ns >= 1 ? ns : st.previousStep;
    } else if (c == 1) {
        st.nextStep = st.stepCount;
    } else {
        st.currentStep = 1;
        st.nextStep = 1;
    }
    setPhaseCounts(st, 0);
    calculateStepFadeValues();
    advanceToNextStep(false);
}

void PlaybackEngine::setTimerStatus() {
    state.isRunning = !state.isRunning;
    const int32_t colour = state.isRunning ? 8421504 : 255;
    shell().mainWindow().mainPauseColour(colour);
    displayChanged();
}

void PlaybackEngine::cmdPause_Click() {
    setTimerStatus();
    if (shell().scheduler().schedulerRecording())
        shell().scheduler().recordEvent(QStringLiteral("Not Apllicable"), QStringLiteral("Pause Playback"));
}

void PlaybackEngine::turnOffWingIndicators() {
    if (!shell().control().controlWingAttached()) return;
    // Note-off on the wing's second MIDI channel for the fifth note of strips 1..8.
    for (int32_t k = 1; k <= 8; ++k) shell().control().sendWingNoteOff(129, 47 + 5 * k, 0);
}

void PlaybackEngine::clkStartnewSequence_Click() {
    shell().mainWindow().clearsequence_Click();
}

void PlaybackEngine::clkClosePlaybackControl_Click() {
    state.isRunning = false;
    releasePlaybackChannels();
    cmdClear_Click();
    state.wasIVisible = false;
    hideWindow();
}

void PlaybackEngine::cmdClear_Click() {
    PlaybackState& st = state;
    turnOffWingIndicators();
    st.isRunning = false;
    st.recordPlusLast = false;
    st.stepNumberText = QStringLiteral("0");
    shell().mainWindow().mainStepNumber(QStringLiteral("0"), 65280);
    st.currentStep = 0;
    st.nextStep = 1;
    clearValues();
    calculateStepFadeValues();
    updateColorMixers();
    st.stopAtStepEnd = false;
    if (shell().scheduler().schedulerRecording())
        shell().scheduler().recordEvent(QStringLiteral("Not Apllicable"), QStringLiteral("Stop Playback"));
    displayChanged();
}

void PlaybackEngine::clearValues() {
    try {
        ChannelModel& m = sizedModel();
        const int16_t me = ownNumber();
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (m.channelOwner[size_t(c)] != me || m.channelHold[size_t(c)]) continue;
            const int32_t level = isPanOrTilt(c) ? 128 : 0;
            state.currentLevels[size_t(c)] = float(level);
            m.channelOutput[size_t(c)] = level;
            m.channelTouched[size_t(c)] = 0;
        }
        changeDimmerValue(100);
    } catch (const std::exception& e) {
        reportError(QStringLiteral("clearValues: ") + QString::fromUtf8(e.what()));
    }
}

void PlaybackEngine::unloadWindow() {
    state.isRunning = false;
    clearValues();
}

void PlaybackEngine::setWaitForGO(bool theValue) {
    const int32_t c = state.currentStep;
    if (c >= 1 && c < int32_t(state.stepStops.size())) state.stepStops[size_t(c)] = theValue ? 1 : 0;
}

void PlaybackEngine::cmbBeatSync_Click() {
    PlaybackState& st = state;
    if (!shell().audio().hasTempoKeeper()) return; // no tempo keeper
    const int32_t tempo = std::max(shell().audio().beatPressed(st.myPlaybackNumber), 1);
    st.bpm = tempo;
    st.bpmText = QString::number(tempo);
    const double v = (double(st.vsliderFadeTimeMax) / 3.0) * (60.0 / double(tempo));
    st.vsliderFadeTime = std::min(5000, roundHalfEven(v));
    if (st.useSequenceFadeTime && st.isRunning) setUseSequenceFadetime(false);
    calculateStepFadeValues();
    displayChanged();
}

void PlaybackEngine::clearLoadedSequence() {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    const int32_t last = std::min(st.stepCount, st.lastStepSlot());
    for (int32_t s = 1; s <= last; ++s) {
        for (int32_t c = 1; c <= m.totalChannels; ++c)
            if (!m.channelHold[size_t(c)]) st.stepValues.set(c, s, 0);
        st.sceneFadeTimes[size_t(s)] = st.fadeUpTimes[size_t(s)] = st.fadeDownTimes[size_t(s)] = 0;
        st.delayUpTimes[size_t(s)] = st.delayDownTimes[size_t(s)] = st.followTimes[size_t(s)] = 0;
        st.nextScenes[size_t(s)] = 0;
        st.stepStops[size_t(s)] = 0;
        st.sceneNames[s].clear();
        st.stepCommands[s].clear();
    }
    st.stepCount = 0;
    st.currentStep = 0;
    setFadeStatus(false);
    st.theSequenceFilename.clear();
    st.restoreSavedStep = false;
    st.blackoutOff = true;
    // The current playback's fade-time slider starts again from the main
    // window's, and the main window's delay, hold and next-scene boxes from 0.
    MainWindowService& main = shell().mainWindow();
    if (const std::optional<int32_t> mainSlider = main.mainFadeTimeSlider())
        shell().playback().setFadeTimeSliderValue(m.currentPlayback, *mainSlider);
    for (int32_t box = 2; box <= 5; ++box) main.setMainFadeTimeText(box, QStringLiteral("0"));
    st.recordPlusLast = false;
    setPriority(5);
    shell().presets().dropPresetEvents(st.myPlaybackNumber);
    stopActiveSoundToMatrix();
    st.alteredPlayback = false;
    st.iAmLivePlayback = false;
    displayChanged();
    view().displaySequenceData();
}

void PlaybackEngine::clearsequence() {
    clearLoadedSequence();
    cmdClear_Click();
    releasePlaybackChannels();
}

void PlaybackEngine::releasePlaybackChannels() {
    ChannelModel& m = sizedModel();
    const int16_t me = ownNumber();
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        if (m.channelOwner[size_t(c)] != me) continue;
        if (m.channelHold[size_t(c)] && m.channelBlackoutHold[size_t(c)] && !state.heldBeforeBlackout[size_t(c)]) {
            m.channelHold[size_t(c)] = 0;
            m.channelBlackoutHold[size_t(c)] = 0;
        }
        if (m.channelHold[size_t(c)]) continue;
        m.channelOwner[size_t(c)] = 0;
        state.sequenceChannels[size_t(c)] = 0;
        m.channelOutput[size_t(c)] = isPanOrTilt(c) ? 128 : 0;
    }
    state.iAmLivePlayback = false;
    state.alteredPlayback = false;
    state.livePlaybackName.clear();
    state.originalHeading = QStringLiteral("Playback : ") + QString::number(state.myPlaybackNumber);
}

// ---- Trigger modes and fade time ------------------------------------------------------

void PlaybackEngine::optMode_Click(int32_t index) {
    if (index < 0 || index > 2) return;
    state.optMode = index;
    state.continuousRun = index == 0 || index == 2;
    displayChanged();
}

void PlaybackEngine::setTriggerType(int32_t theType) {
    switch (theType) {
    case 1:
        state.optMode = 0;
        state.continuousRun = true;
        break;
    case 0:
        state.optMode = 1;
        state.continuousRun = false;
        break;
    case 2:
        state.continuousRun = true;
        state.optMode = 2;
        state.useSequenceFadeTime = false;
        setFadeTimeSlider(state.bpm);
        state.fadeTimeFollowsBpm = true;
        state.fadeFromBpm = true;
        break;
    default:
        return;
    }
    displayChanged();
}

int32_t PlaybackEngine::getTriggerType() const {
    if (state.optMode == 0 && state.continuousRun) return 1;
    if (state.optMode == 1 && !state.continuousRun) return 3;
    if (state.optMode == 2 && state.continuousRun) return 2;
    return 0;
}

void PlaybackEngine::setAutoTrigger(int32_t triggerNumber, bool save) {
    // Switching to Audio leaves the per-step times (setTriggerType clears the
    // flag), so whether the playback ran on them is taken before.
    const bool wasPerStep = state.useSequenceFadeTime;
    setTriggerType(triggerNumber);
    if (triggerNumber == 2) {
        if (wasPerStep) {
            setUseSequenceFadetime(false);
            const double detected = shell().audio().beatDetectorBpm();
            setFadeTimeSlider(roundHalfEvenWide(detected));
            state.fadeFromBpm = true;
        }
    } else {
        setUseSequenceFadetime(true);
    }
    if (save) shell().playback().saveUseSequenceFadetimeShort(state.myPlaybackNumber);
}

void PlaybackEngine::setUseSequenceFadetime(bool theBool) {
    PlaybackState& st = state;
    if (theBool) {
        st.useSequenceFadeTime = true;
        const size_t n = std::min(st.fadeUpTimes.size(), st.sequenceFadeUpTimes.size());
        for (size_t s = 0; s < n; ++s) {
            st.fadeUpTimes[s] = st.sequenceFadeUpTimes[s];
            st.fadeDownTimes[s] = st.sequenceFadeDownTimes[s];
        }
    } else {
        st.useSequenceFadeTime = false;
        vsliderFadeTime_Scroll();
    }
    displayChanged();
}

void PlaybackEngine::setFadeTimeSliderValue(int32_t theValue) {
    state.vsliderFadeTime = std::clamp(theValue, 0, state.vsliderFadeTimeMax);
    vsliderFadeTime_Scroll();
    showFadetimeOnMain();
}

void PlaybackEngine::vsliderFadeTime_Scroll() {
    PlaybackState& st = state;
    if (st.currentStep == 0 || st.vsliderFadeTimeMax <= 0) return;
    const double t = double(st.vsliderFadeTime) * 3.0 / double(st.vsliderFadeTimeMax);
    const float T = float(std::nearbyint(t * 100.0) / 100.0);
    if (isCurrentPlayback()) {
        shell().mainWindow().setMainFadeTimeText(0, generalNumber(T));
        shell().mainWindow().setMainFadeTimeText(1, generalNumber(T));
    }
    if (st.isRunning) {
        // While the operator holds the main window's slider the sequence's
        // own times follow it too.
        const bool mainHeld = shell().mainWindow().mouseDownOnFade();
        const int32_t last = std::min(st.stepCount + 1, st.lastStepSlot());
        for (int32_t s = 1; s <= last; ++s) {
            st.fadeUpTimes[size_t(s)] = st.fadeDownTimes[size_t(s)] = T;
            if (mainHeld) st.sequenceFadeUpTimes[size_t(s)] = st.sequenceFadeDownTimes[size_t(s)] = T;
        }
        if (st.useSequenceFadeTime && st.optMode != 2) setUseSequenceFadetime(true);
    } else if (st.currentStep > 0 && st.currentStep <= st.lastStepSlot()) {
        st.fadeUpTimes[size_t(st.currentStep)] = st.fadeDownTimes[size_t(st.currentStep)] = T;
    }
    calculateStepFadeValues();
    const int32_t bpm = roundHalfEven(60.0 / (t + 0.0001));
    st.bpmText = QLatin1Char(' ') + QString::number(bpm);
    if (bpm < 225) {
        // The tempo keeper takes the slider's tempo, and so does the tap value it mirrors.
        st.bpm = bpm;
        shell().audio().resetBpmTimer(st.myPlaybackNumber, bpm);
    }
    refreshFadeProgress();
}

void PlaybackEngine::setFadeTimeSlider(int32_t bpm) {
    if (bpm <= 0) return;
    PlaybackState& st = state;
    if (st.optMode != 2 && !(shell().shortcuts().globalTempoSelected())) return;
    const int32_t value =
        std::min(5000, int32_t(std::trunc(60.0 / double(bpm) * double(st.vsliderFadeTimeMax) / 3.0)));
    if (value != st.vsliderFadeTime || st.fadeFromBpm) {
        st.useSequenceFadeTime = false;
        st.fadeFromBpm = false;
        st.fadeTimeFollowsBpm = false;
        st.vsliderFadeTime = value;
        vsliderFadeTime_Scroll();
    }
    st.bpm = bpm;
    shell().audio().resetBpmTimer(st.myPlaybackNumber, bpm);
}

// ---- Fade times from the main window -------------------------------------------------------------

bool PlaybackEngine::setFadeTimesFromMainDesk(bool allSteps) {
    PlaybackState& st = state;
    if (!shell().mainWindow().hasFadeTimeBoxes()) return true; // no main window to take times from
    const int32_t from = allSteps ? 0 : st.currentStep;
    const int32_t to = allSteps ? st.stepCount : st.currentStep;
    for (int32_t i = from; i <= to; ++i) {
        if (i < 0 || i >= st.lastStepSlot() - 1 || i > st.stepCount) continue;
        // The recorded step's times also go into the step that follows it.
        const bool alsoNext = st.sceneJustRecorded && i + 1 <= st.lastStepSlot();
        std::vector<float>* tables[7] = {&st.fadeUpTimes,         &st.fadeDownTimes, &st.sequenceFadeUpTimes,
                                         &st.sequenceFadeDownTimes, &st.delayUpTimes, &st.delayDownTimes,
                                         &st.followTimes};
        const int32_t boxOf[7] = {0, 1, 0, 1, 2, 3, 4};
        for (int32_t k = 0; k < 7; ++k) {
            double v = 0;
            if (!boxNumber(shell().mainWindow().mainFadeTimeText(boxOf[k]), v)) return false;
            (*tables[k])[size_t(i)] = float(v);
            if (alsoNext) (*tables[k])[size_t(i + 1)] = float(v);
        }
        double next = 0;
        if (!boxNumber(shell().mainWindow().mainFadeTimeText(5), next)) return false;
        if (next > -1 && !st.isRunning) st.nextScenes[size_t(i)] = roundHalfEvenWide(next);
        if (st.sceneNames[i].isEmpty()) st.sceneNames[i] = QStringLiteral("Scene  ") + QString::number(i);
    }
    return true;
}

bool PlaybackEngine::setAllFadeValues(int32_t txtIndex) {
    PlaybackState& st = state;
    if (txtIndex < 0 || txtIndex > 4 || !shell().mainWindow().hasFadeTimeBoxes()) return true;
    double v = 0;
    if (!boxNumber(shell().mainWindow().mainFadeTimeText(txtIndex), v)) return false;
    const int32_t last = std::min(st.stepCount + 1, st.lastStepSlot());
    for (int32_t s = 1; s <= last; ++s) {
        const float t = float(v);
        switch (txtIndex) {
        case 0: st.fadeUpTimes[size_t(s)] = st.sequenceFadeUpTimes[size_t(s)] = t; break;
        case 1: st.fadeDownTimes[size_t(s)] = st.sequenceFadeDownTimes[size_t(s)] = t; break;
        case 2: st.delayUpTimes[size_t(s)] = t; break;
        case 3: st.delayDownTimes[size_t(s)] = t; break;
        default: st.followTimes[size_t(s)] = t; break;
        }
    }
    return true;
}
