#pragma once
// The main window's menus that open the tool windows, for the menu bar and
// the pop-ups to include: the "Advanced" menu (the loaded playbacks are
// rebuilt each time it opens), the current fixture's "Edit Current Fixture"
// entries and the console's "Edit" entry.

class QMenu;

namespace windowMenuUi {
// Fills the "Advanced" menu: the tool windows, the workspace commands and
// the About box, with the loaded playbacks rebuilt whenever it opens.
void fillWindowMenu(QMenu* menu);
// The loaded-playbacks list: one entry per visible playback window, by its
// caption, its playback number as the entry's data.
void fillLoadedPlaybacksMenu(QMenu* menu);
// "Strobe Settings" and "Change Text BackColor".
void fillEditFixtureMenu(QMenu* menu);
// "Show Embeded Preset Data".
void fillEditMenu(QMenu* menu);
// "TimeLine Button Scheduler": the scheduler under the pages, the width of the screen.
void openScheduler();
} // namespace windowMenuUi
