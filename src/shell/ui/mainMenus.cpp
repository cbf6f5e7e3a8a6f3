// The main window's menu bar and the frame's toolbar commands.

#include "shell/ui/Main.h"
#include "shell/ui/mainCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
const char* const commandProperty = "varnelCommand";

void addMenu(QMenu* into, const mainCommands::Menu& m, std::vector<QAction*>& actions, Main* owner) {
    into->setToolTipsVisible(true);
    for (const auto& entry : m.entries) {
        QAction* a = into->addAction(entry.caption);
        a->setProperty(commandProperty, static_cast<int>(entry.command));
        const auto command = entry.command;
        QObject::connect(a, &QAction::triggered, owner, [command] { mainCommands::run(command); });
        actions.push_back(a);
    }
    for (const auto& sub : m.submenus) addMenu(into->addMenu(sub.title), sub, actions, owner);
    QObject::connect(into, &QMenu::aboutToShow, owner, &Main::updateMenuStates);
}
} // namespace

void Main::buildMenus() {
    for (const auto& m : mainCommands::menus()) addMenu(menuBar()->addMenu(m.title), m, commandActions, this);
}

void Main::updateMenuStates() {
    for (QAction* a : commandActions) {
        const auto command = static_cast<mainCommands::Command>(a->property(commandProperty).toInt());
        const QString reason = mainCommands::unavailableReason(command);
        a->setEnabled(reason.isEmpty());
        a->setToolTip(reason.isEmpty() ? a->text() : reason);
    }
}

QAction* Main::menuEntry(const QString& caption) const {
    for (QAction* a : commandActions)
        if (a->text() == caption) return a;
    return nullptr;
}

void Main::showEvent(QShowEvent* event) {
    updateMenuStates();
    QMainWindow::showEvent(event);
}

void Main::Toolbar1_ButtonClick(int index) {
    if (const auto command = mainCommands::toolbarCommand(index)) mainCommands::run(*command);
}
