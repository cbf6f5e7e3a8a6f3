#include "shell/ui/shellMainWindowService.h"

#include "shell/ui/Main.h"
#include "shell/ui/programWindows.h"
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

void ShellMainWindowService::showAbout() {
    About& about = form<About>();
    about.show();
    about.raise();
}

bool ShellMainWindowService::closeProgram(const QString& startNew) { return form<Main>().closeProgram(startNew); }
