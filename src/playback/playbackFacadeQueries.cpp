// The frame's facade: queries about the playbacks by number.

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

// ---- Queries ------------------------------------------------------------------------------

bool PlaybackFrame::getChaserFlag(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e && e->getTimerStatus();
}

int32_t PlaybackFrame::returnCurrentStep(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e ? e->returnMyCurrentStep() : 0;
}

int32_t PlaybackFrame::thecurrentStep(int32_t n) const {
    int32_t v = 0;
    every(n, [&](PlaybackWindowSlot& w) { v = w.engine().returnMyCurrentStep(); });
    return v;
}

int32_t PlaybackFrame::theNextStep(int32_t n) const {
    int32_t v = 0;
    every(n, [&](PlaybackWindowSlot& w) { v = w.engine().returnMyNextStep(); });
    return v;
}

bool PlaybackFrame::getCurrentAutoGo(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e && e->returnCurrentAutoGO();
}

bool PlaybackFrame::returnGoMode(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e && e->getTriggerType() == 3;
}

int32_t PlaybackFrame::returnChaseType(int32_t n) const {
    int32_t v = 0;
    every(n, [&](PlaybackWindowSlot& w) { v = w.engine().getTriggerType(); });
    return v;
}

bool PlaybackFrame::returnFadeOutStatus(int32_t n) const {
    bool v = false;
    every(n, [&](PlaybackWindowSlot& w) { v = w.engine().state.stopAndClearAfterFadeOut; });
    return v;
}

bool PlaybackFrame::getSequencefadetimeStatus(int32_t n) const {
    bool v = false;
    every(n, [&](PlaybackWindowSlot& w) { v = w.engine().getUseSequenceFadetime(); });
    return v;
}

bool PlaybackFrame::getUseMotionfade(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e && e->state.useMotionfade;
}

void PlaybackFrame::getfadeInStatusfadeTimes(float& UpTime, float& downtime, int32_t n) const {
    if (const PlaybackEngine* e = playback(n)) {
        downtime = e->state.fadeFromCurrentFadeDownTime;
        UpTime = e->state.fadeFromCurrentFadeUpTime;
    }
}

int32_t PlaybackFrame::getDimmerValue(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e ? e->getDimmerValue() : 0;
}

float PlaybackFrame::getSliderValue(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e ? float(std::nearbyint(e->getSliderValue())) : 0.0f;
}

float PlaybackFrame::intensityFactor(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e ? e->getSliderValue() : 0.0f;
}

int32_t PlaybackFrame::reportPlayBackPriority(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    if (!e) return 0;
    return n == 0 ? 5 : e->returnMyPlayBackPriority();
}

bool PlaybackFrame::reportBlackoutStatus(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e && e->returnMyBlackOutStatus();
}

QString PlaybackFrame::getCurrentSequence(int32_t n, int32_t& playBackNumber) const {
    const PlaybackEngine* e = playback(n);
    if (!e) return QString();
    playBackNumber = e->myPlaybackNumber();
    return e->returnCurrentSequence(false);
}

QString PlaybackFrame::getSceneName(int32_t n, int32_t stepNumber) const {
    const PlaybackEngine* e = playback(n);
    return e ? e->getSceneNameForPlayback(stepNumber) : QString();
}

int32_t PlaybackFrame::sendChaserValueFromPlayback(int32_t channel, int32_t stepNumber, int32_t chasernumber) {
    if (DocumentCount() == 0) clkAddPlaybackControl(shell().state.currentPlayback, false, false, false);
    int32_t v = 0;
    every(chasernumber, [&](PlaybackWindowSlot& w) { v = w.engine().sendChaserValue(channel, stepNumber, chasernumber); });
    return v;
}

QString PlaybackFrame::sequencesPath(const QString& theFilename) const {
    return shell().programPath(QStringLiteral("Sequences\\") + theFilename);
}

bool PlaybackFrame::returnIfFilenameIsRunning(const QString& theFilename, int32_t& theChaser) const {
    const QString path = sequencesPath(theFilename);
    bool found = false;
    for (const auto& w : playbackWindows) {
        if (!w->engine().getTimerStatus() || w->engine().state.theSequenceFilename != path) continue;
        theChaser = w->engine().myPlaybackNumber();
        found = true;
    }
    return found;
}

bool PlaybackFrame::returnIfFilenameIsLoaded(const QString& theFilename, int32_t& theChaser) const {
    const QString path = sequencesPath(theFilename);
    for (const auto& w : playbackWindows) {
        if (w->engine().state.theSequenceFilename != path) continue;
        theChaser = w->engine().myPlaybackNumber();
        return true;
    }
    return false;
}

QString PlaybackFrame::getPlaybackAlias(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    if (!e) return QString();
    return e->state.iAmLivePlayback || e->state.alteredPlayback ? e->state.livePlaybackName : QStringLiteral("No");
}

std::vector<clsLivePlayback> PlaybackFrame::returnLivePlaybacks() const {
    std::vector<clsLivePlayback> out;
    for (const auto& w : playbackWindows) {
        const PlaybackState& s = w->engine().state;
        if (!w->isVisible || !(s.iAmLivePlayback || s.alteredPlayback)) continue;
        out.push_back({s.myPlaybackNumber, getPlaybackAlias(s.myPlaybackNumber)});
    }
    return out;
}

int32_t PlaybackFrame::returnValueforStep1(int32_t theChannel, int32_t callingPlayback, bool& stacked) const {
    for (auto it = playbackWindows.rbegin(); it != playbackWindows.rend(); ++it) {
        const auto& w = *it;
        if (!w->isVisible || w->engine().myPlaybackNumber() == callingPlayback) continue;
        const int32_t v = w->engine().returnValueOfStep1(theChannel);
        if (v >= 0) {
            stacked = true;
            return v;
        }
        stacked = false;
    }
    return -1;
}

bool PlaybackFrame::getFadeInStatus(int32_t n) const {
    bool status = false;
    first(n, [&](PlaybackWindowSlot& w) { status = sequenceFileIo::getFadeStatus(w.engine(), false); });
    return status;
}

bool PlaybackFrame::getRecordPlusLast(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e ? e->getRecordPlusLast() : false;
}

bool PlaybackFrame::checkForShowPlaybackShortcuts(int32_t n) const {
    for (const auto& w : playbackWindows)
        if (!w->unloaded && w->engine().myPlaybackNumber() == n && w->engine().getShowPlaybackShortcuts()) return true;
    return false;
}

QString PlaybackFrame::getSceneStringLong(int32_t n) const {
    const PlaybackEngine* e = playback(n);
    return e ? e->getSceneStringLong() : QString();
}

int32_t PlaybackFrame::getChaserValueTotal(int32_t channel, int32_t chasernumber) {
    if (DocumentCount() == 0) clkAddPlaybackControl(shell().state.currentPlayback, false, false, false);
    int32_t total = 0;
    every(chasernumber, [&](PlaybackWindowSlot& w) { total = w.engine().getChaserValueTotal(channel, chasernumber); });
    return total;
}

void PlaybackFrame::returnXYCenter(int32_t thePlaybackNumber, int32_t fixture, int32_t& x, int32_t& y) const {
    first(thePlaybackNumber, [&](PlaybackWindowSlot& w) { w.engine().returnCenter(fixture, x, y); });
}
