#pragma once
// The pictures of the frame's toolbar buttons, drawn by the program itself
// so they look the same on every desktop.

#include <QIcon>

// The picture of toolbar button 1..21, and 22, the lit lamp of a running
// playback's window (a stopped one shows 21, the dark lamp); an empty icon
// for other numbers.
QIcon toolbarIcon(int index);
