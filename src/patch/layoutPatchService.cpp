#include "patch/layoutPatchService.h"

#include "patch/fixtureMenu.h"
#include "patch/layoutEngine.h"
#include "shell/shell.h"

void LayoutPatchService::refreshIcons() { layoutEngine().refreshIcons(); }

void LayoutPatchService::unloadFixtureIcon(int32_t fixture) { layoutEngine().unloadIcon(fixture); }

// Without its window the list's state is what a fresh load gives: every
// fixture by name, nothing selected, Locate Fixture off.
void LayoutPatchService::unloadFixtureList() { layoutEngine().loadFixtureList(); }
void LayoutPatchService::reloadFixtureList() { layoutEngine().loadFixtureList(); }

void LayoutPatchService::unloadLayoutWindow() { layoutEngine().unloadWindow(); }

QString LayoutPatchService::fixtureIconName(int32_t fixture) {
    const FixtureIcon* ic = layoutEngine().icon(fixture);
    return ic ? ic->myFixtureName : QString();
}

QString LayoutPatchService::currentFixtureLayer() { return layoutEngine().currentFixtureLayer; }
void LayoutPatchService::changeFixtureLayer(const QString& layer) { layoutEngine().changeFixtureLayer(layer); }
void LayoutPatchService::setFixturePosition() { layoutEngine().setFixturePosition(); }

void LayoutPatchService::layoutFixtures(int32_t start, int32_t count, bool hideOnly) {
    LayoutEngine& layout = layoutEngine();
    layout.fixture_layout(start, count, hideOnly);
    layout.notify();
}

void LayoutPatchService::setSimulationEnabled(bool on) { layoutEngine().setSimulationEnabled(on); }
double LayoutPatchService::getScaledTop() { return layoutEngine().getScaledTop(); }

bool LayoutPatchService::isSelected(int32_t fixture) {
    const FixtureIcon* ic = layoutEngine().icon(fixture);
    return ic && ic->isSelected();
}

void LayoutPatchService::setSelected(int32_t fixture, bool on) {
    LayoutEngine& layout = layoutEngine();
    if (FixtureIcon* ic = layout.icon(fixture)) {
        ic->setSelected(on);
        ic->setBackcolor(on ? FixtureIcon::selectedLabel : layout.labelBackColour());
        layout.notify();
    }
}

bool LayoutPatchService::isNewSelected(int32_t fixture) {
    const FixtureIcon* ic = layoutEngine().icon(fixture);
    return ic && ic->isNewSelected();
}

bool LayoutPatchService::isWingHighLight(int32_t fixture) {
    const FixtureIcon* ic = layoutEngine().icon(fixture);
    return ic && ic->isWingHighLight();
}

void LayoutPatchService::setWingHighLight(int32_t fixture, bool on) {
    if (FixtureIcon* ic = layoutEngine().icon(fixture)) ic->setWingHighLight(on);
}

void LayoutPatchService::setHighlightMode(int32_t fixture, bool on) {
    if (FixtureIcon* ic = layoutEngine().icon(fixture)) ic->setHighlightMode(on);
}

QString LayoutPatchService::returnFixtureSelectList() { return layoutEngine().returnFixtureSelectList(); }
int32_t LayoutPatchService::returnFirstFixture() { return layoutEngine().returnFirstFixture(); }
int32_t LayoutPatchService::returnLastFixture() { return layoutEngine().returnLastFixture(); }
int32_t LayoutPatchService::returnSelectCount() { return layoutEngine().returnSelectCount(); }
bool LayoutPatchService::anyFixturesHiglighted() { return layoutEngine().anyFixturesHiglighted(); }
void LayoutPatchService::getOutOfHighLightForPresetSave() { layoutEngine().getOutOfHighLightForPresetSave(); }
void LayoutPatchService::selectNextFixture() { layoutEngine().selectNextFixture(); }
void LayoutPatchService::selectPreviousFixture() { layoutEngine().selectPreviousFixture(); }

void LayoutPatchService::Form_MouseDown(int button, int shift, double x, double y) {
    layoutEngine().Form_MouseDown(button, shift, x, y);
}

void LayoutPatchService::Form_MouseUp(int button, int shift, double x, double y) {
    layoutEngine().Form_MouseUp(button, shift, x, y);
}

int32_t LayoutPatchService::currentFixtureNumber() { return layoutEngine().currentFixtureNumber; }

void LayoutPatchService::highLightFixture(int32_t fixture, bool releaseOnly) {
    layoutEngine().highLightFixture(fixture, releaseOnly);
}

std::vector<int32_t> LayoutPatchService::selectedFixtures() {
    std::vector<int32_t> out;
    for (int32_t f = 1; f <= shell().state.fixtureCount; ++f)
        if (isSelected(f)) out.push_back(f);
    return out;
}

void LayoutPatchService::selectFixtures(const std::vector<int32_t>& fixtures, bool add) {
    LayoutEngine& layout = layoutEngine();
    if (!add)
        for (int32_t f = 1; f <= shell().state.fixtureCount; ++f) setSelected(f, false);
    for (int32_t f : fixtures) setSelected(f, true);
    if (!fixtures.empty()) layout.makeCurrent(fixtures.front());
    layout.mirrorSelectionIntoList();
    // The fixture list window shows the new selection too.
    if (layout.view) layout.view->listChanged();
}

bool LayoutPatchService::renameFixture(int32_t fixture, const QString& name) {
    return fixtureMenu::renameFixture(layoutEngine(), fixture, name);
}
