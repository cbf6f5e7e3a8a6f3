#include "console/timeControls.h"

#include "shell/services/mainWindowService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <algorithm>
#include <cmath>

namespace {
int32_t current() { return shell().state.currentPlayback; }
} // namespace

void TimeControls::dimmerChanged(int32_t value, bool fromScroll) {
    const int32_t v = std::clamp(value, 0, 100);
    if (fromScroll) shell().playback().setDimmerValue(v, current());
    dimmerLabel = QStringLiteral("Playback Dimmer: %1%").arg(v);
    const int32_t g = int32_t(std::nearbyint(v * 2.5));
    dimmerColour = g | (g << 8) | (g << 16);
}

void TimeControls::fadeTimeChanged(int32_t value) {
    fadeTimeValue = value;
    shell().playback().setFadeTimeSliderValue(current(), value);
}

void TimeControls::fadeTimeMouseDown() {
    if (shell().playback().getChaserFlag(current())) setUseFadetime(true);
    mouseDownOnFade = true;
}

void TimeControls::setFadeTimeSlider(int32_t value) {
    const bool held = mouseDownOnFade;
    mouseDownOnFade = true;
    fadeTimeChanged(value);
    mouseDownOnFade = held;
    setUseFadetime(true);
}

void TimeControls::setUseFadetime(bool ticked) {
    useFadetimeTicked = ticked;
    shell().playback().setUseSequenceFadetime(current(), !ticked);
}

void TimeControls::setFadeScenes(bool ticked) {
    fadeScenesTicked = ticked;
    shell().playback().setUseMotionfade(current(), ticked);
}

void TimeControls::keypadEntry(int32_t index, double value) {
    if (index < 0 || index > 5) return;
    MainWindowService& window = shell().mainWindow();
    const QString text = QString::number(std::round(value * 100.0) / 100.0);
    window.setMainFadeTimeText(index, text);
    if (index == 0) window.setMainFadeTimeText(1, text);
    PlaybackService& pb = shell().playback();
    pb.SendMefadeTimeFromMain(current(), false);
    if (!pb.getChaserFlag(current())) return;
    pb.setAllStepsFadeTime(current(), index);
    // The fade-up time is the fade-down time too, in every step as in the boxes.
    if (index == 0) pb.setAllStepsFadeTime(current(), 1);
}
