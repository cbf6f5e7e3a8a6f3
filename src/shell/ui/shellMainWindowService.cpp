#include "shell/ui/shellMainWindowService.h"

#include "shell/ui/Main.h"
#include "shell/ui/mainCommands.h"
#include "shell/ui/windowRegistry.h"

#include <QCoreApplication>

void ShellMainWindowService::processPendingEvents() { QCoreApplication::processEvents(); }

bool ShellMainWindowService::oneConsole() {
    const Main* main = loadedForm<Main>();
    return main && main->oneConsole;
}

void ShellMainWindowService::setMainCaption(const QString& caption) {
    if (Main* main = loadedForm<Main>()) main->setWindowTitle(caption);
}

bool ShellMainWindowService::toolbarButtonAvailable(int32_t index) {
    const auto command = mainCommands::toolbarCommand(index);
    return command && mainCommands::unavailableReason(*command).isEmpty();
}

void ShellMainWindowService::toolbarButtonClick(int32_t index) { form<Main>().Toolbar1_ButtonClick(index); }
