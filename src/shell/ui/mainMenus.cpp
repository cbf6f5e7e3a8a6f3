// The main window's menu bar and the frame's toolbar commands.

#include "shell/ui/Main.h"
#include "shell/ui/mainCommands.h"
#include "shell/services/mainWindowService.h"
#include "shell/shell.h"
#include "shell/ui/windowMenu.h"
#include "shell/ui/workspace.h"

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
    QMenu* file = nullptr;
    for (const auto& m : mainCommands::menus()) {
        QMenu* menu = menuBar()->addMenu(m.title);
        addMenu(menu, m, commandActions, this);
        if (m.title == QLatin1String("File")) file = menu;
    }
    if (!file) return;
    // The arrangement of the windows, the About box and the list of loaded
    // playbacks (rebuilt each time the menu opens) end the file menu.
    file->addSeparator();
    file->addAction(QStringLiteral("Save Workspace"), this, [] { workspace::saveWorkspace(); });
    file->addAction(QStringLiteral("Load Workspace"), this, [] { workspace::loadWorkspace(); });
    file->addAction(QStringLiteral("Credits"), this, [] { shell().mainWindow().showAbout(); });
    QMenu* loaded = file->addMenu(QStringLiteral("Loaded Playbacks"));
    connect(file, &QMenu::aboutToShow, loaded, [loaded] { windowMenuUi::fillLoadedPlaybacksMenu(loaded); });
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
