#pragma once
// Keeps a tool window above the others, or releases it.

class QWidget;

namespace Formontop {

// position -1: always on top; -2: no longer on top; 0: raised to the top of
// the normal order; 1: lowered to the bottom. Other values do nothing.
void setFormOnTop(QWidget* window, int position);

} // namespace Formontop
