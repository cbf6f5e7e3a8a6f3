#include "support/confirmActions.h"

#include "shell/services/mainWindowService.h"
#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <exception>

namespace confirmActions {

namespace {

void clearSequence() {
    Shell& s = shell();
    ChannelModel& m = s.state;
    s.playback().clearSequenceInChaser(m.currentPlayback);
    s.mainWindow().updateSequenceDetails(QString());
    s.playback().hidePlayback(m.currentPlayback);
    // Whichever playback was cleared, the first one is current after.
    m.currentPlayback = 1;
    s.shortcuts().refreshCurrentPage();
    MainWindowService& main = s.mainWindow();
    main.setAllPlaybacksCaption(main.returnSequenceNameForCurrentChaser());
}

} // namespace

QString clearSequenceCaption() {
    return QStringLiteral("Playback ") + QString::number(shell().state.currentPlayback);
}

Result OKButton_Click(const QString& question) {
    try {
        if (question == clearSequenceText) clearSequence();
        else if (question == newShowText) shell().show().startNewShow();
        else return {};
        return {true, {}};
    } catch (const std::exception& e) {
        return {false, QStringLiteral("Error clearing sequence ") + QString::fromLocal8Bit(e.what())};
    }
}

} // namespace confirmActions
