#pragma once
// The screen of a first start, and the tool windows a start brings back.
//
// A console that was never placed opens with the top bar, the main window's
// console band, the playback frame and the fixture layout side by side on
// the screen (the button pages in the layout's place in playback mode), none
// covering another, each with its title bar on the screen. Tool windows
// (palettes, strobe, audio trigger, fog, the fixture list) open at a start
// only when they were open when the console was last quit.

#include <QRect>
#include <QStringList>

namespace firstStartScreen {

// The object names of the windows of the first-start screen.
const QStringList& screenWindows();

// True when none of those windows has a stored place (a first start).
bool neverPlaced();

// Places those windows (the ones that exist) inside `area`, frames
// included: the top bar and the main window across the top at their own
// heights, below them the frame on the left and, on the right, the layout
// or the button pages with the fixture list beside them.
void arrange(const QRect& area);

// Writes, for every tool window, whether it is open now; read back by the
// next start.
void rememberToolWindows();

} // namespace firstStartScreen
