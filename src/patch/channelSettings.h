#pragma once
// The settings of one channel that the channel settings window edits: fade,
// invert, sync flag and group, DMX-Pilot flag and scene interval, and the
// value limits. Limits are checked (0..255, lower not above upper) however
// they are entered.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace channelSettings {

struct Settings {
    bool fade = false, invert = false, sync = false, dmxPilot = false, intensity = false;
    int32_t syncGroup = 0, pilotStep = 0, low = 0, high = 0;
};
// The settings of channel c (1..totalChannels).
Settings read(int32_t c);
// The channels that follow channel c, or "None".
QStringList followers(int32_t c);

void setFade(int32_t c, bool on);
void setInvert(int32_t c, bool on);
// Stores the sync flag and derives the sync leaders again.
void setSync(int32_t c, bool on);
void setDmxPilot(int32_t c, bool on);
// The sync group from its text (rounded); false when it is not a number.
bool setSyncGroup(int32_t c, const QString& text);
// Both limits from their boxes, however they were entered: stored together
// when both are numbers 0..255 and the lower is not above the upper; false
// (nothing stored) otherwise.
bool setLimits(int32_t c, const QString& lowText, const QString& highText);
// The scene interval: 1..the largest playback step count + 1.
bool setPilotStep(int32_t c, const QString& text);

} // namespace channelSettings
