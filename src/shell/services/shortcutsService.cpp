#include "shell/services/shortcutsService.h"

#include "shell/shell.h"

ShortcutsService& Shell::shortcuts() { return service<ShortcutsService>(); }

QString ShortcutsService::currentPage() { return {}; }
void ShortcutsService::saveNewButtonPosition(const QString&, bool) {}
void ShortcutsService::moveSequenceData(int32_t, int32_t, int32_t, int32_t, int32_t) {}
void ShortcutsService::refreshPageOnly() {}
void ShortcutsService::doneWithFade(bool) {}
void ShortcutsService::updateFadeOutText(const QString&, int32_t) {}
bool ShortcutsService::globalTempoSelected() { return false; }
void ShortcutsService::deleteAllPages() {}
void ShortcutsService::checkForDrive() {}
void ShortcutsService::showShortcutPages() {}
void ShortcutsService::showMasterShortcuts() {}
void ShortcutsService::showKeyList() {}
