#pragma once
// The rules of the Add Preset dialog: the channel types it offers, which of
// them it ticks for the page it was opened from, where its check boxes stand
// and which page it opens again after saving.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace addPreset {

// Every distinct channel type name (channels 1..36) of the show's profiles,
// in order of first appearance, profile by profile; names that differ only
// in letter case count once.
QStringList channelTypeNames();

// Whether a box is ticked when the dialog opens: pan/tilt mode ticks the
// four position channels by exact name; an attribute page ("color", "gobo",
// "beam", "shutter", "rotation") ticks the names that begin with its words.
bool preTicked(const QString& caption, const QString& otherMode, bool panAndTiltMode);

// The check boxes' places (left, top in twips) for `count` boxes in a dialog
// `dialogHeight` twips high: 350 apart down a column, a new column 400 to the
// right once a box would pass the height less 2800.
constexpr int32_t boxLeft = 165, boxWidth = 1590, boxStep = 350, columnGap = 400, designHeight = 4950;
std::vector<QPoint> boxPlaces(int count, int32_t dialogHeight);

// The page a saved preset's type opens again ("position", "color", ... any
// case and blanks); -1 when none (the tab index otherwise).
int pageToReopen(const QString& paletteToSave);

} // namespace addPreset
