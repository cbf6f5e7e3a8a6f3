#include "scheduler/eventEngine.h"

#include "shell/numberText.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QStringList>
#include <cmath>

namespace {

// Codes the step-command editor writes.
constexpr double stopSequence = 0, startSequence = 1, pauseSequence = 2, loadStartSequence = 3, goToStep = 4,
                 startSchedule = 5, lastMediaCode = 8;

int32_t wholeNumber(double v) {
    if (!(v < 2147483647.0)) return 2147483647;
    return int32_t(std::nearbyint(v)); // the default rounding: halves to even
}

} // namespace

EventEngine::EventEngine() {
    if (hasShell()) shell().lend<SchedulerService>(*this);
}

EventEngine::~EventEngine() {
    if (hasShell()) shell().withdraw<SchedulerService>(*this);
}

void EventEngine::readAndExecuteEventString(const QString& command, int32_t playbackNumber, const QString& sequenceFile) {
    (void)sequenceFile; // only the media player (not built) plays a file for its sequence
    const QStringList fields = command.split(QLatin1Char(','));
    const QString codeText = fields.value(0).trimmed();
    // A code that is not a number is no command.
    if (!numberText::isNumber(codeText)) return;
    const double code = numberText::leadingValue(codeText);
    const QString file = fields.value(1);
    const double third = numberText::leadingValue(fields.value(2));
    const int32_t target = third > 0 ? wholeNumber(third) : playbackNumber;
    const double fourth = numberText::leadingValue(fields.value(3));
    const double number = fourth > 0 ? fourth : 0.0;

    PlaybackService& playback = shell().playback();
    bool refresh = true;
    if (code == stopSequence) {
        playback.stopLoadedSequence(target);
    } else if (code == startSequence) {
        playback.playLoadedSequence(target, true, true, false);
    } else if (code == pauseSequence) {
        playback.setTimerStatus(target, false);
        refresh = false;
    } else if (code == loadStartSequence) {
        playback.clkAddPlaybackControl(target, false, false, false);
        int32_t doc = target;
        playback.loadSequenceInDoc(doc, file, false, false, 0);
    } else if (code == goToStep) {
        playback.fadeFromCurrent(shell().state.currentPlayback, target);
        refresh = false;
    } else if (code >= startSchedule && code <= lastMediaCode && code == std::trunc(code)) {
        // The schedule and the media players are not built: nothing to start.
    } else {
        // Every further code is a sound-to-matrix mode.
        playback.startAudioMatrix(file, target, wholeNumber(number), wholeNumber(code), playbackNumber);
        refresh = false;
    }
    if (refresh) shell().shortcuts().refreshPageOnly();
}
