#include "playback/channelClaim.h"

#include "shell/services/playbackService.h"
#include "shell/shell.h"

namespace channelClaim {

int32_t priorityOf(int32_t playbackNumber) {
    Shell& s = shell();
    if (playbackNumber <= 0) return 0;
    return s.playback().reportPlayBackPriority(playbackNumber);
}

bool priorityAllows(int32_t myPriority, int32_t channel) {
    const ChannelModel& m = shell().state;
    if (channel < 1 || channel > m.totalChannels) return false;
    return myPriority >= priorityOf(m.channelOwner[size_t(channel)]);
}

bool holdAllows(int32_t channel) {
    const ChannelModel& m = shell().state;
    if (channel < 1 || channel > m.totalChannels) return false;
    const bool held = m.channelHold[size_t(channel)] != 0;
    const bool blackout = size_t(channel) < m.channelBlackoutHold.size() && m.channelBlackoutHold[size_t(channel)] != 0;
    return !held || blackout;
}

bool takeOverApplies(int32_t ownedChannels, int32_t fixtureChannels) {
    if (fixtureChannels <= 0) return false;
    // m / n > 0.35, exactly: 20 m > 7 n.
    return int64_t(ownedChannels) * 20 > int64_t(fixtureChannels) * 7;
}

} // namespace channelClaim
