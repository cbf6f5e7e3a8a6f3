#include "masters/masterFadeOut.h"

#include "masters/mastersEngine.h"
#include "platform/tickTimer.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <algorithm>
#include <cmath>

namespace {
const QString timeSection = QStringLiteral("MasterTime");

int32_t clampedSetting(const QString& text, int32_t lo, int32_t hi) {
    bool ok = false;
    const int32_t v = text.trimmed().toInt(&ok);
    return ok ? std::clamp(v, lo, hi) : lo;
}
} // namespace

MasterFadeOut::MasterFadeOut(MastersEngine& m) : masters(m), fadeTimer(shell().timers().create()) {
    fadeTimer->setInterval(50);
    fadeTimer->setEnabled(false);
    fadeTimer->onTick = [this] { tick(); };
}

MasterFadeOut::~MasterFadeOut() {
    if (fadeTimer) fadeTimer->setEnabled(false);
}

void MasterFadeOut::sizeMemory() {
    memory.resize(size_t(std::max(shell().state.totalChannels, 0) + 1), 0);
}

void MasterFadeOut::load() {
    sizeMemory();
    const QString ini = shell().iniFile();
    seconds = clampedSetting(miscGlobalFunctions::readIniValue(ini, timeSection, QStringLiteral("Second"),
                                                               QStringLiteral("1")), 0, 59);
    const QString h = miscGlobalFunctions::readIniValue(ini, timeSection, QStringLiteral("MiliSecond"), QStringLiteral("1"));
    hundredths = clampedSetting(h.right(2), 0, 99);
    channelFunction = QStringLiteral("dimmer");
    level = float(fader);
    recompute = true;
    loaded = true;
}

void MasterFadeOut::unload() {
    fadeTimer->setEnabled(false);
    auto& mem = shell().state.masterFaderMemory;
    std::fill(mem.begin(), mem.end(), 100);
    if (masters.blackoutOn) masters.lblBlackout_Click();
    loaded = false;
}

void MasterFadeOut::activate() {
    if (fadedOut) return;
    sizeMemory();
    const auto& out = shell().state.channelOutput;
    for (size_t c = 1; c < memory.size() && c < out.size(); ++c) memory[c] = out[c];
}

void MasterFadeOut::setMyValuemem(int32_t value, int32_t channel) {
    sizeMemory();
    if (channel >= 1 && size_t(channel) < memory.size()) memory[size_t(channel)] = value;
}

void MasterFadeOut::setChannelFunction(const QString& f) { channelFunction = f; }

void MasterFadeOut::rescale() {
    if (channelFunction.toLower() != QLatin1String("dimmer")) return;
    ChannelModel& m = shell().state;
    sizeMemory();
    const double factor = double(fader) / 100.0;
    PlaybackService& playback = shell().playback();
    for (int32_t f = 1; f <= m.fixtureCount && size_t(f) < m.fixtureDimmerChannel.size(); ++f) {
        const int32_t ch = m.fixtureDimmerChannel[size_t(f)];
        if (ch <= 0 || ch > m.totalChannels) continue;
        const int32_t owner = m.channelOwner[size_t(ch)];
        if (size_t(ch) < m.masterFaderMemory.size()) m.masterFaderMemory[size_t(ch)] = fader;
        // The owner's factor as it is, not rounded to 0 or 1; a free channel has none.
        const double p = double(playback.intensityFactor(owner));
        m.channelOutput[size_t(ch)] = int32_t(std::nearbyint(p * double(memory[size_t(ch)]) * factor));
    }
}

void MasterFadeOut::setFader(int32_t value) {
    fader = std::clamp(value, 0, 100);
    if (fader == 0) {
        caption = QStringLiteral("Fade Up");
        fadeTimer->setEnabled(false);
        fadedOut = true;
    } else if (fader == 100) {
        caption = QStringLiteral("Fade Out");
        fadeTimer->setEnabled(false);
        fadedOut = false;
    }
    rescale();
    masters.changed();
}

void MasterFadeOut::cmdFadeOut_Click() {
    recompute = true;
    if (caption == QLatin1String("Fade Out")) {
        fadeTimer->setEnabled(true);
        caption = QStringLiteral("Cancel");
        fadingUp = false;
    } else if (caption == QLatin1String("Cancel")) {
        fadeTimer->setEnabled(false);
        setFader(100);
        level = float(fader);
        caption = QStringLiteral("Fade Out");
    } else if (caption == QLatin1String("Fade Up")) {
        if (masters.blackoutOn) masters.lblBlackout_Click();
        fadeTimer->setEnabled(true);
        fadingUp = true;
    }
    masters.changed();
}

void MasterFadeOut::tick() {
    if (recompute) {
        const int32_t s = seconds, h = hundredths;
        step = (s + h > 0) ? float(100.0 / (20.0 * s + 0.2 * h)) : 100.0f;
        recompute = false;
    }
    if (dragging) return;
    if (!fadingUp) {
        level -= step;
        if (level <= 1.0f) {
            level = 0;
            fadeTimer->setEnabled(false);
            if (!masters.blackoutOn) masters.lblBlackout_Click();
        }
    } else {
        level += step;
        if (level > 100.0f) {
            level = 100;
            fadeTimer->setEnabled(false);
        }
    }
    // Like a fader control, a value that does not change raises no change.
    const int32_t shown = int32_t(std::nearbyint(level));
    if (shown != fader) setFader(shown);
}

void MasterFadeOut::setFadeTime(int32_t s, int32_t h) {
    seconds = std::clamp(s, 0, 59);
    hundredths = std::clamp(h, 0, 99);
    recompute = true;
    const QString ini = shell().iniFile();
    miscGlobalFunctions::writeIniValue(ini, timeSection, QStringLiteral("Second"), QString::number(seconds));
    miscGlobalFunctions::writeIniValue(ini, timeSection, QStringLiteral("MiliSecond"),
                                       QStringLiteral("%1").arg(hundredths, 2, 10, QLatin1Char('0')));
}
