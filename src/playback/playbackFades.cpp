// The playback engine, fades: fade from the live output and fade out, the
// manual crossfade, fade-time slider steps and the beat.

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
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

using namespace playbackEngineDetail;

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
            StepLevels& levels = st.stepValues;
            for (int32_t c = 1; c <= m.totalChannels; ++c) {
                if (isNone(m, c)) continue;
                st.savedStepValues[size_t(c)] = std::as_const(levels)(c, s);
                const int32_t out = m.channelOutput[size_t(c)];
                if (!m.channelIsIntensity[size_t(c)]) {
                    levels.set(c, s, out);
                    st.currentLevels[size_t(c)] = float(out);
                } else if (factor > 0) {
                    const float live = float(double(out) / double(factor));
                    st.currentLevels[size_t(c)] = live;
                    levels.set(c, s, roundHalfEven(live));
                } else {
                    st.currentLevels[size_t(c)] = 0;
                    levels.set(c, s, 0);
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
        for (int32_t c = 1; c <= m.totalChannels; ++c) {
            if (isNone(m, c) || m.channelOwner[size_t(c)] != me) continue;
            st.savedStepValues[size_t(c)] = std::as_const(st.stepValues)(c, s);
            st.stepValues.set(c, s, m.channelOutput[size_t(c)]);
            st.currentLevels[size_t(c)] = float(m.channelOutput[size_t(c)]);
        }

        if (st.restoreSavedStep) setPhaseCounts(st, 0);
        st.restoreSavedStep = true;
        st.savedStepNumber = s;
        const int32_t spare = st.stepCount + 1;
        ensureStepSlot(spare);
        st.nextStep = spare;
        const StepLevels::Row levels = st.stepValues.row(s); // the tables may have grown

        st.intensityFactor = computeIntensityFactor();
        const double factor = st.intensityFactor;
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
            st.stepValues.set(c, spare, target);
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

// ---- Manual crossfade ------------------------------------------------------------------------------

void PlaybackEngine::crossfadeDrag(int32_t v, bool rising) {
    PlaybackState& st = state;
    ChannelModel& m = sizedModel();
    const int32_t cs = st.currentStep, nx = st.nextStep;
    if (cs < 0 || nx < 0 || cs > st.lastStepSlot() || nx > st.lastStepSlot()) return;
    const int16_t me = int16_t(st.myPlaybackNumber);
    const double factor = st.intensityFactor;
    const StepLevels::Row from = st.stepValues.row(cs);
    const StepLevels::Row to = st.stepValues.row(nx);
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
