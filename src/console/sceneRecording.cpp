#include "console/sceneRecording.h"

#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

namespace {
int32_t current() { return shell().state.currentPlayback; }
} // namespace

void SceneRecording::recordOver() {
    shell().state.sequenceChanged = true;
    shell().playback().pressRecord(current(), false);
    saveChangesCaption = QStringLiteral("Save Changes As Button");
}

void SceneRecording::recordAndAdd() {
    shell().state.sequenceChanged = true;
    shell().playback().pressRecord(current(), true);
}

void SceneRecording::autoRecord() {
    PlaybackService& pb = shell().playback();
    int32_t n = 0;
    pb.giveMeMaxStepsInDoc(current(), n);
    // A running chase is never rewritten by live changes.
    if (pb.getChaserFlag(current()) && n > 1) return;
    shell().state.sequenceChanged = true;
    const int32_t s = pb.thecurrentStep(current());
    const int32_t step = s == n && pb.getRecordPlusLast(current()) ? s + 1 : s;
    shell().presets().removeEventIfInCurrentStep(step, false);
    pb.updateSceneValues(current());
    saveChangesCaption = QStringLiteral("Save Changes as Button");
}

void SceneRecording::insertScene(bool blackOut) { shell().playback().insertscene(current(), blackOut); }

void SceneRecording::removeScene() { shell().playback().deleteScene(current()); }
