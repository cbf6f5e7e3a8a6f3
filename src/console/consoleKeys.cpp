#include "console/consoleKeys.h"

#include "console/runControls.h"
#include "console/sceneRecording.h"
#include "console/timeControls.h"
#include "shell/services/audioService.h"
#include "shell/services/consoleService.h"
#include "shell/services/controlService.h"
#include "shell/services/effectsService.h"
#include "shell/services/mastersService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <algorithm>

namespace {
enum Key : int32_t { Pause = 19, Esc = 27, Space = 32, End = 35, Insert = 45, Delete = 46 };
constexpr int32_t shiftAlone = 1;
} // namespace

void ConsoleKeys::Keyshortcuts(int32_t keyCode, int32_t shift) {
    if (sequenceDetailsHasFocus || shift != 0) return;
    switch (keyCode) {
    case Space:
        // Auto-repeat of a held Space must not strike the strobe again.
        if (!strobeKeyHeld) {
            shell().effects().strobeChaseButton(true);
            strobeKeyHeld = true;
        }
        break;
    case End: shell().audio().tapTempo(); break;
    case Delete: shell().masters().cmdBlackOut_Click(); break;
    case Insert: shell().effects().pressFog(); break;
    case Pause: shell().masters().cmdMasterPause_Click(); break;
    default: break;
    }
}

void ConsoleKeys::keyshortcutsup(int32_t keyCode, int32_t shift) {
    switch (keyCode) {
    case Insert: shell().effects().releaseFog(); break;
    case Space:
        shell().effects().strobeChaseButton(false);
        strobeKeyHeld = false;
        break;
    case Esc:
        if (shift == shiftAlone) {
            run.cmdCreateNew_Click(2);
            shell().shortcuts().pressActivePageButton();
        }
        break;
    default: break;
    }
}

bool ConsoleKeys::wingFade(int32_t delta) {
    if (!wingFadeTimeAdjust) return false;
    // As the operator would: press, move, let go.
    times.fadeTimeMouseDown();
    times.fadeTimeChanged(std::max(0, times.fadeTimeValue + delta));
    times.fadeTimeMouseUp();
    if (wingShiftHeld) shell().playback().setFadeTimeSliderValue(0, times.fadeTimeValue);
    return true;
}

bool ConsoleKeys::wingPlayback(int32_t delta) {
    ChannelModel& m = shell().state;
    PlaybackService& pb = shell().playback();
    const int32_t next = m.currentPlayback + delta;
    if (next < 1 || next > pb.DocumentCount()) return false;
    m.currentPlayback = next;
    pb.UpdateMainDisplay(next);
    run.selectCurrentChaserActiveFixtures();
    shell().presets().refreshButtons();
    return true;
}

// The wing's save key: presses Save of a shown Sequence Properties dialog
// (naming an unsaved sequence after the page's next button), else opens it.
void ConsoleKeys::wingSave() {
    ShortcutsService& pages = shell().shortcuts();
    if (!pages.sequencePropertiesVisible()) {
        shell().console().SaveSeq_Click();
        return;
    }
    int32_t home = 0;
    const bool unsaved = shell().playback().getCurrentSequence(shell().state.currentPlayback, home).isEmpty();
    pages.saveSequenceProperties(unsaved ? QStringLiteral("Sequence %1").arg(pages.currentPageButtonCount() + 1)
                                         : QString());
}

bool ConsoleKeys::recieveMidiNote(const QString& theNote, const QString& theChannel, const QString& velocity) {
    if (!shell().masters().tessalyControlWing() || theChannel.trimmed() != QLatin1String("1")) return false;
    bool ok = false;
    const int32_t note = theNote.trimmed().toInt(&ok);
    if (!ok) return false;
    const bool press = velocity.trimmed().toInt() > 0;
    if (!shell().masters().programingMode() && note > 15 && note < 46 && note != 39 && note != 40)
        shell().masters().cmdProgramingMode_Click();
    PatchService& patch = shell().patch();
    // Most buttons act on the press and leave the release to the next receiver.
    auto onPress = [&](auto&& action) {
        if (press) action();
        return press;
    };
    switch (note) {
    case 34:
        if (!press) run.go();
        return press;
    case 35: return onPress([&] { run.pause(); });
    case 36: return onPress([&] { run.release(); });
    case 37: return onPress([&] { run.stepBack(); });
    case 38: return onPress([&] { run.stepForward(); });
    case 39: return onPress([&] { wingSave(); });
    case 40: return onPress([&] { run.cmdCreateNew_Click(2); });
    case 41: return onPress([&] { recording.removeScene(); });
    case 42: return onPress([&] { recording.recordAndAdd(); });
    case 43: return onPress([&] { run.cmdCreateNew_Click(0); });
    case 44: return onPress([&] { run.cmdCreateNew_Click(1); });
    case 45:
        if (!press) run.toggleAutoGo();
        return press;
    case 47: wingShiftHeld = press; return false;
    case 91: return wingFade(10);
    case 92: return wingFade(-10);
    case 93:
    case 117: return onPress([&] { patch.selectPreviousFixture(); });
    case 96:
    case 118: return onPress([&] { patch.selectNextFixture(); });
    case 114: return press && wingPlayback(-1);
    case 116: return press && wingPlayback(+1);
    case 115:
        if (press) return false;
        shell().presets().showActiveWheels(QString());
        wingFadeTimeAdjust = !wingFadeTimeAdjust;
        if (wingFadeTimeAdjust) shell().control().sendWingNoteOn(1, 115, 64);
        else shell().control().sendWingNoteOff(1, 115, 0);
        return true;
    default: return false;
    }
}
