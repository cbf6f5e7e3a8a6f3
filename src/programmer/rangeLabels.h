#pragma once
// The label of a profile's DMX range as the live controls show it: a colour
// number (a swatch), a picture in the program folder's images folder, or
// plain text.

#include <QString>
#include <cstdint>

namespace rangeLabels {

enum Kind { empty = 0, picture = 1, text = 2, colour = 3 };
// Colour when the first of the last four characters (the first character of
// a shorter label) is a digit; picture when the last four characters,
// trimmed and in lower case, are ".bmp" or ".ico"; text otherwise.
Kind rangeLabelKind(const QString& label);
// The swatch colour (blue-green-red) of a colour label: its leading number,
// 0 when it does not start with one, kept within 24 bits.
int32_t swatchColour(const QString& label);
// The real path of the picture a label names in the images folder, empty
// when there is no such file. Only the label's file name is used, so a
// label never reaches outside that folder.
QString picturePath(const QString& label);

} // namespace rangeLabels
