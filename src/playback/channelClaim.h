#pragma once
// The rules by which a playback takes channels into channelOwner: the
// priority test and the hold test shared by every claim, and the fixture
// take-over of a priority-10 playback.

#include <cstdint>

namespace channelClaim {

// The priority of a playback number (0 for a free channel or a number that no
// playback has), through the frame.
int32_t priorityOf(int32_t playbackNumber);

// A playback of the given priority may take the channel when its priority is
// at least that of the channel's owner (equal priorities: the claimer wins).
bool priorityAllows(int32_t myPriority, int32_t channel);

// The channel is not held, or held only by a playback's blackout.
bool holdAllows(int32_t channel);

// A fixture of n channels of which m are owned: taken over when m / n > 0.35.
// A fixture that reports no channels is never taken over.
bool takeOverApplies(int32_t ownedChannels, int32_t fixtureChannels);

} // namespace channelClaim
