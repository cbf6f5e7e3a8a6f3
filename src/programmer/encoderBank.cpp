#include "programmer/encoderBank.h"

#include "profiles/ClsFixture.h"
#include "shell/numberText.h"
#include "shell/services/consoleService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <cmath>

namespace {

struct Category {
    const char* tab;
    std::array<const char*, 11> names;
};

// Encoders 0..10 per category page; 8 is always empty, 9 and 10 pan and tilt.
constexpr std::array<Category, 7> categories = {{
    {"cmdColor", {"red", "green", "blue", "color", "color1", "white", "white1", "amber", "", "pan", "tilt"}},
    {"cmdGobo",
     {"gobo", "gobo1", "gobo2", "focus", "zoom", "gobo rotation", "gobo1 rotation", "gobo2 rotation", "", "pan", "tilt"}},
    {"cmdShutter", {"shutter", "strobe rate", "strobe intensity", "focus", "zoom", "dimmer", "", "", "", "pan", "tilt"}},
    {"cmdBeam", {"dimmer", "prism", "prism rotate", "focus", "zoom", "iris", "frost", "effects wheel", "", "pan", "tilt"}},
    {"cmdFunction", {"control", "color function", "", "focus", "zoom", "", "", "", "", "pan", "tilt"}},
    {"cmdRotation",
     {"prism rotate", "effects rotate", "rotating gobo", "focus", "zoom", "gobo rotation", "gobo1 rotation",
      "gobo2 rotation", "", "pan", "tilt"}},
    {"cmdSpeed", {"mspeed", "", "", "focus", "zoom", "", "", "", "", "pan", "tilt"}},
}};

bool selectedFixture(int32_t f) { return f >= 1 && shell().patch().isSelected(f); }

} // namespace

bool EncoderBank::assignEncoderNames(const QString& markedTab) {
    for (const Category& c : categories) {
        if (markedTab != QLatin1String(c.tab)) continue;
        for (int e = 0; e < count; ++e) encoderNames[size_t(e)] = QLatin1String(c.names[size_t(e)]);
        const bool colour = markedTab == QLatin1String("cmdColor");
        encoderAltNames[0] = colour ? QStringLiteral("cyan") : QString();
        encoderAltNames[1] = colour ? QStringLiteral("magenta") : QString();
        encoderAltNames[2] = colour ? QStringLiteral("yellow") : QString();
        return true;
    }
    return false;
}

void EncoderBank::mapEncoderChannels() {
    ChannelModel& m = shell().state;
    std::array<bool, count> mapped{};
    const int32_t fixtures = std::min<int32_t>(m.fixtureCount, int32_t(m.fixtureLightClass.size()) - 1);
    for (int32_t f = 1; f <= fixtures; ++f) {
        if (!selectedFixture(f)) continue;
        const int32_t slot = m.fixtureLightClass[size_t(f)];
        if (slot < 1 || size_t(slot) >= m.lightClasses.size() || !m.lightClasses[size_t(slot)]) continue;
        const int32_t used = std::clamp<int32_t>(m.lightClasses[size_t(slot)]->ChannelsUsed, 0, ClsFixture::maxChannels);
        for (int32_t j = 1; j <= used; ++j) {
            const int32_t ch = m.fixtureStartChannel[size_t(f)] + j - 1;
            if (ch < 1 || ch > m.totalChannels) continue;
            const QString t = numberText::trimBlanks(m.channelType[ch]);
            if (t.isEmpty()) continue;
            for (int e = 0; e < count; ++e) {
                if (t == numberText::trimBlanks(encoderNames[size_t(e)])) {
                    tags[size_t(e)] = QString::number(m.channelOutput[size_t(ch)]);
                    mapped[size_t(e)] = true;
                    encoderCmyMode = false;
                }
                if (t == numberText::trimBlanks(encoderAltNames[size_t(e)])) {
                    tags[size_t(e)] = QString::number(m.channelOutput[size_t(ch)]);
                    mapped[size_t(e)] = true;
                    encoderCmyMode = true;
                }
            }
        }
    }
    for (int e = 0; e < count; ++e)
        if (!mapped[size_t(e)]) tags[size_t(e)].clear();
}

QString EncoderBank::captionOf(int e) const {
    if (e < 0 || e >= count) return {};
    return e < 3 && encoderCmyMode ? encoderAltNames[size_t(e)] : encoderNames[size_t(e)];
}

QStringList EncoderBank::captionLines(const QString& name) {
    if (name.size() < 10) return {name};
    const QStringList words = name.split(QLatin1Char(' '));
    return {words.value(0), words.value(1)};
}

void EncoderBank::showEncoderBank() {
    boxVisible = false;
    boxTag.clear();
}

bool EncoderBank::matches(int32_t c, int e) const {
    ChannelModel& m = shell().state;
    if (e < 0 || e >= count || c < 1 || c > m.totalChannels) return false;
    const QString t = numberText::trimBlanks(m.channelType[c]);
    if (t.isEmpty()) return false;
    if (t != numberText::trimBlanks(encoderNames[size_t(e)]) && t != numberText::trimBlanks(encoderAltNames[size_t(e)]))
        return false;
    return selectedFixture(m.channelFixture[size_t(c)]);
}

int32_t EncoderBank::valueOf(int index) const {
    return int32_t(std::nearbyint(numberText::leadingValue(tags[size_t(index)])));
}

void EncoderBank::oneWheel_MouseDown(int index, double y) {
    (void)index;
    encoderDownY = int32_t(std::nearbyint(y));
}

bool EncoderBank::oneWheel_MouseMove(int index, int button, int shift, double x, double y) {
    (void)x;
    if (index < 0 || index >= count || tags[size_t(index)].isEmpty()) return false;
    if (button != 1) return true;
    const int32_t delta = int32_t(std::nearbyint(y)) - encoderDownY;
    const int32_t value = valueOf(index);
    if (delta < encoderLastDelta) {
        if (value + 1 < 256) {
            tags[size_t(index)] = QString::number(value + 1);
            if (shift != 0) stepEncoderChannels(index, 1);
        }
    } else if (delta > encoderLastDelta) {
        if (value - 1 >= 0) {
            tags[size_t(index)] = QString::number(value - 1);
            if (shift != 0) stepEncoderChannels(index, -1);
        }
    }
    encoderLastDelta = delta;
    Shell& s = shell();
    if (shift == 0) applyEncoderValue(index);
    s.playback().updatePlaybacksColorMixers(s.state.currentPlayback);
    boxText = tags[size_t(index)];
    s.console().autoRecord();
    return true;
}

void EncoderBank::takeChannel(int32_t c) {
    ChannelModel& m = shell().state;
    if (m.channelOwner[size_t(c)] == 0)
        m.channelOwner[size_t(c)] = int16_t(m.currentPlayback);
    else
        m.currentPlayback = m.channelOwner[size_t(c)];
}

void EncoderBank::applyEncoderValue(int index) {
    if (index < 0 || index >= count) return;
    Shell& s = shell();
    ChannelModel& m = s.state;
    const int32_t value = std::clamp(valueOf(index), 0, 255);
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        if (!matches(c, index)) continue;
        takeChannel(c);
        m.channelOutput[size_t(c)] = value;
        s.playback().adjustPlayBackValuesInRealTime(m.currentPlayback, c, value);
    }
}

void EncoderBank::stepEncoderChannels(int index, int direction) {
    if (index < 0 || index >= count) return;
    Shell& s = shell();
    ChannelModel& m = s.state;
    int32_t k = 0;
    for (int32_t c = 1; c <= m.totalChannels; ++c) {
        if (!matches(c, index)) continue;
        ++k;
        takeChannel(c);
        int32_t& level = m.channelOutput[size_t(c)];
        if (direction < 1)
            level = std::max(level - 1 - k, 0);
        else
            level = std::min(level + 1 + k, 255);
        s.playback().adjustPlayBackValuesInRealTime(m.currentPlayback, c, level);
    }
}

bool EncoderBank::oneWheel_DblClick(int index) {
    if (index < 0 || index >= count || tags[size_t(index)].isEmpty()) return false;
    // What a box still open holds is committed first; a box that is hidden
    // holds no entry (its text only mirrors the last drag), so nothing of it
    // reaches any encoder.
    if (boxVisible) commitEntry();
    boxText = tags[size_t(index)];
    boxTag = QString::number(index);
    boxVisible = true;
    return true;
}

void EncoderBank::txtDirectWheelValue_KeyUp(int keyCode) {
    if (keyCode == enterKey && boxVisible) commitEntry();
}

void EncoderBank::commitEntry() {
    bool ok = false;
    const int index = boxTag.toInt(&ok);
    boxVisible = false;
    if (!ok || index < 0 || index >= count) return;
    // Text that does not start with a number is refused: the encoder keeps its value.
    const QString text = numberText::trimBlanks(boxText);
    if (text.isEmpty() || !(text.front().isDigit() || text.front() == QLatin1Char('-') ||
                            text.front() == QLatin1Char('+') || text.front() == QLatin1Char('.')))
        return;
    const double v = numberText::leadingValue(text);
    tags[size_t(index)] = v < 0 ? QStringLiteral("0") : v > 255 ? QStringLiteral("255")
                                                                : QString::number(int32_t(std::nearbyint(v)));
    applyEncoderValue(index);
    Shell& s = shell();
    s.playback().updatePlaybacksColorMixers(s.state.currentPlayback);
    s.console().autoRecord();
}
