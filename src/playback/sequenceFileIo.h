#pragma once
// Loading a sequence file into a playback and saving a playback's sequence,
// between the file codec (sequenceFile.h) and the playback's state. Loading
// claims the channels by priority through the playback engine.

#include <QString>
#include <cstdint>

class PlaybackEngine;

namespace sequenceFileIo {

// The button page new files go into comes from the shortcut pages, the
// preset events kept beside a sequence from the presets (their services).

// Reads a sequence file into the playback and claims its channels.
// crossFade 0 takes the fade-from-current settings from the file, 1 forces
// fade-from-current on, anything else leaves them. A missing file, a file
// that needs more universes than the show has, or a damaged file is
// reported to the operator and changes nothing. True when loaded.
bool loadSeqenceIntoMemory(PlaybackEngine& w, const QString& fileNameSeq, int16_t crossFade);

// The window's "Load Seqence Cuelist": the file dialog on the show's
// sequence folder, the load, and the question whether the sequence plays with
// Auto Trigger; then a fade from the live output into step 1. A cancelled
// dialog changes nothing. True when a sequence was loaded.
bool loadSequenceFromDialog(PlaybackEngine& w);

// Writes the playback's sequence. saveMode: 0 or less every owned level;
// 1 only pan/tilt channels (others freed); 2 everything but pan/tilt (those
// freed); -1 with a name writes a copy into the show's folder and keeps the
// playback's own file name. True when the file was written.
bool saveSequence(PlaybackEngine& w, bool doNotAskMe, int32_t playBackToSaveTo, const QString& autoPlay,
                  int32_t saveMode, const QString& fileNameOverride);

// Rewrites the trigger text of the loaded file from the playback's trigger
// option. False (with a message) when the rewrite failed; true when done or
// when there is no file.
bool SaveUseSequenceFadetimeShort(PlaybackEngine& w);

// Rewrites the scene and mask records of the loaded file from the playback.
// When the file's universe or step count differs from the playback's, the
// whole sequence is saved instead (under its own name, no dialog).
bool saveUseSequenceFadetime(PlaybackEngine& w);

// The fade-from-current flag stored in the loaded file's first mask record;
// false without a file or when the file cannot be read. With setStatus the
// playback's fadeFromCurrentScene takes it (only when the file was read).
bool getFadeStatus(PlaybackEngine& w, bool setStatus);

// Re-claims the playback's channels from its file (the engine's
// oldrefreshFromFile). False when the file is missing (the engine then
// claims from its own levels).
bool oldrefreshPlaybackChannels(PlaybackEngine& w);

// The folder program folder\Sequences\SHOW\PAGE (real path, created).
QString pageFolder();
// The folder program folder\Sequences\SHOW (real path, created).
QString showFolder();

} // namespace sequenceFileIo
