#include "support/ReBoot.h"

#include "platform/prompts.h"
#include "platform/systemPower.h"
#include "shell/shell.h"

namespace ReBoot {

bool shutDownComputer(bool force) {
    Shell& s = shell();
    SystemPower* power = s.power();
    if (!power) {
        s.prompts().messageBox(QStringLiteral("The computer cannot be shut down from this console."),
                               msgBox::OKOnly | msgBox::Exclamation);
        return false;
    }
    if (power->powerOff(force)) return true;
    // The lights keep their show: the console runs on.
    s.prompts().messageBox(QStringLiteral("The computer could not be shut down: ") + power->lastError(),
                           msgBox::OKOnly | msgBox::Exclamation, askTitle);
    return false;
}

bool confirmAndShutDown() {
    if (shell().prompts().messageBox(askText, msgBox::YesNo, askTitle) != msgBox::Yes) return false;
    return shutDownComputer(true);
}

} // namespace ReBoot
