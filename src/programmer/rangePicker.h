#pragma once
// The range-property picker of an attribute wheel: one item per named range
// of the wheel's channel in its profile, then the "FX - CREATOR.bmp" item.
// Applying an item limits the wheel to the range, sets the channel to the
// range's lowest value and stores it in the running current playback.

#include <QString>
#include <cstdint>
#include <vector>

class WheelBank;

namespace rangePicker {

inline const QString fxItem = QStringLiteral("FX - CREATOR.bmp");

struct Item {
    QString label;   // the range's label as stored (or the FX item's)
    QString tag;     // "from,too", or the FX item's name
    int32_t left = 0, top = 0; // twips in the picker
};
// The items for profile slot `lightClass`, profile channel `channel`
// (1-based), laid out in rows within `windowWidth` twips. A channel past the
// 30th shows nothing; an unreadable profile gives no items and `error`.
std::vector<Item> loadControls(int32_t lightClass, int32_t channel, int32_t windowWidth, QString* error = nullptr);
// Applies a range item to wheel `index` of the bank (the FX item is the
// window's); the wheel the picker sets is left alone by the tick meanwhile.
void applyItem(WheelBank& bank, int index, const Item& item);

} // namespace rangePicker
