#pragma once
// The number at the start of a text as the console's entry fields read it:
// blanks are skipped, reading stops at the first character that cannot
// continue a number; no number gives 0.

#include <QString>

namespace numericText {
double leadingNumber(const QString& text);
// True when the whole text (blanks aside) is one number.
bool isNumber(const QString& text);
} // namespace numericText
