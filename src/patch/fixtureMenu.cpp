#include "patch/fixtureMenu.h"

#include "profiles/ClsFixture.h"
#include "patch/layoutEngine.h"
#include "platform/prompts.h"
#include "shell/services/mastersService.h"
#include "shell/services/profilesService.h"
#include "shell/services/supportService.h"
#include "shell/shell.h"

namespace fixtureMenu {

FixtureMenuState editfixture_Click(LayoutEngine& layout, bool spotlightChecked) {
    ChannelModel& m = shell().state;
    FixtureMenuState menu;
    menu.spotlightChecked = spotlightChecked;
    menu.views.push_back({QStringLiteral("View 1"), false});
    const int32_t f = layout.currentFixtureNumber;
    if (f >= 1 && f <= m.fixtureCount && f < m.fixtureMatrixMarker.size()) {
        menu.pixel = m.fixtureMatrixMarker[f] == QLatin1String("YesMatrix");
        if (menu.pixel) menu.matrixToDelete = m.fixtureMatrixName[f];
    }
    if (layout.currentLightClass < 1) return menu;
    const int32_t n = m.lightClass(layout.currentLightClass).ChannelsUsed;
    if (n > 0) {
        bool all = true;
        for (int64_t c = layout.currentStartChannel; c < int64_t(layout.currentStartChannel) + n; ++c)
            if (c < 1 || c >= int64_t(m.channelHold.size()) || !m.channelHold[size_t(c)]) all = false;
        menu.spotlightChecked = all;
    }
    const QString shown = layout.currentFixtureLayer.trimmed();
    const QString own = f >= 1 && f < m.fixtureView.size() ? m.fixtureView[f].trimmed() : QString();
    for (int32_t v = 1; v < m.viewNames.size() && v <= m.totalChannels; ++v) {
        if (m.viewNames[v].isEmpty()) continue;
        menu.views.push_back({m.viewNames[v], m.viewNames[v] == shown && (own == shown || layout.currentFixtureLayer ==
                                                                                               QLatin1String("View 1"))});
    }
    return menu;
}

bool clkLayerList_Click(LayoutEngine& layout, const QString& viewName) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    bool placed = true;
    for (int32_t i = 1; i <= m.fixtureCount && i < layout.iconCount() && i < m.fixtureView.size(); ++i) {
        if (!layout.Flable[size_t(i)]->isSelected()) continue;
        if (layout.isMatrixName(viewName)) {
            s.prompts().messageBox(QStringLiteral("Cannot Place on Matrix View"));
            placed = false;
            break;
        }
        m.fixtureView[i] = viewName;
    }
    s.masters().refreshCurrentLayer();
    return placed;
}

bool renameFixture(LayoutEngine& layout, const QString& newName) {
    return renameFixture(layout, layout.currentFixtureNumber, newName);
}

bool renameFixture(LayoutEngine& layout, int32_t f, const QString& newName) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const QString name = newName.trimmed();
    if (f < 1 || f > m.fixtureCount || name.isEmpty()) return false;
    for (int32_t i = 1; i <= m.fixtureCount; ++i) {
        if (i != f && m.fixtureName[i].trimmed() == name) {
            s.prompts().messageBox(QStringLiteral("Fixture Name Already Exists"));
            return false;
        }
    }
    const QString old = m.fixtureName[f].trimmed();
    m.fixtureName[f] = name;
    for (int32_t c = 1; c <= m.totalChannels && c < m.channelFixtureLabel.size(); ++c)
        if (m.channelFixtureLabel[c].trimmed() == old) m.channelFixtureLabel[c] = name;
    if (FixtureIcon* ic = layout.icon(f)) {
        ic->setFixtureName(name);
        ic->toolTip = name;
    }
    if (f - 1 < layout.list.entries.size()) layout.list.entries[f - 1] = name;
    m.showChanged = true;
    if (layout.view) layout.view->listChanged();
    layout.notify();
    return true;
}

bool renamefixture_Click(LayoutEngine& layout, int32_t f) {
    Shell& s = shell();
    const ChannelModel& m = s.state;
    if (f < 1 || f > m.fixtureCount || size_t(f) >= m.fixtureLightClass.size() || m.fixtureLightClass[size_t(f)] < 1)
        return false;
    (void)layout;
    // The text-entry dialog checks the name and renames through the patch service.
    return s.support().renameFixture(f);
}

void clkEditFixtureDefinition_Click(int32_t f) {
    Shell& s = shell();
    const ChannelModel& m = s.state;
    const int32_t slot = f >= 1 && f <= m.fixtureCount && size_t(f) < m.fixtureLightClass.size()
                             ? m.fixtureLightClass[size_t(f)]
                             : 0;
    if (slot < 1) {
        s.prompts().messageBox(QStringLiteral(" Error in Edit Fixture: ") +
                               QStringLiteral("The fixture has no profile to edit."));
        return;
    }
    s.profiles().editPatchedProfile(slot);
}

} // namespace fixtureMenu
