#pragma once
// The main window service as far as the shell's own main window (Main) goes:
// the window event loop, one-console mode and the caption. The programming
// console extends it with its displays when it is built.

#include "shell/services/mainWindowService.h"

class ShellMainWindowService : public MainWindowService {
public:
    bool hasEventLoop() override { return true; }
    void processPendingEvents() override;
    bool oneConsole() override;
    void setMainCaption(const QString& caption) override;
    // Asks, then empties the current playback and frees its channels.
    void clearsequence_Click() override;
    void showAbout() override;
    bool closeProgram(const QString& startNew) override;
    bool toolbarButtonAvailable(int32_t index) override;
    void toolbarButtonClick(int32_t index) override;
};
