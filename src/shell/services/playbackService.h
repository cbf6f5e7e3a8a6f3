#pragma once
// The playback engine (subsystem 3) as the other subsystems drive it. The
// base has no playbacks and no refresh tick.

#include <cstdint>

class PlaybackService {
public:
    virtual ~PlaybackService() = default;
    // Switches the refresh tick (every playback step and the output stage).
    virtual void setRefreshTickEnabled(bool on) { (void)on; }
    // Sizes every playback's step arrays anew after the channel count changed.
    virtual void resizeMyArrays() {}
    // Rebuilds the shortcut buttons of one playback or of all.
    virtual void refreshShortcuts(int32_t thePlaybackNumber, bool allPlaybacks) {
        (void)thePlaybackNumber, (void)allPlaybacks;
    }
    // Makes a playback window available (0 reuses a hidden one or adds one).
    virtual void clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible, bool livePlayback) {
        (void)forceNumber, (void)fromMain, (void)makeVisible, (void)livePlayback;
    }
    // True while the playback runs.
    virtual bool getChaserFlag(int32_t thePlayback) const { (void)thePlayback; return false; }
    // Empties the playback's loaded sequence and stops it.
    virtual void clearSequenceInChaser(int32_t playBackNumber) { (void)playBackNumber; }
};
