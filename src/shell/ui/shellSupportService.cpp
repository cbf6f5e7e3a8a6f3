#include "shell/ui/shellSupportService.h"

#include "shell/ui/programWindows.h"
#include "shell/ui/windowRegistry.h"

void ShellSupportService::showLoadingText(const QString& text) { form<frmSplash>().setStage(text); }

void ShellSupportService::unloadSplash() {
    if (loadedForm<frmSplash>()) unloadForm<frmSplash>();
}
