#pragma once
// What other subsystems ask of the playback frame: driving a playback by its
// number. The base answers "nothing there": no playback loads, none runs.

#include <QString>
#include <cstdint>

class PlaybackService {
public:
    virtual ~PlaybackService() = default;
    // Loads a sequence file (real path) into playback doc (0: the first free
    // one, made when none is free) and starts it; the playback used, 0 when none.
    virtual int32_t loadSequenceInDoc(int32_t& doc, const QString& sequenceName, bool doNotFadeCurrent, bool crossFade,
                                      int32_t sentDimmerValue);
    // Finds or creates the playback numbered forceNumber (any free one for 0).
    virtual void clkAddPlaybackControl(int32_t forceNumber, bool fromMain, bool makeVisible, bool livePlayback);
    // Per-step times and motion fade of an existing playback.
    virtual void setUseSequenceFadetime(int32_t playBackNumber, bool valueBool);
    virtual void setUseMotionfade(int32_t playBackNumber, bool theBool);
    // Fades the playback's channels out; it clears itself at the end.
    virtual void fadeOutSequence(int32_t playBackNumber);
    // Drops the playback's sequence and values.
    virtual void clearSequenceInChaser(int32_t playBackNumber);
    // The playback re-claims the channels of its sequence.
    virtual void refreshPlaybackChannels(int32_t thePlaybackNumber);
    // Rebuilds the shortcut panel of one playback or of all.
    virtual void refreshShortcuts(int32_t thePlaybackNumber, bool allPlaybacks);
    // Recolours a playback's shortcut panel for the sequence named.
    virtual void checkForActivePlaybacks(int32_t thePlaybackNumber, const QString& theSequence);
    // Whether a running / any playback holds Sequences\theFilename; theChaser receives its number.
    virtual bool returnIfFilenameIsRunning(const QString& theFilename, int32_t& theChaser) const;
    virtual bool returnIfFilenameIsLoaded(const QString& theFilename, int32_t& theChaser) const;
    // Running states of a playback: GO mode, auto go, chase flag, fading out.
    virtual bool returnGoMode(int32_t theplayback) const;
    virtual bool getCurrentAutoGo(int32_t theplayback) const;
    virtual bool getChaserFlag(int32_t theplayback) const;
    virtual bool returnFadeOutStatus(int32_t thePlaybackNumber) const;
    // Priority 1..10 of a playback; 0 when there is none.
    virtual int32_t reportPlayBackPriority(int32_t theplayback) const;
    // Switches the refresh tick (every playback step and the output stage).
    virtual void setRefreshTickEnabled(bool on) { (void)on; }
    // Sizes every playback's step arrays anew after the channel count changed.
    virtual void resizeMyArrays() {}
};
