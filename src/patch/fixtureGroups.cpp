#include "patch/fixtureGroups.h"

#include "platform/prompts.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/patchService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <QStringList>

namespace fixtureGroups {

namespace {
ShowTables& tables() { return shell().state.tables; }
bool slotFree(int32_t g) { return tables().groupMembers.value(g - 1).isEmpty(); }
} // namespace

GroupModes& modes() { return shell().engine<GroupModes>(); }

QString membersText(const std::vector<int32_t>& fixtures) {
    QString text;
    for (const int32_t f : fixtures) text += QString::number(f) + QLatin1Char(',');
    return text;
}

std::vector<int32_t> members(const QString& text) {
    std::vector<int32_t> out;
    for (const QString& field : text.split(QLatin1Char(','))) {
        const QString t = field.trimmed();
        if (t.isEmpty()) continue;
        bool ok = false;
        const int32_t n = t.toInt(&ok);
        if (!ok) break;
        out.push_back(n);
    }
    return out;
}

std::optional<int32_t> firstFreeGroup(int32_t from) {
    for (int32_t g = std::max(from, 1); g <= ShowTables::groupSlots; ++g)
        if (slotFree(g)) return g;
    return std::nullopt;
}

std::vector<std::pair<int, QString>> menuEntries() {
    std::vector<std::pair<int, QString>> entries;
    for (int g = 1; g <= ShowTables::groupSlots; ++g)
        if (!tables().groupMembers.value(g - 1).trimmed().isEmpty()) entries.emplace_back(g, tables().groupNames[g - 1]);
    return entries;
}

void rebuildGroupMenu() { shell().mainWindow().setGroupMenu(menuEntries()); }

void checkGroupSelected(int32_t index) {
    modes().tickedGroup = index;
    shell().mainWindow().checkGroupSelected(index);
}

void createGroup(const std::vector<int32_t>& selected) {
    Shell& s = shell();
    if (selected.empty()) {
        s.prompts().messageBox(
            QStringLiteral("No Fixtures are Selected, Please Select Fixtures First using the Fixture List"));
        return;
    }
    const std::optional<int32_t> free = firstFreeGroup();
    if (!free) return;
    const QString text = membersText(selected);
    GroupModes& m = modes();
    ShowTables& t = tables();
    if (!m.editMode) {
        const QString name = s.prompts().inputBox(
            QStringLiteral("This will create a fixture group for the fixtures currently selected"),
            QStringLiteral("Please Enter Group Name"), QStringLiteral("Group ") + QString::number(*free));
        if (name.isEmpty()) return; // cancelled: the slot stays free
        t.groupNames[*free - 1] = name;
        t.groupMembers[*free - 1] = text;
        s.state.showChanged = true;
    } else if (m.selectedGroup > 0 && m.selectedGroup <= ShowTables::groupSlots) {
        const int32_t g = m.selectedGroup;
        const QString name = s.prompts().inputBox(QStringLiteral("Group Name"),
                                                  QStringLiteral("Enter edited groups name, or keep group name?"),
                                                  t.groupNames[g - 1]);
        if (name.isEmpty()) {
            t.groupNames[g - 1].clear();
            t.groupMembers[g - 1].clear();
        } else {
            t.groupNames[g - 1] = name;
            t.groupMembers[g - 1] = text;
            s.state.showChanged = true;
        }
        m.selectedGroup = 1;
        m.editMode = false;
    }
    rebuildGroupMenu();
}

void saveChangesToGroup(const std::vector<int32_t>& selected) {
    if (modes().editMode) {
        createGroup(selected);
        return;
    }
    shell().prompts().messageBox(
        QStringLiteral("No Group is being edited, Please select (edit existing group) from the (groups) menu"));
}

bool deleteAGroup(int32_t g) {
    if (g < 1 || g > ShowTables::groupSlots) return false;
    ShowTables& t = tables();
    if (shell().prompts().messageBox(QStringLiteral(" Are you sure you would like to delete the Group ") +
                                         t.groupNames[g - 1],
                                     msgBox::YesNo) != msgBox::Yes)
        return false;
    for (int i = g; i < ShowTables::groupSlots; ++i) {
        t.groupMembers[i - 1] = t.groupMembers[i];
        t.groupNames[i - 1] = t.groupNames[i];
    }
    t.groupMembers[ShowTables::groupSlots - 1].clear();
    t.groupNames[ShowTables::groupSlots - 1].clear();
    rebuildGroupMenu();
    return true;
}

void renameAGroup(int32_t g) {
    if (g < 1 || g > ShowTables::groupSlots) return;
    ShowTables& t = tables();
    const QString name = shell().prompts().inputBox(QStringLiteral("Please Enter New Group Name"),
                                                    QStringLiteral("Enter New Group Name"), t.groupNames[g - 1]);
    if (!name.isEmpty()) t.groupNames[g - 1] = name;
}

void selectgroup_Click(int32_t index, bool shiftHeld) {
    Shell& s = shell();
    GroupModes& m = modes();
    if (index < 0 || index > ShowTables::groupSlots) return;
    if (index == 0) {
        if (m.deleteMode) return;
        m.editMode = false;
        s.patch().selectFixtures({}, false);
        return;
    }
    if (m.deleteMode) {
        deleteAGroup(index);
        m.deleteMode = false;
        s.state.showChanged = true;
        return;
    }
    m.selectedGroup = index;
    std::vector<int32_t> chosen;
    for (const int32_t f : members(tables().groupMembers[index - 1]))
        if (f >= 1 && f <= s.state.fixtureCount) chosen.push_back(f);
    if (chosen.empty()) {
        s.prompts().messageBox(QStringLiteral("error, Please delete group and try operation again ") +
                               QStringLiteral("the group has no patched fixture"));
        return;
    }
    s.patch().selectFixtures(chosen, shiftHeld);
    // The layout shows the view of the group's first member; a fixture
    // without a view stands in the first one.
    const int32_t first = chosen.front();
    QString view = first < s.state.fixtureView.size() ? s.state.fixtureView[first] : QString();
    if (view.isEmpty()) view = QStringLiteral("View 1");
    if (s.patch().currentFixtureLayer() != view) s.patch().changeFixtureLayer(view);
    checkGroupSelected(index);
    s.presets().refreshButtons();
}

void removeFixtureFromGroups(int32_t f) {
    ShowTables& t = tables();
    for (QString& text : t.groupMembers) {
        if (text.isEmpty()) continue;
        std::vector<int32_t> kept;
        for (const int32_t n : members(text))
            if (n != f) kept.push_back(n > f ? n - 1 : n);
        text = membersText(kept);
    }
}

} // namespace fixtureGroups
