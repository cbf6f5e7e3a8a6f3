#pragma once
// The fixture groups menu "Groups" as the layout window and the fixture list
// pop it up ("Deselect All Groups " and one entry per group, the entry last
// chosen ticked), and the group commands of their own "Groups" menus.

#include <QString>

class QMenu;
class QPoint;
class QWidget;

namespace groupMenu {

// Pops the group menu up at a screen point and runs the entry chosen; a
// dismissed menu runs nothing. Shift held adds the group to the selection.
void popup(QWidget* parent, const QPoint& at);

// Adds the four group commands to a window's "Groups" menu: createCaption
// ("Create New Group" on the layout), "Edit Existing Group", "Delete Group"
// and "Save Changes to Group". Edit and Delete pop the group menu up at the
// pointer.
void addCommands(QMenu* menu, QWidget* owner, const QString& createCaption);

} // namespace groupMenu
