#pragma once
// The programming console's engine: the console service the main window's
// menus, the palette window and the FX tool call. Lives as long as the
// shell: shell().engine<Console>() lends itself as the console service.

#include "console/consoleKeys.h"
#include "console/fixtureClipboard.h"
#include "console/movementShapes.h"
#include "console/runControls.h"
#include "console/sceneRecording.h"
#include "console/timeControls.h"
#include "shell/services/consoleService.h"

class Console final : public ConsoleService {
public:
    Console();
    ~Console() override;
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    bool saveCurrentShapeFunction(const QString& filenameToSave) override;
    bool ShapeGenerator(bool append, const QString& fileNameToOpen, int32_t theXSize, int32_t theYSize,
                        int32_t theCenterX, int32_t theCenterY) override;
    int32_t dmxPilotShiftSteps() const override { return shapes.dmxPilotShiftSteps; }
    int32_t dmxPilotGroupSize() const override { return shapes.dmxPilotGroupSize; }

    void play(int32_t chaserToPlay, bool fromChaser) override { run.play(chaserToPlay, fromChaser); }
    void stopchase(int32_t button, bool fromChase) override { run.stopchase(button, fromChase); }
    void BT_OFf_MouseDown(int32_t button) override;
    void cmdCreateNew_Click(int32_t index) override { run.cmdCreateNew_Click(index); }
    QString returnSequenceNameForCurrentChaser() override { return run.returnSequenceNameForCurrentChaser(); }
    void selectCurrentChaserActiveFixtures() override { run.selectCurrentChaserActiveFixtures(); }

    void Keyshortcuts(int32_t keyCode, int32_t shift) override { keys.Keyshortcuts(keyCode, shift); }
    void keyshortcutsup(int32_t keyCode, int32_t shift) override { keys.keyshortcutsup(keyCode, shift); }
    bool recieveMidiNote(const QString& note, const QString& channel, const QString& velocity) override {
        return keys.recieveMidiNote(note, channel, velocity);
    }

    void bt_store_Click() override { recording.recordOver(); }
    void cmdRecordAndAddScene_Click() override { recording.recordAndAdd(); }
    void autoRecord() override { recording.autoRecord(); }
    void insertscene_Click() override { recording.insertScene(false); }
    void clkInsertBlackoutScene_Click() override { recording.insertScene(true); }
    void removescene_Click() override { recording.removeScene(); }

    void clkRefreshSequences_Click() override;
    void SaveSeq_Click() override;
    void setFadeTimeSlider(int32_t theValue) override { times.setFadeTimeSlider(theValue); }
    void setUseFadetime(bool ticked) override { times.setUseFadetime(ticked); }
    bool mouseDownOnFade() const override { return times.mouseDownOnFade; }
    void timeBoxEntry(int32_t box, double value) override { times.keypadEntry(box, value); }

    void copyscene_Click() override;
    void pastescene_Click() override;
    void copyfixturescene_Click() override { clipboard.copyFixtureScene(); }
    void copyfixturesequence_Click() override { clipboard.copyFixtureSequence(); }
    void pastefixturescene_Click() override;
    void pastefixscenewopanandtilt_Click() override;
    void pastefixturesequence_Click() override;
    void pastefixseqwopanandtilt_Click() override;

    MovementShapes shapes;
    FixtureClipboard clipboard;
    RunControls run;
    SceneRecording recording;
    TimeControls times;
    ConsoleKeys keys{run, recording, times};
};
