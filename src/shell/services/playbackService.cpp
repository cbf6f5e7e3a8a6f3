#include "shell/services/playbackService.h"

#include "shell/shell.h"

PlaybackService& Shell::playback() { return service<PlaybackService>(); }

int32_t PlaybackService::loadSequenceInDoc(int32_t&, const QString&, bool, bool, int32_t) { return 0; }
void PlaybackService::clkAddPlaybackControl(int32_t, bool, bool, bool) {}
void PlaybackService::setUseSequenceFadetime(int32_t, bool) {}
void PlaybackService::setUseMotionfade(int32_t, bool) {}
void PlaybackService::fadeOutSequence(int32_t) {}
void PlaybackService::clearSequenceInChaser(int32_t) {}
void PlaybackService::refreshPlaybackChannels(int32_t) {}
void PlaybackService::refreshShortcuts(int32_t, bool) {}
void PlaybackService::checkForActivePlaybacks(int32_t, const QString&) {}
bool PlaybackService::returnIfFilenameIsRunning(const QString&, int32_t&) const { return false; }
bool PlaybackService::returnIfFilenameIsLoaded(const QString&, int32_t&) const { return false; }
bool PlaybackService::returnGoMode(int32_t) const { return false; }
bool PlaybackService::getCurrentAutoGo(int32_t) const { return false; }
bool PlaybackService::getChaserFlag(int32_t) const { return false; }
bool PlaybackService::returnFadeOutStatus(int32_t) const { return false; }
int32_t PlaybackService::reportPlayBackPriority(int32_t) const { return 0; }
