#include "patch/patchPlacement.h"

#include "patch/fixtureGroups.h"
#include "platform/prompts.h"
#include "shell/shell.h"

#include <algorithm>

namespace patchPlacement {

int32_t findLastPlacedIcon(const QString& view) {
    const ChannelModel& m = shell().state;
    int32_t lowest = 0;
    bool any = false;
    for (int32_t f = 1; f <= m.fixtureCount; ++f) {
        if (m.fixtureView[f] != view) continue;
        lowest = std::max(lowest, m.fixtureIconTop[size_t(f)]);
        any = true;
    }
    if (!any) return 0;
    int32_t found = 0, right = 0;
    for (int32_t f = 1; f <= m.fixtureCount; ++f)
        if (m.fixtureView[f] == view && m.fixtureIconTop[size_t(f)] == lowest && m.fixtureIconLeft[size_t(f)] > right) {
            right = m.fixtureIconLeft[size_t(f)];
            found = f;
        }
    return found;
}

int32_t topAboveLayout() {
    const ChannelModel& m = shell().state;
    int32_t smallest = 1000000, deepest = 0;
    for (int32_t f = 1; f <= m.fixtureCount; ++f) {
        smallest = std::min(smallest, m.fixtureIconTop[size_t(f)]);
        if (m.fixtureIconTop[size_t(f)] < 0) deepest = std::max(deepest, -m.fixtureIconTop[size_t(f)]);
    }
    if (m.fixtureCount == 0) smallest = 0;
    return deepest - smallest;
}

int32_t firstFreeViewSlot() {
    const ChannelModel& m = shell().state;
    if (m.fixtureCount == 0) return 1;
    for (int32_t i = 1; i <= m.fixtureCount && i < m.viewNames.size(); ++i)
        if (m.viewNames[i].isEmpty()) return i;
    return 0;
}

void placeIcon(int32_t f, int32_t k, bool matrix, int32_t columns, int32_t layoutWidth) {
    ChannelModel& m = shell().state;
    auto top = [&](int32_t i) -> int32_t& { return m.fixtureIconTop[size_t(i)]; };
    auto left = [&](int32_t i) -> int32_t& { return m.fixtureIconLeft[size_t(i)]; };
    top(f) = -1200;
    left(f) = 100;
    if (f == 1) return;
    if (!matrix) {
        if (k == 1) {
            int32_t a = findLastPlacedIcon(m.fixtureView[f]);
            if (a < 1 || a > f - 1) a = f - 1;
            left(f) = left(a) + 4000;
            top(f) = top(a);
        } else {
            left(f) = left(f - 1) + 4000;
            top(f) = top(f - 1);
            if (layoutWidth + 13400 < left(f)) {
                top(f) = top(f - 1) + 900;
                left(f) = 100;
            }
        }
        return;
    }
    if (k == 1) {
        left(f) = 100;
        top(f) = -topAboveLayout();
        return;
    }
    left(f) = left(f - 1) + 270;
    top(f) = top(f - 1);
    if ((k - 1) % columns == 0) {
        top(f) = top(f - 1) + 270;
        left(f) = 100;
    }
}

void setMatrixPixel(int32_t f, int32_t p, int32_t columns, const QString& name) {
    ChannelModel& m = shell().state;
    const int32_t row = (p - 1) / columns;
    m.fixtureMatrixRow[size_t(f)] = row + 1;
    m.fixtureMatrixColumn[size_t(f)] = p - row * columns;
    m.fixtureMatrixName[f] = name;
    m.fixtureMatrixMarker[f] = QStringLiteral("YesMatrix");
}

void offerAutomaticGroups(int32_t first, int32_t n, const QString& profileName) {
    Shell& s = shell();
    if (n <= 0) return;
    if (s.prompts().messageBox(QStringLiteral("Would you like to Auto Create Fixture Groups for the Fixture brand you "
                                              "are currently Loading"),
                               msgBox::YesNo) != msgBox::Yes)
        return;
    if (profileName.trimmed().isEmpty()) {
        s.prompts().messageBox(QStringLiteral("Cannot Create a group with no Fixture Name"));
        return;
    }
    std::vector<int32_t> all, even, odd;
    for (int32_t p = 1; p <= n; ++p) {
        all.push_back(first + p - 1);
        (p % 2 == 0 ? even : odd).push_back(first + p - 1);
    }
    std::vector<std::pair<QString, std::vector<int32_t>>> groups{{profileName, all}};
    if (n > 1) {
        groups.emplace_back(profileName + QStringLiteral(" Even"), even);
        groups.emplace_back(profileName + QStringLiteral(" Odd"), odd);
    }
    ShowTables& t = s.state.tables;
    int32_t from = 1;
    for (const auto& [name, fixtures] : groups) {
        // Only free slots are used; a group without one is left out.
        const std::optional<int32_t> g = fixtureGroups::firstFreeGroup(from);
        if (!g) break;
        t.groupNames[*g - 1] = name;
        t.groupMembers[*g - 1] = fixtureGroups::membersText(fixtures);
        from = *g + 1;
    }
    fixtureGroups::rebuildGroupMenu();
    s.state.showChanged = true;
}

} // namespace patchPlacement
