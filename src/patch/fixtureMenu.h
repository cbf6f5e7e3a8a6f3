#pragma once
// The commands of the fixture pop-up menu "Edit Current Fixture" that act on
// the current fixture or the selection: the menu's preparation when it
// opens, moving the selected fixtures to another view, and the rename.

#include <QString>
#include <cstdint>
#include <vector>

class LayoutEngine;

struct FixtureMenuState {
    bool spotlightChecked = false; // "SOLO/Spotlight Mode"
    struct ViewEntry {
        QString caption;
        bool ticked = false;
    };
    std::vector<ViewEntry> views; // entry 0 is always "View 1"
    bool pixel = false;           // the current fixture is a matrix pixel
    QString matrixToDelete;
};

namespace fixtureMenu {

// Prepares the menu for the current fixture; nothing when it has no profile.
FixtureMenuState editfixture_Click(LayoutEngine& layout, bool spotlightChecked);
// Moves every selected fixture into the view; a matrix's view is refused
// with "Cannot Place on Matrix View". True when no refusal happened.
bool clkLayerList_Click(LayoutEngine& layout, const QString& viewName);
// Renames the current fixture (its name, channel labels, icon and list
// entry); refuses a name another fixture has. True when renamed.
bool renameFixture(LayoutEngine& layout, const QString& newName);
// The same for any fixture.
bool renameFixture(LayoutEngine& layout, int32_t fixture, const QString& newName);
// "Rename Fixture": asks for the fixture's new name, offering the label of
// its start channel, and renames it; nothing for a fixture without a
// profile or when the operator gives no name. True when renamed.
bool renamefixture_Click(LayoutEngine& layout, int32_t fixture);
// "Edit Fixture Definition": the profile editor on the fixture's own
// patched profile. A fixture without a profile gets " Error in Edit Fixture: ".
void clkEditFixtureDefinition_Click(int32_t fixture);

} // namespace fixtureMenu
