// The playback engine: identity and sizing, errors, recording, queries and
// step commands.

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
#include "shell/afterTick.h"
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

using namespace playbackEngineDetail;

int32_t roundHalfEvenWide(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r >= 2147483647.0) return 2147483647;
    if (r <= -2147483648.0) return -2147483647 - 1;
    return int32_t(r);
}

PlaybackEngine::PlaybackEngine() {
    state.resize(hasShell() ? model().totalChannels : 0, 5);
}

PlaybackEngine::~PlaybackEngine() {
    if (hasShell())
        if (AfterTick* after = shell().loadedEngine<AfterTick>()) after->forget(this);
}

void PlaybackEngine::markDisplay(Display what, std::function<void()> update) {
    if (!hasShell()) {
        update();
        return;
    }
    shell().engine<AfterTick>().mark(this, int(what), std::move(update));
}

// ---- Identity and sizing ------------------------------------------------------

void PlaybackEngine::setMyPlayBackNumber(int32_t number) {
    if (number >= 1 && number <= 8) {
        state.isDeskPlayback = true;
        state.deskRow = int16_t(number);
    } else {
        // The desk link stays as it was; only the row falls back.
        state.deskRow = 1;
    }
    state.myPlaybackNumber = number;
    state.vsliderFadeTime = 1000;
    if (state.originalHeading.isEmpty()) state.originalHeading = QStringLiteral("Playback : ") + QString::number(number);
}

void PlaybackEngine::setPriority(int32_t priority) { state.myPriority = priority; }

void PlaybackEngine::ensureChannelCapacity() {
    const int32_t total = model().totalChannels;
    if (state.channelSlots() != total || state.stepValues.channels() != total) {
        state.resize(total, std::max(state.lastStepSlot(), 5));
        // A show that lost channels must not leave the tick's fading lists
        // pointing past the resized tables.
        auto beyond = [total](int32_t c) { return c > total; };
        std::erase_if(fallingChannels, beyond);
        std::erase_if(risingChannels, beyond);
    }
}

ChannelModel& PlaybackEngine::sizedModel() {
    ensureChannelCapacity();
    return model();
}

void PlaybackEngine::ensureStepSlot(int32_t step) {
    if (step < 0) throw std::out_of_range("Subscript out of range");
    ensureChannelCapacity();
    if (step > state.lastStepSlot()) state.resize(model().totalChannels, step + 5);
}

void PlaybackEngine::reDimForStepCount(int32_t /*count*/, int32_t& stepCount) {
    if (stepCount < 0) stepCount = 0;
    stepCount += 5;
    // Tables are never shrunk below what they hold.
    state.resize(model().totalChannels, std::max(stepCount, state.lastStepSlot()));
    if (state.stepCount == 0) recordScene(false);
}

void PlaybackEngine::setMaxSequenceSteps(int32_t& steps) {
    state.stepCount = std::max(steps, 0);
    reDimForStepCount(0, steps);
}

bool PlaybackEngine::isCurrentPlayback() const {
    return model().currentPlayback == state.myPlaybackNumber;
}

void PlaybackEngine::displayChanged() {
    markDisplay(Display::window, [this] { view().displayChanged(); });
}

void PlaybackEngine::showWindow() {
    if (attachedHost) attachedHost->showWindow();
}

void PlaybackEngine::hideWindow() {
    if (attachedHost) attachedHost->hideWindow();
}

bool PlaybackEngine::isPanOrTilt(int32_t c) const {
    const QString& t = model().channelType.at(c);
    return t == QLatin1String("pan") || t == QLatin1String("tilt");
}

float PlaybackEngine::computeIntensityFactor() const {
    const int32_t gm = shell().masters().grandMaster();
    return float((double(gm) / 100.0) * (double(state.sliderDimmer) / 100.0));
}

float PlaybackEngine::roundDown(float dblValue) { return std::trunc(dblValue); }

// ---- Errors ----------------------------------------------------------------------

void PlaybackEngine::logFadeError(const QString& description, const QString& source) {
    // An error that repeats on every tick is written once, not forty times a
    // second, until the playback moves on to another step.
    if (description == lastLoggedError) return;
    lastLoggedError = description;
    const QString line = QString::number(state.currentStep) + QStringLiteral(" ,") + state.theSequenceFilename +
                         QLatin1Char(',') + description + QLatin1Char(',') + QString::number(state.sliderDimmer) +
                         QLatin1Char(',') + source + QLatin1Char('\n');
    // The file is opened after the tick, never inside it.
    const QString path = QDir(shell().programFolder()).filePath(QStringLiteral("fadeErrorLog.txt"));
    shell().engine<AfterTick>().post(this, [path, line] {
        QFile log(path);
        if (log.open(QIODevice::Append | QIODevice::Text)) log.write(line.toLocal8Bit());
    });
}

void PlaybackEngine::reportError(const QString& text) {
    if (!inTick) {
        shell().prompts().messageBox(text);
        return;
    }
    logFadeError(text, QStringLiteral("VarnelDMX"));
    if (tickErrorReported) return;
    tickErrorReported = true;
    miscGlobalFunctions::showStatusText(text);
}

// ---- Recording and queries ----

namespace {

// Stop codes of the step-command names shown in the sequence grid.
const char* const commandNames[] = {
    "Stop Sequence",  "Start Sequence", "Pause Sequence",   "Load/Start Sequence", "Goto Step",
    "Start Schedule", "Load Media",     "Start Media",      "Start & Load Media",  "Multi Color EQ",
    "Normal EQ",      "Upside Down EQ", "Random Frequency", "Color Frequency",     "Color Flash",
    "Random Color Flash", "Level Meter"};

} // namespace

void PlaybackEngine::recordScene(bool addscene) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    if (addscene) {
        st.sceneJustRecorded = true;
        m.sequenceChanged = true;
        st.recordPlusLast = true;
    } else if (st.currentStep == 0) {
        st.currentStep = 1;
        setTriggerType(1);
    }
    if (addscene) {
        if (st.currentStep >= st.stepCount) {
            st.stepCount += 1;
            ensureStepSlot(st.stepCount + 6);
        }
        st.sceneJustRecorded = true;
        advanceToNextStep(true);
    }
    takeMainDeskTimes();
    ensureStepSlot(st.currentStep);
    const int16_t me = int16_t(st.myPlaybackNumber);
    for (int32_t c = 1; c <= m.totalChannels; ++c)
        if (m.channelOwner[size_t(c)] == me) st.stepValues.set(c, st.currentStep, m.channelOutput[size_t(c)]);
    if (st.sceneNames[st.currentStep].trimmed().isEmpty())
        st.sceneNames[st.currentStep] = QStringLiteral("Scene ") + QString::number(st.currentStep);
    if (!st.sceneJustRecorded) showFadetimeOnMain();
    if (st.currentStep < st.stepCount) st.sceneJustRecorded = false;
    if (!addscene) advanceToNextStep(false);
    if (addscene && st.stepCount < 2) showWindow();
    displayChanged();
}

void PlaybackEngine::updateCurrentSceneValues() {
    PlaybackState& st = state;
    if (st.recordPlusLast) return;
    ChannelModel& m = model();
    ensureStepSlot(st.currentStep);
    const int16_t me = int16_t(st.myPlaybackNumber);
    const float factor = st.intensityFactor;
    StepLevels& levels = st.stepValues;
    const int32_t s = st.currentStep;
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        if (m.channelOwner[size_t(c)] != me) continue;
        const int32_t out = m.channelOutput[size_t(c)];
        if (m.channelIsIntensity[size_t(c)]) {
            if (factor > 0) {
                const double v = double(out) * (1.0 / double(factor));
                levels.set(c, s, roundHalfEven(v));
                st.currentLevels[size_t(c)] = float(v);
            } else {
                levels.set(c, s, 0);
                st.currentLevels[size_t(c)] = 0;
            }
        } else {
            levels.set(c, s, out);
            st.currentLevels[size_t(c)] = float(out);
        }
    }
    takeMainDeskTimes();
}

void PlaybackEngine::takeMainDeskTimes() {
    if (!setFadeTimesFromMainDesk(false))
        reportError(QStringLiteral("A time on the main window is not a number; the step keeps its other times"));
}

void PlaybackEngine::setCurrentStep(int32_t theStep) {
    // Only a step the tables hold can become current; anything else would be
    // read past the tables by the next advance.
    if (theStep >= 0 && theStep <= state.stepCount && theStep <= state.lastStepSlot()) state.currentStep = theStep;
    showFadetimeOnMain();
    displayChanged();
}

QString PlaybackEngine::returnCurrentSequence(bool overRide) const {
    if (state.stopAndClearAfterFadeOut && !overRide) return {};
    return state.theSequenceFilename;
}

int32_t PlaybackEngine::returnValueOfStep1(int32_t theChannel) const {
    if (theChannel < 1 || size_t(theChannel) >= state.sequenceChannels.size() || !state.sequenceChannels[size_t(theChannel)])
        return -1;
    if (!state.stepValues.contains(theChannel, state.currentStep)) return -1;
    return state.stepValues(theChannel, state.currentStep);
}

void PlaybackEngine::setSceneNameForPlayback(int32_t& stepNumber, const QString& sceneName) {
    if (stepNumber == 0) stepNumber = state.currentStep;
    if (stepNumber > state.stepCount || stepNumber < 0 || stepNumber >= state.sceneNames.size()) return;
    state.sceneNames[stepNumber] = sceneName;
}

QString PlaybackEngine::getSceneNameForPlayback(int32_t stepNumber) const {
    if (stepNumber > state.stepCount || stepNumber < 0) return {};
    return state.sceneNames.value(stepNumber);
}

void PlaybackEngine::giveMeFadeTimes(int32_t forStep, float& up, float& down, float& delayUp,
                                               float& delayDown, float& follow) const {
    if (forStep < 0 || forStep > state.lastStepSlot()) throw std::out_of_range("Subscript out of range");
    up = state.fadeUpTimes[size_t(forStep)];
    down = state.fadeDownTimes[size_t(forStep)];
    delayUp = state.delayUpTimes[size_t(forStep)];
    delayDown = state.delayDownTimes[size_t(forStep)];
    follow = state.followTimes[size_t(forStep)];
}

void PlaybackEngine::setMyFadeTimes(int32_t step, float up, float down, float delayUp, float delayDown,
                                              float follow) {
    if (step == 0) step = state.currentStep;
    if (step < 0 || step > state.lastStepSlot()) throw std::out_of_range("Subscript out of range");
    state.fadeUpTimes[size_t(step)] = up;
    state.fadeDownTimes[size_t(step)] = down;
    state.delayUpTimes[size_t(step)] = delayUp;
    state.delayDownTimes[size_t(step)] = delayDown;
    state.followTimes[size_t(step)] = follow;
}

QString PlaybackEngine::stepCommandName(int32_t step) const {
    const QString field = state.stepCommands.value(step).section(QLatin1Char(','), 0, 0).trimmed();
    bool ok = false;
    const int code = field.toInt(&ok);
    if (!ok || code < 0 || code > 16 || field != QString::number(code)) return {};
    return QString::fromLatin1(commandNames[code]);
}

bool PlaybackEngine::returnCurrentAutoGO() const {
    const int32_t c = state.currentStep;
    return c >= 0 && c < int32_t(state.stepStops.size()) && state.stepStops[size_t(c)];
}

// ---- Step commands --------------------------------------------------------------------------------

QString PlaybackEngine::getSceneStringLong() const { return state.stepCommands.value(state.currentStep); }

void PlaybackEngine::setSceneStringLong(const QString& theString, int32_t stepNumber) {
    PlaybackState& st = state;
    if (stepNumber != 0) {
        if (stepNumber >= 1 && stepNumber <= st.stepCount && stepNumber < st.stepCommands.size())
            st.stepCommands[stepNumber] = theString;
    } else {
        if (st.currentStep == 0) recordScene(false);
        if (st.currentStep >= 0 && st.currentStep < st.stepCommands.size()) st.stepCommands[st.currentStep] = theString;
    }
    model().currentPlayback = st.myPlaybackNumber;
    displayChanged();
}

// ---- Sound to matrix --------------------------------------------------------------------------------

void PlaybackEngine::startAudioMatrix(const QString& matrixName, int32_t frontColor, int32_t backColor,
                                               int32_t eqType) {
    audioToMatrix = true;
    shell().matrix().startAudioMatrix(state.myPlaybackNumber, matrixName, frontColor, backColor, eqType);
    shell().audio().startForMatrix(); // the spectrum comes from the capture
}

void PlaybackEngine::stopActiveSoundToMatrix() {
    audioToMatrix = false;
    shell().matrix().stopAudioMatrix(state.myPlaybackNumber);
}

void PlaybackEngine::recieveAudioData(const std::vector<int32_t>& theData) {
    if (audioToMatrix) shell().matrix().audioData(state.myPlaybackNumber, theData);
}
