#pragma once
// The support subsystem's service: the splash (from the shell) and the
// common dialogs, the update check and the shut-down command.

#include "shell/ui/shellSupportService.h"

class Shell;

class SupportServiceImpl : public ShellSupportService {
public:
    bool renameFixture(int32_t fixture) override;
    bool namePlayback(int32_t playback) override;
    bool renamePlaybackSequence(const QString& originalName) override;
    void confirmClearSequence() override;
    void confirmNewShow() override;
    void showStartWizard() override;
    void checkForUpdate(bool silent) override;
    int32_t showMonitorDialog(const QString& prompt, const QString& caption, bool* fullScreen) override;
    void shutDownCommand() override;
    bool shutDownComputer(bool force) override;
};

// Registers the support service with the shell.
void registerSupport(Shell& s);
