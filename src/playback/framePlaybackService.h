#pragma once
// The playback engine as the other subsystems drive it: the shell's
// PlaybackService, forwarding to the frame's engine.

#include "shell/services/playbackService.h"

class FramePlaybackService final : public PlaybackService {
public:
    void setRefreshTickEnabled(bool on) override;
    void resizeMyArrays() override;
    void refreshShortcuts(int32_t thePlaybackNumber, bool allPlaybacks) override;
    void clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible, bool livePlayback) override;
    bool getChaserFlag(int32_t thePlayback) const override;
    void clearSequenceInChaser(int32_t playBackNumber) override;
};
