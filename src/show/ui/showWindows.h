#pragma once
// The show service of the running console: the show engine, and the windows
// it opens for the others (options, backup and restore).

#include "show/showEngine.h"

class ShowWindows final : public ShowEngine {
public:
    void showOptions(bool fresh) override;
    void showBackupRestore() override;
};
