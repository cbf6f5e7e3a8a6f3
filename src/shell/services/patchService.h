#pragma once
// What the patch and the layout window offer the others. The base is "no
// layout": no icons.

#include <utility>
#include <vector>
#include <QString>
#include <cstdint>

// The base bodies answer without looking at their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class PatchService {
public:
    virtual ~PatchService() = default;

    // The name held by a fixture's layout icon; empty when none.
    virtual QString fixtureIconName(int32_t fixtureNumber);

    // Loads and shows the patch window for the profile now in the editor;
    // `fromFile` sets its state for a profile read from a file.
    virtual void showPatchWindow(bool fromFile) { (void)fromFile; }
    // Unloads the patch window when it is open.
    virtual void closePatchWindow() {}
    // With no fixtures to add: pushes the edited profile into the show's
    // profile of the same name (asks, and may close the profile editor).
    virtual void updatePatchedProfile() {}
    // Reloads every fixture icon of the layout window.
    virtual void refreshIcons() {}
    // Unloads the icon of a fixture, with any numbered above it (icons never leave a gap).
    virtual void unloadFixtureIcon(int32_t fixture) { (void)fixture; }
    // Unloads the fixture list window, or the layout window with all its icons.
    virtual void unloadFixtureList() {}
    virtual void unloadLayoutWindow() {}
    // Loads and shows the fixture list window.
    virtual void showFixtureList() {}
    // Hides the fixture list window; it stays loaded.
    virtual void hideFixtureList() {}
    // Rebuilds the fixture list from the fixture names; it stays shown or hidden as it was.
    virtual void reloadFixtureList() {}
    // Unloads and shows the layout window again.
    virtual void reloadLayoutWindow() {}

    // Windows.
    virtual void showLayoutWindow() {}                                 // show the layout window and start its simulation
    virtual void hideLayoutWindow() {}                                 // hide the layout window (playback mode)
    virtual QString currentFixtureLayer() { return QStringLiteral("View 1"); } // the view now shown
    virtual void changeFixtureLayer(const QString& /*layer*/) {}       // show another view
    virtual void setFixturePosition() {}                               // re-place every icon
    virtual void layoutFixtures(int32_t /*start*/, int32_t /*count*/, bool /*hideOnly*/) {} // (re)build icons
    virtual void setSimulationEnabled(bool /*on*/) {}                  // start or stop the live simulation
    virtual double getScaledTop() { return 1.0; }                      // the layout's vertical scale
    // Selection (read as the icons read it, with the control wing's rules).
    virtual bool isSelected(int32_t /*fixture*/) { return false; }
    virtual void setSelected(int32_t /*fixture*/, bool /*on*/) {}       // selects and colours the label red, or clears
    virtual bool isNewSelected(int32_t /*fixture*/) { return false; }  // selected whatever the wing highlight
    virtual bool isWingHighLight(int32_t /*fixture*/) { return false; }
    virtual void setWingHighLight(int32_t /*fixture*/, bool /*on*/) {}
    virtual void setHighlightMode(int32_t /*fixture*/, bool /*on*/) {}
    virtual QString returnFixtureSelectList() { return {}; }          // " 2, 5," for fixtures 2 and 5
    virtual int32_t returnFirstFixture() { return 0; }
    virtual int32_t returnLastFixture() { return 0; }
    virtual int32_t returnSelectCount() { return 0; }
    virtual bool anyFixturesHiglighted() { return false; }
    virtual void getOutOfHighLightForPresetSave() {}
    virtual void selectNextFixture() {}
    virtual void selectPreviousFixture() {}
    // The simulated click other windows use to clear and re-publish the
    // selection: a plain left press / release at the layout's origin.
    virtual void Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    // The current fixture (the one last picked); 0 when none.
    virtual int32_t currentFixtureNumber() { return 0; }
    // Locate Fixture: light a fixture up, or only give the last one back.
    virtual void highLightFixture(int32_t /*fixture*/, bool /*releaseOnly*/) {}

    // The fixtures selected on the layout, in fixture order; none without a layout.
    virtual std::vector<int32_t> selectedFixtures() { return {}; }
    // Selects these fixtures on the layout (added to the selection with add)
    // and publishes the selection; the first becomes the current fixture.
    virtual void selectFixtures(const std::vector<int32_t>& fixtures, bool add) { (void)fixtures, (void)add; }
    // The main window's patch commands: "Patch List", "DMX Channel
    // Configuration" (the patch window in view mode), "View/Edit Start
    // Channel" of the current fixture, "View Properties for Current Channel"
    // (modal), and the removal of the selected fixtures or of a matrix.
    virtual void showPatchList() {}
    virtual void showDmxConfiguration() {}
    virtual void showFixtureProperties(int32_t fixture) { (void)fixture; }
    virtual void showChannelSettings(int32_t channel, bool modal) { (void)channel, (void)modal; }
    virtual void removeSelectedFixtures() {}
    virtual void removeMatrix(const QString& matrixName) { (void)matrixName; }
    // Fixture groups. A choice of the main window's group menu (entry 0
    // "Deselect All Groups "); the layout's "Groups" commands on its
    // selection ("Delete Group" sets its mode before the caller pops up the
    // group menu, "Edit Existing Group" once that menu has closed); renaming group g.
    virtual void selectGroup(int32_t index, bool shiftHeld) { (void)index, (void)shiftHeld; }
    virtual void createGroup() {}
    virtual void editExistingGroup() {}
    virtual void saveChangesToGroup() {}
    virtual void deleteGroup() {}
    virtual void renameGroup(int32_t group) { (void)group; }
    // Pops the fixture-group menu up at the mouse pointer (another window's "Select Fixtures by Groups").
    virtual void popupGroupMenuAtPointer() {}
    // The group whose menu entry carries the check mark (0: none).
    virtual int32_t tickedGroup() { return 0; }
    // Asks and deletes group g (the later groups move down); true when deleted.
    virtual bool deleteAGroup(int32_t g) { (void)g; return false; }

    // The layout window's top-left corner in twips (top, left).
    virtual std::pair<int32_t, int32_t> layoutWindowTopLeft() { return {0, 0}; }
    // Asks for the fixture labels' back colour.
    virtual void changeTextBackColor() {}
    // Renames a fixture (its icon, list entry and channel labels follow); false when refused.
    virtual bool renameFixture(int32_t fixture, const QString& name) { (void)fixture, (void)name; return false; }

};

#pragma GCC diagnostic pop
