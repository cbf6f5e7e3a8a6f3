#include "shell/ui/shellMainWindowService.h"

#include "platform/prompts.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/Main.h"
#include "shell/ui/programWindows.h"
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

void ShellMainWindowService::clearsequence_Click() {
    const int answer = shell().prompts().messageBox(
        QStringLiteral("Are you sure you want to clear Loaded Sequence and Release Current Playback?"), msgBox::OKCancel);
    if (answer == msgBox::OK) shell().playback().clearSequenceInChaser(shell().state.currentPlayback);
}
void ShellMainWindowService::showAbout() {
    About& about = form<About>();
    about.show();
    about.raise();
}

bool ShellMainWindowService::closeProgram(const QString& startNew) { return form<Main>().closeProgram(startNew); }
bool ShellMainWindowService::toolbarButtonAvailable(int32_t index) {
    const auto command = mainCommands::toolbarCommand(index);
    return command && mainCommands::unavailableReason(*command).isEmpty();
}

void ShellMainWindowService::toolbarButtonClick(int32_t index) { form<Main>().Toolbar1_ButtonClick(index); }
