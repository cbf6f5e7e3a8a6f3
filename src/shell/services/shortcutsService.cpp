#include "shell/services/shortcutsService.h"

#include "shell/shell.h"

ShortcutsService& Shell::shortcuts() { return service<ShortcutsService>(); }

void ShortcutsService::moveSequenceData(int32_t, int32_t, int32_t, int32_t, int32_t) {}
void ShortcutsService::deleteAllPages() {}
void ShortcutsService::checkForDrive() {}
void ShortcutsService::showShortcutPages() {}
void ShortcutsService::showMasterShortcuts() {}
void ShortcutsService::showKeyList() {}
