// The frame's refresh tick: its fixed order of work, the matrix redraw and the
// tick's errors.

#include "playback/playbackFrame.h"

#include "profiles/ClsFixture.h"
#include "playback/playbackEngine.h"
#include "playback/sequenceFileIo.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "shell/afterTick.h"
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

// ---- Refresh tick ---------------------------------------------------------------------

int32_t PlaybackFrame::periodsDue() {
    const int64_t now = shell().clock().monotonicMs();
    const int64_t period = tick->interval();
    if (lastTickMs < 0 || period <= 0 || now < lastTickMs) {
        lastTickMs = now;
        owedMs = 0;
        return 1;
    }
    owedMs += now - lastTickMs;
    lastTickMs = now;
    const int64_t due = owedMs / period;
    if (due > maxCatchUpPeriods) {
        // Too far behind (a modal box, a stalled machine): the rest is let go.
        owedMs = 0;
        return maxCatchUpPeriods;
    }
    // A tick a little early counts as one on time; one a little late keeps
    // the part of a period it owes for the next.
    owedMs = std::max<int64_t>(0, owedMs - std::max<int64_t>(due, 1) * period);
    return int32_t(std::max<int64_t>(due, 1));
}

void PlaybackFrame::HiResTimer1_Timer() {
    Shell& sh = shell();
    // Window updates and file writes the tick's work asks for run once it is
    // done, after the frame has gone out.
    AfterTick::Scope after(sh.engine<AfterTick>());
    // 1. Step every running playback, showing a hidden one first; as many
    // times as periods passed.
    const int32_t periods = periodsDue();
    for (int32_t period = 0; period < periods; ++period) {
        const SlotList snapshot = playbackWindows;
        for (const auto& w : snapshot) {
            if (w->unloaded) continue;
            PlaybackEngine& e = w->engine();
            if (!e.getTimerStatus()) continue;
            if (!w->isVisible) setVisible(*w, true);
            e.tmrPlayBackEvent_Timer();
        }
        // Movement macros move on the playbacks' levels.
        sh.effects().updateMovementMacros();
    }
    // Sound to matrix: the spectra that arrived since the last tick.
    sh.matrix().drawSoundToMatrix();
    // 2. Send stage.
    sh.output().sendOutputFrame();
    // 3. Palette window.
    sh.presets().updateDMXValueDisplay(false);
    sh.presets().loadAllSelectedFixturePositions(false);
    // 4. Pixel matrix.
    try {
        if (sh.matrix().matrixVisible()) redrawMatrix();
    } catch (const std::exception& e) {
        reportTickError(QStringLiteral(" Error Updating Matrix:") + QString::fromUtf8(e.what()));
    }
    // 5. Slow work every 26th tick.
    if (++tickCounter > 25) {
        sh.masters().showTime();
        sh.shortcuts().checkTimers();
        tickCounter = 0;
    }
    // 6. Fade-done check of the button pages.
    sh.shortcuts().checkDoneWithFadeDelay();
}

void PlaybackFrame::redrawMatrix() {
    ChannelModel& m = shell().state;
    const PlaybackEngine* current = playback(m.currentPlayback);
    if (!current) {
        reportTickError(QStringLiteral(" Error Updating Matrix:") +
                        QStringLiteral("no playback numbered %1").arg(m.currentPlayback));
        return;
    }
    const int32_t step = current->returnMyCurrentStep();
    MatrixService& matrix = shell().matrix();
    const QString name = matrix.myMatrixName();
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureStartChannel.size()) - 1);
    for (int32_t j = 1; j <= fixtures; ++j) {
        if (j >= m.fixtureMatrixMarker.size() || m.fixtureMatrixMarker[j] != QLatin1String("YesMatrix")) continue;
        if (j >= m.fixtureMatrixName.size() || m.fixtureMatrixName[j] != name) continue;
        const int32_t k = size_t(j) < m.fixtureLightClass.size() ? m.fixtureLightClass[size_t(j)] : 0;
        if (k < 1 || size_t(k) >= m.lightClasses.size() || !m.lightClasses[size_t(k)]) continue;
        const int64_t index = int64_t(m.fixtureStartChannel[size_t(j)]) + m.lightClasses[size_t(k)]->redChannel();
        if (index < 1 || index >= m.channelMixedColour.size()) {
            reportTickError(QStringLiteral(" Error Updating Matrix:") +
                            QStringLiteral("fixture %1 has no colour channel %2").arg(j).arg(index));
            continue;
        }
        const int32_t colour = int32_t(m.channelMixedColour[qsizetype(index)].trimmed().toLongLong());
        if (size_t(j) < m.fixtureMatrixColumn.size() && size_t(j) < m.fixtureMatrixRow.size())
            matrix.drawMatrix(m.fixtureMatrixColumn[size_t(j)] - 1, m.fixtureMatrixRow[size_t(j)] - 1, colour, step);
    }
}

void PlaybackFrame::reportTickError(const QString& text) {
    if (std::find(reportedTickErrors.begin(), reportedTickErrors.end(), text) != reportedTickErrors.end()) return;
    reportedTickErrors.push_back(text);
    qWarning().noquote() << text;
    miscGlobalFunctions::showStatusText(text);
}

void PlaybackFrame::applyStartupRefreshRate(const QString& settingsValue) {
    bool ok = false;
    const int v = settingsValue.trimmed().toInt(&ok);
    tick->setInterval(ok && v >= 1 && v <= 99 ? v : designIntervalMs);
    restartCatchUp();
}

int32_t PlaybackFrame::refreshIntervalMs() const { return tick->interval(); }

void PlaybackFrame::setRefreshIntervalMs(int32_t milliseconds) {
    tick->setInterval(milliseconds);
    restartCatchUp();
}
