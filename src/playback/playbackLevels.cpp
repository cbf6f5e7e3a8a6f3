// The playback engine, levels: dimmer and grand master, blackout, colour
// mixers, the main-window display.

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
    st.stepNumberText = QString::number(st.currentStep) + QLatin1Char(':') + QString::number(st.stepCount);
    markDisplay(Display::fadeTimes, [this] { showFadetimeNow(); });
}

void PlaybackEngine::showFadetimeNow() {
    PlaybackState& st = state;
    if (!isCurrentPlayback()) return;
    const int32_t cs = st.currentStep;
    MainWindowService& main = shell().mainWindow();
    main.mainStepNumber(st.stepNumberText, 65280);
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
    markDisplay(Display::fadeProgress, [this] { showFadeProgressNow(); });
}

void PlaybackEngine::showFadeProgressNow() {
    const PlaybackState& st = state;
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
