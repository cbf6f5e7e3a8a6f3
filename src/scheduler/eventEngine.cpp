#include "scheduler/eventEngine.h"

#include "platform/mediaPlayer.h"
#include "scheduler/mediaWindowEngine.h"
#include "scheduler/scheduleEngine.h"
#include "shell/numberText.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QStringList>
#include <cmath>

namespace {

// Codes the step-command editor writes.
constexpr double stopSequence = 0, startSequence = 1, pauseSequence = 2, loadStartSequence = 3, goToStep = 4,
                 startSchedule = 5, loadMedia = 6, startMedia = 7, loadAndStartMedia = 8;

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
    } else if (code == startSchedule) {
        ScheduleEngine& s = scheduler::schedule();
        s.loadschedule(file);
        s.Command2_Click(0);
        if (windows) windows->showScheduler(0, 0, 0, 0);
    } else if (code == loadMedia) {
        if (MediaPlayer* p = scheduler::mediaWindow().player(1)) p->setUrl(file);
    } else if (code == startMedia) {
        if (MediaPlayer* p = scheduler::mediaWindow().player(1)) p->play();
    } else if (code == loadAndStartMedia) {
        scheduler::mediaWindow().setFileName(file, sequenceFile);
    } else {
        // Every further code is a sound-to-matrix mode.
        playback.startAudioMatrix(file, target, wholeNumber(number), wholeNumber(code), playbackNumber);
        refresh = false;
    }
    if (refresh) shell().shortcuts().refreshPageOnly();
}

// An input event. A playback or level that is not a number, or a fader that
// does not exist, does nothing: the input keeps polling.
void EventEngine::callEvent(const QString& eventName, const QString& chaserToExecuteOn, const QString& theFilename) {
    const QString name = eventName.trimmed();
    const QString file = theFilename.trimmed();
    PlaybackService& playback = shell().playback();
    if (name == QStringLiteral("Start Media File")) {
        MediaWindowEngine& media = scheduler::mediaWindow();
        MediaPlayer* one = media.player(1);
        MediaPlayer* two = media.player(2);
        if (!one || !two) return;
        const bool busy1 = one->playState() == MediaPlayer::playing, busy2 = two->playState() == MediaPlayer::playing;
        if (busy1 && busy2) return;
        MediaPlayer* p = busy1 ? two : one;
        p->stop();
        p->setUrl(file);
        p->play();
    } else if (name == QStringLiteral("Stop Media File")) {
        for (int n = 1; n <= 2; ++n)
            if (MediaPlayer* p = scheduler::mediaWindow().player(n); p && p->url() == file) p->stop();
    } else if (name == QStringLiteral("Sequence Shortcut")) {
        shell().shortcuts().pressMasterShortcut(file);
    } else if (name == QStringLiteral("Stop Sequence Shortcut")) {
        int32_t running = 0;
        if (playback.returnIfFilenameIsRunning(theFilename, running)) playback.stopLoadedSequence(running);
    } else if (name == QStringLiteral("Submaster") || name == QStringLiteral("Sub & Go")) {
        const QString p = chaserToExecuteOn.trimmed();
        if (!numberText::isNumber(p) || !numberText::isNumber(file)) return;
        const int32_t number = wholeNumber(numberText::leadingValue(p));
        const double level = numberText::leadingValue(file);
        MastersService& masters = shell().masters();
        if (!masters.hasPlaybackFader(number)) return;
        if (name == QStringLiteral("Sub & Go") && level == 255) {
            playback.playLoadedSequence(number, false, false, false);
            playback.setChaseMode(number, 0, false);
        }
        masters.setPlaybackFader(number, std::round(level / 2.55 * 10.0) / 10.0);
    }
}

// The schedule is looked at only when it was made: asking must not start its clock.
bool EventEngine::schedulerRecording() {
    const ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>();
    return s && s->myRecordMode;
}

void EventEngine::recordEvent(const QString& eventToExecute, const QString& eventType) {
    if (ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>()) s->recordEvent(eventToExecute, eventType);
}

bool EventEngine::scheduleRunning() {
    const ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>();
    return s && s->scheduleRunning;
}

QString EventEngine::currentScheduleFile() const {
    const ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>();
    return s ? s->currentScheduleFile : QString();
}

void EventEngine::callTheTrigger(int32_t triggerType, int32_t triggerValue) {
    if (ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>()) s->callTheTrigger(triggerType, triggerValue);
}

void EventEngine::stopSchedule() {
    if (ScheduleEngine* s = shell().loadedEngine<ScheduleEngine>(); s && s->relativetimego) s->Command2_Click(1);
}

// The window opens as the menu opens it, then the button's file loads and
// starts. Opening the window refreshes the page while the schedule is not yet
// running, which would show the pressed button off: the page is refreshed again.
void EventEngine::startTimeline(const QString& path) {
    ScheduleEngine& s = scheduler::schedule();
    if (windows) windows->openFromMenu();
    s.loadschedule(path);
    s.Command2_Click(0);
    shell().shortcuts().refreshPageOnly();
}

// Stops everything the schedule started and closes its window.
void EventEngine::stopTimeline() {
    scheduler::schedule().Command2_Click(1);
    if (windows) windows->closeScheduler();
}

void EventEngine::showScheduler(int32_t top, int32_t left, int32_t width, int32_t height) {
    scheduler::schedule();
    if (windows) windows->showScheduler(top, left, width, height);
}

void EventEngine::showMediaPlayer() {
    if (windows) windows->showMediaPlayer();
    scheduler::mediaWindow().show();
}

void EventEngine::clkVideoOptions_Click() {
    if (windows) windows->videoOptions();
}
