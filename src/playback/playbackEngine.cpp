#include "playback/playbackEngine.h"

#include "fixtures/ClsFixture.h"
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

namespace {

ChannelModel& model() { return shell().state; }

const QString noneType = QStringLiteral("none");

bool isNone(const ChannelModel& m, int32_t c) { return m.channelType.at(c) == noneType; }

// Stop codes of the step-command names shown in the sequence grid.
const char* const commandNames[] = {
    "Stop Sequence",  "Start Sequence", "Pause Sequence",   "Load/Start Sequence", "Goto Step",
    "Start Schedule", "Load Media",     "Start Media",      "Start & Load Media",  "Multi Color EQ",
    "Normal EQ",      "Upside Down EQ", "Random Frequency", "Color Frequency",     "Color Flash",
    "Random Color Flash", "Level Meter"};

// Next Scene as used for choosing a step: a value outside 1..stepCount means
// "next in order" (the stored value is kept as it is).
int32_t usableNextScene(const PlaybackState& st, int32_t step) {
    if (step < 0 || step >= int32_t(st.nextScenes.size())) throw std::out_of_range("Subscript out of range");
    const int32_t ns = st.nextScenes[size_t(step)];
    return (ns >= 1 && ns <= st.stepCount) ? ns : 0;
}

// A time as the main window's boxes show it: shortest form, no trailing zeros.
QString generalNumber(float seconds) { return QString::number(double(seconds), 'g', 7); }

// One tick of a delay phase: the counter (and its progress slider) moves on
// while the delay lasts; true once it is over.
bool countDelay(float ticks, int32_t& count, int32_t& progress) {
    if (ticks > float(count)) {
        ++count;
        progress = count;
        return false;
    }
    return true;
}

// The four phase counters (delays and fades, up and down) all set to one value.
void setPhaseCounts(PlaybackState& st, int32_t count) {
    st.fadeUpCount = st.fadeDownCount = st.delayUpCount = st.delayDownCount = count;
}

// The step fades with the times set for fading from the live output.
void useFadeFromCurrentTimes(PlaybackState& st, int32_t step) {
    st.fadeUpTimes[size_t(step)] = st.fadeFromCurrentFadeUpTime;
    st.fadeDownTimes[size_t(step)] = st.fadeFromCurrentFadeDownTime;
}

} // namespace

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

void PlaybackEngine::displayChanged() { view().displayChanged(); }

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
    QFile log(QDir(shell().programFolder()).filePath(QStringLiteral("fadeErrorLog.txt")));
    if (!log.open(QIODevice::Append | QIODevice::Text)) return;
    const QString line = QString::number(state.currentStep) + QStringLiteral(" ,") + state.theSequenceFilename +
                         QLatin1Char(',') + description + QLatin1Char(',') + QString::number(state.sliderDimmer) +
                         QLatin1Char(',') + source + QLatin1Char('\n');
    log.write(line.toLocal8Bit());
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

// ---- Step timing -------------------------------------------------------------------

void PlaybackEngine::calculateStepFadeValues() {
    PlaybackState& st = state;
    if (st.currentStep < 0) return;
    try {
        ChannelModel& m = sizedModel();
        const int32_t interval = shell().playback().refreshIntervalMs();
        if (interval > 0) st.ticksPerSecond = roundHalfEven(1000.0 / double(interval));
        const int32_t s = st.currentStep;
        if (s > st.lastStepSlot()) throw std::out_of_range("Subscript out of range");
        const float tps = float(st.ticksPerSecond);
        // A time that is not a number (a damaged file) counts as 0; it would
        // otherwise hold the step for ever.
        auto ticksOf = [tps](float seconds) {
            const float ticks = seconds * tps;
            return std::isfinite(ticks) ? ticks : 0.0f;
        };
        st.fadeUpTicks = ticksOf(st.fadeUpTimes[size_t(s)]);
        st.fadeDownTicks = ticksOf(st.fadeDownTimes[size_t(s)]);
        if (st.useSequenceFadeTime) {
            st.delayUpTicks = ticksOf(st.delayUpTimes[size_t(s)]);
            st.delayDownTicks = ticksOf(st.delayDownTimes[size_t(s)]);
            st.followTicks = ticksOf(st.followTimes[size_t(s)]);
        } else {
            st.delayUpTicks = st.delayDownTicks = st.followTicks = 0;
        }
        if (st.fadeUpTicks == 0) st.fadeUpTicks = tps;
        if (st.fadeDownTicks == 0) st.fadeDownTicks = tps;
        st.pbDelayInMax = st.delayUpTicks;
        st.pbDelayOutMax = st.delayDownTicks;
        st.pbFadeInMax = st.fadeUpTicks;
        st.pbFadeOutMax = st.fadeDownTicks;
        st.pbDelayIn = st.pbDelayOut = st.pbFadeIn = st.pbFadeOut = 0;

        const int32_t nx = st.nextStep;
        if (nx < 0 || nx > st.lastStepSlot()) throw std::out_of_range("Subscript out of range");
        const int32_t* from = st.stepValues.step(s);
        const int32_t* to = st.stepValues.step(nx);
        fallingChannels.clear();
        risingChannels.clear();
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (!m.channelFades[size_t(c)] || isNone(m, c)) continue;
            const int32_t d = from[c] - to[c];
            if (d < 0) {
                st.fadeDownSteps[size_t(c)] = 0;
                st.fadeUpSteps[size_t(c)] = float(double(d) / double(st.fadeUpTicks));
            } else if (d > 0) {
                st.fadeUpSteps[size_t(c)] = 0;
                st.fadeDownSteps[size_t(c)] = float(double(d) / double(st.fadeDownTicks));
            } else {
                st.fadeUpSteps[size_t(c)] = 0;
                st.fadeDownSteps[size_t(c)] = 0;
            }
            // A channel falls by its down step, or rises by its up step while
            // its down step is 0 (a rise, or no change at all).
            const float down = st.fadeDownSteps[size_t(c)];
            if (down > 0) fallingChannels.push_back(c);
            else if (down == 0) risingChannels.push_back(c);
        }
    } catch (const std::exception& e) {
        logFadeError(QString::fromUtf8(e.what()), QStringLiteral("VarnelDMX"));
    }
}

// ---- One tick ----------------------------------------------------------------------

void PlaybackEngine::tmrPlayBackEvent_Timer() {
    PlaybackState& st = state;
    if (!st.isRunning || st.manualCrossfade) return;
    ensureChannelCapacity(); // the show may have grown since the last tick
    inTick = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{inTick};

    if (st.followTicks > float(st.followCount)) {
        ++st.followCount;
        if (isCurrentPlayback()) {
            shell().mainWindow().mainFollowProgress(roundHalfEven(double(st.followCount) / double(st.followTicks) * 100.0));
        }
        st.followDone = false;
    } else {
        st.followDone = true;
    }
    if (st.stopAndClearAfterFadeOut) st.followDone = true;
    if (!st.followDone) return;

    st.delayUpDone = countDelay(st.delayUpTicks, st.delayUpCount, st.pbDelayIn);
    st.delayDownDone = countDelay(st.delayDownTicks, st.delayDownCount, st.pbDelayOut);
    if (st.delayUpDone) ++st.fadeUpCount;
    if (st.delayDownDone) ++st.fadeDownCount;

    advanceChannelFades();

    if (st.delayDownTicks <= float(st.delayDownCount) && st.delayUpTicks <= float(st.delayUpCount) &&
        st.fadeUpTicks <= float(st.fadeUpCount) && st.fadeDownTicks <= float(st.fadeDownCount)) {
        if (st.stopAndClearAfterFadeOut) {
            shell().shortcuts().doneWithFade(false);
            clearsequence();
            st.manualCrossfade = false;
            st.overRideCrossFadeTimes = false;
            st.stopAndClearAfterFadeOut = false;
            st.myPriority = 5;
            hideWindow();
            model().currentPlayback = shell().playback().returnFirstPlayback();
            displayChanged();
        } else {
            advanceToNextStep(false);
            setPhaseCounts(st, 0);
            if (st.stopAtStepEnd) st.isRunning = false;
            if (st.currentStep > 0 && st.currentStep < int32_t(st.stepStops.size()) &&
                st.stepStops[size_t(st.currentStep)])
                st.isRunning = false;
            displayChanged();
        }
    }
}

void PlaybackEngine::advanceChannelFades() {
    PlaybackState& st = state;
    try {
        ChannelModel& m = model();
        st.intensityFactor = computeIntensityFactor();
        const double factor = st.intensityFactor;
        const int32_t nx = st.nextStep;
        if (nx < 0 || nx > st.lastStepSlot() || st.channelSlots() != m.totalChannels)
            throw std::out_of_range("Subscript out of range");
        if (st.useMotionfade) {
            const int32_t* target = st.stepValues.step(nx);
            const bool fadingOut = st.stopAndClearAfterFadeOut;
            const int16_t me = int16_t(st.myPlaybackNumber);
            const bool downOpen = st.delayDownDone, upOpen = st.delayUpDone;
            const bool downFading = st.fadeDownTicks > float(st.fadeDownCount);
            const bool upFading = st.fadeUpTicks > float(st.fadeUpCount);
            float* level = st.currentLevels.data();
            const float* upStep = st.fadeUpSteps.data();
            const float* downStep = st.fadeDownSteps.data();
            const uint8_t* held = m.channelHold.data();
            const uint8_t* touched = m.channelTouched.data();
            const uint8_t* intensity = m.channelIsIntensity.data();
            const uint8_t* fadeOutChannel = st.fadeOutChannels.data();
            const int16_t* owner = m.channelOwner.data();
            int32_t* out = m.channelOutput.data();
            bool recalculate = false;
            // Falling and rising channels run in two passes, each with the
            // phase flags fixed, so the loop does not branch on them per channel.
            auto pass = [&](const std::vector<int32_t>& channels, bool falling) {
                const bool fading = falling ? downFading : upFading;
                const float* step = falling ? downStep : upStep;
                for (const int32_t c : channels) {
                    if (held[c] || touched[c]) continue;
                    if (fading) {
                        level[c] += falling ? -step[c] : std::fabs(step[c]);
                        if (level[c] <= -1.0f || level[c] >= 256.0f) {
                            recalculate = true;
                            continue;
                        }
                    }
                    if (owner[c] != me) continue;
                    if (!fadingOut) {
                        if (fading) {
                            // The level is inside -1..256 here, so the cast truncates as roundDown does.
                            const int32_t whole = int32_t(level[c]);
                            out[c] = clampLevel(intensity[c] ? roundHalfEven(double(whole) * factor) : whole);
                        } else {
                            out[c] = clampLevel(intensity[c] ? roundHalfEven(double(target[c]) * factor) : target[c]);
                        }
                    } else if (fading) {
                        if (intensity[c] || fadeOutChannel[c]) out[c] = clampLevel(int32_t(level[c]));
                    } else {
                        out[c] = clampLevel(target[c]);
                    }
                }
            };
            if (downOpen) pass(fallingChannels, true);
            if (upOpen) pass(risingChannels, false);
            if (recalculate) calculateStepFadeValues();
        }
        st.pbFadeIn = st.fadeUpCount;
        st.pbFadeOut = st.fadeDownCount;
        if (st.stopAndClearAfterFadeOut) {
            if (st.fadeDownTicks != 0)
                shell().shortcuts().updateFadeOutText(st.theSequenceFilename,
                                    roundHalfEven(double(st.fadeDownCount) / double(st.fadeDownTicks) * 100.0));
        }
        writeFineChannels();
        updateColorMixers();
    } catch (const std::exception& e) {
        logFadeError(QString::fromUtf8(e.what()), QStringLiteral("VarnelDMX"));
    }
}

void PlaybackEngine::writeFineChannels() {
    ChannelModel& m = model();
    const int16_t me = int16_t(state.myPlaybackNumber);
    const int32_t total = m.totalChannels;
    auto valid = [total](int32_t c) { return c >= 1 && c <= total; };
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixturePanFineChannel.size()) - 1);
    for (int32_t f = 1; f <= fixtures; ++f) {
        const int32_t panFine = m.fixturePanFineChannel[size_t(f)];
        const int32_t tiltFine = m.fixtureTiltFineChannel[size_t(f)];
        if (panFine == 0 || tiltFine == 0) continue;
        if (!valid(panFine) || !valid(tiltFine) || m.channelHold[size_t(panFine)]) continue;
        auto fine = [&](int32_t coarse, int32_t fineChannel) {
            if (!valid(coarse) || m.channelOwner[size_t(coarse)] != me || m.channelTouched[size_t(fineChannel)]) return;
            m.channelOwner[size_t(fineChannel)] = me;
            const int32_t r = roundHalfEven(double(state.currentLevels[size_t(coarse)]) * 255.0) % 255;
            if (r > 0) m.channelOutput[size_t(fineChannel)] = clampLevel(r);
        };
        fine(m.fixturePanChannel[size_t(f)], panFine);
        fine(m.fixtureTiltChannel[size_t(f)], tiltFine);
    }
}

// ---- Step advance ------------------------------------------------------------------

void PlaybackEngine::advanceToNextStep(bool skipLevels) {
    PlaybackState& st = state;
    try {
        ChannelModel& m = sizedModel();
        st.crossfadeIndicator = false;
        st.delayDownCount = st.delayUpCount = st.followCount = 0;
        st.intensityFactor = computeIntensityFactor();

        st.previousStep = st.currentStep;
        int32_t cs = st.currentStep;
        int32_t nx = st.nextStep;
        const int32_t n = st.stepCount;
        if (cs < 0 || cs > st.lastStepSlot()) throw std::out_of_range("Subscript out of range");
        if (cs < n) {
            bool jumped = false;
            const int32_t ns = usableNextScene(st, cs);
            if (st.gridClicked) {
                nx = 1;
            } else if (ns <= 0) {
                nx = cs + 1;
            } else {
                cs = ns;
                jumped = true;
                const int32_t after = usableNextScene(st, cs);
                if (after > 0) nx = after;
                else nx = cs < n ? cs + 1 : 1; // from the last step, on to step 1
            }
            if (!jumped && !st.gridClicked) {
                cs = cs + 1;
                if (cs < n) {
                    nx = cs + 1;
                } else {
                    const int32_t after = usableNextScene(st, cs);
                    nx = after > 0 ? after : 1;
                }
            }
        } else if (n == 1) {
            cs = 1;
            nx = 1;
        } else if (cs == n && !st.sceneJustRecorded) {
            const int32_t ns = usableNextScene(st, n);
            if (ns == 0 && !st.gridClicked) {
                cs = 1;
                nx = 2;
            } else {
                cs = ns;
                nx = std::min(cs + 1, n);
            }
        }
        ensureStepSlot(std::max(cs, nx));
        st.currentStep = cs;
        st.nextStep = nx;

        if (!st.sceneJustRecorded && !skipLevels) {
            const int16_t me = int16_t(st.myPlaybackNumber);
            const double factor = st.intensityFactor;
            const int32_t* levels = st.stepValues.step(cs);
            for (int32_t c = 1; c <= m.totalChannels; ++c) {
                if (!m.channelHold[size_t(c)] && !m.channelTouched[size_t(c)] && !isNone(m, c)) {
                    if (m.channelOwner[size_t(c)] == me)
                        m.channelOutput[size_t(c)] = clampLevel(
                            m.channelIsIntensity[size_t(c)] ? roundHalfEven(double(levels[c]) * factor) : levels[c]);
                    st.currentLevels[size_t(c)] = float(levels[c]);
                }
                const int16_t v = int16_t(std::clamp(levels[c], -32768, 32767));
                shell().masters().submasterSetMyValuemem(v, c);
                shell().masters().masterFaderSetMyValuemem(v, c);
            }
        }

        if (st.restoreSavedStep) {
            if (st.stepCount >= st.savedStepNumber && st.currentStep > 0 && st.savedStepNumber >= 0 &&
                st.savedStepNumber <= st.lastStepSlot()) {
                int32_t* saved = st.stepValues.step(st.savedStepNumber);
                for (int32_t c = 1; c <= m.totalChannels; ++c) saved[c] = st.savedStepValues[size_t(c)];
            }
            st.restoreSavedStep = false;
        }

        calculateStepFadeValues();
        if (!st.continuousRun) st.isRunning = false;

        const QString text = QString::number(cs) + QLatin1Char(':') + QString::number(n);
        if (isCurrentPlayback()) {
            shell().mainWindow().mainStepNumber(text, 65280);
        }
        if (st.sceneJustRecorded) {
            st.sceneJustRecorded = false;
        } else {
            st.stepNumberText = text;
            showFadetimeOnMain();
        }
        refreshFadeProgress();
        updateColorMixers();
        st.gridClicked = false;

        // A step that stops the playback runs its command when it is entered
        // again while running, not now.
        const bool stopsHere = cs > 0 && st.stepStops[size_t(cs)];
        const QString command = st.stepCommands.value(cs).trimmed();
        if (!command.isEmpty() && st.isRunning && !stopsHere) {
            shell().scheduler().readAndExecuteEventString(command, st.myPlaybackNumber, st.theSequenceFilename);
        }
        lastLoggedError.clear();
        displayChanged();
    } catch (const std::exception& e) {
        st.isRunning = false;
        reportError(QStringLiteral("Error in Sequence Step, Sequence Data has an Error") + QString::fromUtf8(e.what()));
    }
}

// ---- Fade from current and fade out ---------------------------------------------

void PlaybackEngine::fadeFromCurrent(int32_t stepToFadeTo, bool realFade, int32_t thecurrentStep) {
    PlaybackState& st = state;
    try {
        ChannelModel& m = sizedModel();
        if (thecurrentStep >= 1) {
            ensureStepSlot(thecurrentStep);
            st.currentStep = thecurrentStep;
            if (st.overRideCrossFadeTimes) useFadeFromCurrentTimes(st, st.currentStep);
        } else if (thecurrentStep == 0) {
            st.currentStep = 0;
            useFadeFromCurrentTimes(st, 0);
            st.crossfadeIndicator = true;
        }
        if (st.currentStep < 0 || st.currentStep > st.lastStepSlot()) throw std::out_of_range("Subscript out of range");
        if (stepToFadeTo < 0) throw std::out_of_range("Subscript out of range");
        ensureStepSlot(stepToFadeTo);

        if (!shell().effects().shapeGeneratorBusy()) {
            st.intensityFactor = computeIntensityFactor();
            const float factor = st.intensityFactor;
            const int32_t s = st.currentStep;
            int32_t* levels = st.stepValues.step(s);
            for (int32_t c = 1; c <= m.totalChannels; ++c) {
                if (isNone(m, c)) continue;
                st.savedStepValues[size_t(c)] = levels[c];
                const int32_t out = m.channelOutput[size_t(c)];
                if (!m.channelIsIntensity[size_t(c)]) {
                    levels[c] = out;
                    st.currentLevels[size_t(c)] = float(out);
                } else if (factor > 0) {
                    const float live = float(double(out) / double(factor));
                    st.currentLevels[size_t(c)] = live;
                    levels[c] = roundHalfEven(live);
                } else {
                    st.currentLevels[size_t(c)] = 0;
                    levels[c] = 0;
                }
            }
            st.restoreSavedStep = true;
            st.savedStepNumber = s;
            st.nextStep = stepToFadeTo;
        }

        if (!st.isRunning) {
            setPhaseCounts(st, 0);
        } else if (!st.overRideCrossFadeTimes) {
            setPhaseCounts(st, 10000);
        }
        calculateStepFadeValues();
        st.delayUpTicks = 0;
        st.delayDownTicks = 0;
        if (!realFade) st.fadeUpCount = st.fadeDownCount = 10000;
        st.isRunning = true;
        displayChanged();
    } catch (const std::exception&) {
        // Ends quietly; what was changed stays.
    }
}

void PlaybackEngine::fadeFromCurrentOveride(int32_t stepToFadeTo) {
    fadeFromCurrent(stepToFadeTo, true, stepToFadeTo - 1);
}

void PlaybackEngine::fadeOutFromCurrent(bool& realFade, int32_t thecurrentStep) {
    PlaybackState& st = state;
    try {
        ChannelModel& m = sizedModel();
        if (thecurrentStep >= 1) {
            ensureStepSlot(thecurrentStep);
            st.currentStep = thecurrentStep;
        }
        const int32_t s = st.currentStep;
        if (s < 0 || s > st.lastStepSlot()) throw std::out_of_range("Subscript out of range");
        if (thecurrentStep >= 0) {
            if (st.overRideCrossFadeTimes) {
                useFadeFromCurrentTimes(st, s);
            } else if (!st.fadeFromCurrentScene) {
                realFade = false;
            }
            if (thecurrentStep == 0) st.crossfadeIndicator = true;
        }
        if (!st.overRideCrossFadeTimes) {
            st.fadeUpTimes[size_t(s)] = st.fadeFromCurrentFadeDownTime;
            st.fadeDownTimes[size_t(s)] = st.fadeFromCurrentFadeDownTime;
        }

        const int16_t me = int16_t(st.myPlaybackNumber);
        int32_t* levels = st.stepValues.step(s);
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (isNone(m, c) || m.channelOwner[size_t(c)] != me) continue;
            st.savedStepValues[size_t(c)] = levels[c];
            levels[c] = m.channelOutput[size_t(c)];
            st.currentLevels[size_t(c)] = float(m.channelOutput[size_t(c)]);
        }

        if (st.restoreSavedStep) setPhaseCounts(st, 0);
        st.restoreSavedStep = true;
        st.savedStepNumber = s;
        const int32_t spare = st.stepCount + 1;
        ensureStepSlot(spare);
        st.nextStep = spare;
        levels = st.stepValues.step(s); // the tables may have grown

        st.intensityFactor = computeIntensityFactor();
        const double factor = st.intensityFactor;
        int32_t* targets = st.stepValues.step(spare);
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            bool stacked = false;
            const int32_t answer = shell().playback().returnValueforStep1(c, st.myPlaybackNumber, stacked);
            const QString& type = m.channelType.at(c);
            int32_t target;
            if (m.channelIsIntensity[size_t(c)]) {
                target = std::max(roundHalfEven(double(answer) * factor), 0);
            } else if (type.left(3) == QLatin1String("pan") || type.left(4) == QLatin1String("tilt")) {
                target = (stacked && answer >= 1) ? answer : levels[c];
            } else {
                // Nothing below holds the channel: it stays where it is.
                target = answer >= 0 ? answer : levels[c];
            }
            targets[c] = target;
            st.fadeOutChannels[size_t(c)] = stacked ? 1 : 0;
        }

        calculateStepFadeValues();
        st.delayDownTicks = 0;
        st.delayUpTicks = 0;
        st.fadeUpCount = 0;
        st.fadeDownCount = 0;
        if (!realFade) st.fadeUpCount = st.fadeDownCount = st.followCount = 10000;
        st.stopAndClearAfterFadeOut = true;
        st.isRunning = true;
        displayChanged();
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral(" Fade From ") + QString::fromUtf8(e.what()));
    }
}

void PlaybackEngine::stopFadeout() {
    if (!state.stopAndClearAfterFadeOut) return;
    state.stopAndClearAfterFadeOut = false;
    cmdClear_Click();
    clearsequence();
    shell().shortcuts().doneWithFade(false);
    hideWindow();
}

void PlaybackEngine::setManualCrossfade(bool theStatus) {
    if (theStatus == state.manualCrossfade) return;
    state.manualCrossfade = theStatus;
    state.fadeFromCurrentFadeUpTime = 1.0f;
    state.fadeFromCurrentFadeDownTime = 1.0f;
    if (!theStatus) {
        if (!state.isRunning) advanceToNextStep(false);
        state.fadeUpCount = state.fadeDownCount = 10000;
    }
}

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

void PlaybackEngine::setWaitForGO(bool theValue) {
    const int32_t c = state.currentStep;
    if (c >= 1 && c < int32_t(state.stepStops.size())) state.stepStops[size_t(c)] = theValue ? 1 : 0;
}

void PlaybackEngine::cmbBeatSync_Click() {
    PlaybackState& st = state;
    if (!shell().audio().hasTempoKeeper()) return; // no tempo keeper
    const int32_t tempo = std::max(shell().audio().beatPressed(st.myPlaybackNumber), 1);
    st.bpm = tempo;
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
        int32_t* levels = st.stepValues.step(s);
        for (int32_t c = 1; c <= m.totalChannels; ++c)
            if (!m.channelHold[size_t(c)]) levels[c] = 0;
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
    st.recordPlusLast = false;
    setPriority(5);
    st.alteredPlayback = false;
    st.iAmLivePlayback = false;
    displayChanged();
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
    if (bpm < 225) shell().audio().resetBpmTimer(st.myPlaybackNumber, bpm);
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

// ---- Dimmer and grand master ---------------------------------------------------------------

void PlaybackEngine::sliderDimmer_Scroll() {
    state.intensityFactor = computeIntensityFactor();
    if (isCurrentPlayback()) {
        shell().mainWindow().mainDimmerSlider(state.sliderDimmer);
    }
}

void PlaybackEngine::changeDimmerValue(int32_t theValue) {
    state.sliderDimmer = int16_t(std::clamp(theValue, -32768, 32767));
    sliderDimmer_Scroll();
    displayChanged();
}

void PlaybackEngine::setTheSliderValue(int32_t theValue) {
    state.sliderDimmer = int16_t(std::clamp(theValue, -32768, 32767));
    displayChanged();
    if (state.currentStep == 0) {
        state.intensityFactor = computeIntensityFactor();
        return;
    }
    applyIntensityFactor();
}

void PlaybackEngine::changeGrandMaster() { applyIntensityFactor(); }

void PlaybackEngine::applyIntensityFactor() {
    state.intensityFactor = computeIntensityFactor();
    rewriteDimmedChannels();
    updateColorMixers();
}

void PlaybackEngine::rewriteDimmedChannels() {
    ChannelModel& m = sizedModel();
    const int16_t me = ownNumber();
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureDimmerChannel.size()) - 1);
    for (int32_t f = 1; f <= fixtures; ++f) {
        if (applyDimmerToColourChannels(f)) continue;
        const int32_t d = m.fixtureDimmerChannel[size_t(f)];
        if (d > 0 && d <= m.totalChannels && m.channelOwner[size_t(d)] == me)
            m.channelOutput[size_t(d)] =
                clampLevel(roundHalfEven(double(state.currentLevels[size_t(d)]) * double(state.intensityFactor)));
    }
}

bool PlaybackEngine::applyDimmerToColourChannels(int32_t fixture) {
    ChannelModel& m = model();
    if (fixture < 1 || size_t(fixture) >= m.fixtureLightClass.size()) return false;
    const int32_t p = m.fixtureLightClass[size_t(fixture)];
    if (p < 1 || size_t(p) >= m.lightClasses.size()) return false;
    const ClsFixture& profile = m.lightClass(p);
    const int32_t offset = m.fixtureStartChannel[size_t(fixture)] - 1;
    if (profile.dimmmerChannel() != 0) return false;
    const int16_t me = int16_t(state.myPlaybackNumber);
    bool result = false;
    auto rescale = [&](int32_t role) {
        if (role < 1) return true;
        const int32_t c = role + offset;
        // A role that lands outside the channels ends the rewrite here.
        if (c < 1 || c > m.totalChannels) return false;
        if (m.channelOwner[size_t(c)] == me) {
            m.channelOutput[size_t(c)] =
                clampLevel(roundHalfEven(double(state.currentLevels[size_t(c)]) * double(state.intensityFactor)));
            result = true;
        }
        return true;
    };
    if (profile.rgbFixture()) {
        for (const int32_t role : {profile.redChannel(), profile.blueChannel(), profile.greenChannel()})
            if (!rescale(role)) return result;
    }
    for (const int32_t role :
         {profile.redChannel1(), profile.blueChannel1(), profile.greenChannel1().value_or(0), profile.redChannel2(),
          profile.blueChannel2(), profile.greenChannel2().value_or(0), profile.redChannel3(), profile.blueChannel3(),
          profile.greenChannel3().value_or(0)})
        if (!rescale(role)) return result;
    return result;
}

// ---- Channel claims ----------------------------------------------------------------------------

bool PlaybackEngine::claimStepChannel(int32_t step, int32_t channel, int32_t level) {
    ChannelModel& m = model();
    if (channel < 1 || channel > m.totalChannels) return false;
    ensureStepSlot(step);
    if (isNone(m, channel)) return false;
    const int16_t me = int16_t(state.myPlaybackNumber);
    if (level == 0 && m.channelOwner[size_t(channel)] != me) {
        state.stepValues(channel, step) = 0;
        return true;
    }
    if (!channelClaim::priorityAllows(state.myPriority, channel) || !channelClaim::holdAllows(channel)) return false;
    m.channelOwner[size_t(channel)] = me;
    state.sequenceChannels[size_t(channel)] = 1;
    if (level != 0) m.channelTouched[size_t(channel)] = 0;
    state.stepValues(channel, step) = level;
    return true;
}

bool PlaybackEngine::claimMaskChannel(int32_t channel) {
    ChannelModel& m = model();
    if (channel < 1 || channel > m.totalChannels) return false;
    ensureChannelCapacity();
    if (!channelClaim::priorityAllows(state.myPriority, channel)) return false;
    m.channelOwner[size_t(channel)] = int16_t(state.myPlaybackNumber);
    state.sequenceChannels[size_t(channel)] = 1;
    return true;
}

void PlaybackEngine::takeOverHighPriorityChannels() {
    if (state.myPriority != 10) return;
    ChannelModel& m = model();
    const int16_t me = int16_t(state.myPlaybackNumber);
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureLightClass.size()) - 1);
    for (int32_t f = 1; f <= fixtures; ++f) {
        const int32_t p = m.fixtureLightClass[size_t(f)];
        if (p < 1 || size_t(p) >= m.lightClasses.size()) continue;
        const int32_t n = m.lightClass(p).ChannelsUsed;
        const int32_t first = m.fixtureStartChannel[size_t(f)];
        if (n <= 0 || first < 1 || first + n - 1 > m.totalChannels) continue;
        int32_t owned = 0;
        for (int32_t c = first; c < first + n; ++c) owned += m.channelOwner[size_t(c)] == me ? 1 : 0;
        if (!channelClaim::takeOverApplies(owned, n)) continue;
        for (int32_t c = first; c < first + n; ++c) m.channelOwner[size_t(c)] = me;
    }
}

void PlaybackEngine::refreshPlaybackChannels() {
    if (state.iAmLivePlayback || state.alteredPlayback) newRefreshPlaybackChannels();
    else oldrefreshPlaybackChannels();
}

void PlaybackEngine::newRefreshPlaybackChannels() {
    ChannelModel& m = sizedModel();
    const int16_t me = ownNumber();
    const bool anyOwner = state.iAmLivePlayback || state.alteredPlayback;
    const int32_t last = std::min(state.stepCount, state.lastStepSlot());
    auto take = [&](int32_t c) {
        m.channelOwner[size_t(c)] = me;
        state.sequenceChannels[size_t(c)] = 1;
    };
    auto setOutput = [&](int32_t c, int32_t i) {
        if (!m.channelFades[size_t(c)] && i == state.currentStep && m.channelOwner[size_t(c)] == me)
            m.channelOutput[size_t(c)] = clampLevel(roundHalfEven(state.currentLevels[size_t(c)]));
    };
    for (int32_t i = 1; i <= last; ++i) {
        const int32_t* levels = state.stepValues.step(i);
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (m.channelHold[size_t(c)]) continue;
            if (levels[c] >= 1) {
                if (m.channelOwner[size_t(c)] == 0 || anyOwner) take(c);
                m.channelTouched[size_t(c)] = 0;
                setOutput(c, i);
            }
            if (state.currentLevels[size_t(c)] > 0 && m.channelOwner[size_t(c)] == 0) {
                take(c);
                setOutput(c, i);
                m.channelTouched[size_t(c)] = 0;
            }
        }
    }
}

void PlaybackEngine::oldrefreshPlaybackChannels() {
    if (state.stopAndClearAfterFadeOut) return;
    if (sequenceFileIo::oldrefreshPlaybackChannels(*this)) return;
    newRefreshPlaybackChannels();
}

void PlaybackEngine::releaseMyLoneChannels() {
    ChannelModel& m = model();
    const int16_t me = int16_t(state.myPlaybackNumber);
    for (int32_t c = 1; c <= m.totalChannels; ++c)
        if (!isNone(m, c) && m.channelOwner[size_t(c)] == me && m.channelTouched[size_t(c)])
            m.channelTouched[size_t(c)] = 0;
}

void PlaybackEngine::updateChaserValue(int16_t channel, int16_t step, int16_t value, int16_t playback) {
    if (playback != state.myPlaybackNumber) return;
    try {
        ChannelModel& m = model();
        if (step < 0) return;
        if (!channelModel::checkPriorities(channel)) return;
        m.channelTouched[size_t(channel)] = 0;
        m.channelOwner[size_t(channel)] = int16_t(state.myPlaybackNumber);
        ensureChannelCapacity();
        state.sequenceChannels[size_t(channel)] = 1;
        if (step > state.stepCount) {
            state.stepCount = step + 1;
            int32_t n = state.stepCount;
            reDimForStepCount(0, n);
        }
        ensureStepSlot(step);
        state.stepValues(channel, step) = value;
        if (!state.theSequenceFilename.isEmpty()) {
            state.alteredPlayback = true;
            state.livePlaybackName = QFileInfo(state.theSequenceFilename).completeBaseName();
        }
    } catch (const std::exception&) {
        // A channel outside the show changes nothing.
    }
}

int16_t PlaybackEngine::sendChaserValue(int32_t channel, int32_t stepNumber, int32_t /*chaser*/) {
    if (stepNumber < 0 || channel < 1 || channel > model().totalChannels) return 0;
    if (stepNumber >= state.stepCount) {
        state.stepCount = stepNumber + 1;
        ensureStepSlot(state.stepCount + 5);
    }
    ensureStepSlot(stepNumber);
    return int16_t(std::clamp(state.stepValues(channel, stepNumber), -32768, 32767));
}

// ---- Recording and queries --------------------------------------------------------------------

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
    int32_t* levels = st.stepValues.step(st.currentStep);
    for (int32_t c = 1; c <= m.totalChannels; ++c)
        if (m.channelOwner[size_t(c)] == me) levels[c] = m.channelOutput[size_t(c)];
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
    int32_t* levels = st.stepValues.step(st.currentStep);
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        if (m.channelOwner[size_t(c)] != me) continue;
        const int32_t out = m.channelOutput[size_t(c)];
        if (m.channelIsIntensity[size_t(c)]) {
            if (factor > 0) {
                const double v = double(out) * (1.0 / double(factor));
                levels[c] = roundHalfEven(v);
                st.currentLevels[size_t(c)] = float(v);
            } else {
                levels[c] = 0;
                st.currentLevels[size_t(c)] = 0;
            }
        } else {
            levels[c] = out;
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

// ---- Blackout ---------------------------------------------------------------------------------

namespace {

// The channels a fixture's blackout acts on: its shutter channel alone, or,
// without one, every channel of its profile but pan, tilt, their fine
// channels and the two strobe types. Channels outside the show are left out
// and counted in `outside`.
std::vector<int32_t> blackoutChannelsOf(ChannelModel& m, int32_t f, int32_t& outside) {
    std::vector<int32_t> list;
    auto valid = [&m](int32_t c) { return c >= 1 && c <= m.totalChannels; };
    const int32_t shutter = size_t(f) < m.fixtureShutterChannel.size() ? m.fixtureShutterChannel[size_t(f)] : 0;
    if (shutter >= 1) {
        if (valid(shutter)) list.push_back(shutter);
        else ++outside;
        return list;
    }
    const int32_t p = m.fixtureLightClass[size_t(f)];
    if (p < 1 || size_t(p) >= m.lightClasses.size() || !m.lightClasses[size_t(p)]) return list;
    const int32_t first = m.fixtureStartChannel[size_t(f)];
    const int32_t used = m.lightClasses[size_t(p)]->ChannelsUsed;
    for (int32_t c = first; c < first + used; ++c) {
        if (!valid(c)) {
            ++outside;
            continue;
        }
        if (c == m.fixturePanChannel[size_t(f)] || c == m.fixturePanFineChannel[size_t(f)] ||
            c == m.fixtureTiltChannel[size_t(f)] || c == m.fixtureTiltFineChannel[size_t(f)])
            continue;
        const QString type = m.channelType.at(c).toLower();
        if (type == QLatin1String("strobe intensity") || type == QLatin1String("strobe rate")) continue;
        list.push_back(c);
    }
    return list;
}

} // namespace

void PlaybackEngine::blackOutMyControlledShutters(bool forceStartState, bool theBlackoutState,
                                                            bool byPassValues, bool bypassSwitch) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    if (isCurrentPlayback()) shell().mainWindow().mainBlackOutColour(cmdBlackOutColour);
    if (!bypassSwitch) {
        if (forceStartState) st.blackoutOff = theBlackoutState;
        QString eventType;
        if (!st.blackoutOff) {
            cmdBlackOutColour = 0;
            st.blackoutOff = true;
            eventType = QStringLiteral("Blackout Playback");
        } else {
            cmdBlackOutColour = 16777215;
            st.blackoutOff = false;
            eventType = QStringLiteral("Restore Blackout");
        }
        if (shell().scheduler().schedulerRecording())
            shell().scheduler().recordEvent(QStringLiteral("Not Apllicable"), eventType);
    }
    const int16_t me = int16_t(st.myPlaybackNumber);
    // The frame answers for the first window with this number; a playback
    // the frame does not list answers for itself.
    const int32_t listed = shell().playback().reportPlayBackPriority(me);
    const int32_t ownerPriority = listed > 0 ? listed : st.myPriority;
    const bool blackingOut = !st.blackoutOff;
    int32_t outside = 0;
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureLightClass.size()) - 1);
    for (int32_t f = 1; f <= fixtures; ++f) {
        const bool shutterOnly = size_t(f) < m.fixtureShutterChannel.size() && m.fixtureShutterChannel[size_t(f)] >= 1;
        for (const int32_t c : blackoutChannelsOf(m, f, outside)) {
            if (m.channelOwner[size_t(c)] != me) continue;
            if (blackingOut) {
                if (!m.channelBlackoutHold[size_t(c)]) st.heldBeforeBlackout[size_t(c)] = m.channelHold[size_t(c)];
                // A shutter that something else holds (the strobe, say) stays as it is.
                if (shutterOnly && m.channelHold[size_t(c)]) continue;
                if (ownerPriority == 10) continue;
                m.channelHold[size_t(c)] = 1;
                if (shutterOnly) m.channelTouched[size_t(c)] = 0;
                st.currentLevels[size_t(c)] = 0;
                m.channelOutput[size_t(c)] = 0;
                m.channelBlackoutHold[size_t(c)] = 1;
            } else if (m.channelBlackoutHold[size_t(c)]) {
                if (!byPassValues && st.stepValues.contains(c, st.currentStep)) {
                    const int32_t level = st.stepValues(c, st.currentStep);
                    st.currentLevels[size_t(c)] = float(level);
                    m.channelOutput[size_t(c)] = clampLevel(level);
                }
                m.channelBlackoutHold[size_t(c)] = 0;
                m.channelHold[size_t(c)] = st.heldBeforeBlackout[size_t(c)];
            }
        }
    }
    displayChanged();
    if (outside > 0)
        reportError(QStringLiteral(" Error in blackout: ") + QString::number(outside) +
                    QStringLiteral(" fixture channel(s) lie outside the show and were left alone"));
}

// ---- Colour mixers ------------------------------------------------------------------------------

void PlaybackEngine::updateColorMixers() {
    ChannelModel& m = model();
    const int32_t total = m.totalChannels;
    if (m.channelMixedColour.size() < total + 1 || int32_t(m.channelOwner.size()) < total + 1) return;
    const int16_t me = int16_t(state.myPlaybackNumber);
    const double factor = state.intensityFactor;
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureLightClass.size()) - 1);
    // The slot of a colour channel is its channel number + 1, which readers
    // of channelMixedColour rely on; a colour whose channels or slots fall
    // outside the show is not mixed (the other fixtures still are).
    auto usable = [total](int32_t c) { return c >= 1 && c + 1 <= total; };
    auto component = [&](int32_t c, bool subtractive) {
        const int32_t level = m.channelOutput[size_t(c)];
        return std::clamp(roundHalfEven(double(subtractive ? std::abs(255 - level) : level) * factor), 0, 255);
    };
    auto mix = [&](int32_t a, int32_t b, int32_t c, bool subtractive, std::initializer_list<int32_t> slotsOf) {
        const int32_t colour = component(a, subtractive) + 256 * component(b, subtractive) +
                               65536 * component(c, subtractive);
        const QString text = QString::number(colour);
        for (const int32_t ch : slotsOf) m.channelMixedColour[ch + 1] = text;
    };
    auto owned = [&](int32_t a, int32_t b, int32_t c) {
        return m.channelOwner[size_t(a)] == me || m.channelOwner[size_t(b)] == me || m.channelOwner[size_t(c)] == me;
    };
    for (int32_t f = 1; f <= fixtures; ++f) {
        const int32_t p = m.fixtureLightClass[size_t(f)];
        if (p < 1 || size_t(p) >= m.lightClasses.size() || !m.lightClasses[size_t(p)]) continue;
        const ClsFixture& profile = *m.lightClasses[size_t(p)];
        if (!profile.rgbFixture() && !profile.rgbMulti() && !profile.cmyFixture()) continue;
        const int32_t offset = m.fixtureStartChannel[size_t(f)] - 1;
        auto channelOf = [offset](int32_t role) { return role >= 1 ? role + offset : 0; };
        if (profile.rgbFixture()) {
            const int32_t r = channelOf(profile.redChannel()), g = channelOf(profile.greenChannel()),
                          b = channelOf(profile.blueChannel());
            if (usable(r) && usable(g) && usable(b) && (m.channelOwner[size_t(r)] == 0 || owned(r, g, b)))
                mix(r, g, b, false, {b, r, g});
        }
        if (profile.rgbMulti()) {
            const std::optional<int32_t> cells[3][3] = {
                {profile.redChannel1(), profile.greenChannel1(), profile.blueChannel1()},
                {profile.redChannel2(), profile.greenChannel2(), profile.blueChannel2()},
                {profile.redChannel3(), profile.greenChannel3(), profile.blueChannel3()}};
            for (const auto& cell : cells) {
                if (cell[0].value_or(0) == 0) continue;
                const int32_t r = channelOf(cell[0].value_or(0)), g = channelOf(cell[1].value_or(0)),
                              b = channelOf(cell[2].value_or(0));
                if (usable(r) && usable(g) && usable(b) && owned(r, g, b)) mix(r, g, b, false, {b, r, g});
            }
        }
        if (profile.cmyFixture()) {
            const int32_t c = channelOf(profile.cyanChannel()), mg = channelOf(profile.magentaChannel()),
                          y = channelOf(profile.YellowChannel());
            if (usable(c) && usable(mg) && usable(y) && owned(c, mg, y)) mix(c, mg, y, true, {c, mg, y});
        }
    }
}

// ---- Main-window display and progress ------------------------------------------------------------

void PlaybackEngine::showFadetimeOnMain() {
    PlaybackState& st = state;
    if (!isCurrentPlayback()) return;
    const int32_t cs = st.currentStep;
    const QString text = QString::number(cs) + QLatin1Char(':') + QString::number(st.stepCount);
    st.stepNumberText = text;
    MainWindowService& main = shell().mainWindow();
    main.mainStepNumber(text, 65280);
    const bool inTables = cs > 0 && cs <= st.stepCount && cs <= st.lastStepSlot();
    if (!st.sceneJustRecorded && st.deskRow == model().currentPlayback && inTables) {
        const float times[5] = {st.fadeUpTimes[size_t(cs)], st.fadeDownTimes[size_t(cs)], st.delayUpTimes[size_t(cs)],
                                st.delayDownTimes[size_t(cs)], st.followTimes[size_t(cs)]};
        for (int32_t box = 0; box < 5; ++box) main.setMainFadeTimeText(box, generalNumber(times[box]));
        main.setMainFadeTimeText(5, QString::number(st.nextScenes[size_t(cs)]));
        const bool waits = st.stepStops[size_t(cs)] != 0;
        main.mainAutoFollowColour(waits ? 0 : 255);
        shell().control().switchWingButton(QStringLiteral("autogo"), !waits);
    }
    const bool enabled = main.mainProgrammingEnabled();
    if (st.myPriority == 10 && enabled) main.setMainProgrammingLocked(true);
    else if (st.myPriority < 10 && !enabled) main.setMainProgrammingLocked(false);
    const QString command = stepCommandName(cs);
    main.mainCommandCaption(command.isEmpty() ? QStringLiteral("Command") : command);
    QString scene = st.sceneNames.value(cs).trimmed();
    if (scene.isEmpty()) scene = QStringLiteral("Scene ") + QString::number(cs);
    main.updateSequenceDetails(scene);
    main.mainBpmCaption(QLatin1Char(' ') + QString::number(st.bpm) + QStringLiteral(" BPM"));
    shell().presets().updateCurrentActivePalettePreset();
}

void PlaybackEngine::refreshFadeProgress() {
    PlaybackState& st = state;
    st.pbFadeOutMax = st.fadeDownTicks;
    st.pbFadeInMax = st.fadeUpTicks;
    st.pbDelayOutMax = st.delayDownTicks;
    st.pbDelayOut = 0;
    st.pbDelayInMax = st.delayUpTicks;
    st.pbDelayIn = 0;
    if (!isCurrentPlayback()) return;
    MainWindowService& main = shell().mainWindow();
    main.mainProgressValue(4, 0);
    {
        // One more than the phase's ticks, so a bar never gets a maximum of 0.
        main.mainProgressMaximum(0, st.fadeUpTicks + 1);
        main.mainProgressMaximum(1, st.fadeDownTicks + 1);
        main.mainProgressMaximum(2, st.delayUpTicks + 1);
        main.mainProgressMaximum(3, st.delayDownTicks + 1);
    }
}

// ---- Fade times from the main window -------------------------------------------------------------

namespace {
// A time box's text as a number; false when it is not one.
bool boxNumber(const QString& text, double& value) {
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}
} // namespace

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

// ---- Manual crossfade ------------------------------------------------------------------------------

void PlaybackEngine::crossfadeDrag(int32_t v, bool rising) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    const int32_t cs = st.currentStep, nx = st.nextStep;
    if (cs < 0 || nx < 0 || cs > st.lastStepSlot() || nx > st.lastStepSlot()) return;
    const int16_t me = int16_t(st.myPlaybackNumber);
    const double factor = st.intensityFactor;
    const int32_t* from = st.stepValues.step(cs);
    const int32_t* to = st.stepValues.step(nx);
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        const float step = rising ? st.fadeUpSteps[size_t(c)] : st.fadeDownSteps[size_t(c)];
        if ((rising ? !(step < 0) : !(step > 0)) || m.channelOwner[size_t(c)] != me || !m.channelFades[size_t(c)] ||
            from[c] == to[c])
            continue;
        const float level = float(double(from[c]) - double(step) * double(v));
        st.currentLevels[size_t(c)] = level;
        m.channelOutput[size_t(c)] =
            clampLevel(roundHalfEven(m.channelIsIntensity[size_t(c)] ? double(level) * factor : double(level)));
    }
    if (rising) st.fadeUpCount = st.pbFadeIn = v;
    else st.fadeDownCount = st.pbFadeOut = v;
    updateColorMixers();
}

void PlaybackEngine::pbFadeIn_Scroll(int32_t v) { crossfadeDrag(v, true); }
void PlaybackEngine::pbFadeOut_Scroll(int32_t v) { crossfadeDrag(v, false); }

void PlaybackEngine::setCrossFadeStatus(float position) {
    // A crossfader outside its travel stops at the end of the slider.
    const double p = std::isfinite(position) ? std::clamp(double(position), 0.0, 1.0) : 0.0;
    pbFadeIn_Scroll(roundHalfEven(p * double(state.pbFadeInMax)));
    pbFadeOut_Scroll(roundHalfEven(p * double(state.pbFadeOutMax)));
    displayChanged();
}

// ---- Fade-time slider steps and the beat -----------------------------------------------------------

void PlaybackEngine::increaseFadeTimeSliderValue() {
    if (state.vsliderFadeTime + 10 >= 5000) return;
    state.vsliderFadeTime += 5;
    state.useSequenceFadeTime = false;
    vsliderFadeTime_Scroll();
    showFadetimeOnMain();
    displayChanged();
}

void PlaybackEngine::decreaseFadeTimeSliderValue() {
    if (state.vsliderFadeTime - 10 <= 0) return;
    state.vsliderFadeTime -= 5;
    state.useSequenceFadeTime = false;
    vsliderFadeTime_Scroll();
    showFadetimeOnMain();
    displayChanged();
}

void PlaybackEngine::recieveTheBeat(bool fromMain) {
    if (!fromMain && state.optMode != 2) return;
    cmbBeatSync_Click();
    showFadetimeOnMain();
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
}

void PlaybackEngine::recieveAudioData(const std::vector<int32_t>& theData) {
    if (audioToMatrix) shell().matrix().audioData(state.myPlaybackNumber, theData);
}

// ---- Step editing ---------------------------------------------------------------------------

void PlaybackEngine::markAltered() {
    if (state.theSequenceFilename.isEmpty()) return;
    state.alteredPlayback = true;
    state.livePlaybackName = libParsePath::ParsePath(state.theSequenceFilename, 4);
}

void PlaybackEngine::clkCopyScene_Click() {
    ChannelModel& m = sizedModel();
    const int32_t s = state.currentStep;
    if (s < 0 || s > state.lastStepSlot() || int32_t(m.sceneClipboard.size()) < m.totalChannels + 1) return;
    const int32_t* levels = state.stepValues.step(s);
    for (int32_t c = 1; c <= m.totalChannels; ++c) m.sceneClipboard[size_t(c)] = levels[c];
    shell().playback().sceneCopied(state.myPlaybackNumber, s);
}

void PlaybackEngine::clkPasteScene_Click() {
    PlaybackState& st = state;
    try {
        ChannelModel& m = sizedModel();
        if (st.currentStep < 1) st.currentStep = 1;
        if (st.currentStep > st.stepCount) st.stepCount = st.currentStep;
        ensureStepSlot(st.currentStep);
        if (int32_t(m.sceneClipboard.size()) < m.totalChannels + 1) throw std::out_of_range("Subscript out of range");
        const int16_t me = ownNumber();
        int32_t* levels = st.stepValues.step(st.currentStep);
        bool wrote = false;
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (!channelModel::checkPriorities(c)) continue;
            m.channelTouched[size_t(c)] = 0;
            m.channelOwner[size_t(c)] = me;
            st.sequenceChannels[size_t(c)] = 1;
            levels[c] = m.sceneClipboard[size_t(c)];
            wrote = true;
        }
        if (wrote) markAltered();
        shell().playback().pasteCopiedFadeTimes(st.myPlaybackNumber);
        st.currentStep = std::max(st.currentStep - 1, 0);
        cmdFoward_Click();
    } catch (const std::exception& e) {
        reportError(QStringLiteral("Error Pasting Scene: ") + QString::fromUtf8(e.what()));
    }
}

void PlaybackEngine::insertscene(bool after, bool blackOut) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    // With no step current the new step goes before step 1 (rather than
    // moving the steps up and stopping half done).
    int32_t at = std::max(st.currentStep, 1) + (after ? 1 : 0);
    at = std::min(at, st.stepCount + 1);
    st.stepCount += 1;
    ensureStepSlot(st.stepCount + 6);
    if (int32_t(m.sceneClipboard.size()) < m.totalChannels + 1) return;
    const int32_t source = std::min(st.currentStep, st.lastStepSlot());
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        const QString& type = m.channelType.at(c);
        if (type == noneType) continue;
        if (!blackOut) {
            m.sceneClipboard[size_t(c)] = roundHalfEven(st.currentLevels[size_t(c)]);
        } else {
            const bool colourOrDimmer = type.startsWith(QLatin1String("red")) || type.startsWith(QLatin1String("blue")) ||
                                        type.startsWith(QLatin1String("green")) || type == QLatin1String("dimmer");
            m.sceneClipboard[size_t(c)] = colourOrDimmer ? 0 : st.stepValues(c, std::max(source, 0));
        }
    }
    for (int32_t s = st.stepCount; s >= at; --s) {
        const size_t to = size_t(s), from = size_t(s - 1);
        std::copy_n(st.stepValues.step(s - 1), m.totalChannels + 1, st.stepValues.step(s));
        st.fadeUpTimes[to] = st.fadeUpTimes[from];
        st.fadeDownTimes[to] = st.fadeDownTimes[from];
        st.delayUpTimes[to] = st.delayUpTimes[from];
        st.delayDownTimes[to] = st.delayDownTimes[from];
        st.followTimes[to] = st.followTimes[from];
        st.sceneNames[s] = st.sceneNames[s - 1];
        st.stepCommands[s] = st.stepCommands[s - 1];
        st.nextScenes[to] = st.nextScenes[from];
        st.stepStops[to] = st.stepStops[from];
        shell().presets().changeMyStepNumber(s - 1, s);
    }
    st.currentStep = at;
    clkPasteScene_Click();
}

void PlaybackEngine::clkDeleteScene_Click() {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    const int32_t cur = st.currentStep;
    if (cur < 1 || cur > st.stepCount || st.stepCount > st.lastStepSlot()) return;
    shell().presets().removeEventIfInCurrentStep(cur, false);
    const int16_t me = ownNumber();
    for (int32_t s = cur; s <= st.stepCount - 1; ++s) {
        int32_t* here = st.stepValues.step(s);
        int32_t* next = st.stepValues.step(s + 1);
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            here[c] = next[c];
            if (m.channelOwner[size_t(c)] == me) next[c] = 0;
        }
        const size_t to = size_t(s), from = size_t(s + 1);
        st.fadeUpTimes[to] = st.fadeUpTimes[from];
        st.fadeDownTimes[to] = st.fadeDownTimes[from];
        st.delayUpTimes[to] = st.delayUpTimes[from];
        st.delayDownTimes[to] = st.delayDownTimes[from];
        st.followTimes[to] = st.followTimes[from];
        st.stepStops[to] = st.stepStops[from];
        shell().presets().changeMyStepNumber(s + 1, s);
    }
    st.stepCount -= 1;
    view().displaySequenceData();
    cmdBack_Click();
}

// ---- Single stored values -------------------------------------------------------------------

int32_t PlaybackEngine::getChaserValueTotal(int32_t channel, int32_t chaser) const {
    if (chaser != state.myPlaybackNumber) return 0;
    if (channel < 1 || channel > state.stepValues.channels() || state.stepCount > state.stepValues.lastStep()) return 100;
    int64_t total = 0;
    for (int32_t s = 1; s <= state.stepCount; ++s) total += state.stepValues(channel, s);
    return (total > INT32_MAX || total < INT32_MIN) ? 100 : int32_t(total);
}

void PlaybackEngine::adjustChaserValuesInRealTime(int32_t theChannel, int32_t /*theValue*/) {
    PlaybackState& st = state;
    if (st.recordPlusLast) return;
    ChannelModel& m = sizedModel();
    if (theChannel < 1 || theChannel > m.totalChannels) {
        reportError(QStringLiteral("Error in AdjustAllValues:") + QStringLiteral("Subscript out of range"));
        return;
    }
    const int32_t v = std::clamp(m.channelOutput[size_t(theChannel)], -32768, 32767);
    const int16_t owner = m.channelOwner[size_t(theChannel)];
    if (st.isRunning) {
        const int32_t last = std::min(st.stepCount, st.lastStepSlot());
        if (owner == ownNumber() || owner == 0) {
            for (int32_t s = 1; s <= last; ++s) st.stepValues(theChannel, s) = v;
            st.currentLevels[size_t(theChannel)] = float(v);
        }
    } else {
        st.currentLevels[size_t(theChannel)] = float(v);
    }
    markAltered();
}

void PlaybackEngine::movementMoveChannel(int32_t channel, int32_t increment) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    if (channel < 1 || channel > m.totalChannels) throw std::out_of_range("Subscript out of range");
    if (st.isRunning) {
        const int32_t last = std::min(st.stepCount, st.lastStepSlot());
        for (int32_t s = 1; s <= last; ++s) {
            const int32_t n = std::clamp(st.stepValues(channel, s) + increment, 0, 255);
            st.stepValues(channel, s) = n;
            if (s == st.currentStep) st.currentLevels[size_t(channel)] = float(n);
        }
    }
    st.fadeUpTicks = st.fadeDownTicks = 1000000.0f;
    st.fadeUpCount = st.fadeDownCount = 0;
    calculateStepFadeValues();
    markAltered();
}

PlaybackEngine::MovementRange PlaybackEngine::getMovementRange(int32_t fixture) const {
    const ChannelModel& m = model();
    if (fixture < 1 || size_t(fixture) >= m.fixturePanChannel.size()) throw std::out_of_range("Subscript out of range");
    const int32_t last = std::min(state.stepCount, state.stepValues.lastStep());
    auto range = [&](int32_t channel, int16_t& max, int16_t& min, int16_t& centre, int16_t& span) {
        max = 0;
        min = 255;
        if (channel >= 1 && channel <= state.stepValues.channels()) {
            for (int32_t s = 1; s <= last; ++s) {
                const int32_t v = state.stepValues(channel, s);
                if (v > max) max = int16_t(std::min(v, 32767));
                if (v < min) min = int16_t(std::max(v, -32768));
            }
        }
        if (min == 255) min = 0;
        centre = int16_t(roundHalfEven(double(max - min) / 2.0 + double(min)));
        span = int16_t(max - min);
    };
    MovementRange r;
    range(m.fixturePanChannel[size_t(fixture)], r.panMax, r.panMin, r.panCenter, r.panSpan);
    range(m.fixtureTiltChannel[size_t(fixture)], r.tiltMax, r.tiltMin, r.tiltCenter, r.tiltSpan);
    return r;
}

void PlaybackEngine::returnCenter(int32_t fixture, int32_t& x, int32_t& y) const {
    const MovementRange r = getMovementRange(fixture);
    x = r.panCenter;
    y = r.tiltCenter;
}
