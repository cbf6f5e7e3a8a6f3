#pragma once
// What other subsystems ask of the patch and fixture layout: the fixture
// selection (kept on the layout icons), the layout's views and icons, and its
// windows. The base answers "nothing there": no icons, nothing selected.

#include <QString>
#include <cstdint>

class PatchService {
public:
    virtual ~PatchService() = default;

    // Profile editor calls into the patch window.
    virtual void showPatchWindow(bool /*fromFile*/) {}                 // load and show it for the edited profile
    virtual void closePatchWindow() {}                                 // unload it when open
    virtual void updatePatchedProfile() {}                             // push the edited profile into the show
    virtual void refreshIcons() {}                                     // reload every icon's picture from its profile

    // Windows.
    virtual void showLayoutWindow() {}                                 // show the layout window and start its simulation
    virtual void showFixtureList() {}                                  // show the fixture list window

    // Icons and views.
    virtual QString fixtureIconName(int32_t /*fixture*/) { return {}; } // name held by the fixture's icon
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
};
