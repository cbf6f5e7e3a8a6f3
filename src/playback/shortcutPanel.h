#pragma once
// The shortcut panel of a playback window: one button per sequence file that
// belongs to the playback (the number stored in the file's first record),
// from the MASTER button table and from the show's sequence folder; where the
// buttons go; and the press, which loads the sequence into its playback.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace shortcutPanel {

// The playback number stored in a sequence file (a real path): 0 unless the
// name ends in ".YSQ" (this case), is not "*.YSQ" and the file exists; a
// stored text that is no number in 1..31999 gives 1.
int32_t checkPlaybackNumber(const QString& realPath);

// The buttons of a playback's panel, as paths relative to the "Sequences"
// folder: MASTER slots 2..512 first, then the files of the show's folder
// that no MASTER slot 1..511 holds.
QStringList panelEntries(int32_t playbackNumber);

// Where button k (1-based) of count goes on a panel panelWidth twips wide,
// in twips from the panel's corner; buttons 900 x 690, the first at 75, 60.
struct Place { double left = 0, top = 0; };
std::vector<Place> buttonPlaces(int32_t count, double panelWidth = 7605);
constexpr int buttonWidth = 900, buttonHeight = 690;

// A press: loads the sequence (relative to "Sequences") into the playback its
// file names, creating that playback first, with the file's per-step-times
// and motion-fade flags; the playback becomes the current one. False with a
// message when the file cannot be read.
bool loadShortcutSequence(const QString& relativePath);

// The button menu's "Delete Sequence File": asks, then moves the file to the
// trash. True when it went.
bool deleteSequenceFile(const QString& relativePath);


} // namespace shortcutPanel
