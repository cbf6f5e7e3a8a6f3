#pragma once
// Role channels of the patched fixtures: where each fixture's dimmer, fog,
// haze fan, pan/tilt, shutter and gobo rotation channels lie in absolute DMX
// numbering, whether it mixes colour, which channels are intensity channels,
// and the start channel and profile of a fixture found again from the channel
// labels. Everything is recomputed from the channel arrays on each call.
//
// A fixture's span is its start channel to start + ChannelsUsed - 1 of its
// profile. A fixture number outside the per-fixture arrays, or a span that
// leaves 1..totalChannels, is an error (std::out_of_range) that nothing is
// written for; a channel number too large for a 16-bit entry is
// std::overflow_error. Procedures with a handler of their own report such an
// error in a message box instead.

#include <cstdint>

namespace roleResolution {

// Dimmer, fog and haze-fan channels of every fixture 1..fixtureCount, and
// channelFixture of every typed channel of their spans (never cleared).
// An error is shown as "error in getDimmersandFoggers: ..." and ends the run.
void getFixtureDimmersandFoggers();

// Pan, pan fine, tilt and tilt fine channels of one fixture. An error is
// shown as "Error in FindPanAndTilt:..." .
void findPanandTilt(int32_t fixture);

// Shutter and gobo-rotation channels of one fixture and the intensity flags
// of its channels. Errors go to the caller.
void findIfBeamHasShutter(int32_t fixtureNumber);

// Whether one fixture mixes colour (red/green/blue or cyan/magenta/yellow).
// Errors go to the caller.
void findifcolormixer(int32_t fixtureNumber);

// Start channel and profile of one fixture, from the channels labelled with
// the name of its layout icon. A fixture left without a profile while
// profiles exist falls back to profile 1 with "Show File May Be Corrupt!
// Fixture:<name>". Errors go to the caller.
void findlightclass(int32_t fixtureNumber);

// True when the fixture's profile has a dimmer role. An error is shown as
// "Error Finding Dimmer Channel: ..." and gives false.
bool fixtureHasDimmer(int32_t fixtureNumber);

// Kept for its callers; nothing reads what it would compute, so it has no
// effect.
void findSyncChannels();

} // namespace roleResolution
