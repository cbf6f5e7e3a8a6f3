#include "playback/framePlaybackService.h"

#include "platform/tickTimer.h"
#include "playback/playbackFrame.h"
#include "shell/shell.h"

namespace {
PlaybackFrame& frame() { return shell().engine<PlaybackFrame>(); }
} // namespace

void FramePlaybackService::setRefreshTickEnabled(bool on) { frame().HiResTimer1().setEnabled(on); }
void FramePlaybackService::resizeMyArrays() { frame().resizeMyArrays(); }
void FramePlaybackService::refreshShortcuts(int32_t n, bool all) { frame().refreshShortcuts(n, all); }
void FramePlaybackService::clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible,
                                                 bool livePlayback) {
    frame().clkAddPlaybackControl(forceNumber, fromMain, makeVisible, livePlayback);
}
bool FramePlaybackService::getChaserFlag(int32_t n) const { return frame().getChaserFlag(n); }
void FramePlaybackService::clearSequenceInChaser(int32_t n) { frame().clearSequenceInChaser(n); }
