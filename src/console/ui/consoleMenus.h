#pragma once
// The console's menus: the Edit menu its "Edit Scene" button pops up, and the
// sequence and shapes entries it adds to the main window's menu bar.

class QMenu;
class QMenuBar;

namespace consoleMenus {
// The Edit menu's entries in their order; those with no action stay present and do nothing.
void fillEditMenu(QMenu* menu);
// "Sequence" (clear, save, save and view) and "Shapes" (save, apply appended or from the start).
void addMainMenus(QMenuBar* bar);
} // namespace consoleMenus
