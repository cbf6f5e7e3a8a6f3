// The playback engine, tick and step timing: the step's times in ticks, one
// tick, the step advance.

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
        const StepLevels::Row from = st.stepValues.row(s);
        const StepLevels::Row to = st.stepValues.row(nx);
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
            const int32_t percent = roundHalfEven(double(st.followCount) / double(st.followTicks) * 100.0);
            markDisplay(Display::follow, [percent] { shell().mainWindow().mainFollowProgress(percent); });
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
            const StepLevels::Row target = st.stepValues.row(nx);
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
            if (st.fadeDownTicks != 0) {
                const int32_t percent = roundHalfEven(double(st.fadeDownCount) / double(st.fadeDownTicks) * 100.0);
                markDisplay(Display::fadeOutText, [file = st.theSequenceFilename, percent] {
                    shell().shortcuts().updateFadeOutText(file, percent);
                });
            }
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
            const StepLevels::Row levels = st.stepValues.row(cs);
            // Looked up once: a look-up by type for every channel was most of a step change.
            MastersService& masters = shell().masters();
            for (int32_t c = 1; c <= m.totalChannels; ++c) {
                if (!m.channelHold[size_t(c)] && !m.channelTouched[size_t(c)] && !isNone(m, c)) {
                    if (m.channelOwner[size_t(c)] == me)
                        m.channelOutput[size_t(c)] = clampLevel(
                            m.channelIsIntensity[size_t(c)] ? roundHalfEven(double(levels[c]) * factor) : levels[c]);
                    st.currentLevels[size_t(c)] = float(levels[c]);
                }
                const int16_t v = int16_t(std::clamp(levels[c], -32768, 32767));
                masters.submasterSetMyValuemem(v, c);
                masters.masterFaderSetMyValuemem(v, c);
            }
        }

        if (st.restoreSavedStep) {
            if (st.stepCount >= st.savedStepNumber && st.currentStep > 0 && st.savedStepNumber >= 0 &&
                st.savedStepNumber <= st.lastStepSlot()) {
                for (int32_t c = 1; c <= m.totalChannels; ++c)
                    st.stepValues.set(c, st.savedStepNumber, st.savedStepValues[size_t(c)]);
            }
            st.restoreSavedStep = false;
        }

        calculateStepFadeValues();
        if (!st.continuousRun) st.isRunning = false;

        const QString text = QString::number(cs) + QLatin1Char(':') + QString::number(n);
        if (isCurrentPlayback())
            markDisplay(Display::stepNumber, [text] { shell().mainWindow().mainStepNumber(text, 65280); });
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
