#pragma once
// How the effect generators write into the current playback's steps: one
// value at a time through the playback facade, a channel claimed for the
// playback only where the priority check let it be written, and the present
// levels filled into the places an effect left empty.

#include <QString>
#include <cstdint>
#include <utility>

namespace effectWrites {

// Whether fixture f is selected on the layout.
bool isSelected(int32_t fixture);
// The fixture's channels: fixtureStartChannel .. + ChannelsUsed - 1 of its
// profile (an empty range for a fixture without a profile).
std::pair<int32_t, int32_t> channelsOf(int32_t fixture);
// The fixture's first channel whose type, without surrounding blanks, is
// channelName without surrounding blanks (exact case); 0 when none.
int32_t firstChannelOfType(int32_t fixture, const QString& channelName);

// Stores value in the current playback's step when the priority check lets
// the current playback write the channel, and claims the channel for it;
// false (nothing written, nothing claimed) otherwise.
bool writeClaimed(int32_t channel, int32_t step, int32_t value);
// The stored value of a channel in a step of the current playback.
int32_t stored(int32_t channel, int32_t step);

// A fixture that is not selected keeps its present levels in every step of
// the current playback where it had nothing stored (channels this playback
// owns, level above 0). Reports an error in a message.
void fillInOtherActiveFixturesOnCurrentPlayback(int32_t fixture);
// One step of one fixture: every channel holding 0 takes its present level
// (pan and tilt only when no running playback owns them).
void FillInData(int32_t fixture, int32_t step);

} // namespace effectWrites
