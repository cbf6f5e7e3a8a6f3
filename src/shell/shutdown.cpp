#include "shell/shutdown.h"

#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/programSession.h"
#include "shell/services/controlService.h"
#include "shell/services/outputService.h"
#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <exception>

namespace shutdown {

namespace {

enum class Asked { Kept, Cleared, SaveFailed };

// One unsaved-work question: Yes saves (the flag clears only when the save
// worked), No gives the work up, Cancel keeps it.
template <typename Save> Asked ask(bool& flag, const QString& text, const QString& title, Save save) {
    if (!flag) return Asked::Cleared;
    switch (shell().prompts().messageBox(text, msgBox::YesNoCancel, title)) {
    case msgBox::Yes:
        if (!save()) return Asked::SaveFailed;
        flag = false;
        return Asked::Cleared;
    case msgBox::No:
        flag = false;
        return Asked::Cleared;
    default:
        return Asked::Kept;
    }
}

void end(ShutdownView& view) {
    Shell& s = shell();
    if (s.output().artNetRunning()) s.output().endArtNet();
    s.control().StopServer();
    view.endProgram();
}

bool closeProgramUnguarded(ShutdownView& view, const QString& startNew) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    settingsKeys::write(settingsKeys::interfaceOn, s.output().dmxInterfaceOpen() ? QStringLiteral("7")
                                                                                  : QStringLiteral("0"));
    // The other modes are never asked to save.
    if (s.engine<ProgramSession>().userMode != QLatin1String("Programmer/User")) {
        m.showChanged = false;
        m.sequenceChanged = false;
    }
    const Asked showAnswer =
        ask(m.showChanged, QStringLiteral("Changes were made, Do you want to save changes"),
            QStringLiteral("Save Show/Configuration File?"),
            [&] { return s.show().saveConfiguration(false, false, false); });
    if (showAnswer == Asked::SaveFailed) return false;
    const Asked sequenceAnswer =
        ask(m.sequenceChanged, QStringLiteral("A Sequence was created, Do you want to save sequence?"),
            QStringLiteral("Save File?"), [&] { return s.playback().saveTheSequence(m.currentPlayback, true); });
    if (sequenceAnswer == Asked::SaveFailed) return false;

    view.saveMainWindowState();

    if (!startNew.isEmpty()) {
        s.prompts().messageBox(QStringLiteral("Shutting Down the Program for software update"), msgBox::OKOnly);
        if (miscGlobalFunctions::FileExists(startNew)) view.openInstaller(startNew);
        end(view);
        return true;
    }
    if (m.showChanged || m.sequenceChanged) return false;
    if (!confirmClose()) return false;
    end(view);
    return true;
}

} // namespace

bool confirmClose() { return shell().prompts().messageBox(confirmText, msgBox::YesNo) == msgBox::Yes; }

bool closeProgram(ShutdownView& view, const QString& startNew) {
    try {
        return closeProgramUnguarded(view, startNew);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QString::fromLocal8Bit(e.what()), msgBox::OKOnly);
        return false;
    }
}

} // namespace shutdown
