#pragma once
// The show's fixture groups: 256 slots of a name and a member text (decimal
// fixture numbers in ascending order, each followed by ","; an empty member
// text is a free slot), the main window's group menu built from them, and
// the group commands: create from a selection, delete with compaction,
// rename, and the renumbering that a fixture removal makes.

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace fixtureGroups {

// Group command modes shared by the layout, the fixture list and the main
// window's group menu; they live as long as the shell.
struct GroupModes {
    bool editMode = false;   // a group's members are being edited
    bool deleteMode = false; // the next group chosen from the menu is deleted
    int32_t selectedGroup = 0; // the group last chosen from the menu (1..256)
    int32_t tickedGroup = 0;   // the group menu entry carrying the check mark; 0 none
};
GroupModes& modes();

// The member text of these fixture numbers ("2,5,11,").
QString membersText(const std::vector<int32_t>& fixtures);
// The fixture numbers of a member text, in its order; blanks and empty
// fields are skipped, a field that is not a whole number ends the list.
std::vector<int32_t> members(const QString& text);

// The first free slot's group number (1..256) at or after `from`; empty when
// every slot from there on is in use.
std::optional<int32_t> firstFreeGroup(int32_t from = 1);

// The entries of the group menu after "Deselect All Groups ": every slot
// in use, by group number, with its name.
std::vector<std::pair<int, QString>> menuEntries();
// Rebuilds the main window's group menu from every slot in use.
void rebuildGroupMenu();
// Ticks entry index of the group menu and unticks the others (0: none).
void checkGroupSelected(int32_t index);

// "Create New Group" (also "Save Changes to Group" while a group is edited):
// asks for the name and stores the selected fixtures.
void createGroup(const std::vector<int32_t>& selected);
// "Save Changes to Group": creates (saves) while a group is edited, or says
// that none is.
void saveChangesToGroup(const std::vector<int32_t>& selected);
// Asks and deletes group g, moving the later groups down one slot, then
// rebuilds the menu. True when it was deleted.
bool deleteAGroup(int32_t g);
// Asks for a new name of group g; an empty answer keeps the old one.
void renameAGroup(int32_t g);
// A click on entry index of the group menu (0 "Deselect All Groups "):
// selects the group's members (the layout shows the first member's view and
// the entry is ticked), or deletes it in delete mode.
void selectgroup_Click(int32_t index, bool shiftHeld);

// After fixture f left the show: f leaves every member list and the numbers
// above it go down one. Names stay, also of a group left empty.
void removeFixtureFromGroups(int32_t f);

} // namespace fixtureGroups
