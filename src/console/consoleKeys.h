#pragma once
// The console's global keys and the control wing's notes: both call the same
// run controls as the on-screen buttons.

#include <QString>
#include <cstdint>

class RunControls;
class SceneRecording;
class TimeControls;

class ConsoleKeys {
public:
    ConsoleKeys(RunControls& run, SceneRecording& recording, TimeControls& times)
        : run(run), recording(recording), times(times) {}

    // Key down: Space strobes, End taps the tempo, Delete the grand blackout,
    // Insert fogs, Pause pauses; nothing with a modifier or while the step
    // name box is being typed in.
    void Keyshortcuts(int32_t keyCode, int32_t shift);
    // Key up: Insert and Space let go; Shift+Esc is CLEAR ALL.
    void keyshortcutsup(int32_t keyCode, int32_t shift);
    // A wing message (note, channel code, velocity as texts); true when handled.
    bool recieveMidiNote(const QString& theNote, const QString& theChannel, const QString& velocity);

    bool sequenceDetailsHasFocus = false;
    bool strobeKeyHeld = false;
    bool wingShiftHeld = false;
    bool wingFadeTimeAdjust = false;

private:
    bool wingFade(int32_t delta);
    bool wingPlayback(int32_t delta);
    void wingSave();
    RunControls& run;
    SceneRecording& recording;
    TimeControls& times;
};
