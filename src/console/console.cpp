#include "console/console.h"

#include "console/sequenceRegeneration.h"
#include "platform/prompts.h"
#include "shell/services/playbackService.h"
#include "shell/services/schedulerService.h"
#include "shell/shell.h"

#include <exception>

namespace {

// The pastes report a failure with their own text first; what was written stays.
template <typename F> void reported(const QString& text, F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        shell().prompts().messageBox(text + QString::fromUtf8(e.what()));
    }
}

} // namespace

Console::Console() { shell().lend<ConsoleService>(*this); }
Console::~Console() { shell().withdraw<ConsoleService>(*this); }

bool Console::saveCurrentShapeFunction(const QString& filenameToSave) {
    return shapes.saveCurrentShapeFunction(filenameToSave);
}

bool Console::ShapeGenerator(bool append, const QString& fileNameToOpen, int32_t theXSize, int32_t theYSize,
                             int32_t theCenterX, int32_t theCenterY) {
    bool loaded = false;
    reported(QStringLiteral("Shape Generator:"), [&] {
        loaded = shapes.ShapeGenerator(append, fileNameToOpen, theXSize, theYSize, theCenterX, theCenterY);
    });
    return loaded;
}

void Console::clkRefreshSequences_Click() { sequenceRegeneration::clkRefreshSequences_Click(); }

void Console::SaveSeq_Click() {
    times.setUseFadetime(false);
    sequenceRegeneration::SaveSeq_Click();
}

void Console::copyscene_Click() { shell().playback().copyscene(shell().state.currentPlayback); }
void Console::pastescene_Click() { shell().playback().pastescene(shell().state.currentPlayback); }

void Console::pastefixturescene_Click() {
    reported(QStringLiteral("Error pasting Scene:"), [&] { clipboard.pasteFixtureScene(true); });
}
void Console::pastefixscenewopanandtilt_Click() {
    reported(QStringLiteral("Error pasting Scene:"), [&] { clipboard.pasteFixtureScene(false); });
}
void Console::pastefixturesequence_Click() {
    reported(QStringLiteral("Error trying to paste data:"), [&] { clipboard.pasteFixtureSequence(true); });
}
void Console::pastefixseqwopanandtilt_Click() {
    reported(QStringLiteral("Error trying to paste data:"), [&] { clipboard.pasteFixtureSequence(false); });
}

// The left button also stops a schedule that is timing its rows; the right
// one (a schedule's "Pause All Playbacks") leaves the schedule running.
void Console::BT_OFf_MouseDown(int32_t button) {
    run.release();
    if (button == 1) shell().scheduler().stopSchedule();
}
