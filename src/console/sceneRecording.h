#pragma once
// Recording the live look into the current playback: record over the
// current step, record and add a step, the live record that follows every
// live change of a static scene, and inserting / removing steps.

#include <QString>

class SceneRecording {
public:
    void recordOver();
    void recordAndAdd();
    // A live change: re-records the current step unless a chase of two or more steps runs.
    void autoRecord();
    void insertScene(bool blackOut);
    void removeScene();

    // The caption of the save button, telling that unsaved recording happened.
    QString saveChangesCaption = QStringLiteral("Save Sequence As Button");
};
