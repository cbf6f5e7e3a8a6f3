#pragma once
// Checks a window's layout as the operator sees it: no two visible sibling
// controls overlap, and no label's or button's text is wider than the
// control that shows it. Each finding names the controls.

#include <QStringList>

class QWidget;

namespace layoutCheck {

// Findings for the window as it is now laid out (empty when sound).
QStringList problems(QWidget& window);
// Shows the window at `pointSize` (its font and its children's), lets the
// layouts settle and returns the findings.
QStringList problemsAtFontSize(QWidget& window, int pointSize);

} // namespace layoutCheck
