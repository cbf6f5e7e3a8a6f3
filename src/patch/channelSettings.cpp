#include "patch/channelSettings.h"

#include "shell/numberText.h"
#include "shell/roleResolution.h"
#include "shell/shell.h"

#include <cmath>
#include <optional>

namespace channelSettings {

namespace {

bool valid(int32_t c) { return c >= 1 && c <= shell().state.totalChannels; }

std::optional<int16_t> number(const QString& text) {
    if (!numberText::isNumber(text)) return std::nullopt;
    return numberText::toInt16(numberText::leadingValue(text));
}

void setFlag(TruthArray& a, int32_t c, bool on) {
    if (valid(c)) a[size_t(c)] = on ? 1 : 0;
}

} // namespace

Settings read(int32_t c) {
    Settings s;
    if (!valid(c)) return s;
    const ChannelModel& m = shell().state;
    const size_t i = size_t(c);
    s.fade = m.channelFades[i];
    s.invert = m.channelInvert[i];
    s.sync = m.channelSyncFlags[i];
    s.dmxPilot = m.channelDmxPilotFlags[i];
    s.intensity = m.channelIsIntensity[i];
    s.syncGroup = m.channelSyncGroups[i];
    s.pilotStep = m.channelDmxPilotSteps[i];
    s.low = m.channelLowLimits[i];
    s.high = m.channelHighLimits[i];
    return s;
}

QStringList followers(int32_t c) {
    const ChannelModel& m = shell().state;
    QStringList out;
    for (int32_t i = 1; i <= m.totalChannels; ++i)
        if (m.channelSyncGroups[size_t(i)] == c && m.channelSyncFlags[size_t(i)]) out << QString::number(i);
    if (out.isEmpty()) out << QStringLiteral("None");
    return out;
}

void setFade(int32_t c, bool on) { setFlag(shell().state.channelFades, c, on); }
void setInvert(int32_t c, bool on) { setFlag(shell().state.channelInvert, c, on); }
void setDmxPilot(int32_t c, bool on) { setFlag(shell().state.channelDmxPilotFlags, c, on); }

void setSync(int32_t c, bool on) {
    setFlag(shell().state.channelSyncFlags, c, on);
    if (valid(c)) roleResolution::findSyncChannels();
}

bool setSyncGroup(int32_t c, const QString& text) {
    const std::optional<int16_t> v = number(text);
    if (!valid(c) || !v) return false;
    shell().state.channelSyncGroups[size_t(c)] = *v;
    return true;
}

bool setLimits(int32_t c, const QString& lowText, const QString& highText) {
    const std::optional<int16_t> low = number(lowText), high = number(highText);
    if (!valid(c) || !low || !high || *low < 0 || *high > 255 || *low > *high) return false;
    shell().state.channelLowLimits[size_t(c)] = *low;
    shell().state.channelHighLimits[size_t(c)] = *high;
    return true;
}

bool setPilotStep(int32_t c, const QString& text) {
    const std::optional<int16_t> v = number(text);
    const int32_t max = channelModel::checkForLargestChaser();
    if (!valid(c) || !v || *v <= 0 || *v > max) return false;
    shell().state.channelDmxPilotSteps[size_t(c)] = *v;
    return true;
}

} // namespace channelSettings
