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
#include "shell/afterTick.h"
#include "shell/shell.h"

#include <QDebug>
#include <algorithm>
#include <cmath>
#include <optional>

PlaybackFrame& playbackFrame() { return shell().engine<PlaybackFrame>(); }

PlaybackWindowSlot::PlaybackWindowSlot(PlaybackFrame& f) : frame(f), engineObject(std::make_unique<PlaybackEngine>()) {
    engineObject->setHost(this);
}
PlaybackWindowSlot::~PlaybackWindowSlot() = default;

void PlaybackWindowSlot::showWindow() { frame.setVisible(*this, true); }
void PlaybackWindowSlot::hideWindow() { frame.setVisible(*this, false); }

PlaybackFrame::PlaybackFrame() {
    tick = shell().timers().create();
    tick->setInterval(designIntervalMs);
    tick->onTick = [this] { HiResTimer1_Timer(); };
    tick->setEnabled(true);
    shell().lend<PlaybackService>(*this);
}

PlaybackFrame::~PlaybackFrame() {
    // Windows that show a playback go before the playback does.
    for (const auto& w : playbackWindows) view().windowUnloaded(*w);
    if (tick) {
        tick->setEnabled(false);
        tick->onTick = nullptr;
    }
    if (hasShell()) shell().withdraw<PlaybackService>(*this);
}

void PlaybackFrame::setFrameCaption(const QString& text) {
    frameCaptionText = text;
    view().captionChanged(text);
}

void PlaybackFrame::setRefreshTickEnabled(bool on) {
    if (on && !tick->enabled()) restartCatchUp();
    tick->setEnabled(on);
}
bool PlaybackFrame::refreshTickEnabled() const { return tick->enabled(); }

// By position in the window list, as the shell walks 1..DocumentCount.
int32_t PlaybackFrame::maxStepsAtPosition(int32_t position) const {
    PlaybackWindowSlot* w = slotAt(position);
    return w ? w->engine().giveMeMaxStep() : 0;
}

void PlaybackFrame::sceneCopied(int32_t number, int32_t step) {
    sceneMemoryBelongsToPlayBackNumber = number;
    sceneCopiedFrom = step;
}

// Nothing copied yet (number 0): the step's times become 0.
void PlaybackFrame::pasteCopiedFadeTimes(int32_t pasteTo) {
    returnFadeTimes(sceneMemoryBelongsToPlayBackNumber, sceneCopiedFrom, pasteTo);
}

void PlaybackFrame::saveUseSequenceFadetimeShort(int32_t n) {
    first(n, [](PlaybackWindowSlot& w) { sequenceFileIo::SaveUseSequenceFadetimeShort(w.engine()); });
}

// ---- Windows ------------------------------------------------------------------------------

PlaybackWindowSlot* PlaybackFrame::slotAt(int32_t i) const {
    return i >= 1 && i <= DocumentCount() ? playbackWindows[size_t(i - 1)].get() : nullptr;
}

PlaybackWindowSlot* PlaybackFrame::findPlayback(int32_t n) const {
    for (const auto& w : playbackWindows)
        if (w->engine().myPlaybackNumber() == n) return w.get();
    return nullptr;
}

PlaybackEngine* PlaybackFrame::playback(int32_t n) const {
    PlaybackWindowSlot* w = findPlayback(n);
    return w ? &w->engine() : nullptr;
}

bool PlaybackFrame::numberExists(int32_t n) const { return findPlayback(n) != nullptr; }

bool PlaybackFrame::first(int32_t n, const std::function<void(PlaybackWindowSlot&)>& f) const {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) {
        if (w->unloaded || w->engine().myPlaybackNumber() != n) continue;
        f(*w);
        return true;
    }
    return false;
}

bool PlaybackFrame::every(int32_t n, const std::function<void(PlaybackWindowSlot&)>& f) const {
    const SlotList snapshot = playbackWindows;
    bool any = false;
    for (const auto& w : snapshot) {
        if (w->unloaded || w->engine().myPlaybackNumber() != n) continue;
        f(*w);
        any = true;
    }
    return any;
}

void PlaybackFrame::all(const std::function<void(PlaybackWindowSlot&)>& f) const {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot)
        if (!w->unloaded) f(*w);
}

void PlaybackFrame::setVisible(PlaybackWindowSlot& w, bool visible) {
    if (w.isVisible == visible) return;
    w.isVisible = visible;
    // The window follows after the tick (at once outside it).
    shell().engine<AfterTick>().mark(&w, 0, [&w] { w.view().visibilityChanged(w.isVisible); });
}

void PlaybackFrame::setCaption(PlaybackWindowSlot& w, const QString& caption) {
    w.captionText = caption;
    w.view().captionChanged(caption);
}

void PlaybackFrame::unloadPlayback(PlaybackWindowSlot& w) {
    if (w.unloaded) return;
    w.unloaded = true;
    shell().engine<AfterTick>().forget(&w);
    w.engine().unloadWindow();
    w.isVisible = false;
    // Keep the slot alive until the end of this call: a walk may hold it.
    std::shared_ptr<PlaybackWindowSlot> keep;
    for (auto it = playbackWindows.begin(); it != playbackWindows.end(); ++it) {
        if (it->get() == &w) {
            keep = *it;
            playbackWindows.erase(it);
            break;
        }
    }
    view().windowUnloaded(w);
}

PlaybackWindowSlot& PlaybackFrame::createWindow(int32_t number, const QString& heading) {
    auto w = std::make_shared<PlaybackWindowSlot>(*this);
    playbackWindows.push_back(w);
    PlaybackEngine& e = w->engine();
    e.state.originalHeading = heading;
    w->Tag = QString::number(DocumentCount());
    e.setMyPlayBackNumber(number);
    w->captionText = heading;
    view().windowCreated(*w);
    return *w;
}

void PlaybackFrame::applyLiveMarks(PlaybackWindowSlot& w, bool livePlayback, const QString& liveHeading) {
    PlaybackState& s = w.engine().state;
    if (livePlayback) {
        s.iAmLivePlayback = true;
        s.livePlaybackName = QStringLiteral("Use Presets to Create");
        if (!liveHeading.isEmpty()) s.originalHeading = liveHeading;
    } else {
        s.iAmLivePlayback = false;
    }
}

void PlaybackFrame::finalFaderStep() {
    if (playbackWindows.empty()) return;
    const PlaybackEngine& e = playbackWindows.back()->engine();
    const int32_t number = e.myPlaybackNumber();
    shell().masters().loadAnotherFader(number, e.state.PlaybackAlias, QString::number(number));
}

void PlaybackFrame::clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible, bool livePlayback) {
    ChannelModel& m = shell().state;
    if (forceNumber <= 0) {
        PlaybackWindowSlot* hidden = nullptr;
        for (const auto& w : playbackWindows)
            if (!w->isVisible) { hidden = w.get(); break; }
        if (hidden) {
            if (makeVisible) {
                const int32_t n = hidden->engine().myPlaybackNumber();
                setVisible(*hidden, true);
                m.currentPlayback = n;
                hidden->engine().clearLoadedSequence();
                applyLiveMarks(*hidden, livePlayback, QStringLiteral("LIVE Playback:") + QString::number(n));
            }
        } else if (!fromMain || DocumentCount() == 0) {
            int32_t n = DocumentCount() + 1;
            while (numberExists(n)) ++n; // numbers and positions part after an unload
            PlaybackWindowSlot& w = createWindow(n, QStringLiteral("  Playback #: ") + QString::number(n));
            if (makeVisible) {
                setVisible(w, true);
                m.currentPlayback = n;
            }
            applyLiveMarks(w, livePlayback, QStringLiteral("LIVE Playback:") + QString::number(n));
        }
    } else {
        const bool found = every(forceNumber, [&](PlaybackWindowSlot& w) {
            if (makeVisible) setVisible(w, true);
            applyLiveMarks(w, livePlayback, QString());
        });
        if (!found) {
            PlaybackWindowSlot& w = createWindow(forceNumber, QStringLiteral("  Playback #: ") + QString::number(forceNumber));
            if (makeVisible) {
                setVisible(w, true);
                m.currentPlayback = forceNumber;
            }
            applyLiveMarks(w, livePlayback, QStringLiteral("LIVE Playback:") + QString::number(forceNumber));
        }
    }
    finalFaderStep();
}

void PlaybackFrame::loadInto(PlaybackWindowSlot& w, const QString& sequenceName, bool doNotFadeCurrent, bool crossFade,
                             int32_t sentDimmerValue, bool& loaded) {
    PlaybackEngine& e = w.engine();
    if (!sequenceFileIo::loadSeqenceIntoMemory(e, sequenceName, crossFade ? 1 : 0)) return;
    loaded = true;
    const int32_t number = e.myPlaybackNumber();
    QString caption = libParsePath::ParsePath(sequenceName, 4) + QStringLiteral("  (") + QStringLiteral(" Playback") +
                      QStringLiteral(" ") + QString::number(number) + QStringLiteral(")");
    if (number >= 1 && number <= 8) {
        if (const std::optional<QString> name = shell().mainWindow().playbackNames(number - 1))
            caption += QStringLiteral("'") + *name + QStringLiteral("'");
    }
    setCaption(w, caption);
    if (doNotFadeCurrent) return;
    setDimmerValue(sentDimmerValue, number);
    if (e.state.fadeFromCurrentScene && !e.state.overRideCrossFadeTimes) {
        e.fadeFromCurrent(1, true, 0);
    } else {
        e.fadeFromCurrent(1, false, 0);
        e.cmdGo_Click();
    }
}

int32_t PlaybackFrame::loadSequenceInDoc(int32_t& doc, const QString& sequenceName, bool doNotFadeCurrent, bool crossFade,
                                         int32_t sentDimmerValue) {
    if (doc == 0) {
        for (const auto& w : playbackWindows) {
            if (!w->engine().getTimerStatus() && w->engine().returnCurrentSequence(false).isEmpty()) {
                doc = w->engine().myPlaybackNumber();
                break;
            }
        }
    }
    if (doc == 0) {
        const int32_t before = DocumentCount();
        clkAddPlaybackControl(0, false, false, false);
        if (DocumentCount() > before) {
            doc = playbackWindows.back()->engine().myPlaybackNumber();
        } else {
            // Every window is busy and a hidden one blocks reuse: append a
            // playback of its own, shown and made current.
            int32_t n = DocumentCount() + 1;
            while (numberExists(n)) ++n;
            clkAddPlaybackControl(n, false, true, false);
            doc = n;
        }
    } else if (!numberExists(doc)) {
        clkAddPlaybackControl(doc, false, true, false);
    }
    if (!numberExists(doc)) {
        shell().prompts().messageBox(QStringLiteral("error in loadSequenceInDoc: ") +
                                     QStringLiteral("no playback numbered %1 could be made").arg(doc));
        return 0;
    }
    bool loaded = false;
    every(doc, [&](PlaybackWindowSlot& w) { loadInto(w, sequenceName, doNotFadeCurrent, crossFade, sentDimmerValue, loaded); });
    return loaded ? doc : 0;
}

void PlaybackFrame::reDimAllPlaybackControls() {
    const SlotList snapshot = playbackWindows;
    for (const auto& w : snapshot) unloadPlayback(*w);
}

// ---- Frame queries ------------------------------------------------------------------------

int32_t PlaybackFrame::returnNumberOfPlaybacksActive() const {
    return int32_t(std::count_if(playbackWindows.begin(), playbackWindows.end(), [](const auto& w) { return w->isVisible; }));
}

int32_t PlaybackFrame::returnFirstPlayback() const {
    for (const auto& w : playbackWindows)
        if (w->isVisible) return w->engine().myPlaybackNumber();
    return 1;
}

std::vector<std::pair<int32_t, QString>> PlaybackFrame::visiblePlaybackCaptions() const {
    std::vector<std::pair<int32_t, QString>> captions;
    for (const auto& w : playbackWindows)
        if (w->isVisible) captions.emplace_back(w->engine().myPlaybackNumber(), w->captionText);
    return captions;
}

int32_t PlaybackFrame::getMaxSteps(int32_t theDoc) const {
    const PlaybackEngine* e = playback(theDoc);
    return e ? e->giveMeMaxStep() : 0;
}

void PlaybackFrame::giveMeMaxStepsInDoc(int32_t theDoc, int32_t& theAmount) const {
    if (const PlaybackEngine* e = playback(theDoc)) theAmount = e->giveMeMaxStep();
}

int32_t PlaybackFrame::returnDocNumberWithCaption(const QString& caption) const {
    for (int32_t i = 1; i <= DocumentCount(); ++i)
        if (playbackWindows[size_t(i - 1)]->captionText == caption) return i;
    return 1;
}
