#pragma once
// The splash window as far as the shell shows it: the start-up and the show
// loader write their stages into it. The support subsystem's other windows
// stay at base until it is built.

#include "shell/services/supportService.h"

class ShellSupportService : public SupportService {
public:
    // Loads the splash when it is not up (a key press may have removed it).
    void showLoadingText(const QString& text) override;
    void unloadSplash() override;
};
