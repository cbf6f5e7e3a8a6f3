#include "shell/userModes.h"

#include "platform/prompts.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/mastersService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

UserModes::UserModes()
    : userMode(settingsKeys::read(settingsKeys::currentMode)), passWord(settingsKeys::read(settingsKeys::theThing)) {}

void disableSaveMenu(bool enable) {
    Shell& s = shell();
    s.mainWindow().setProgrammingControlsEnabled(enable);
    s.masters().setProgrammingControlsEnabled(enable);
    s.shortcuts().setProgrammingControlsEnabled(enable);
    s.presets().setProgrammingControlsEnabled(enable);
}

void UserModes::applyUserMode() {
    if (userMode == userOnly) {
        disableSaveMenu(false);
    } else if (userMode == playbackOnly) {
        disableSaveMenu(false);
        shell().masters().setProgramingModeEnabled(false);
    } else {
        disableSaveMenu(true);
    }
}

bool UserModes::changeMode(const QString& chosen) {
    // The box starts empty: a pre-filled code would unlock the console for
    // anyone who presses OK.
    const QString answer = shell().prompts().inputBox(QStringLiteral("Please Enter Password"), QStringLiteral("Password"));
    if (answer != passWord) {
        shell().prompts().messageBox(QStringLiteral("Password Incorrect, Please try again"));
        return false;
    }
    settingsKeys::write(settingsKeys::currentMode, chosen);
    settingsKeys::write(settingsKeys::theThing, answer);
    userMode = chosen;
    MastersService& top = shell().masters();
    if (chosen == userOnly) {
        disableSaveMenu(false);
        top.setProgramingModeEnabled(true);
    } else if (chosen == programmerUser) {
        disableSaveMenu(true);
        top.setProgramingModeEnabled(true);
    } else if (chosen == playbackOnly) {
        disableSaveMenu(false);
        top.cmdPlaybackMode_Click();
        top.setProgramingModeEnabled(false);
    }
    return true;
}

bool UserModes::changePassword() {
    Prompts& p = shell().prompts();
    if (p.inputBox(QStringLiteral("Please enter current Password")) != passWord) return false;
    const QString fresh = p.inputBox(QStringLiteral("Please enter the new Password"));
    // A cancelled box answers the empty text; an empty code would open the
    // lock to a cancelled prompt, so it ends the change.
    if (fresh.isEmpty()) return false;
    const QString confirmed = p.inputBox(QStringLiteral("Please confirm the new Password"));
    if (confirmed != fresh) return false;
    passWord = fresh;
    settingsKeys::write(settingsKeys::theThing, fresh);
    return true;
}
