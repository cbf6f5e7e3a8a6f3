// The frame's facade: every other subsystem drives a playback by its number
// through these.

#include "playback/playbackFrame.h"

#include "profiles/ClsFixture.h"
#include "playback/playbackEngine.h"
#include "playback/sequenceFileIo.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/effectsService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/matrixService.h"
#include "shell/services/outputService.h"
#include "shell/services/presetsService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QDebug>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
// Turns the playback's override of the fade-from-current times on with the
// given times, or off (the times then stay as they were).
void overrideFadeFromCurrentTimes(PlaybackState& s, bool on, float up, float down) {
    if (on) {
        s.fadeFromCurrentFadeUpTime = up;
        s.fadeFromCurrentFadeDownTime = down;
    }
    s.overRideCrossFadeTimes = on;
}
} // namespace

// ---- Facade: starting, stopping, pausing ---------------------------------------------------

void PlaybackFrame::playLoadedSequence(int32_t playBackNumber, bool fadeFrom, bool autoMode, bool fromStack) {
    auto start = [&](PlaybackWindowSlot& w, bool reload, bool crossfade) {
        PlaybackEngine& e = w.engine();
        if (reload) sequenceFileIo::loadSeqenceIntoMemory(e, e.state.theSequenceFilename, 0);
        else e.releaseMyLoneChannels();
        e.takeMainDeskTimes();
        e.cmdGo_Click();
        if (autoMode) e.setAutoTrigger(2, false);
        if (crossfade) e.fadeFromCurrent(1, true, 0);
    };
    const bool found = first(playBackNumber, [&](PlaybackWindowSlot& w) { start(w, fromStack, fadeFrom); });
    if (!found) {
        // The current playback starts instead (created when missing).
        const int32_t current = shell().state.currentPlayback;
        clkAddPlaybackControl(current, false, false, false);
        first(current, [&](PlaybackWindowSlot& w) { start(w, false, false); });
    }
    if (!shell().scheduler().scheduleRunning()) shell().shortcuts().refreshPageOnly();
}

void PlaybackFrame::stopLoadedSequence(int32_t playBackNumber) {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded || w->engine().myPlaybackNumber() != playBackNumber) continue;
        if (w->engine().returnMyPlayBackPriority() >= 10) continue;
        w->engine().cmdClear_Click();
        return;
    }
}

void PlaybackFrame::fadeOutSequence(int32_t playBackNumber) {
    first(playBackNumber, [](PlaybackWindowSlot& w) {
        bool fade = true;
        w.engine().fadeOutFromCurrent(fade, 0);
    });
}

void PlaybackFrame::stopFadeout(int32_t playback) {
    first(playback, [](PlaybackWindowSlot& w) { w.engine().stopFadeout(); });
}

void PlaybackFrame::clearSequenceInChaser(int32_t playBackNumber) {
    every(playBackNumber, [](PlaybackWindowSlot& w) { w.engine().clearsequence(); });
}

void PlaybackFrame::clearAllLivePlaybacks() {
    all([](PlaybackWindowSlot& w) {
        const PlaybackState& s = w.engine().state;
        if (!s.iAmLivePlayback && !s.alteredPlayback) return;
        bool fade = false;
        w.engine().fadeOutFromCurrent(fade, 0);
    });
}

void PlaybackFrame::withCreated(int32_t n, bool makeVisible, const std::function<void(PlaybackWindowSlot&)>& f) {
    if (every(n, f)) return;
    clkAddPlaybackControl(n, true, makeVisible, false);
    if (!every(n, f)) qWarning() << "playback" << n << "could not be created";
}

void PlaybackFrame::StepFoward(int32_t playBackNumber) {
    withCreated(playBackNumber, false, [](PlaybackWindowSlot& w) { w.engine().cmdFoward_Click(); });
}

void PlaybackFrame::stepBackWards(int32_t playBackNumber) {
    withCreated(playBackNumber, false, [](PlaybackWindowSlot& w) { w.engine().cmdBack_Click(); });
}

void PlaybackFrame::setPause(int32_t theplayback, bool allWindows) {
    if (allWindows) all([](PlaybackWindowSlot& w) { w.engine().setTimerStatus(); });
    else first(theplayback, [](PlaybackWindowSlot& w) { w.engine().setTimerStatus(); });
}

void PlaybackFrame::setTimerStatus(int32_t theplayback, bool allWindows) {
    if (allWindows) {
        if (PlaybackWindowSlot* w = slotAt(1)) w->engine().setTimerStatus();
    } else {
        first(theplayback, [](PlaybackWindowSlot& w) { w.engine().setTimerStatus(); });
    }
}

void PlaybackFrame::setChaseMode(int32_t playBackNumber, int32_t chaseMode, bool save) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) { w.engine().setAutoTrigger(chaseMode, save); });
}

void PlaybackFrame::setCurrentStep(int32_t playBackNumber, int32_t theStep) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) { w.engine().setCurrentStep(theStep); });
}

void PlaybackFrame::setWaitForGO(int32_t playBackNumber, bool theValue) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) { w.engine().setWaitForGO(theValue); });
}

// ---- Facade: fading from the live output -----------------------------------------------------

void PlaybackFrame::fadeFromCurrent(int32_t playBackNumber, int32_t fadeTo) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) { w.engine().fadeFromCurrent(fadeTo, true, 0); });
}

void PlaybackFrame::fadeFromCurrentOverride(int32_t playBackNumber, int32_t fadeTo, float crossFadeTime) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) {
        overrideFadeFromCurrentTimes(w.engine().state, crossFadeTime > 0, crossFadeTime, crossFadeTime);
        w.engine().fadeFromCurrentOveride(fadeTo);
    });
}

void PlaybackFrame::setCurrentCrossfadeTime(int32_t playBackNumber, float crossFadeTime) {
    const bool on = crossFadeTime > 0;
    every(playBackNumber, [&](PlaybackWindowSlot& w) {
        overrideFadeFromCurrentTimes(w.engine().state, on, crossFadeTime, crossFadeTime);
        if (on) w.engine().fadeFromCurrent(1, true, 0);
    });
}

void PlaybackFrame::setoverRideCrossFadeTimes(int32_t playBackNumber, bool theState) {
    every(playBackNumber, [&](PlaybackWindowSlot& w) { w.engine().state.overRideCrossFadeTimes = theState; });
}

void PlaybackFrame::setfadeInStatusfadeTimes(float UpTime, float downtime, int32_t theplayback) {
    first(theplayback, [&](PlaybackWindowSlot& w) {
        overrideFadeFromCurrentTimes(w.engine().state, UpTime + downtime != 0.0f, UpTime, downtime);
    });
}

void PlaybackFrame::setFadeInStatus(int32_t theplayback, bool theStatus) {
    first(theplayback, [&](PlaybackWindowSlot& w) { w.engine().setFadeStatus(theStatus); });
}

// ---- Facade: steps, scene data, channel values ---------------------------------------------

void PlaybackFrame::pressRecord(int32_t playBackNumber, bool add) {
    ChannelModel& m = shell().state;
    if (m.currentPlayback == 0) m.currentPlayback = 1;
    withCreated(playBackNumber, true, [&](PlaybackWindowSlot& w) { w.engine().recordScene(add); });
}

void PlaybackFrame::updateSceneValues(int32_t theChaser) {
    first(theChaser, [](PlaybackWindowSlot& w) { w.engine().updateCurrentSceneValues(); });
}

void PlaybackFrame::setMaxStepsValue(int32_t forPlaybackNumber, int32_t maxStepNumber) {
    every(forPlaybackNumber, [&](PlaybackWindowSlot& w) {
        int32_t steps = maxStepNumber;
        w.engine().setMaxSequenceSteps(steps);
    });
}

void PlaybackFrame::resizeMyArrays() {
    all([](PlaybackWindowSlot& w) {
        int32_t steps = 20;
        w.engine().reDimForStepCount(20, steps);
    });
}

void PlaybackFrame::setSceneName(int32_t playBackNumber, int32_t stepNumber, const QString& scenename) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) {
        int32_t step = stepNumber;
        w.engine().setSceneNameForPlayback(step, scenename);
    });
}

bool PlaybackFrame::recieveChaserValueData(int32_t channel, int32_t stepNumber, int32_t theValue, int32_t chasernumber) {
    if (DocumentCount() == 0) clkAddPlaybackControl(shell().state.currentPlayback, false, false, false);
    if (channel <= 0) return false;
    first(chasernumber, [&](PlaybackWindowSlot& w) {
        w.engine().updateChaserValue(int16_t(channel), int16_t(stepNumber), int16_t(theValue), int16_t(chasernumber));
    });
    return false;
}

void PlaybackFrame::returnFadeTimes(int32_t playBackNumberToCopyFrom, int32_t step, int32_t playBackToPasteTo) {
    try {
        float up = 0, down = 0, delayUp = 0, delayDown = 0, follow = 0;
        every(playBackNumberToCopyFrom,
              [&](PlaybackWindowSlot& w) { w.engine().giveMeFadeTimes(step, up, down, delayUp, delayDown, follow); });
        every(playBackToPasteTo, [&](PlaybackWindowSlot& w) { w.engine().setMyFadeTimes(0, up, down, delayUp, delayDown, follow); });
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error in returnFades: ") + QString::fromUtf8(e.what()));
    }
}

void PlaybackFrame::copyscene(int32_t n) {
    first(n, [](PlaybackWindowSlot& w) { w.engine().clkCopyScene_Click(); });
}

void PlaybackFrame::pastescene(int32_t n) {
    first(n, [](PlaybackWindowSlot& w) { w.engine().clkPasteScene_Click(); });
}

void PlaybackFrame::deleteScene(int32_t n) {
    first(n, [](PlaybackWindowSlot& w) { w.engine().clkDeleteScene_Click(); });
}

void PlaybackFrame::insertscene(int32_t n, bool blackOut) {
    first(n, [&](PlaybackWindowSlot& w) { w.engine().insertscene(false, blackOut); });
}

void PlaybackFrame::insertSceneAfter(int32_t n, bool blackOut) {
    first(n, [&](PlaybackWindowSlot& w) { w.engine().insertscene(true, blackOut); });
}

void PlaybackFrame::adjustPlayBackValuesInRealTime(int32_t theplayback, int32_t theChannel, int32_t theValue) {
    first(theplayback, [&](PlaybackWindowSlot& w) { w.engine().adjustChaserValuesInRealTime(theChannel, theValue); });
}

void PlaybackFrame::movePanAndTilt(int32_t increment, int32_t channel) {
    const ChannelModel& m = shell().state;
    if (channel < 1 || channel > m.totalChannels) return;
    every(m.channelOwner[size_t(channel)],
          [&](PlaybackWindowSlot& w) { w.engine().movementMoveChannel(channel, increment); });
}

void PlaybackFrame::scaleSequenceForPlayback(int32_t theplayback) {
    first(theplayback, [](PlaybackWindowSlot& w) {
        const int32_t number = w.engine().myPlaybackNumber();
        const ChannelModel& m = shell().state;
        const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureTiltChannel.size()) - 1);
        for (int32_t f = 1; f <= fixtures; ++f)
            if (m.fixturePanChannel[size_t(f)] != 0 && m.fixtureTiltChannel[size_t(f)] != 0)
                shell().effects().scaleSequence(number, f);
    });
}

// ---- Facade: times, dimmer, priority, claims ----------------------------------------------

void PlaybackFrame::setUseSequenceFadetime(int32_t playBackNumber, bool valueBool) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) { w.engine().setUseSequenceFadetime(valueBool); });
}

void PlaybackFrame::saveUseFadetime(int32_t thePlaybackNumber) {
    every(thePlaybackNumber, [](PlaybackWindowSlot& w) { sequenceFileIo::saveUseSequenceFadetime(w.engine()); });
}

void PlaybackFrame::setUseMotionfade(int32_t playBackNumber, bool theBool) {
    first(playBackNumber, [&](PlaybackWindowSlot& w) {
        w.engine().state.useMotionfade = theBool;
        w.engine().view().displayChanged();
        shell().mainWindow().mainFadeScenes(theBool);
    });
}

void PlaybackFrame::setFadeTimeSliderValue(int32_t theplayback, int32_t theValue) {
    if (theplayback != 0) {
        first(theplayback, [&](PlaybackWindowSlot& w) { w.engine().setFadeTimeSliderValue(theValue); });
        return;
    }
    all([&](PlaybackWindowSlot& w) {
        w.engine().setFadeTimeSliderValue(theValue);
        setUseSequenceFadetime(w.engine().myPlaybackNumber(), false);
    });
}

void PlaybackFrame::setFadeTime(int32_t bpm) {
    all([&](PlaybackWindowSlot& w) { w.engine().setFadeTimeSlider(bpm); });
}

void PlaybackFrame::setDimmerValue(int32_t theValue, int32_t theplayback) {
    first(theplayback, [&](PlaybackWindowSlot& w) { w.engine().setTheSliderValue(theValue); });
}

void PlaybackFrame::adjustGranmaster() {
    all([](PlaybackWindowSlot& w) { w.engine().changeGrandMaster(); });
}

void PlaybackFrame::setPlaybackPriority(int32_t theplayback, int32_t priority, bool Refresh) {
    first(theplayback, [&](PlaybackWindowSlot& w) {
        if (Refresh) w.engine().refreshPlaybackChannels();
        w.engine().setPriority(priority);
        w.engine().takeOverHighPriorityChannels();
    });
}

void PlaybackFrame::refreshPlaybackChannels(int32_t thePlaybackNumber) {
    every(thePlaybackNumber, [](PlaybackWindowSlot& w) {
        w.engine().refreshPlaybackChannels();
        w.engine().takeOverHighPriorityChannels();
    });
}

void PlaybackFrame::refreshPlaybackUsingSequence(const QString& sequenceName) {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded) continue;
        if (libParsePath::ParsePath(w->engine().state.theSequenceFilename, 4).trimmed() != sequenceName) continue;
        w->engine().refreshPlaybackChannels();
        return;
    }
}

void PlaybackFrame::refreshVisiblePlaybacks() {
    all([](PlaybackWindowSlot& w) {
        if (w.isVisible) w.engine().refreshPlaybackChannels();
    });
}

bool PlaybackFrame::refreshAlteredPlayback(const QString& theplayback) {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded) continue;
        PlaybackState& s = w->engine().state;
        if (libParsePath::ParsePath(s.theSequenceFilename, 4) != theplayback || !s.alteredPlayback) continue;
        w->engine().oldrefreshPlaybackChannels();
        s.alteredPlayback = false;
        return true;
    }
    return false;
}

void PlaybackFrame::updatePlaybacksColorMixers(int32_t thePlaybackNumber) {
    every(thePlaybackNumber, [](PlaybackWindowSlot& w) { w.engine().updateColorMixers(); });
}

void PlaybackFrame::blackOutPlaybacks(int32_t thePlaybackNumber, bool theState, bool allPlaybacks, bool byPassValues,
                                      bool bypassSwitch) {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded) continue;
        const bool treat = w->engine().myPlaybackNumber() == thePlaybackNumber || (allPlaybacks && w->isVisible);
        if (!treat) continue;
        w->engine().blackOutMyControlledShutters(true, theState, byPassValues, bypassSwitch);
        if (!allPlaybacks) return;
    }
}

// ---- Facade: saving ---------------------------------------------------------------------

bool PlaybackFrame::saveSequence(int32_t playBackNumber, int32_t theplayback, const QString& autoPlay, int32_t saveMode,
                                 const QString& theString) {
    bool saved = false;
    first(playBackNumber, [&](PlaybackWindowSlot& w) {
        saved = sequenceFileIo::saveSequence(w.engine(), !theString.isEmpty(), theplayback, autoPlay, saveMode, theString);
    });
    return saved;
}

bool PlaybackFrame::saveTheSequence(int32_t playBackNumber, bool DoNotAskMe) {
    bool saved = false;
    first(playBackNumber, [&](PlaybackWindowSlot& w) {
        if (DoNotAskMe) saved = sequenceFileIo::saveSequence(w.engine(), false, 0, QString(), 0, QString());
        else saved = sequenceFileIo::saveSequence(w.engine(), true, playBackNumber, QString(), 0, QString());
    });
    return saved;
}

// ---- Facade: live playbacks ------------------------------------------------------------------

void PlaybackFrame::pressRecordInLiveMode(int32_t theplayback) {
    if (!shell().presets().paletteLiveMode()) return;
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded || w->engine().myPlaybackNumber() != theplayback || !w->engine().state.iAmLivePlayback) continue;
        w->engine().recordScene(false);
        return;
    }
}

void PlaybackFrame::setPlaybackAlias(const QString& theString, int32_t& theplayback, const QString& fromPreset) {
    if (!shell().presets().paletteLiveMode()) return;
    const bool anySteps = std::any_of(playbackWindows.begin(), playbackWindows.end(),
                                      [](const auto& w) { return w->engine().giveMeMaxStep() > 0; });
    if (!anySteps) return;
    clkAddPlaybackControl(0, false, true, true);
    theplayback = shell().state.currentPlayback;
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        PlaybackEngine& e = w->engine();
        if (w->unloaded || e.myPlaybackNumber() != theplayback || !e.state.iAmLivePlayback) continue;
        e.state.livePlaybackName = theString;
        const bool shape = fromPreset == QLatin1String("shape") || fromPreset == QLatin1String("rgb-fx") ||
                           fromPreset == QLatin1String("Joystick Shape");
        if (!shape && e.giveMeMaxStep() == 0) {
            e.recordScene(true);
            e.state.recordPlusLast = false;
        }
        setCaption(*w, QStringLiteral("Live:") + theString);
        return;
    }
}

void PlaybackFrame::setLiveCrossFadeFlag(bool status, const QString& thePlaybackName, float fadeOverRideTime) {
    if (thePlaybackName.size() <= 1) return;
    all([&](PlaybackWindowSlot& w) {
        PlaybackEngine& e = w.engine();
        if (libParsePath::ParsePath(e.returnCurrentSequence(true), 4) != thePlaybackName) return;
        e.setManualCrossfade(status);
        if (fadeOverRideTime > 0) {
            e.state.fadeFromCurrentFadeUpTime = fadeOverRideTime;
            e.state.fadeFromCurrentFadeDownTime = fadeOverRideTime;
        }
    });
}

void PlaybackFrame::setCrossFade(float position, const QString& thePlaybackName) {
    if (thePlaybackName.size() <= 1) return;
    all([&](PlaybackWindowSlot& w) {
        PlaybackEngine& e = w.engine();
        if (libParsePath::ParsePath(e.returnCurrentSequence(true), 4) != thePlaybackName) return;
        e.setCrossFadeStatus(position);
        e.setManualCrossfade(true);
    });
}

bool PlaybackFrame::saveMultiSequences(const QString& autoPlay, const QString& theString) {
    shell().shortcuts().setMultiCollectionToNothing();
    bool allSaved = true;
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded || !w->isVisible) continue;
        PlaybackEngine& e = w->engine();
        const int32_t number = e.myPlaybackNumber();
        const QString name = theString + QLatin1Char(' ') + QString::number(number);
        shell().state.currentPlayback = number;
        setUseSequenceFadetime(number, true);
        if (e.giveMeMaxStep() == 0) pressRecord(number, true);
        // Only a file that was written joins the multi button.
        if (!sequenceFileIo::saveSequence(e, true, 0, autoPlay, -1, name)) {
            allSaved = false;
            continue;
        }
        shell().shortcuts().addToMultiCollection(name);
    }
    return allSaved;
}

// ---- Facade: step commands and times from the main window ----------------------------------

void PlaybackFrame::setSceneStringLong(int32_t theplayback, const QString& theString, int32_t stepNumber) {
    first(theplayback, [&](PlaybackWindowSlot& w) { w.engine().setSceneStringLong(theString, stepNumber); });
}

bool PlaybackFrame::SendMefadeTimeFromMain(int32_t theplayback, bool allSteps) {
    bool ok = true;
    first(theplayback, [&](PlaybackWindowSlot& w) { ok = w.engine().setFadeTimesFromMainDesk(allSteps); });
    return ok;
}

bool PlaybackFrame::setAllStepsFadeTime(int32_t theplayback, int32_t theTextIndex) {
    bool ok = true;
    first(theplayback, [&](PlaybackWindowSlot& w) { ok = w.engine().setAllFadeValues(theTextIndex); });
    return ok;
}

void PlaybackFrame::increaseFadeTimeSliderValue(int32_t theplayback) {
    first(theplayback, [](PlaybackWindowSlot& w) { w.engine().increaseFadeTimeSliderValue(); });
}

void PlaybackFrame::decreaseFadeTimeSliderValue(int32_t theplayback) {
    first(theplayback, [](PlaybackWindowSlot& w) { w.engine().decreaseFadeTimeSliderValue(); });
}

void PlaybackFrame::theBeat(bool fromMain) {
    all([&](PlaybackWindowSlot& w) { w.engine().recieveTheBeat(fromMain); });
}

// ---- Facade: shortcut panels and sound to matrix --------------------------------------------

void PlaybackFrame::refreshShortcuts(int32_t thePlaybackNumber, bool allPlaybacks) {
    auto refresh = [](PlaybackWindowSlot& w) {
        w.engine().view().loadShortcutsOnFrame();
    };
    if (allPlaybacks) all(refresh);
    else first(thePlaybackNumber, refresh);
}

void PlaybackFrame::checkForActivePlaybacks(int32_t thePlaybackNumber, const QString& theSequence) {
    first(thePlaybackNumber, [&](PlaybackWindowSlot& w) {
        w.engine().view().checkActivePlaybacks(theSequence);
    });
}

bool PlaybackFrame::checkForShortcut(int32_t thePlaybackNumber, const QString& shortcutName, bool /*playIfFound*/) {
    // Every match; the answer is the last window's, and a found button is pressed.
    bool found = false;
    every(thePlaybackNumber, [&](PlaybackWindowSlot& w) {
        found = w.engine().view().checkForShortcut(shortcutName, true);
    });
    return found;
}

void PlaybackFrame::startAudioMatrix(const QString& matrixName, int32_t frontColor, int32_t backColor, int32_t eqType,
                                     int32_t theplayback) {
    every(theplayback,
          [&](PlaybackWindowSlot& w) { w.engine().startAudioMatrix(matrixName, frontColor, backColor, eqType); });
}

void PlaybackFrame::stopAudioMatrix(int32_t theplayback) {
    every(theplayback, [](PlaybackWindowSlot& w) { w.engine().stopActiveSoundToMatrix(); });
}

void PlaybackFrame::sendAudioDataToPlaybacks(const std::vector<int32_t>& theData) {
    all([&](PlaybackWindowSlot& w) {
        if (w.engine().returnAudioToMatrixStatus()) w.engine().recieveAudioData(theData);
    });
}

// ---- Facade: windows ----------------------------------------------------------------------

void PlaybackFrame::showPlayback(int32_t thePlaybackNumber) {
    first(thePlaybackNumber, [&](PlaybackWindowSlot& w) {
        setVisible(w, true);
        w.view().focus();
    });
}

void PlaybackFrame::hidePlayback(int32_t thePlaybackNumber) {
    first(thePlaybackNumber, [&](PlaybackWindowSlot& w) { setVisible(w, false); });
}

void PlaybackFrame::updateDisplayData(int32_t playBackNumber) {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded || !w->isVisible || w->engine().myPlaybackNumber() != playBackNumber) continue;
        w->engine().view().displaySequenceData();
        return;
    }
}

void PlaybackFrame::UpdateMainDisplay(int32_t /*thePlaybackNumber*/) {
    all([](PlaybackWindowSlot& w) { w.engine().showFadetimeOnMain(); });
    shell().mainWindow().returnSequenceNameForCurrentChaser();
}

void PlaybackFrame::ShowEditCommandDialog(int32_t thePlaybackNumber) {
    every(thePlaybackNumber, [](PlaybackWindowSlot& w) {
        w.engine().view().showEditCommandDialog();
    });
}

bool PlaybackFrame::enterGridValue(int32_t column, double value) {
    PlaybackWindowSlot* active = attachedView ? attachedView->activePlaybackSlot() : nullptr;
    return active && active->engine().view().enterGridValue(column, value);
}

void PlaybackFrame::showPlaybackMenu(int32_t theplayback) {
    every(theplayback, [&](PlaybackWindowSlot& w) {
        setVisible(w, true);
        w.view().focus();
        w.engine().view().showMenu();
    });
}

void PlaybackFrame::loadSequence(int32_t playBackNumber) {
    first(playBackNumber, [](PlaybackWindowSlot& w) {
        w.engine().view().loadSequence();
    });
}
