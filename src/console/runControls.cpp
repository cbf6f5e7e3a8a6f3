#include "console/runControls.h"

#include "shell/channelModel.h"
#include "shell/libParsePath.h"
#include "shell/services/audioService.h"
#include "shell/services/controlService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

namespace {
int32_t current() { return shell().state.currentPlayback; }
PlaybackService& pb() { return shell().playback(); }
constexpr int32_t lockedPriority = 10, normalPriority = 5;
} // namespace

void RunControls::go() {
    stepNumberColour = green;
    if (lockLatched) {
        for (int32_t n = 1; n <= 8; ++n) play(n, true);
    } else {
        play(current(), true);
    }
}

void RunControls::play(int32_t chaserToPlay, bool fromChaser) {
    pb().updateDisplayData(current());
    if (fromChaser) {
        pb().playLoadedSequence(current(), false, false, false);
        pb().setChaseMode(current(), 1, false);
    }
    if (chaserToPlay == current()) stepNumberColour = green;
}

void RunControls::release() {
    if (lockLatched) {
        for (int32_t k = pb().DocumentCount(); k >= 1; --k)
            if (pb().getChaserFlag(k)) pb().stopLoadedSequence(k);
    } else if (current() > 0 && pb().reportPlayBackPriority(current()) < lockedPriority) {
        pb().stopLoadedSequence(current());
    }
}

void RunControls::pause() { pb().setPause(current(), false); }
void RunControls::stepForward() { pb().StepFoward(current()); }
void RunControls::stepBack() { pb().stepBackWards(current()); }

void RunControls::stopchase(int32_t button, bool fromChase) {
    ChannelModel& m = shell().state;
    if (button == 1) {
        for (int32_t c = 1; c <= m.totalChannels; ++c)
            if (m.channelOwner[size_t(c)] == current() && !m.channelHold[size_t(c)]) m.channelTouched[size_t(c)] = 0;
        if (current() != 0 && fromChase) pb().stopLoadedSequence(current());
    } else if (button == 2) {
        releaseTooltip = pb().getChaserFlag(current()) ? QStringLiteral("Sequence Paused") : QStringLiteral("Sequence Resumed");
    }
}

void RunControls::cmdCreateNew_Click(int32_t index) {
    ChannelModel& m = shell().state;
    switch (index) {
    case 0:
        pb().clkAddPlaybackControl(0, false, true, false);
        pb().UpdateMainDisplay(current());
        allPlaybacksCaption = QStringLiteral("New Sequence");
        break;
    case 1:
        pb().fadeOutSequence(current());
        allPlaybacksCaption = returnSequenceNameForCurrentChaser();
        break;
    case 2:
        for (int32_t i = 1; i <= pb().DocumentCount(); ++i) {
            if (pb().reportPlayBackPriority(i) >= lockedPriority) continue;
            pb().clearSequenceInChaser(i);
            sequenceDetails.clear();
            pb().hidePlayback(i);
        }
        m.currentPlayback = pb().returnFirstPlayback();
        allPlaybacksCaption = QStringLiteral("Empty Playback");
        shell().patch().Form_MouseDown(1, 0, 0, 0);
        shell().patch().Form_MouseUp(1, 0, 0, 0);
        shell().audio().stopBeatEmulation();
        lockLatched = false;
        lockColour = darkGrey;
        shell().shortcuts().removeAllButtonCollections();
        shell().shortcuts().refreshPageOnly();
        break;
    default:
        break;
    }
}

void RunControls::toggleLock() {
    if (lockLatched) {
        lockLatched = false;
        lockColour = darkGrey;
        pb().setPlaybackPriority(current(), normalPriority, true);
        allPlaybacksCaption = returnSequenceNameForCurrentChaser();
    } else {
        lockLatched = true;
        pb().setPlaybackPriority(current(), lockedPriority, true);
        lockColour = red;
    }
    pb().UpdateMainDisplay(current());
}

void RunControls::toggleBlackout() {
    blackoutLatched = !blackoutLatched;
    pb().blackOutPlaybacks(current(), blackoutLatched, false, false, false);
    blackoutColour = blackoutLatched ? black : white;
}

void RunControls::toggleAutoGo() {
    const bool wasOn = autoGoColour == red;
    pb().setWaitForGO(current(), wasOn);
    autoGoColour = wasOn ? black : red;
    shell().control().switchWingButton(QStringLiteral("autogo"), !wasOn);
}

void RunControls::choosePlayback(const QString& caption) {
    shell().state.currentPlayback = pb().returnDocNumberWithCaption(caption);
    pb().UpdateMainDisplay(current());
    selectCurrentChaserActiveFixtures();
}

QString RunControls::returnSequenceNameForCurrentChaser() {
    const int32_t n = current();
    int32_t number = n;
    QString name = QString::number(n) + QStringLiteral(" - ") +
                   libParsePath::ParsePath(pb().getCurrentSequence(n, number), 4);
    const QString alias = pb().getPlaybackAlias(n);
    if (alias != QLatin1String("No") && !alias.isEmpty()) name = alias;
    if (name == QString::number(n) + QStringLiteral(" - ")) name = QStringLiteral("Programmer - ") + QString::number(n);
    const int32_t priority = pb().reportPlayBackPriority(n);
    if (priority == normalPriority) {
        lockLatched = false;
        lockColour = darkGrey;
    } else if (priority == lockedPriority) {
        lockLatched = true;
        lockColour = red;
    }
    blackoutLatched = !pb().reportBlackoutStatus(n);
    blackoutColour = blackoutLatched ? black : white;
    return name;
}

void RunControls::selectCurrentChaserActiveFixtures() {
    ChannelModel& m = shell().state;
    PatchService& patch = shell().patch();
    patch.Form_MouseDown(1, 0, 0, 0);
    patch.Form_MouseUp(1, 0, 0, 0);
    int32_t last = 0;
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        if (m.channelOwner[size_t(c)] != current()) continue;
        const int32_t f = m.channelFixture[size_t(c)];
        // Every fixture 1..fixtureCount, the last one included.
        if (f >= 1 && f <= m.fixtureCount) {
            patch.setSelected(f, true);
            last = f;
        }
    }
    if (last > 0 && last < m.fixtureView.size() && patch.currentFixtureLayer() != m.fixtureView[last])
        patch.changeFixtureLayer(m.fixtureView[last]);
}
