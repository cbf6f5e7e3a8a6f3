#pragma once
// Regenerating every sequence filed in the MASTER table from the preset
// events stored beside it, and the check of a table entry's path.

#include <QString>

namespace sequenceRegeneration {

// True for a relative sequence path below the Sequences folder: optional
// sub-folders, then a name ending in ".YSQ"; no "..", drive or leading slash.
bool entryIsSequencePath(const QString& entry);

// Asks for a backup and for confirmation, then rewrites each filed sequence
// from its .UQF file with the refresh tick stopped and the progress window
// shown; the tick is restarted and the window closed whatever happens.
// Returns how many sequences were regenerated.
int clkRefreshSequences_Click();

// "Save Sequence": records a first step into an empty current playback, then
// opens the save dialog for it.
void SaveSeq_Click();

} // namespace sequenceRegeneration
