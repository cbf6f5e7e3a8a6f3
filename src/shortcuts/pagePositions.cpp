// Button positions, moving buttons and the button groups of the shown page.

#include "shortcuts/shortcutPages.h"

#include "platform/prompts.h"
#include "shell/services/controlService.h"
#include "shell/shell.h"

#include <QFile>
#include <algorithm>
#include <cmath>

using pageSettings::GroupRect;

void ShortcutPages::savePosition(const QString& name, float x, float y) {
    if (currentPage.isEmpty()) return;
    if (!name.isEmpty()) {
        pageSettings::writePosition(currentPage, name, x, y, groupAtPoint(y, x));
        shell().control().updateWebInterface();
        return;
    }
    if (currentButtonIndex < 1 || currentButtonIndex >= int32_t(buttons.size())) return;
    const PageButton& b = buttons[size_t(currentButtonIndex)];
    pageSettings::writePosition(currentPage, currentButtonName, float(b.top), float(b.left),
                                groupAtPoint(float(b.left), float(b.top)));
}

void ShortcutPages::saveNewButtonPosition(const QString& name, bool overRide) {
    float x = 0, y = 0;
    try {
        if (!overRide && pageSettings::readButtonPosition(currentPage, name, x, y)) return;
    } catch (const pageSettings::NotANumber& e) {
        // The stored place cannot be read: it is reported and left as it is.
        shell().prompts().messageBox(QString::fromStdString(e.what()));
        return;
    }
    pageSettings::writePosition(currentPage, name, float(windowHeight - 1200), float(windowWidth - 1200), -1);
    currentButtonName = name;
}

void ShortcutPages::setFlashButton() {
    flashButton = true;
    // Only the first 200 buttons are searched for the new one.
    const int32_t last = std::min<int32_t>(200, int32_t(buttons.size()) - 1);
    for (int32_t i = 1; i <= last; ++i) {
        if (buttons[size_t(i)].name == currentButtonName) {
            currentButtonIndex = i;
            break;
        }
    }
    changed();
}

void ShortcutPages::endFlash() {
    if (!flashButton) return;
    flashButton = false;
    changed();
}

void ShortcutPages::saveButtonGroupsOfPage() {
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        const PageButton& b = buttons[size_t(i)];
        pageSettings::writeGroup(currentPage, b.name, groupAtPoint(float(b.left + 10), float(b.top + 10)));
    }
}

void ShortcutPages::cmdReset_Click() {
    const int answer = shell().prompts().messageBox(
        QStringLiteral("Are you sure you want to clean this page. This action will reset all button positions and delete button groups."),
        msgBox::OKCancel);
    if (answer != msgBox::OK) return;
    QFile::remove(shortcutFiles::pageSettingsFile(currentPage));
    refreshCurrentPage();
}

bool ShortcutPages::hasLeftNeighbour(int32_t index) const {
    const PageButton& me = buttons[size_t(index)];
    for (int32_t i = 1; i <= currentPageButtonCount; ++i) {
        const PageButton& b = buttons[size_t(i)];
        if (me.left - 1161 < b.left && b.left < me.left - 1150 && (b.top == me.top || b.top + 696 == me.top)) return true;
    }
    return false;
}

int32_t ShortcutPages::buttonAtSamePosition(int32_t index) const {
    const PageButton& me = buttons[size_t(index)];
    for (int32_t i = 1; i <= currentPageButtonCount; ++i)
        if (i != index && buttons[size_t(i)].left == me.left && buttons[size_t(i)].top == me.top) return i;
    return 0;
}

void ShortcutPages::clkMoveButton_Click() {
    // The fixed button is the grid's anchor: it never moves.
    if (currentButtonIndex < 1 || currentButtonIndex > currentPageButtonCount) return;
    movingButtonIndex = currentButtonIndex;
    movingButtonTop = float(buttons[size_t(movingButtonIndex)].top);
    movingButtonLeft = float(buttons[size_t(movingButtonIndex)].left);
    changed();
}

void ShortcutPages::followMove(float x, float y, bool coarse) {
    if (movingButtonIndex <= 0) return;
    const float step = coarse ? 0.2f : 0.04f;
    PageButton& b = buttons[size_t(movingButtonIndex)];
    b.left = std::round(pageSettings::snapCoordinate(x, step));
    b.top = std::round(pageSettings::snapCoordinate(y, step));
    changed();
}

void ShortcutPages::dropMove() {
    if (movingButtonIndex <= 0) return;
    const int32_t other = buttonAtSamePosition(movingButtonIndex);
    if (other > 0) {
        buttons[size_t(other)].left = movingButtonLeft;
        buttons[size_t(other)].top = movingButtonTop;
        savePosition(buttons[size_t(other)].name, movingButtonTop, movingButtonLeft);
    }
    currentButtonIndex = movingButtonIndex;
    currentButtonName = buttons[size_t(movingButtonIndex)].name;
    savePosition(QString(), 0, 0);
    saveButtonGroupsOfPage();
    movingButtonIndex = 0;
    changed();
}

// ---- Groups ------------------------------------------------------------------------------

void ShortcutPages::loadPageGroups() {
    // Loaded during the start-up replay too: the replayed presses release
    // and dim by the groups of their own page.
    try {
        groups = pageSettings::loadGroups(currentPage);
    } catch (const pageSettings::NotANumber& e) {
        groups.clear();
        shell().prompts().messageBox(
            QStringLiteral("Error in Load Page Groups, Press the Reset Positon Button to clear all groups") +
            QString::fromStdString(e.what()));
    }
    for (int32_t g = 1; g <= pageGroupCount(); ++g) getGroupSubMaster(g);
    changed();
}

void ShortcutPages::hideAllGroups() {
    groups.clear();
    std::fill(groupCursor.begin(), groupCursor.end(), 0);
}

namespace {

// The colour and name questions of a group; false when nothing was chosen.
bool askColour(GroupRect& rect) {
    const int colour = shell().prompts().chooseColour(rect.color);
    if (colour < 0) return false;
    rect.color = colour;
    return true;
}

bool askName(GroupRect& rect) {
    const QString answer = shell().prompts().inputBox(QStringLiteral("Please Enter Button Group Name"),
                                                      QStringLiteral("Group Name"), rect.name);
    if (answer.isEmpty() || answer == rect.name) return false;
    rect.name = answer;
    return true;
}

} // namespace

bool ShortcutPages::createGroup(const GroupRect& shape) {
    if (groups.size() >= size_t(pageSettings::maxGroups)) {
        shell().prompts().messageBox(QStringLiteral("Button Group Limit For this page Reached"));
        return false;
    }
    GroupRect rect = shape;
    const int32_t number = int32_t(groups.size()) + 1;
    const bool colour = askColour(rect);
    const bool name = askName(rect);
    pageSettings::saveGroupRect(currentPage, number, rect, colour, name);
    loadPageGroups();
    saveButtonGroupsOfPage();
    return true;
}

void ShortcutPages::deleteGroup(int32_t group) {
    if (group < 1) return;
    pageSettings::shiftGroupSections(currentPage, group);
    hideAllGroups();
    loadPageGroups();
    saveButtonGroupsOfPage();
}

void ShortcutPages::renameGroup(int32_t group) {
    if (group < 1 || group > int32_t(groups.size())) return;
    GroupRect rect = groups[size_t(group) - 1];
    if (askName(rect)) pageSettings::saveGroupRect(currentPage, group, rect, false, true);
    loadPageGroups();
}

void ShortcutPages::recolourGroup(int32_t group) {
    if (group < 1 || group > int32_t(groups.size())) return;
    GroupRect rect = groups[size_t(group) - 1];
    if (askColour(rect)) pageSettings::saveGroupRect(currentPage, group, rect, true, false);
    loadPageGroups();
}
